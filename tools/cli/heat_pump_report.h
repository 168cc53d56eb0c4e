// One city's heat pump against the furnace, as heatwise-cli heat-pump works it out and prints it.
#pragma once

#include <memory>
#include <ostream>

#include "cli_options.h"
#include "engine/heat_pump.h"
#include "heat_pump_climate.h"

namespace heatwise::cli {

struct HeatPumpReport {
    HeatPumpOptions options;
    HeatPumpInput input;
    HeatPumpResult result;
    HeatPumpBinTable table;
};

// Runs the unit of the options on the city's heating bins and hours below 0 °F.
std::unique_ptr<HeatPumpReport> RunHeatPump(const HeatPumpOptions& options,
                                            const HeatPumpClimate& climate);

void PrintHeatPump(const HeatPumpReport& report, std::ostream& out);

}  // namespace heatwise::cli
