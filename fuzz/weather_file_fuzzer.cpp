// Fuzzes the reader of hourly weather files behind `heatwise-cli bins`: ReadWeatherFile and
// the derivation of the bin hours from what it read.
//
// An input is either the weather file itself, or a year made from a short description, since
// a whole year of rows is far larger than a fuzzer's inputs:
//   @year<kind><temperature bytes>\n
//   <line> <replacement text>\n ...
// <kind> odd gives an EPW file, anything else a TMY3 CSV file; hour i of the year has the
// temperature (byte[i modulo count] - 128) * 0.5 °C; each further line replaces line <line>
// (1-based) of the made file by its text.
//
// Properties: the file either gives bins, every bin's hours non-negative, every shift's hours
// adding up to 2920 and all adding up to the hours the file holds (one for each row after its
// header that is not blank), the cold bins of each shift no more than its bin 21, or fails with
// a WeatherFileError that starts with the file's path and, where it names a line, a line of the
// file. A made year that no replacement touched and whose temperatures are all accepted always
// gives bins; its repairs name hours inside the year with the temperature the file holds there,
// each used value lies between the good hours around its stretch, and the bins and cold bins
// count the year's hours exactly, with the repaired temperatures.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

#include "climate_derivation.h"
#include "fuzz_check.h"
#include "hour_repair.h"
#include "weather_file.h"
#include "year_calendar.h"

namespace {

using heatwise::fuzz::CarriageReturn;
using heatwise::fuzz::LeadingNumber;
using heatwise::fuzz::LineCount;
using heatwise::fuzz::Require;
using heatwise::fuzz::SplitLines;
namespace climate = heatwise::climate;

constexpr std::string_view kYearMark = "@year";

struct MadeYear {
    std::string text;
    bool edited = false;
    bool in_range = true;
    std::vector<int> c10;
};

std::string TenthsText(int c10) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%s%d.%d", c10 < 0 ? "-" : "", std::abs(c10) / 10,
                  std::abs(c10) % 10);
    return buffer;
}

MadeYear MakeYear(std::string_view description) {
    description.remove_prefix(kYearMark.size());
    const bool epw = !description.empty() && (static_cast<unsigned char>(description[0]) & 1);
    if (!description.empty()) {
        description.remove_prefix(1);
    }
    const std::size_t end = std::min(description.find('\n'), description.size());
    std::string_view temperatures = description.substr(0, end);
    const std::string_view edits = description.substr(std::min(end + 1, description.size()));
    if (temperatures.empty()) {
        temperatures = "\x80";
    }

    MadeYear year;
    std::vector<std::string> lines;
    if (epw) {
        lines = {"LOCATION,Fuzz Field,XX,USA,TMY3,999999,40.00,-100.00,-6.0,500.0",
                 "DESIGN CONDITIONS,0",
                 "TYPICAL/EXTREME PERIODS,0",
                 "GROUND TEMPERATURES,0",
                 "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
                 "COMMENTS 1,Made by the weather-file fuzzer",
                 "COMMENTS 2,",
                 "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"};
    } else {
        lines = {"999999,\"FUZZ FIELD\",XX,-6.0,40.000,-100.000,500",
                 "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb (C)"};
    }
    lines.reserve(lines.size() + climate::kHoursPerYear);
    year.c10.reserve(climate::kHoursPerYear);
    for (int i = 0; i < climate::kHoursPerYear; ++i) {
        const auto byte = static_cast<unsigned char>(temperatures[i % temperatures.size()]);
        const int c10 = (byte - 128) * 5;
        year.c10.push_back(c10);
        year.in_range = year.in_range && c10 >= climate::kColdestTenthsCelsius &&
                        c10 <= climate::kHottestTenthsCelsius;
        const climate::HourOfYear when = climate::NthHourOfYear(i);
        char row[96];
        if (epw) {
            std::snprintf(row, sizeof row, "1999,%d,%d,%d,60,A7A7A7A7*0?9?9?9?9?9?9?9,%s,-10.0,50",
                          when.month, when.day, when.hour, TenthsText(c10).c_str());
        } else {
            std::snprintf(row, sizeof row, "%02d/%02d/1999,%02d:00,%s", when.month, when.day,
                          when.hour, TenthsText(c10).c_str());
        }
        lines.emplace_back(row);
    }
    for (const std::string& edit : SplitLines(edits, CarriageReturn::kKeep)) {
        std::size_t digits = 0;
        const long long line = LeadingNumber(edit, &digits);
        if (line >= 1 && line <= static_cast<long long>(lines.size()) && digits < edit.size() &&
            edit[digits] == ' ') {
            lines[static_cast<std::size_t>(line - 1)] = edit.substr(digits + 1);
            year.edited = true;
        }
    }
    year.text.reserve(lines.size() * 64);
    for (const std::string& line : lines) {
        year.text += line;
        year.text += '\n';
    }
    return year;
}

