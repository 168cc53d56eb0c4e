// The balance point of a building against a heat pump: the outdoor temperature below which the
// heat pump alone can no longer keep the building at its setpoint.
#pragma once

#include <optional>

#include "engine/heat_pump_curve.h"

namespace heatwise {

// The coldest temperature the search goes down to: the lower edge of the coldest cold bin,
// -50/-46 °F. Colder air is not in the climate data.
inline constexpr double kColdestBalanceTemperature = -50.0;

// The warmest outdoor temperature T at or below `setpoint` at which the unit's capacity no longer
// exceeds the load `load_per_degree` × (setpoint - T), found exactly on the piecewise-linear
// curve; where the unit gives nothing its capacity counts as 0. Where the capacity steps down at
// 45 °F and falls short just below it, the answer is 45 °F. None when there is no load line
// (`load_per_degree` 0 or less) or when the unit keeps up all the way down to -50 °F. The
// compressor cut-out and the switchover, which are controls, do not move it.
std::optional<double> BalancePoint(const HeatPumpCurve& curve, double load_per_degree,
                                   double setpoint);

}  // namespace heatwise
