// Hand-made years of hourly weather and the text of weather files for the climate tests. Files
// are written into the current directory, which is the test's own scratch folder.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "weather_file.h"

namespace heatwise::climate::samples {

// The 8760 hours of the year in order, hour `index` (0 = 01/01 01:00) at temperature
// c10_of(index) in tenths of a degree Celsius.
HourlyWeather MakeYear(const std::function<int(int index)>& c10_of, std::string source = "year");

// The lines of a TMY3 file with only the three columns the reader needs.
std::vector<std::string> Tmy3Lines(const HourlyWeather& weather);

// The lines of a full TMY3 file: many columns, the ones the reader needs in unusual places.
std::vector<std::string> FullTmy3Lines(const HourlyWeather& weather);

// The lines of an EnergyPlus EPW file: eight header lines, then one row per hour.
std::vector<std::string> EpwLines(const HourlyWeather& weather);

// Writes the lines, each ending in `line_end`, to a file in the current directory.
void WriteLines(const std::string& name, const std::vector<std::string>& lines,
                std::string_view line_end = "\n");

// The whole content of a file, or an empty string when it cannot be read.
std::string ReadText(const std::string& name);

// The message of the error of type E that `action` throws, or "(no error)".
template <typename E>
std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const E& error) {
        return error.what();
    }
    return "(no error)";
}

}  // namespace heatwise::climate::samples