bool IsBlank(std::string_view line) {
    return line.find_first_not_of(" \t\r") == std::string_view::npos;
}

// The hours a file that was read holds: its rows after the header lines that are not blank.
int RowCount(std::string_view text) {
    // A byte order mark before the first line is no part of it.
    const std::string_view first = text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
    const std::size_t header = first.starts_with("LOCATION,") ? 8 : 2;
    int rows = 0;
    std::size_t line = 0;
    for (std::size_t start = 0; start < text.size(); ++line) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        rows += line >= header && !IsBlank(text.substr(start, end - start)) ? 1 : 0;
        start = end + 1;
    }
    return rows;
}

// The bins and cold bins of a year as the documented rules count them: °F is the nearest whole
// degree of c10 × 0.18 + 32, halves upward; bin b holds 105 − 5b to 109 − 5b °F, bins 1 and 21
// all hotter and colder hours, and the hours below 0 °F count again in cold bins 22 to 31, the
// last holding all colder hours; shift s holds the hours 8s − 7 to 8s.
struct ExpectedCounts {
    std::array<int, heatwise::kBinValueCount> bins{};
    std::array<int, heatwise::kColdBinValueCount> cold_bins{};
};
ExpectedCounts CountHours(const std::vector<int>& c10) {
    ExpectedCounts counts;
    for (int i = 0; i < climate::kHoursPerYear; ++i) {
        const int scaled = 9 * c10[static_cast<std::size_t>(i)] + 1625;
        const int fahrenheit = scaled >= 0 ? scaled / 50 : -((-scaled + 49) / 50);
        const int above = 109 - fahrenheit;
        const int band = above >= 0 ? above / 5 : -((-above + 4) / 5);
        const int shift = (climate::NthHourOfYear(i).hour - 1) / 8 + 1;
        ++counts.bins[static_cast<std::size_t>(21 * (shift - 1) + std::clamp(band, 1, 21) - 1)];
        if (fahrenheit < 0) {
            ++counts.cold_bins[static_cast<std::size_t>(10 * (shift - 1) +
                                                        std::clamp(band, 22, 31) - 22)];
        }
    }
    return counts;
}

// Checks the repairs of a made year against the year's temperatures and gives the temperatures
// with the repairs applied.
std::vector<int> CheckRepairs(const std::vector<int>& c10) {
    const std::vector<climate::HourRepair> repairs = climate::FindHourRepairs(c10);
    std::vector<int> repaired = c10;
    std::vector<bool> faulty(c10.size(), false);
    int previous = -1;
    for (const climate::HourRepair& repair : repairs) {
        Require(repair.hour > previous, "repairs are listed in time order, once each");
        Require(repair.hour > 0 && repair.hour + 1 < climate::kHoursPerYear,
                "the first and the last hour of the year are never repaired");
        Require(repair.read_c10 == c10[static_cast<std::size_t>(repair.hour)],
                "a repair quotes the temperature the file holds at its hour");
        repaired[static_cast<std::size_t>(repair.hour)] = repair.used_c10;
        faulty[static_cast<std::size_t>(repair.hour)] = true;
        previous = repair.hour;
    }
    for (std::size_t first = 0; first < c10.size(); ++first) {
        if (!faulty[first]) {
            continue;
        }
        std::size_t last = first;
        while (faulty[last + 1]) {
            ++last;
        }
        const int low = std::min(c10[first - 1], c10[last + 1]);
        const int high = std::max(c10[first - 1], c10[last + 1]);
        for (std::size_t hour = first; hour <= last; ++hour) {
            Require(repaired[hour] >= low && repaired[hour] <= high,
                    "a repaired hour lies between the good hours around its stretch",
                    "hour " + std::to_string(hour));
        }
        first = last;
    }
    return repaired;
}

