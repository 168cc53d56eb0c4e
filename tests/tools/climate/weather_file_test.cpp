// Reading TMY3 CSV and EPW weather files: layouts that must work, and faults that must be
// reported with the file, line, field and value.
#include <gtest/gtest.h>

#include <filesystem>

#include "weather_file.h"
#include "weather_samples.h"

namespace heatwise::climate {
namespace {

using samples::EpwLines;
using samples::FullTmy3Lines;
using samples::MakeYear;
using samples::Tmy3Lines;
using samples::WeatherErrorOf;
using samples::WriteLines;
using samples::WriteText;

// A year with negative and positive temperatures, whole degrees and tenths.
HourlyWeather SampleYear() {
    return MakeYear([](int index) { return (index * 53) % 701 - 250; });
}

TEST(WeatherFile, ReadsEveryLayoutToTheSameExactHours) {
    const HourlyWeather year = SampleYear();
    struct Layout {
        const char* file;
        std::vector<std::string> lines;
        const char* line_end;
    };
    std::vector<std::string> epw_with_byte_order_mark = EpwLines(year);
    epw_with_byte_order_mark[0].insert(0, "\xEF\xBB\xBF");
    std::vector<std::string> trailing_blank_lines = Tmy3Lines(year);
    trailing_blank_lines.insert(trailing_blank_lines.end(), {"", "  "});
    const Layout layouts[] = {
        {"722540.csv", Tmy3Lines(year), "\n"},
        {"full_tmy3.csv", FullTmy3Lines(year), "\r\n"},
        {"722010.epw", EpwLines(year), "\n"},
        {"windows.epw", EpwLines(year), "\r\n"},
        // The kind of file is told by its content, not by its name.
        {"epw_named.csv", EpwLines(year), "\n"},
        {"tmy3_named.epw", Tmy3Lines(year), "\n"},
        {"marked.epw", epw_with_byte_order_mark, "\n"},
        {"trailing.csv", trailing_blank_lines, "\n"},
    };
    for (const Layout& layout : layouts) {
        WriteLines(layout.file, layout.lines, layout.line_end);
        const HourlyWeather weather = ReadWeatherFile(layout.file);
        EXPECT_EQ(weather.source, layout.file);
        EXPECT_TRUE(weather.hours == year.hours) << layout.file;
    }
}

enum class Layout { kTmy3, kEpw };

struct FaultCase {
    const char* name;
    Layout layout;
    std::function<void(std::vector<std::string>&)> change;
    std::string message;  // The whole message, after "FILE: ".
};

// One row per message: which texts a field refuses is checked on the field readers themselves
// in TextFields, conversion_test.cpp.
TEST(WeatherFile, FaultsNameTheFileLineFieldAndValue) {
    // TMY3 rows start on line 3 (vector index 2); EPW rows on line 9 (index 8).
    const FaultCase cases[] = {
        {"temperature not a number", Layout::kTmy3,
         [](auto& l) { l[16] = "01/01/1991,15:00,12.x"; },
         "line 17: field 'Dry-bulb (C)': '12.x' is not a temperature in degrees Celsius with at "
         "most one decimal"},
        {"temperature out of range", Layout::kTmy3,
         [](auto& l) { l[99] = "01/05/1991,02:00,99.9"; },
         "line 100: field 'Dry-bulb (C)': '99.9' is outside the accepted range -90.0 to 60.0 "
         "degrees Celsius"},
        {"column missing", Layout::kTmy3,
         [](auto& l) { l[1] = "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb"; },
         "line 2: no column 'Dry-bulb (C)' in the header; a TMY3 CSV file names its columns on "
         "line 2"},
        {"station line missing", Layout::kTmy3, [](auto& l) { l.erase(l.begin()); },
         "line 2: no column 'Date (MM/DD/YYYY)' in the header; a TMY3 CSV file names its columns "
         "on line 2"},
        {"leap day", Layout::kTmy3, [](auto& l) { l[2] = "02/29/1996,01:00,1.0"; },
         "line 3: field 'Date (MM/DD/YYYY)': '02/29/1996' is not a date MM/DD/YYYY of a 365-day "
         "year (no 29 February)"},
        {"midnight as 00:00", Layout::kTmy3, [](auto& l) { l[3] = "01/01/1991,00:00,1.0"; },
         "line 4: field 'Time (HH:MM)': '00:00' is not an hour-ending time from 01:00 to 24:00"},
        {"short row", Layout::kTmy3, [](auto& l) { l[4] = "01/01/1991,03:00"; },
         "line 5: field 'Dry-bulb (C)' is missing: the row has 2 of the header's 3 fields"},
        {"hour missing", Layout::kTmy3, [](auto& l) { l.erase(l.begin() + 9); },
         "line 10: field 'Time (HH:MM)': '09:00' is out of sequence: the row reads 01/01 09:00 "
         "but after 01/01 07:00 comes 01/01 08:00 (an hour is missing, repeated or out of "
         "order)"},
        {"hour repeated", Layout::kTmy3, [](auto& l) { l.insert(l.begin() + 10, l[9]); },
         "line 11: field 'Time (HH:MM)': '08:00' is out of sequence: the row reads 01/01 08:00 "
         "but after 01/01 08:00 comes 01/01 09:00 (an hour is missing, repeated or out of "
         "order)"},
        {"day missing", Layout::kTmy3, [](auto& l) { l.erase(l.begin() + 26, l.begin() + 50); },
         "line 27: field 'Date (MM/DD/YYYY)': '01/03/1991' is out of sequence: the row reads "
         "01/03 01:00 but after 01/01 24:00 comes 01/02 01:00 (an hour is missing, repeated or "
         "out of order)"},
        {"year starts late", Layout::kTmy3, [](auto& l) { l.erase(l.begin() + 2); },
         "line 3: field 'Time (HH:MM)': '02:00' does not start the year: the first row must be "
         "01/01 01:00, it reads 01/01 02:00"},
        {"file cut short", Layout::kTmy3, [](auto& l) { l.resize(2 + 8000); },
         "line 8002: the file ends after 8000 hours, at 11/30 08:00; a year of hourly weather "
         "runs through 12/31 24:00 (8760 hours)"},
        {"no rows", Layout::kTmy3, [](auto& l) { l.resize(2); },
         "line 2: the file ends without any hourly rows"},
        {"no header", Layout::kTmy3, [](auto& l) { l.resize(1); },
         "line 1: the file ends before the column header on line 2 of a TMY3 CSV file"},
        {"row after the year", Layout::kTmy3, [](auto& l) { l.push_back(l[2]); },
         "line 8763: a row after 12/31 24:00; a year of hourly weather has exactly 8760 rows"},
        {"EPW hour 25", Layout::kEpw,
         [](auto& l) { l[8] = "1988,1,1,25,0,?9?9?9?9E0?9?9?9,1.0,18.5"; },
         "line 9: field 'Hour (field 4)': '25' is not an hour-ending hour from 1 to 24"},
        {"EPW month 13", Layout::kEpw,
         [](auto& l) { l[8] = "1988,13,1,1,0,?9?9?9?9E0?9?9?9,1.0,18.5"; },
         "line 9: field 'Month (field 2)': '13' is not a month from 1 to 12"},
        {"EPW 30 February", Layout::kEpw,
         [](auto& l) { l[8] = "1988,2,30,1,0,?9?9?9?9E0?9?9?9,1.0,18.5"; },
         "line 9: field 'Day (field 3)': '30' is not a day of month 2, from 1 to 28 in a 365-day "
         "year"},
        {"EPW missing-value mark", Layout::kEpw,
         [](auto& l) { l[10] = "1988,1,1,3,0,?9?9?9?9E0?9?9?9,99.9,18.5"; },
         "line 11: field 'Dry Bulb Temperature (field 7)': '99.9' is outside the accepted range "
         "-90.0 to 60.0 degrees Celsius"},
        {"EPW short row", Layout::kEpw, [](auto& l) { l[8] = "1988,1,1,1,0,?9?9?9?9E0?9?9?9"; },
         "line 9: field 'Dry Bulb Temperature (field 7)' is missing: the row has 6 fields"},
        {"EPW rows swapped", Layout::kEpw, [](auto& l) { std::swap(l[38], l[39]); },
         "line 39: field 'Hour (field 4)': '8' is out of sequence: the row reads 01/02 08:00 but "
         "after 01/02 06:00 comes 01/02 07:00 (an hour is missing, repeated or out of order)"},
        {"EPW header cut short", Layout::kEpw, [](auto& l) { l.resize(5); },
         "line 5: the file ends within the 8 header lines of an EPW file"},
        {"EPW header line missing", Layout::kEpw, [](auto& l) { l.erase(l.begin() + 6); },
         "line 8: expected the DATA PERIODS line that ends the 8 header lines of an EPW file"},
    };
    const HourlyWeather year = MakeYear([](int) { return 10; });
    for (const FaultCase& c : cases) {
        std::vector<std::string> lines =
            c.layout == Layout::kEpw ? EpwLines(year) : Tmy3Lines(year);
        c.change(lines);
        const std::string file = c.layout == Layout::kEpw ? "722010.epw" : "722540.csv";
        WriteLines(file, lines);
        EXPECT_EQ(WeatherErrorOf([&] { ReadWeatherFile(file); }), file + ": " + c.message)
            << c.name;
    }
}

TEST(WeatherFile, FilesThatCannotBeReadAtAll) {
    WriteText("empty.csv", "");
    std::filesystem::create_directories("folder.csv");
    EXPECT_EQ(WeatherErrorOf([] { ReadWeatherFile("empty.csv"); }),
              "empty.csv: the file is empty; expected a TMY3 CSV or EPW weather file");
    EXPECT_EQ(WeatherErrorOf([] { ReadWeatherFile("folder.csv"); }),
              "folder.csv: is a folder, not a weather file");
}

}  // namespace
}  // namespace heatwise::climate
