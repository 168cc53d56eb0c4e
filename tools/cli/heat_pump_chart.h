// The picture that heatwise-cli heat-pump --svg draws of one city's heat pump.
#pragma once

#include <string>

#include "heat_pump_report.h"

namespace heatwise::cli {

// Above, against the outdoor temperature: the unit's capacity, each shift's load line with its
// balance point marked, and the unit's COP on an axis of its own; below, on the same
// temperatures, each bin's heat over the year as stacked bars, the heat pump's under the
// backup's.
std::string HeatPumpChart(const HeatPumpReport& report);

}  // namespace heatwise::cli
