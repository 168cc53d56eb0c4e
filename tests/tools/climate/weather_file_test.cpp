// Reading TMY3 CSV and EPW weather files: the exact reading of temperature, date and time
// fields, layouts that must work, and faults that must be reported with the file, line, field
// and value.
#include <gtest/gtest.h>

#include <filesystem>

#include "text_fields.h"
#include "weather_file.h"
#include "weather_samples.h"

namespace heatwise::climate {
namespace {

using samples::EpwLines;
using samples::MakeYear;
using samples::Tmy3Lines;
using samples::WriteLines;

std::string ReadError(const std::string& file) {
    return samples::ErrorOf<WeatherFileError>([&] { ReadWeatherFile(file); });
}

TEST(WeatherFile, ReadsEveryLayoutToTheSameExactHours) {
    // A year with negative and positive temperatures, whole degrees and tenths.
    const HourlyWeather year = MakeYear([](int index) { return (index * 53) % 701 - 250; });
    std::vector<std::string> marked = EpwLines(year);
    marked[0].insert(0, "\xEF\xBB\xBF");  // A byte order mark.
    std::vector<std::string> trailing_blank_lines = Tmy3Lines(year);
    trailing_blank_lines.insert(trailing_blank_lines.end(), {"", "  "});
    // The kind of file is told by its content, not by its name.
    const std::tuple<const char*, std::vector<std::string>, const char*> layouts[] = {
        {"722540.csv", Tmy3Lines(year), "\n"},
        {"full_tmy3.csv", samples::FullTmy3Lines(year), "\r\n"},
        {"722010.epw", EpwLines(year), "\n"},
        {"windows.epw", EpwLines(year), "\r\n"},
        {"epw_named.csv", EpwLines(year), "\n"},
        {"tmy3_named.epw", Tmy3Lines(year), "\n"},
        {"marked.epw", marked, "\n"},
        {"trailing.csv", trailing_blank_lines, "\n"},
    };
    for (const auto& [file, lines, line_end] : layouts) {
        WriteLines(file, lines, line_end);
        const HourlyWeather weather = ReadWeatherFile(file);
        EXPECT_EQ(weather.source, file);
        EXPECT_TRUE(weather.hours == year.hours) << file;
    }
}

// One row per message: which texts a field refuses is checked on the field readers themselves
// in TextFields below. TMY3 rows start on line 3 (index 2), EPW rows on line 9.
TEST(WeatherFile, FaultsNameTheFileLineFieldAndValue) {
    const std::pair<std::function<void(std::vector<std::string>&)>, std::string> tmy3[] = {
        {[](auto& l) { l[16] = "01/01/1991,15:00,12.x"; },
         "line 17: field 'Dry-bulb (C)': '12.x' is not a temperature in degrees Celsius with at "
         "most one decimal"},
        {[](auto& l) { l[99] = "01/05/1991,02:00,99.9"; },
         "line 100: field 'Dry-bulb (C)': '99.9' is outside the accepted range -90.0 to 60.0 "
         "degrees Celsius"},
        {[](auto& l) { l[1] = "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb"; },
         "line 2: no column 'Dry-bulb (C)' in the header; a TMY3 CSV file names its columns on "
         "line 2"},
        {[](auto& l) { l.erase(l.begin()); },
         "line 2: no column 'Date (MM/DD/YYYY)' in the header; a TMY3 CSV file names its columns "
         "on line 2"},
        {[](auto& l) { l[2] = "02/29/1996,01:00,1.0"; },
         "line 3: field 'Date (MM/DD/YYYY)': '02/29/1996' is not a date MM/DD/YYYY of a 365-day "
         "year (no 29 February)"},
        {[](auto& l) { l[3] = "01/01/1991,00:00,1.0"; },
         "line 4: field 'Time (HH:MM)': '00:00' is not an hour-ending time from 01:00 to 24:00"},
        {[](auto& l) { l[4] = "01/01/1991,03:00"; },
         "line 5: field 'Dry-bulb (C)' is missing: the row has 2 of the header's 3 fields"},
        {[](auto& l) { l.insert(l.begin() + 10, l[9]); },
         "line 11: field 'Time (HH:MM)': '08:00' is out of sequence: the row reads 01/01 08:00 "
         "but after 01/01 08:00 comes 01/01 09:00 (an hour is missing, repeated or out of "
         "order)"},
        {[](auto& l) { l.erase(l.begin() + 26, l.begin() + 50); },
         "line 27: field 'Date (MM/DD/YYYY)': '01/03/1991' is out of sequence: the row reads "
         "01/03 01:00 but after 01/01 24:00 comes 01/02 01:00 (an hour is missing, repeated or "
         "out of order)"},
        {[](auto& l) { l.erase(l.begin() + 2); },
         "line 3: field 'Time (HH:MM)': '02:00' does not start the year: the first row must be "
         "01/01 01:00, it reads 01/01 02:00"},
        {[](auto& l) { l.resize(2 + 8000); },
         "line 8002: the file ends after 8000 hours, at 11/30 08:00; a year of hourly weather "
         "runs through 12/31 24:00 (8760 hours)"},
        {[](auto& l) { l.resize(2); }, "line 2: the file ends without any hourly rows"},
        {[](auto& l) { l.resize(1); },
         "line 1: the file ends before the column header on line 2 of a TMY3 CSV file"},
        {[](auto& l) { l.push_back(l[2]); },
         "line 8763: a row after 12/31 24:00; a year of hourly weather has exactly 8760 rows"},
    };
    const std::pair<std::function<void(std::vector<std::string>&)>, std::string> epw[] = {
        {[](auto& l) { l[8] = "1988,1,1,25,0,?9?9?9?9E0?9?9?9,1.0,18.5"; },
         "line 9: field 'Hour (field 4)': '25' is not an hour-ending hour from 1 to 24"},
        {[](auto& l) { l[8] = "1988,13,1,1,0,?9?9?9?9E0?9?9?9,1.0,18.5"; },
         "line 9: field 'Month (field 2)': '13' is not a month from 1 to 12"},
        {[](auto& l) { l[8] = "1988,2,30,1,0,?9?9?9?9E0?9?9?9,1.0,18.5"; },
         "line 9: field 'Day (field 3)': '30' is not a day of month 2, from 1 to 28 in a 365-day "
         "year"},
        {[](auto& l) { l[8] = "1988,1,1,1,0,?9?9?9?9E0?9?9?9"; },
         "line 9: field 'Dry Bulb Temperature (field 7)' is missing: the row has 6 fields"},
        {[](auto& l) { std::swap(l[38], l[39]); },
         "line 39: field 'Hour (field 4)': '8' is out of sequence: the row reads 01/02 08:00 but "
         "after 01/02 06:00 comes 01/02 07:00 (an hour is missing, repeated or out of order)"},
        {[](auto& l) { l.resize(5); },
         "line 5: the file ends within the 8 header lines of an EPW file"},
        {[](auto& l) { l.erase(l.begin() + 6); },
         "line 8: expected the DATA PERIODS line that ends the 8 header lines of an EPW file"},
    };
    const HourlyWeather year = MakeYear([](int) { return 10; });
    for (const auto& [change, message] : tmy3) {
        std::vector<std::string> lines = Tmy3Lines(year);
        change(lines);
        WriteLines("fault.csv", lines);
        EXPECT_EQ(ReadError("fault.csv"), "fault.csv: " + message);
    }
    for (const auto& [change, message] : epw) {
        std::vector<std::string> lines = EpwLines(year);
        change(lines);
        WriteLines("fault.epw", lines);
        EXPECT_EQ(ReadError("fault.epw"), "fault.epw: " + message);
    }
}

TEST(WeatherFile, FilesThatCannotBeReadAtAll) {
    WriteLines("empty.csv", {});
    std::filesystem::create_directories("folder.csv");
    EXPECT_EQ(ReadError("empty.csv"),
              "empty.csv: the file is empty; expected a TMY3 CSV or EPW weather file");
    EXPECT_EQ(ReadError("folder.csv"), "folder.csv: is a folder, not a weather file");
}

TEST(TextFields, TemperaturesAreReadAsExactTenths) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"12.3", 123},     {"-0.5", -5},    {"7", 70},     {"+3.2", 32},        {"-12", -120},
        {"0.0", 0},        {"-40.0", -400}, {"21.9", 219}, {"12.x", {}},        {"12.34", {}},
        {"12.", {}},       {".5", {}},      {"", {}},      {"-", {}},           {"1e2", {}},
        {"12,5", {}},      {"--1", {}},     {"- 1", {}},   {"99999999999", {}}, {"NaN", {}},
        {"2147483647", {}}};
    for (const auto& [text, c10] : cases) {
        EXPECT_EQ(ParseTenthsCelsius(text), c10) << "'" << text << "'";
    }
}

