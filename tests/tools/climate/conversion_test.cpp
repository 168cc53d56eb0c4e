// Rounding of tenths of a degree Celsius to whole °F, the bins and shifts an hour falls in, and
// the exact reading of temperature, date and time fields.
#include <gtest/gtest.h>

#include "climate_derivation.h"
#include "text_fields.h"

namespace heatwise::climate {
namespace {

struct RoundingCase {
    int c10;
    int fahrenheit;
};

TEST(Rounding, NearestWholeFahrenheitWithHalvesUpward) {
    const RoundingCase cases[] = {
        {0, 32},       // 32.0 °F exactly.
        {1, 32},       // 32.18 °F.
        {3, 33},       // 32.54 °F.
        {25, 37},      // 36.5 °F, a half: upward.
        {370, 99},     // 98.6 °F.
        {1000, 212},   // Boiling point.
        {-25, 28},     // 27.5 °F, a half: upward.
        {-175, 1},     // 0.5 °F, a half: upward.
        {-178, 0},     // -0.04 °F.
        {-180, 0},     // -0.4 °F.
        {-181, -1},    // -0.58 °F: a truncating division would give 0.
        {-225, -8},    // -8.5 °F, a half: upward to -8, not away from zero.
        {-275, -17},   // -17.5 °F, a half.
        {-276, -18},   // -17.68 °F.
        {-400, -40},   // Where the scales meet.
        {-403, -41},   // -40.54 °F: a truncating division would give -40.
        {-900, -130},  // The coldest accepted reading.
        {600, 140},    // The hottest accepted reading.
    };
    for (const RoundingCase& c : cases) {
        EXPECT_EQ(TenthsCelsiusToFahrenheit(c.c10), c.fahrenheit) << "c10 = " << c.c10;
    }
}

TEST(Bins, EveryTemperatureLiesInsideItsBinAndTheEndsAreClamped) {
    for (int fahrenheit = 0; fahrenheit <= 104; ++fahrenheit) {
        const int bin = BinOfFahrenheit(fahrenheit);
        EXPECT_LE(105 - 5 * bin, fahrenheit) << fahrenheit << " °F in bin " << bin;
        EXPECT_GE(109 - 5 * bin, fahrenheit) << fahrenheit << " °F in bin " << bin;
    }
    // Hotter than the table is held in 100/104, colder in 0/4.
    for (const int fahrenheit : {105, 109, 140}) {
        EXPECT_EQ(BinOfFahrenheit(fahrenheit), 1) << fahrenheit << " °F";
    }
    for (const int fahrenheit : {-1, -40}) {
        EXPECT_EQ(BinOfFahrenheit(fahrenheit), 21) << fahrenheit << " °F";
    }
}

TEST(Shifts, HoursOneToEightNineToSixteenSeventeenToTwentyFour) {
    const int shifts[24] = {1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3};
    for (int hour = 1; hour <= 24; ++hour) {
        EXPECT_EQ(ShiftOfHour(hour), shifts[hour - 1]) << "hour " << hour;
    }
}

struct TemperatureTextCase {
    const char* text;
    std::optional<int> c10;
};

TEST(TextFields, TemperaturesAreReadAsExactTenths) {
    const TemperatureTextCase cases[] = {
        {"12.3", 123},      {"-0.5", -5},    {"7", 70},     {"+3.2", 32},        {"-12", -120},
        {"0.0", 0},         {"-40.0", -400}, {"21.9", 219}, {"12.x", {}},        {"12.34", {}},
        {"12.", {}},        {".5", {}},      {"", {}},      {"-", {}},           {"1e2", {}},
        {"12,5", {}},       {"--1", {}},     {"- 1", {}},   {"99999999999", {}}, {"NaN", {}},
        {"2147483647", {}},
    };
    for (const TemperatureTextCase& c : cases) {
        EXPECT_EQ(ParseTenthsCelsius(c.text), c.c10) << "'" << c.text << "'";
    }
}

struct DateCase {
    const char* text;
    bool valid;
    int month;
    int day;
};

TEST(TextFields, DatesOfTheTypicalYear) {
    const DateCase cases[] = {
        {"01/01/1994", true, 1, 1},
        {"12/31/1996", true, 12, 31},
        {"2/28/2001", true, 2, 28},
        {"02/29/1996", false, 0, 0},  // A typical year has no leap day.
        {"13/01/1994", false, 0, 0},
        {"00/10/1994", false, 0, 0},
        {"04/31/1994", false, 0, 0},
        {"01/00/1994", false, 0, 0},
        {"01/01/94", false, 0, 0},
        {"01-01-1994", false, 0, 0},
        {"001/01/1994", false, 0, 0},
        {"", false, 0, 0},
    };
    for (const DateCase& c : cases) {
        std::optional<MonthDay> date = ParseCsvDate(c.text);
        ASSERT_EQ(date.has_value(), c.valid) << "'" << c.text << "'";
        if (c.valid) {
            EXPECT_EQ(date->month, c.month) << "'" << c.text << "'";
            EXPECT_EQ(date->day, c.day) << "'" << c.text << "'";
        }
    }
}

TEST(TextFields, HourEndingTimes) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"01:00", 1},  {"1:00", 1},   {"24:00", 24}, {"13:00", 13},    {"00:00", {}},
        {"25:00", {}}, {"01:30", {}}, {"0100", {}},  {"01:00:00", {}}, {"", {}},
    };
    for (const auto& [text, hour] : cases) {
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
