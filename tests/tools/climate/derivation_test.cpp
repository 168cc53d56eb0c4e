// Rounding of tenths of a degree Celsius to whole °F and the bins and shifts an hour falls in;
// bin hours, design temperatures and heating degree days of hand-made years whose answers are
// known, the records written for them, and the years that are refused.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "climate_derivation.h"
#include "weather_samples.h"
#include "year_calendar.h"

namespace heatwise::climate {
namespace {

using samples::MakeYear;
using ::testing::HasSubstr;

constexpr int kWarmDay = 200;  // 20 °C = 68 °F: no heating degree days.

TEST(Rounding, NearestWholeFahrenheitWithHalvesUpward) {
    // Halves go upward, not away from zero (-22.5 °C is -8.5 °F, so -8), and negative values are
    // not truncated toward zero (-18.1 °C is -0.58 °F, so -1).
    const std::pair<int, int> cases[] = {
        {0, 32},     {1, 32},     {3, 33},     {25, 37},    {370, 99},    {1000, 212},
        {-25, 28},   {-175, 1},   {-178, 0},   {-180, 0},   {-181, -1},   {-225, -8},
        {-275, -17}, {-276, -18}, {-400, -40}, {-403, -41}, {-900, -130}, {600, 140}};
    for (const auto& [c10, fahrenheit] : cases) {
        EXPECT_EQ(TenthsCelsiusToFahrenheit(c10), fahrenheit) << "c10 = " << c10;
    }
}

TEST(Bins, EveryTemperatureLiesInsideItsBinAndTheEndsAreClamped) {
    // Hotter than the table is held in 100/104 (bin 1), colder in 0/4 (bin 21).
    for (int fahrenheit = -40; fahrenheit <= 140; ++fahrenheit) {
        const int bin = BinOfFahrenheit(fahrenheit);
        const int held = std::clamp(fahrenheit, 0, 104);
        EXPECT_TRUE(105 - 5 * bin <= held && held <= 109 - 5 * bin) << fahrenheit << " in " << bin;
    }
}

TEST(Shifts, HoursOneToEightNineToSixteenSeventeenToTwentyFour) {
    for (int hour = 1; hour <= 24; ++hour) {
        EXPECT_EQ(ShiftOfHour(hour), hour <= 8 ? 1 : hour <= 16 ? 2 : 3) << "hour " << hour;
    }
}

TEST(Derivation, EachShiftCountsItsOwnHoursInTheFlatOrder) {
    // Nights at 40.6 °C (105 °F, held in bin 1), days at -15.6 °C (4 °F, bin 21) and evenings at
    // 20.0 °C (68 °F, bin 8): each shift fills exactly one bin with all of its 2920 hours.
    const StationClimate climate = DeriveStationClimate(MakeYear([](int index) {
        const int hour = index % 24 + 1;
        return hour <= 8 ? 406 : hour <= 16 ? -156 : 200;
    }));
    std::array<int, kBinValueCount> expected{};
    expected[0] = 2920;                  // Shift 1, bin 1.
    expected[kBinCount + 20] = 2920;     // Shift 2, bin 21.
    expected[2 * kBinCount + 7] = 2920;  // Shift 3, bin 8.
    EXPECT_EQ(climate.bin_hours, expected);
}

TEST(Derivation, DesignTemperaturesAreTheEightyEighthColdestAndHottestHours) {
    // A year mostly at 10 °C (50 °F) with `extreme` hours beyond one marker hour, spread over the
    // year: the marker is the design temperature only when exactly 87 hours lie beyond it.
    struct Case {
        int extreme_hours, extreme_c10, marker_c10, winter, summer;
    };
    const Case cases[] = {{87, -300, -200, -4, 50},  {86, -300, -200, 50, 50},
                          {88, -300, -200, -22, 50}, {87, 400, 350, 50, 95},
                          {86, 400, 350, 50, 50},    {88, 400, 350, 50, 104}};
    for (const Case& c : cases) {
        const StationClimate climate = DeriveStationClimate(MakeYear([&](int index) {
            const int position = index / 97;
            return index % 97 != 5 || position > c.extreme_hours ? 100
                   : position < c.extreme_hours                  ? c.extreme_c10
                                                                 : c.marker_c10;
        }));
        EXPECT_EQ(climate.winter_design, c.winter) << c.extreme_hours << " at " << c.extreme_c10;
        EXPECT_EQ(climate.summer_design, c.summer) << c.extreme_hours << " at " << c.extreme_c10;
    }
}

TEST(Derivation, HeatingDegreeDaysOfHandMadeYears) {
    struct Case {
        const char* name;
        std::function<int(int day, int hour)> c10;
        int expected;
    };
    const Case cases[] = {
        // 18.3 °C = 64.94 °F: 0.06 a day, 21.9 over the year; rounding each day would give 0.
        {"constant 18.3 C", [](int, int) { return 183; }, 22},
        // The mean is that of the extremes 0 and 10 °C (41 °F), not of all hours (5 °C).
        {"extremes 0 and 10 C", [](int, int hour) { return hour == 3    ? 0
                                                           : hour == 15 ? 100
                                                                        : 50; },
         24 * 365},
        // Warm days count as zero, they do not subtract from the cold ones.
        {"182 hot days",
         [](int day, int hour) {
             return day < 182 ? 300 : hour == 3 ? 0 : hour == 15 ? 100 : 50;
         },
         24 * 183},
        // 24:00 belongs to the date on its row: 01/01 has a mean of 50.9 °F (24 degree days),
        // 01/02 is 14 °F all day (51 degree days).
        {"24:00 on its own date",
         [](int day, int hour) { return (day == 0 && hour == 24) || day == 1 ? -100 : kWarmDay; },
         75},
        // 17.5 °C is 63.5 °F: 1.5 degree days rounded upward; 1.41 rounded down; two halves are
        // rounded once over the year, not per day.
        {"one and a half", [](int day, int) { return day == 100 ? 175 : kWarmDay; }, 2},
        {"1.41", [](int day, int hour) { return day == 100 ? (hour == 1 ? 176 : 175) : kWarmDay; },
         1},
        {"two halves", [](int day, int) { return day == 7 || day == 300 ? 175 : kWarmDay; }, 3},
    };
    for (const Case& c : cases) {
        const StationClimate climate = DeriveStationClimate(
            MakeYear([&](int index) { return c.c10(index / 24, index % 24 + 1); }));
        EXPECT_EQ(climate.degree_days, c.expected) << c.name;
    }
}

TEST(Derivation, RecordsAreBlankSeparatedLines) {
    StationClimate climate{};
    std::iota(climate.bin_hours.begin(), climate.bin_hours.end(), -1);
    climate.winter_design = -34;
    climate.degree_days = 19862;
    climate.summer_design = 53;
    std::string bins;
    for (int value = -1; value < 62; ++value) {
        bins += std::to_string(value) + (value == 61 ? "\n" : " ");
    }
    EXPECT_EQ(FormatBinRecord(climate), bins);
    EXPECT_EQ(FormatDesignRecord(climate), "-34 19862 53\n");
}

TEST(Derivation, RefusesAnythingButTheHoursOfOneYear) {
    const std::pair<std::function<void(HourlyWeather&)>, const char*> cases[] = {
        {[](HourlyWeather& w) { w.hours.pop_back(); },
         "722540.csv: holds 8759 hours; a year of hourly weather holds exactly 8760 (365 days of "
         "24 hours)"},
        {[](HourlyWeather& w) { w.hours.push_back(w.hours.back()); }, "holds 8761 hours"},
        {[](HourlyWeather& w) { std::swap(w.hours[24], w.hours[25]); },
         "722540.csv: hour 25 of the year: reads 01/02 02:00 where 01/02 01:00 belongs"},
        {[](HourlyWeather& w) { w.hours[8759].c10 = 999; },
         "722540.csv: hour 8760 of the year: dry-bulb 999 tenths of a degree Celsius is outside "
         "the "
         "accepted range -900 to 600"},
    };
    for (const auto& [change, message] : cases) {
        HourlyWeather weather = MakeYear([](int) { return 100; }, "722540.csv");
        change(weather);
        EXPECT_THAT(samples::ErrorOf<WeatherFileError>([&] { DeriveStationClimate(weather); }),
                    HasSubstr(message));
    }
}

}  // namespace
}  // namespace heatwise::climate
