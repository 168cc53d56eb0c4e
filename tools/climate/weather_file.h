// Reading one station's hourly weather: a TMY3 CSV file or an EnergyPlus EPW file.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace heatwise::climate {

// One hour of the typical year. The hour is hour-ending (1 = 00:00 to 01:00, 24 = the last
// hour of the day) and the dry-bulb temperature is kept in tenths of a degree Celsius, exactly
// as written in the file, so no rounding creeps in before the bins are counted.
struct HourlyReading {
    int month;
    int day;
    int hour;
    int c10;

    bool operator==(const HourlyReading&) const = default;
};

// Dry-bulb temperatures are accepted from -90.0 to 60.0 °C, a little beyond the coldest and
// hottest ever measured, so that missing-value marks such as EPW's 99.9 are caught, not counted.
inline constexpr int kColdestTenthsCelsius = -900;
inline constexpr int kHottestTenthsCelsius = 600;

// The date and time of an hour as its row writes them, for lists of repaired hours: a TMY3
// row's date and time fields ("07/12/1991", "04:00"); an EPW row's month, day and year fields
// joined as "M/D/YYYY" and its hour field followed by ":00".
struct HourStamp {
    std::string date;
    std::string time;
};

// The hours of one weather file in file order; `source` names the file in messages, as its
// path was given. stamps[i], where the reader recorded them, belongs to hours[i].
struct HourlyWeather {
    std::string source;
    std::vector<HourlyReading> hours;
    std::vector<HourStamp> stamps;
};

// A weather file that cannot be used: the message names the file, the line, the field and the
// offending value, and says what would have been accepted.
class WeatherFileError : public std::runtime_error {
  public:
    explicit WeatherFileError(const std::string& message) : std::runtime_error(message) {}
};

// Reads a whole year of hourly dry-bulb temperatures. The kind of file is told by its content:
// an EPW file starts with its LOCATION line, anything else is read as TMY3 CSV, whose columns
// are found by their header names on line 2 (so a full TMY3 file with every column works too).
// The hours must run from 01/01 01:00 to 12/31 24:00 without a gap, a repeat or a step back.
HourlyWeather ReadWeatherFile(const std::filesystem::path& path);

}  // namespace heatwise::climate
