// One city's costs while one input steps through a range, as heatwise-cli sweep works them out
// and prints them.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "cli_options.h"
#include "engine/climate_data.h"
#include "engine/heat_pump.h"
#include "heat_pump_climate.h"

namespace heatwise::cli {

struct SweepRow {
    const SweepStep* step;
    std::int32_t cooling_cost = 0;  // worked out in mode Cooling
    std::int32_t heating_cost = 0;  // worked out in mode Heating
    HeatPumpResult heat_pump;       // with sweep --heat-pump
};

struct SweepReport {
    const SweepOptions* options = nullptr;
    std::vector<SweepRow> rows;
};

// Works out both seasons' costs at every step, as compare does for every city. The report
// refers to the options, which must outlive it.
SweepReport RunSweep(const SweepOptions& options, const ClimateTables& tables);

// Runs each step's heat pump against the furnace, each step's inputs and unit as its options
// make them.
SweepReport RunHeatPumpSweep(const SweepOptions& options, const HeatPumpClimate& climate);

void PrintSweep(const SweepReport& report, std::ostream& out);

}  // namespace heatwise::cli
