// The climate derivation: the faults of weather files, rounding, bins, cold bins, design
// temperatures and degree days of hand-made years, and heatwise-derive.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <tuple>

#include "climate_derivation.h"
#include "station_table.h"
#include "text_fields.h"
#include "weather_file.h"
#include "year_calendar.h"

namespace heatwise::climate {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using namespace std::string_literals;

// "-12.5", "0.0", "7.3": a temperature as a weather file writes it.
std::string TenthsText(int c10) {
    return (c10 < 0 ? "-" : "") + std::to_string(std::abs(c10) / 10) + "." +
           std::to_string(std::abs(c10) % 10);
}

// The 8760 hours of the year in order, hour `index` (0 = 01/01 01:00) at temperature
// c10_of(index) in tenths of a degree Celsius.
HourlyWeather MakeYear(const std::function<int(int index)>& c10_of) {
    HourlyWeather weather{"year", {}, {}};
    for (int i = 0; i < kHoursPerYear; ++i) {
        const HourOfYear when = NthHourOfYear(i);
        weather.hours.push_back(HourlyReading{when.month, when.day, when.hour, c10_of(i)});
    }
    return weather;
}

// A TMY3 file with only the three columns the reader needs.
std::vector<std::string> Tmy3Lines(const HourlyWeather& weather) {
    std::vector<std::string> lines = {
        R"(722540,"AUSTIN MUELLER MUNICIPAL AP [UT]",TX,-6.0,30.290,-97.740,213)",
        "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb (C)"};
    for (const HourlyReading& r : weather.hours) {
        // Each month of a typical year comes from its own year of record.
        char date_and_time[64];
        std::snprintf(date_and_time, sizeof date_and_time, "%02d/%02d/%d,%02d:00,", r.month, r.day,
                      1990 + r.month, r.hour);
        lines.push_back(date_and_time + TenthsText(r.c10));
    }
    return lines;
}

// An EnergyPlus EPW file: eight header lines, then one row per hour.
std::vector<std::string> EpwLines(const HourlyWeather& weather) {
    std::vector<std::string> lines = {
        "LOCATION,Key West Intl Arpt,FL,USA,TMY3,722010,24.55,-81.75,-5.0,1.0",
        "DESIGN CONDITIONS,0",
        "TYPICAL/EXTREME PERIODS,0",
        "GROUND TEMPERATURES,0",
        "HOLIDAYS/DAYLIGHT SAVINGS,No,0,0,0",
        "COMMENTS 1,NREL TMY Data Set (2008)",
        "COMMENTS 2,",
        "DATA PERIODS,1,1,Data,Sunday, 1/ 1,12/31"};
    for (const HourlyReading& r : weather.hours) {
        lines.push_back("1988," + std::to_string(r.month) + "," + std::to_string(r.day) + "," +
                        std::to_string(r.hour) + ",0,?9?9?9?9E0?9?9?9," + TenthsText(r.c10) +
                        ",18.5,78,101500,0,0,315");
    }
    return lines;
}

void WriteLines(const std::string& name, const std::vector<std::string>& lines) {
    std::ofstream stream(name, std::ios::binary | std::ios::trunc);
    for (const std::string& line : lines) {
        stream << line << "\n";
    }
}

std::string ReadText(const fs::path& name) {
    std::ostringstream text;
    text << std::ifstream(name, std::ios::binary).rdbuf();
    return text.str();
}

// The message of the fault that `run` finds, or "(no error)".
template <typename Run>
std::string ErrorOf(Run run) {
    try {
        run();
    } catch (const WeatherFileError& error) {
        return error.what();
    }
    return "(no error)";
}

std::string ReadError(const std::string& file) {
    return ErrorOf([&] { ReadWeatherFile(file); });
}

using Change = std::function<void(std::vector<std::string>&)>;
using ChangeYear = std::function<void(HourlyWeather&)>;

TEST(WeatherFile, FaultsNameTheFileLineFieldAndValue) {
    const std::pair<Change, std::string> tmy3[] = {
        {[](auto& l) { l[16] = "01/01/1991,15:00,12.x"; },
         "line 17: field 'Dry-bulb (C)': '12.x' is not a temperature in degrees Celsius with at "
         "most one decimal"},
        {[](auto& l) { l[99] = "01/05/1991,02:00,99.9"; },
         "line 100: field 'Dry-bulb (C)': '99.9' is outside the accepted range -90.0 to 60.0 "
         "degrees Celsius"},
        {[](auto& l) { l[1] = "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb"; },
         "line 2: no column 'Dry-bulb (C)' in the header; a TMY3 CSV file names its columns on "
         "line 2"},
        {[](auto& l) { l[2] = "02/29/1996,01:00,1.0"; },
         "line 3: field 'Date (MM/DD/YYYY)': '02/29/1996' is not a date MM/DD/YYYY of a 365-day "
         "year (no 29 February)"},
        {[](auto& l) { l[3] = "01/01/1991,00:00,1.0"; },
         "line 4: field 'Time (HH:MM)': '00:00' is not an hour-ending time from 01:00 to 24:00"},
        {[](auto& l) { l[4] = "01/01/1991,03:00"; },
         "line 5: field 'Dry-bulb (C)' is missing: the row has 2 of the header's 3 fields"},
        {[](auto& l) { l.insert(l.begin() + 10, l[9]); },
         "line 11: field 'Time (HH:MM)': '08:00' is out of sequence: the row reads 01/01 08:00 "
         "but after 01/01 08:00 comes 01/01 09:00 (an "
         "hour is missing, repeated or out of order)"},
        {[](auto& l) { l.erase(l.begin() + 2); },
         "line 3: field 'Time (HH:MM)': '02:00' does not start the year: the first row must be "
         "01/01 01:00, it reads 01/01 02:00"},
        {[](auto& l) { l.resize(2 + 8000); },
         "line 8002: the file ends after 8000 hours, at 11/30 08:00; a year of hourly weather "
         "runs through 12/31 24:00 (8760 hours)"},
        {[](auto& l) { l.push_back(l[2]); },
         "line 8763: a row after 12/31 24:00; a year of hourly weather has exactly 8760 rows"},
        // The bytes of a damaged file are quoted escaped, the whole value, past a NUL byte.
        {[](auto& l) { l[2] = "01/01/1991,01:00,1\0\x01\xFF\x1B[2J.5"s; },
         "line 3: field 'Dry-bulb (C)': '1\\x00\\x01\\xFF\\x1B[2J.5' is not a temperature in "
         "degrees Celsius with at most one decimal"},
    };
    const std::string tail = ",0,?9?9?9?9E0?9?9?9";
    const std::pair<Change, std::string> epw[] = {
        {[&](auto& l) { l[8] = "1988,1,1,25" + tail + ",1.0"; },
         "line 9: field 'Hour (field 4)': '25' is not an hour-ending hour from 1 to 24"},
        {[&](auto& l) { l[8] = "1988,1,1,0" + tail + ",1.0"; },
         "line 9: field 'Hour (field 4)': '0' is not an hour-ending hour from 1 to 24"},
        {[&](auto& l) { l[8] = "1988,13,1,1" + tail + ",1.0"; },
         "line 9: field 'Month (field 2)': '13' is not a month from 1 to 12"},
        {[&](auto& l) { l[8] = "1988,2,30,1" + tail + ",1.0"; },
         "line 9: field 'Day (field 3)': '30' is not a day of month 2, from 1 to 28 in a 365-day "
         "year"},
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
    // Unchanged, the file reads as the year it was written from.
    WriteLines("good.epw", EpwLines(year));
    EXPECT_TRUE(ReadWeatherFile("good.epw").hours == year.hours) << ReadError("good.epw");
    WriteLines("empty.csv", {});
    std::filesystem::create_directories("folder.csv");
    // A file is named by its path as given, and a file that cannot be opened says why.
    const std::pair<std::string, std::string> files[] = {
        {"empty.csv", "empty.csv: the file is empty; expected a TMY3 CSV or EPW weather file"},
        {"./folder.csv", "./folder.csv: is a folder, not a weather file"},
        {"/dev/null", "/dev/null: the file is empty; expected a TMY3 CSV or EPW weather file"},
        {"/nonexistent.csv",
         "/nonexistent.csv: cannot be opened for reading: No such file or directory"},
        // An empty name names no file; the message shows what was given.
        {"", "'': cannot be opened for reading: No such file or directory"},
    };
    for (const auto& [file, message] : files) {
        EXPECT_EQ(ReadError(file), message);
    }
}

TEST(WeatherFile, TemperatureTextsInTenthsOfADegree) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"7", 70},         {"-12.5", -125}, {"+3.0", 30}, {"-0.4", -4}, {"12345678", 123456780},
        {"123456789", {}}, {"12.", {}},     {"1.25", {}}, {".5", {}},   {"--1", {}},
        {"1.x", {}},       {"", {}}};
    for (const auto& [text, tenths] : cases) {
        EXPECT_EQ(ParseTenthsCelsius(text), tenths) << text;
    }
}

