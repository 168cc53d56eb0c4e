// Hours no weather makes: the faults of an hourly file that jump away from the hours around
// them and back, found and replaced before the bins are counted. data/README.md describes the
// rule and its limits.
#pragma once

#include <span>
#include <vector>

namespace heatwise::climate {

// A run of hours is taken for a fault only when every hour of it lies at least this far beyond
// both hours around it (9.0 °C, in tenths of a degree)...
inline constexpr int kFaultDepthTenths = 90;
// ...and it lasts no longer than this: a longer spell of warmth or cold is weather.
inline constexpr int kLongestFaultHours = 12;
// The usual temperature of an hour is the median of the same hour of the day over this many
// days around it.
inline constexpr int kUsualTemperatureDays = 31;

// One faulty hour: its 0-based position in the year, the temperature read and the one used
// instead, in tenths of a degree Celsius.
struct HourRepair {
    int hour;
    int read_c10;
    int used_c10;

    bool operator==(const HourRepair&) const = default;
};

// The repairs of a year of hourly temperatures (tenths of a degree Celsius, in order), one for
// each faulty hour, in time order. Every faulty hour gets the value on the straight line
// between the nearest good hours before and after it, to a tenth of a degree, halves upward.
// Hours that are not whole days of at least 31 days get no repairs; the first and the last hour
// are never taken for faults, having a neighbour on one side only.
std::vector<HourRepair> FindHourRepairs(std::span<const int> c10);

// The usual temperature of hour `hour` (0-based): the median of the readings at the same hour of
// the day on the 31 days around it (15 before, 15 after, the window moved inside the year at its
// ends). `c10` must hold whole days, at least 31 of them.
int UsualTemperature(std::span<const int> c10, int hour);

}  // namespace heatwise::climate
