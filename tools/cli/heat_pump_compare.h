// All 211 cities with the same heat pump against the same furnace, as heatwise-cli compare
// --heat-pump works them out and prints them.
#pragma once

#include <ostream>
#include <vector>

#include "cli_options.h"
#include "compare_report.h"
#include "heat_pump_climate.h"

namespace heatwise::cli {

// Runs the unit of the options in every city, each row's heating cost being the furnace's and
// its cooling cost the form's. The rows come in the options' order: list order, largest saving
// first (ties in list order), or by list text.
std::vector<CompareRow> CompareHeatPumps(const CompareOptions& options,
                                         const HeatPumpClimate& climate);

// The table gives each city's seasonal COP, backup share, warmest balance point of the three
// shifts, both costs and the saving; the CSV and JSON every figure of the heat-pump command.
void PrintHeatPumpComparison(const std::vector<CompareRow>& rows, const CompareOptions& options,
                             std::ostream& out);

// The warmest of the shifts' balance points, or none where the unit keeps up in every shift.
std::optional<double> WarmestBalancePoint(const HeatPumpResult& result);

}  // namespace heatwise::cli
