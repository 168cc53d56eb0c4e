// The calendar of a typical meteorological year: 365 days of 24 hour-ending hours, no 29 February.
#pragma once

#include <string>

namespace heatwise::climate {

inline constexpr int kDaysPerYear = 365;
inline constexpr int kHoursPerDay = 24;
inline constexpr int kHoursPerYear = kDaysPerYear * kHoursPerDay;

// One hour of the year by its calendar position; hour 1..24 is hour-ending.
struct HourOfYear {
    int month;
    int day;
    int hour;

    bool operator==(const HourOfYear&) const = default;
};

// Days of a month 1..12 in a year without 29 February; 0 for any other month number.
int DaysInMonth(int month);

// Whether month and day name a day of the 365-day year.
bool IsDayOfYear(int month, int day);

// The hour at 0-based position `index` (0..8759) of the year: 0 is 01/01 01:00.
HourOfYear NthHourOfYear(int index);

// "MM/DD HH:00", the way messages show an hour of the year.
std::string FormatHourOfYear(const HourOfYear& when);

}  // namespace heatwise::climate
