// Turning a year of hourly weather into one city's records of bindata2.dat, cities.dat and
// coldbins.dat, with the faulty hours it repaired on the way.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "engine/climate_data.h"
#include "weather_file.h"
#include "year_calendar.h"

namespace heatwise::climate {

// One hour of the file that was taken for a fault: its date and time as the file writes them,
// the temperature read and the one used instead, in tenths of a degree Celsius.
struct RepairedHour {
    std::string date;
    std::string time;
    int read_c10;
    int used_c10;

    bool operator==(const RepairedHour&) const = default;
};

// The climate of one station as the calculator uses it. `bin_hours` holds the hours per year in
// each temperature bin during each shift, in the files' flat order: value k (1-based, index
// k - 1) is shift (k - 1) / 21 + 1 and bin (k - 1) % 21 + 1, bin 1 being 100/104 °F.
// `cold_bin_hours` holds the hours below 0 °F, which bin 21 counts too, in the ten cold bins of
// each shift (ColdBinValueIndex). Temperatures are whole °F, degree days whole °F·days; all
// are worked out from the temperatures with the faulty hours repaired.
struct StationClimate {
    std::array<int, kBinValueCount> bin_hours;
    std::array<int, kColdBinValueCount> cold_bin_hours;
    int winter_design;
    int degree_days;
    int summer_design;
    std::vector<RepairedHour> repairs;  // in time order
};

// Whole °F nearest to a temperature in tenths of a degree Celsius; halves go upward.
int TenthsCelsiusToFahrenheit(int c10);

// The temperature bin (1 = 100/104 °F ... 21 = 0/4 °F) of a whole °F temperature. Hotter and
// colder hours are held in the outermost bins, so every hour of the year is counted somewhere.
int BinOfFahrenheit(int fahrenheit);

// The cold bin (22 = -5/-1 °F ... 31 = -50/-46 °F) of a whole °F temperature below 0 °F; hours
// colder than -50 °F are held in the last.
int ColdBinOfFahrenheit(int fahrenheit);

// The shift (1 = hours 1-8, 2 = 9-16, 3 = 17-24) of an hour-ending hour 1..24.
int ShiftOfHour(int hour);

// Repairs the faulty hours (hour_repair.h), then derives bin hours, cold-bin hours, design
// temperatures and heating degree days. Throws WeatherFileError, naming the source, unless the
// weather holds exactly the 8760 hours of a 365-day year in order.
StationClimate DeriveStationClimate(const HourlyWeather& weather);

// One record of bindata2.dat: the 63 bin hours separated by single blanks, ending in '\n'.
std::string FormatBinRecord(const StationClimate& climate);

// One record of cities.dat: winter design temperature, heating degree days and summer design
// temperature, separated by single blanks, ending in '\n'.
std::string FormatDesignRecord(const StationClimate& climate);

// One record of coldbins.dat: the 30 cold-bin hours separated by single blanks, ending in '\n'.
std::string FormatColdBinRecord(const StationClimate& climate);

// A temperature in tenths of a degree as the weather files write it: "-9.3", "0.0", "26.3".
std::string FormatTenths(int c10);

}  // namespace heatwise::climate
