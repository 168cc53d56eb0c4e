// Bin hours, design temperatures and heating degree days of hand-made years whose answers are
// known, and the records written for them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <numeric>

#include "climate_derivation.h"
#include "weather_samples.h"
#include "year_calendar.h"

namespace heatwise::climate {
namespace {

using samples::MakeYear;
using samples::WeatherErrorOf;
using ::testing::HasSubstr;

constexpr int kWarmDay = 200;  // 20 °C = 68 °F: no heating degree days.

int ShiftTotal(const StationClimate& climate, int shift) {
    auto first = climate.bin_hours.begin() + kBinCount * (shift - 1);
    return std::accumulate(first, first + kBinCount, 0);
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

TEST(Derivation, EveryShiftTotals2920HoursWhateverTheWeather) {
    // A year sweeping from far below the coldest bin to far above the hottest.
    const StationClimate climate =
        DeriveStationClimate(MakeYear([](int index) { return (index * 37) % 1501 - 900; }));
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        EXPECT_EQ(ShiftTotal(climate, shift), 2920) << "shift " << shift;
    }
}

struct DesignCase {
    int extreme_hours;  // Hours beyond the marker hour.
    int expected;       // Design temperature, °F.
};

// A year mostly at 10 °C with `extreme` hours at `extreme_c10` and one hour at `marker_c10`
// between them, the special hours spread over the year.
HourlyWeather DesignYear(int extreme_hours, int extreme_c10, int marker_c10) {
    return MakeYear([=](int index) {
        if (index % 97 != 5) {
            return 100;
        }
        const int position = index / 97;
        return position < extreme_hours    ? extreme_c10
               : position == extreme_hours ? marker_c10
                                           : 100;
    });
}

TEST(Derivation, WinterDesignIsTheEightyEighthColdestHour) {
    // The marker, -20.0 °C = -4 °F, is the design temperature only when exactly 87 hours are
    // colder; one more or one fewer cold hour moves the design value away from it.
    const DesignCase cases[] = {{87, -4}, {86, 50}, {88, -22}};
    for (const DesignCase& c : cases) {
        const StationClimate climate =
            DeriveStationClimate(DesignYear(c.extreme_hours, -300, -200));
        EXPECT_EQ(climate.winter_design, c.expected) << c.extreme_hours << " colder hours";
        EXPECT_EQ(climate.summer_design, 50) << c.extreme_hours << " colder hours";
    }
}

TEST(Derivation, SummerDesignIsTheEightyEighthHottestHour) {
    // The marker, 35.0 °C = 95 °F, against hotter hours at 40.0 °C = 104 °F.
    const DesignCase cases[] = {{87, 95}, {86, 50}, {88, 104}};
    for (const DesignCase& c : cases) {
        const StationClimate climate = DeriveStationClimate(DesignYear(c.extreme_hours, 400, 350));
        EXPECT_EQ(climate.summer_design, c.expected) << c.extreme_hours << " hotter hours";
        EXPECT_EQ(climate.winter_design, 50) << c.extreme_hours << " hotter hours";
    }
}

struct DegreeDayCase {
    const char* name;
    std::function<int(int day, int hour)> c10;
    int expected;
};

TEST(Derivation, HeatingDegreeDaysOfHandMadeYears) {
    const DegreeDayCase cases[] = {
        // 18.3 °C = 64.94 °F: 0.06 degree days a day, 21.9 over the year. Rounding each day
        // first would give 0.
        {"constant 18.3 C", [](int, int) { return 183; }, 22},
        // Highest 10 °C, lowest 0 °C: mean 41 °F, 24 degree days a day; the other hours, at
        // 5 °C, do not count because the mean is that of the extremes.
        {"extremes 0 and 10 C", [](int, int hour) { return hour == 3    ? 0
                                                           : hour == 15 ? 100
                                                                        : 50; },
         24 * 365},
        // Warm days count as zero, they do not subtract from the cold ones.
        {"182 hot days, 183 cold days",
         [](int day, int hour) {
             return day < 182 ? 300 : hour == 3 ? 0 : hour == 15 ? 100 : 50;
         },
         24 * 183},
        // 24:00 belongs to the date on its row: 01/01 has 20 °C until 23:00 and -10 °C at 24:00
        // (mean 50.9 °F, 24 degree days), 01/02 is -10 °C all day (14 °F, 51 degree days).
        {"24:00 on its own date",
         [](int day, int hour) { return (day == 0 && hour == 24) || day == 1 ? -100 : kWarmDay; },
         75},
        // 17.5 °C all day is 63.5 °F: 1.5 degree days, a half, rounded upward.
        {"one and a half", [](int day, int) { return day == 100 ? 175 : kWarmDay; }, 2},
        // Highest 17.6 °C, lowest 17.5 °C: 1.41 degree days, rounded down.
        {"1.41", [](int day, int hour) { return day == 100 ? (hour == 1 ? 176 : 175) : kWarmDay; },
         1},
        // Two days of 1.5 degree days: rounded once over the year, not per day.
        {"two halves", [](int day, int) { return day == 7 || day == 300 ? 175 : kWarmDay; }, 3},
        {"no cold day", [](int, int) { return kWarmDay; }, 0},
    };
    for (const DegreeDayCase& c : cases) {
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
    const auto year = [] { return MakeYear([](int) { return 100; }, "722540.csv"); };
    struct Case {
        const char* name;
        std::function<void(HourlyWeather&)> change;
        std::vector<std::string> parts;
    };
    const Case cases[] = {
        {"one hour short",
         [](HourlyWeather& w) { w.hours.pop_back(); },
         {"722540.csv: holds 8759 hours", "exactly 8760"}},
        {"one hour too many",
         [](HourlyWeather& w) { w.hours.push_back(w.hours.back()); },
         {"722540.csv: holds 8761 hours"}},
        {"empty", [](HourlyWeather& w) { w.hours.clear(); }, {"722540.csv: holds 0 hours"}},
        {"two hours swapped",
         [](HourlyWeather& w) { std::swap(w.hours[24], w.hours[25]); },
         {"722540.csv: hour 25 of the year: reads 01/02 02:00 where 01/02 01:00 belongs"}},
        {"leap day",
         [](HourlyWeather& w) {
             w.hours[59 * 24].month = 2;
             w.hours[59 * 24].day = 29;
         },
         {"hour 1417 of the year: reads 02/29 01:00 where 03/01 01:00 belongs"}},
        {"too hot",
         [](HourlyWeather& w) { w.hours[8759].c10 = 999; },
         {"hour 8760 of the year: dry-bulb 999", "-900 to 600"}},
    };
    for (const Case& c : cases) {
        HourlyWeather weather = year();
        c.change(weather);
        const std::string message = WeatherErrorOf([&] { DeriveStationClimate(weather); });
        for (const std::string& part : c.parts) {
            EXPECT_THAT(message, HasSubstr(part)) << c.name;
        }
    }
}

}  // namespace
}  // namespace heatwise::climate
