// All 211 cities side by side, as heatwise-cli compare works them out and prints them.
#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>
#include <vector>

#include "cli_options.h"
#include "engine/climate_data.h"
#include "engine/estimate_inputs.h"
#include "engine/heat_pump.h"

namespace heatwise::cli {

struct CompareRow {
    int city = 0;
    std::string_view name;
    DesignRecord design;
    std::int32_t cooling_cost = 0;  // worked out in mode Cooling
    std::int32_t heating_cost = 0;  // worked out in mode Heating
    HeatPumpResult heat_pump;       // with compare --heat-pump
};

// Works out every city's costs from the same inputs, each season in its own mode (in one mode
// the other season's cost is always 0), each heating cost starting from a carried cost of 0.
// The rows come in `order`: list order; costliest first (ties in list order); or by list text
// ignoring case (ties, such as the two springfields, in list order).
std::vector<CompareRow> CompareCities(const EstimateInputs& inputs, const ClimateTables& tables,
                                      CompareOrder order);

// Prints the rows with the inputs they were worked out from: the table says them in the lines
// above its header, the CSV in columns of their own after the costs, the same on every row.
void PrintComparison(const std::vector<CompareRow>& rows, const EstimateInputs& inputs,
                     OutputFormat format, std::ostream& out);

}  // namespace heatwise::cli