// A field runs to the next comma outside quotes, without the blanks around it; quotes enclose a
// field that holds commas, and a doubled quote within them stands for one quote.
TEST(WeatherFile, CsvLinesSplitIntoFields) {
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {" 01/01/1991 ,01:00,\t-3.5", {"01/01/1991", "01:00", "-3.5"}},
        {R"(722540,"AUSTIN, TX",TX)", {"722540", "AUSTIN, TX", "TX"}},
        {R"("say ""hi""",x)", {R"(say "hi")", "x"}},
        {R"(a,,"")", {"a", "", ""}},
    };
    for (const auto& [line, fields] : cases) {
        EXPECT_EQ(SplitCsvLine(line), fields) << line;
    }
}

TEST(Derivation, RoundingToWholeFahrenheitAndBins) {
    // Halves go upward, not away from zero (-22.5 °C is -8.5 °F, so -8), and negative values are
    // not truncated toward zero (-18.1 °C is -0.58 °F, so -1).
    const std::pair<int, int> cases[] = {
        {0, 32},     {1, 32},     {3, 33},     {25, 37},    {370, 99},    {1000, 212},
        {-25, 28},   {-175, 1},   {-178, 0},   {-180, 0},   {-181, -1},   {-225, -8},
        {-275, -17}, {-276, -18}, {-400, -40}, {-403, -41}, {-900, -130}, {600, 140}};
    for (const auto& [c10, fahrenheit] : cases) {
        EXPECT_EQ(TenthsCelsiusToFahrenheit(c10), fahrenheit) << "c10 = " << c10;
    }
    // Hotter than the table is held in 100/104 (bin 1), colder in 0/4 (bin 21).
    for (int fahrenheit = -40; fahrenheit <= 140; ++fahrenheit) {
        const int bin = BinOfFahrenheit(fahrenheit);
        const int held = std::clamp(fahrenheit, 0, 104);
        EXPECT_TRUE(105 - 5 * bin <= held && held <= 109 - 5 * bin) << fahrenheit << " in " << bin;
    }
}

// A year handed over in memory is checked as a file is: every hour in its place, every
// temperature in the accepted range, and the first fault named by its hour of the year.
TEST(Derivation, AYearOfHoursOutOfPlaceOrRangeIsRefused) {
    const std::pair<ChangeYear, std::string> cases[] = {
        {[](HourlyWeather& w) { w.hours[99].c10 = 601; },
         "year: hour 100 of the year: dry-bulb 601 tenths of a degree Celsius is outside the "
         "accepted range -900 to 600"},
        {[](HourlyWeather& w) { w.hours[0].c10 = -901; },
         "year: hour 1 of the year: dry-bulb -901 tenths of a degree Celsius is outside the "
         "accepted range -900 to 600"},
        {[](HourlyWeather& w) { std::swap(w.hours[24], w.hours[25]); },
         "year: hour 25 of the year: reads 01/02 02:00 where 01/02 01:00 belongs (an hour is "
         "missing, repeated or out of order)"},
        {[](HourlyWeather& w) { w.hours.pop_back(); },
         "year: holds 8759 hours; a year of hourly weather holds exactly 8760 (365 days of 24 "
         "hours)"},
        {[](HourlyWeather& w) { w.hours[7].c10 = -900, w.hours[8].c10 = 600; }, "(no error)"},
    };
    for (const auto& [change, message] : cases) {
        HourlyWeather year = MakeYear([](int) { return 100; });
        change(year);
        EXPECT_EQ(ErrorOf([&] { DeriveStationClimate(year); }), message);
    }
}

TEST(Derivation, DesignTemperaturesAreTheEightyEighthColdestAndHottestHours) {
    // A year mostly at 10 °C (50 °F) that starts with `extreme` hours beyond one marker hour:
    // the marker is the design temperature only when exactly 87 hours lie beyond it. The hours
    // form one long spell, which no repair takes for a fault.
    struct Case {
        int extreme_hours, extreme_c10, marker_c10, winter, summer;
    };
    const Case cases[] = {{87, -300, -200, -4, 50}, {87, 400, 350, 50, 95}};
    for (const Case& c : cases) {
        const StationClimate climate = DeriveStationClimate(MakeYear([&](int index) {
            return index > c.extreme_hours   ? 100
                   : index < c.extreme_hours ? c.extreme_c10
                                             : c.marker_c10;
        }));
        EXPECT_EQ(std::pair(climate.winter_design, climate.summer_design),
                  std::pair(c.winter, c.summer))
            << c.extreme_hours << " at " << c.extreme_c10;
    }
}

TEST(Derivation, HeatingDegreeDaysOfHandMadeYears) {
    const int warm = 200;  // 20 °C = 68 °F: no heating degree days.
    const std::pair<std::function<int(int day, int hour)>, int> cases[] = {
        // The mean is that of the extremes 0 and 10 °C (41 °F), not of all hours (5 °C).
        {[](int, int hour) { return hour == 3    ? 0
                                    : hour == 15 ? 100
                                                 : 50; }, 24 * 365},
        // Warm days count as zero, they do not subtract from the cold ones.
        {[](int day, int hour) {
             return day < 182 ? 300 : hour == 3 ? 0 : hour == 15 ? 100 : 50;
         },
         24 * 183},
        // 24:00 belongs to the date on its row: 01/01 has a mean of 50.9 °F (24 degree days),
        // 01/02 is 14 °F all day (51 degree days).
        {[&](int day, int hour) { return (day == 0 && hour == 24) || day == 1 ? -100 : warm; }, 75},
        // 17.5 °C is 63.5 °F: 1.5 degree days rounded upward; two halves are rounded once over
        // the year, not per day.
        {[&](int day, int) { return day == 100 ? 175 : warm; }, 2},
        {[&](int day, int) { return day == 7 || day == 300 ? 175 : warm; }, 3},
    };
    for (int i = 0; const auto& [c10, expected] : cases) {
        const StationClimate climate = DeriveStationClimate(
            MakeYear([&](int index) { return c10(index / 24, index % 24 + 1); }));
        EXPECT_EQ(climate.degree_days, expected) << "case " << i++;
    }
}

// Hours below 0 °F are counted in bin 21 and again in their cold bin, shift by shift; hours
// colder than -50 °F go to the last cold bin, and 0 °F itself is no cold hour. Each temperature
// is held for long spells, which no repair takes for faults.
TEST(Derivation, ColdBinsSplitTheHoursBelowZeroFahrenheit) {
    // Shift 1 all year at -21.1 C (-5.98 F, so -6: bin 23) but for days 0 and 1 at -18.3 C
    // (-0.94 F, so -1: bin 22); shift 2 at -45.6 C (-50.08 F, so -50: bin 31) but for day 2 at
    // -50.0 C (-58 F, also bin 31) and day 3 at -17.8 C (-0.04 F, so 0: no cold hour); shift 3 at
    // 10.0 C but for day 4 at -20.6 C (-5.08 F, so -5: bin 22).
    const StationClimate climate = DeriveStationClimate(MakeYear([](int index) {
        const int day = index / 24;
        const int shift = index % 24 / 8 + 1;
        if (shift == 1) {
            return day < 2 ? -183 : -211;
        }
        if (shift == 2) {
            return day == 2 ? -500 : day == 3 ? -178 : -456;
        }
        return day == 4 ? -206 : 100;
    }));
    EXPECT_TRUE(climate.repairs.empty());
    std::array<int, kColdBinValueCount> cold{};
    cold[ColdBinValueIndex(1, 22)] = 16;
    cold[ColdBinValueIndex(1, 23)] = 2904;
    cold[ColdBinValueIndex(2, 31)] = 2912;
    cold[ColdBinValueIndex(3, 22)] = 8;
    EXPECT_EQ(climate.cold_bin_hours, cold);
    const int bin21[] = {2920, 2920, 8};
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        EXPECT_EQ(climate.bin_hours[BinValueIndex(shift, kBinCount)], bin21[shift - 1])
            << "shift " << shift;
    }
    EXPECT_EQ(ColdBinOfFahrenheit(-1), 22);
    EXPECT_EQ(ColdBinOfFahrenheit(-46), 31);
    EXPECT_EQ(ColdBinOfFahrenheit(-45), 30);
    EXPECT_EQ(ColdBinOfFahrenheit(-130), 31);
}

// The derivation counts the repaired temperatures: a fault of -40 °C in a mild year reaches
// neither the bins nor the design temperatures nor the degree days, and is listed with the date
// and time of its row.
TEST(Derivation, RepairedHoursAreCountedAsRepaired) {
    std::vector<std::string> lines = Tmy3Lines(MakeYear([](int) { return 200; }));
    for (int line = 3000; line < 3003; ++line) {
        lines[line] = lines[line].substr(0, lines[line].rfind(',') + 1) + "-40.0";
    }
    WriteLines("repaired.csv", lines);
    const StationClimate climate = DeriveStationClimate(ReadWeatherFile("repaired.csv"));
    const StationClimate mild = DeriveStationClimate(MakeYear([](int) { return 200; }));
    EXPECT_EQ(climate.bin_hours, mild.bin_hours);
    EXPECT_EQ(std::tuple(climate.winter_design, climate.degree_days, climate.summer_design),
              std::tuple(68, 0, 68));
    // Lines 3001 to 3003 are hours 2998 to 3000 of the year, 05/05 23:00 to 05/06 01:00, dated
    // with the year the May rows carry.
    const std::vector<RepairedHour> repairs = {{"05/05/1995", "23:00", -400, 200},
                                               {"05/05/1995", "24:00", -400, 200},
                                               {"05/06/1995", "01:00", -400, 200}};
    EXPECT_EQ(climate.repairs, repairs);
    // Hours made without the stamps of a file are dated by their place in the year.
    const StationClimate unstamped = DeriveStationClimate(
        MakeYear([](int index) { return index >= 2998 && index <= 3000 ? -400 : 200; }));
    const std::vector<RepairedHour> placed = {{"05/05", "23:00", -400, 200},
                                              {"05/05", "24:00", -400, 200},
                                              {"05/06", "01:00", -400, 200}};
    EXPECT_EQ(unstamped.repairs, placed);
}

// A station table whose 211 entries all use one station file, with the columns in another order
// than usual and a list text holding a comma.
std::vector<std::string> TableLines() {
    std::vector<std::string> lines = {"file,usaf,list_name,index,note"};
    for (int index = 1; index <= kCityCount; ++index) {
        lines.push_back("tmy3/good.csv,722540,\"city " + std::to_string(index) + ", TX\"," +
                        std::to_string(index) + ",");
    }
    return lines;
}

// A folder holding a station table and one station file "tmy3/good.csv", whose nights are at
// 40.6 °C (105 °F, held in bin 1), days at -20.6 °C (-5 °F, bin 21 and cold bin 22) and
// evenings at 20.0 °C (68 °F, bin 8): each shift fills exactly one bin with all of its 2920
// hours. One hour, 07/04 12:00, reads 30.0 °C, a fault in the middle of the cold days.
fs::path MakeStationFolder(const std::string& name, const std::vector<std::string>& table) {
    const fs::path folder = fs::absolute(name);
    fs::remove_all(folder);
    fs::create_directories(folder / "tmy3");
    WriteLines((folder / "tmy3/good.csv").string(), Tmy3Lines(MakeYear([](int index) {
                   const int hour = index % 24 + 1;
                   if (NthHourOfYear(index) == HourOfYear{7, 4, 12}) {
                       return 300;
                   }
                   return hour <= 8 ? 406 : hour <= 16 ? -206 : 200;
               })));
    WriteLines((folder / "stations.csv").string(), table);
    return folder;
}

// Runs heatwise-derive with the arguments, its output going to derive.log; gives the exit status.
int RunDerive(const std::string& arguments) {
    const std::string command =
        std::string("\"") + HEATWISE_DERIVE_PROGRAM + "\" " + arguments + " >derive.log 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DeriveCommand, WritesTheFilesOnlyWhenEveryStationDerives) {
    const fs::path good = MakeStationFolder("command_good", TableLines());
    std::vector<std::string> bad_lines = TableLines();
    bad_lines[211] = "tmy3/absent.csv,722540,last,211,";
    const fs::path bad = MakeStationFolder("command_bad", bad_lines);
    const fs::path out = fs::absolute("command_out");
    fs::remove_all(out);

    // Each file is the station's record 211 times: the three full bins in the flat order (shift
    // 1 bin 1, shift 2 bin 21, shift 3 bin 8) and the cold days in shift 2's first cold bin;
    // the 88th coldest hour -5 °F, the 88th hottest 105 °F; each day's extremes 40.6 and
    // -20.6 °C average 10 °C (50 °F), 15 degree days a day, 5475 a year. The fault is repaired
    // to the cold days' -20.6 °C and listed for every city, with the station of the table.
    std::string bins;
    for (int value = 0; value < kBinValueCount; ++value) {
        bins += (value == 0 || value == 41 || value == 49 ? "2920" : "0") +
                std::string(value + 1 == kBinValueCount ? "\n" : " ");
    }
    std::string cold_bins;
    for (int value = 0; value < kColdBinValueCount; ++value) {
        cold_bins += (value == 10 ? "2920" : "0") +
                     std::string(value + 1 == kColdBinValueCount ? "\n" : " ");
    }
    std::string bin_data, design_data, cold_bin_data, repairs = kRepairsHeader;
    for (int city = 1; city <= kCityCount; ++city) {
        bin_data += bins;
        design_data += "-5 5475 105\n";
        cold_bin_data += cold_bins;
        repairs += std::to_string(city) + ",722540,07/04/1997,12:00,30.0,-20.6\n";
    }
    ASSERT_EQ(RunDerive((good / "stations.csv").string() + " " + out.string()), 0)
        << ReadText("derive.log");
    EXPECT_EQ(ReadText(out / "bindata2.dat"), bin_data);
    EXPECT_EQ(ReadText(out / "cities.dat"), design_data);
    EXPECT_EQ(ReadText(out / "coldbins.dat"), cold_bin_data);
    EXPECT_EQ(ReadText(out / "repairs.csv"), repairs);

    // A failed run leaves the files of the last good run as they were, and no scraps beside them.
    WriteLines((out / "cities.dat").string(), {"28 1700 97"});
    EXPECT_EQ(RunDerive((bad / "stations.csv").string() + " " + out.string()), 1);
    EXPECT_EQ(ReadText("derive.log"),
              "heatwise-derive: " + (bad / "stations.csv").string() +
                  ": line 212: city 211 \"last\": " + (bad / "tmy3/absent.csv").string() +
                  ": cannot be opened for reading: No such file or directory\n");
    EXPECT_EQ(ReadText(out / "bindata2.dat"), bin_data);
    EXPECT_EQ(ReadText(out / "cities.dat"), "28 1700 97\n");
    EXPECT_EQ(ReadText(out / "repairs.csv"), repairs);
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 4);

    EXPECT_EQ(RunDerive((good / "stations.csv").string()), 2);
    EXPECT_THAT(ReadText("derive.log"),
                HasSubstr("usage: heatwise-derive STATIONS_CSV OUTPUT_DIR"));
}

}  // namespace
}  // namespace heatwise::climate