TEST(TextFields, DatesOfTheTypicalYearAndHourEndingTimes) {
    // A typical year has no leap day; month 0 stands for a refused date.
    const std::tuple<const char*, int, int> dates[] = {
        {"01/01/1994", 1, 1}, {"12/31/1996", 12, 31}, {"2/28/2001", 2, 28},  {"02/29/1996", 0, 0},
        {"13/01/1994", 0, 0}, {"00/10/1994", 0, 0},   {"04/31/1994", 0, 0},  {"01/00/1994", 0, 0},
        {"01/01/94", 0, 0},   {"01-01-1994", 0, 0},   {"001/01/1994", 0, 0}, {"", 0, 0}};
    for (const auto& [text, month, day] : dates) {
        const std::optional<MonthDay> date = ParseCsvDate(text);
        EXPECT_EQ(date ? date->month * 100 + date->day : 0, month * 100 + day) << text;
    }
    const std::pair<const char*, std::optional<int>> times[] = {
        {"01:00", 1},  {"1:00", 1},   {"24:00", 24}, {"13:00", 13},    {"00:00", {}},
        {"25:00", {}}, {"01:30", {}}, {"0100", {}},  {"01:00:00", {}}, {"", {}}};
    for (const auto& [text, hour] : times) {
        EXPECT_EQ(ParseCsvTime(text), hour) << "'" << text << "'";
    }
}

TEST(TextFields, CommaSeparatedLinesKeepQuotedCommas) {
    EXPECT_EQ(SplitCsvLine(R"(1,"austin, TX", 722540 ,,"say ""hi""")"),
              (std::vector<std::string>{"1", "austin, TX", "722540", "", R"(say "hi")"}));
    EXPECT_EQ(SplitCsvLine(""), (std::vector<std::string>{""}));
}

}  // namespace
}  // namespace heatwise::climate
