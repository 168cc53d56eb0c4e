#include "year_calendar.h"

#include <array>
#include <cstdio>

namespace heatwise::climate {

namespace {

// A typical meteorological year is stitched from months of different years, but leap days are
// always left out, so February has 28 days whatever year its rows carry.
constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

int DaysInMonth(int month) {
    if (month < 1 || month > 12) {
        return 0;
    }
    return kMonthLengths[month - 1];
}

bool IsDayOfYear(int month, int day) {
    return day >= 1 && day <= DaysInMonth(month);
}

HourOfYear NthHourOfYear(int index) {
    int day_of_year = index / kHoursPerDay;
    int month = 1;
    while (month < 12 && day_of_year >= DaysInMonth(month)) {
        day_of_year -= DaysInMonth(month);
        ++month;
    }
    return HourOfYear{month, day_of_year + 1, index % kHoursPerDay + 1};
}

std::string FormatHourOfYear(const HourOfYear& when) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d/%02d %02d:00", when.month, when.day, when.hour);
    return text;
}

}  // namespace heatwise::climate