void CheckBins(const climate::StationClimate& station, std::string_view text) {
    for (int hours : station.bin_hours) {
        Require(hours >= 0, "no bin holds a negative number of hours");
    }
    const int total = std::accumulate(station.bin_hours.begin(), station.bin_hours.end(), 0);
    Require(total == RowCount(text), "the bins hold every hour the file holds",
            std::to_string(total) + " hours in the bins, " + std::to_string(RowCount(text)) +
                " rows in the file");
    for (int shift = 0; shift < heatwise::kShiftCount; ++shift) {
        const auto first = station.bin_hours.begin() + shift * heatwise::kBinCount;
        Require(std::accumulate(first, first + heatwise::kBinCount, 0) == 2920,
                "each shift holds its 8 hours of each of the 365 days");
        const auto cold = station.cold_bin_hours.begin() + shift * heatwise::kColdBinCount;
        Require(std::accumulate(cold, cold + heatwise::kColdBinCount, 0) <=
                    first[heatwise::kBinCount - 1],
                "the hours below 0 F are a part of bin 21");
    }
    Require(station.winter_design <= station.summer_design,
            "the winter design temperature is not above the summer one");
    Require(station.degree_days >= 0, "heating degree days are never negative");
}

void CheckFailure(const std::string& message, const std::string& source, std::string_view text) {
    const std::string prefix = source + ": ";
    Require(message.starts_with(prefix) && message.size() > prefix.size(),
            "a failure starts with the file's name and says what is wrong", message);
    Require(!message.starts_with(prefix + "hour "),
            "the derivation takes every year the reader accepts", message);
    Require(!message.starts_with(prefix + "holds "),
            "the reader accepts only whole years of 8760 hours", message);
    const std::string line_mark = prefix + "line ";
    if (message.starts_with(line_mark)) {
        std::size_t digits = 0;
        const long long line =
            LeadingNumber(std::string_view(message).substr(line_mark.size()), &digits);
        Require(line >= 1 && line <= LineCount(text), "a failure names a line of the file",
                message + " (the file has " + std::to_string(LineCount(text)) + " lines)");
        Require(message.compare(line_mark.size() + digits, 2, ": ") == 0,
                "a failure reads \"file: line N: reason\"", message);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    MadeYear year;
    const bool made = input.starts_with(kYearMark);
    if (made) {
        year = MakeYear(input);
    } else {
        year.text = std::string(input);
        year.edited = true;
    }
    const std::string& path = heatwise::fuzz::ScratchFile("weather.csv");
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(year.text.data(), static_cast<std::streamsize>(year.text.size()));
    }
    try {
        const climate::StationClimate station =
            climate::DeriveStationClimate(climate::ReadWeatherFile(path));
        CheckBins(station, year.text);
        if (made && !year.edited) {
            const ExpectedCounts expected = CountHours(CheckRepairs(year.c10));
            Require(station.repairs.size() == climate::FindHourRepairs(year.c10).size(),
                    "the derivation lists every repair");
            Require(station.bin_hours == expected.bins,
                    "the bins count the hours of each repaired temperature and shift");
            Require(station.cold_bin_hours == expected.cold_bins,
                    "the cold bins count the hours below 0 F of each shift");
        }
    } catch (const climate::WeatherFileError& error) {
        Require(!made || year.edited || !year.in_range,
                "a whole year of accepted temperatures always gives bins", error.what());
        // Messages name the file by its path as given.
        CheckFailure(error.what(), path, year.text);
    }
    return 0;
}
