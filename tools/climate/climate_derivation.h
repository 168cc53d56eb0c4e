// Turning a year of hourly weather into one city's records of bindata2.dat and cities.dat.
#pragma once

#include <array>
#include <string>

#include "weather_file.h"
#include "year_calendar.h"

namespace heatwise::climate {

inline constexpr int kShiftCount = 3;
inline constexpr int kBinCount = 21;
inline constexpr int kBinValueCount = kShiftCount * kBinCount;

// The climate of one station as the calculator uses it. `bin_hours` holds the hours per year in
// each temperature bin during each shift, in the files' flat order: value k (1-based, index
// k - 1) is shift (k - 1) / 21 + 1 and bin (k - 1) % 21 + 1, bin 1 being 100/104 °F.
// Temperatures are whole °F, degree days whole °F·days.
struct StationClimate {
    std::array<int, kBinValueCount> bin_hours;
    int winter_design;
    int degree_days;
    int summer_design;
};

// Whole °F nearest to a temperature in tenths of a degree Celsius; halves go upward.
int TenthsCelsiusToFahrenheit(int c10);

// The temperature bin (1 = 100/104 °F ... 21 = 0/4 °F) of a whole °F temperature. Hotter and
// colder hours are held in the outermost bins, so every hour of the year is counted somewhere.
int BinOfFahrenheit(int fahrenheit);

// The shift (1 = hours 1-8, 2 = 9-16, 3 = 17-24) of an hour-ending hour 1..24.
int ShiftOfHour(int hour);

// Derives bin hours, design temperatures and heating degree days. Throws WeatherFileError,
// naming the source, unless the weather holds exactly the 8760 hours of a 365-day year in order.
StationClimate DeriveStationClimate(const HourlyWeather& weather);

// One record of bindata2.dat: the 63 bin hours separated by single blanks, ending in '\n'.
std::string FormatBinRecord(const StationClimate& climate);

// One record of cities.dat: winter design temperature, heating degree days and summer design
// temperature, separated by single blanks, ending in '\n'.
std::string FormatDesignRecord(const StationClimate& climate);

}  // namespace heatwise::climate
