// The repair of hours no weather makes: which runs of hours are taken for faults, the values
// used instead, and what is left alone as weather; and the usual temperature of an hour.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "hour_repair.h"
#include "year_calendar.h"

namespace heatwise::climate {

// A repair as a failed check shows it.
void PrintTo(const HourRepair& r, std::ostream* out) {
    *out << r.hour << ": " << r.read_c10 << " -> " << r.used_c10;
}

namespace {

// A year at 10.0 °C, or at `background` of the hour, with some hours set otherwise.
std::vector<int> Year(
    const std::vector<std::pair<int, int>>& hours,
    const std::function<int(int)>& background = [](int) { return 100; }) {
    std::vector<int> c10(kHoursPerYear);
    for (int i = 0; i < kHoursPerYear; ++i) {
        c10[i] = background(i);
    }
    for (const auto& [hour, value] : hours) {
        c10[hour] = value;
    }
    return c10;
}

// `count` hours from `first` at `value`.
std::vector<std::pair<int, int>> Spell(int first, int count, int value) {
    std::vector<std::pair<int, int>> hours;
    for (int i = 0; i < count; ++i) {
        hours.emplace_back(first + i, value);
    }
    return hours;
}

std::vector<std::pair<int, int>> Joined(std::vector<std::vector<std::pair<int, int>>> parts) {
    std::vector<std::pair<int, int>> hours;
    for (const auto& part : parts) {
        hours.insert(hours.end(), part.begin(), part.end());
    }
    return hours;
}

// The repairs of consecutive hours from `first`, all read as `read`, with the values used.
std::vector<HourRepair> Repaired(int first, int read, const std::vector<int>& used) {
    std::vector<HourRepair> repairs;
    for (const int value : used) {
        repairs.push_back({first + static_cast<int>(repairs.size()), read, value});
    }
    return repairs;
}

struct Case {
    const char* what;
    std::vector<int> year;
    std::vector<HourRepair> repairs;
};

// The used values are worked out by hand on the line between the good hours around each fault,
// rounded to the nearest tenth with halves upward.
TEST(HourRepair, FaultsAreRepairedAndWeatherIsLeftAlone) {
    // A daily cycle of 12.0 °C at night and 17.0 °C from 08:00 to 17:00 (hours 9 to 18).
    const auto cycle = [](int i) { return i % 24 >= 8 && i % 24 <= 17 ? 170 : 120; };
    // A hot day, 27.0 °C over the same hours, falling to 12.0 °C within the hour at evening.
    const auto hot_cycle = [](int i) { return i % 24 >= 8 && i % 24 <= 17 ? 270 : 120; };
    const int day = 200 * 24;
    const Case cases[] = {
        {"a single hour far from both neighbours", Year({{1000, -300}}), {{1000, -300, 100}}},
        // 25.6 + 7.2 k / 11 for k = 1 .. 10.
        {"ten hours of a summer morning at -9.3 C between 25.6 and 32.8 C",
         Year(Joined({{{4610, 256}}, Spell(4611, 10, -93), {{4621, 328}}}),
              [](int) { return 280; }),
         Repaired(4611, -93, {263, 269, 276, 282, 289, 295, 302, 308, 315, 321})},
        {"twelve hours are the longest fault", Year(Spell(5000, 12, -93)),
         Repaired(5000, -93, std::vector<int>(12, 100))},
        {"thirteen hours at -9.3 C are no fault", Year(Spell(5000, 13, -93)), {}},
        {"a chinook, 15 C warmer within the hour and staying warm, is weather",
         Year(Spell(7000, 48, 250)),
         {}},
        {"a half tenth goes upward: between -0.1 and 0.0 C the line gives 0.0",
         Year(Joined({Spell(1900, 200, 0), {{2000, -1}, {2001, -300}}})),
         {{2001, -300, 0}}},
        {"9.0 C away from both neighbours and back is a fault",
         Year({{8100, 10}}),
         {{8100, 10, 100}}},
        {"8.9 C away and back is weather", Year({{8000, 11}}), {}},
        // 18.3, then four faults, two good hours at 20.5, a fault, 22.7: the four go on the line
        // from 18.3 to 20.5 (18.74, 19.18, 19.62, 20.06), the single one on 20.5 to 22.7.
        {"faults close together, with the good hours between them kept",
         // clang-format off
         Year({{6000, 183}, {6001, -173}, {6002, -117}, {6003, -173}, {6004, 11}, {6005, 205},
               {6006, 205}, {6007, -173}, {6008, 227}}),
         {{6001, -173, 187}, {6002, -117, 192}, {6003, -173, 196}, {6004, 11, 201},
          {6007, -173, 216}}},
        // clang-format on
        // A fault reached through a half-way hour: the longer run, from 15.0 C on, goes first,
        // so the half-way 0.8 C goes with it (15.0 + 6.1 k / 5), not the deeper run after it.
        {"the way into a fault goes with the fault",
         // clang-format off
         Year({{3000, 233}, {3001, 150}, {3002, 8}, {3003, -139}, {3004, -173}, {3005, -139},
               {3006, 211}}, [](int) { return 250; }),
         // clang-format on
         {{3002, 8, 162}, {3003, -139, 174}, {3004, -173, 187}, {3005, -139, 199}}},
        {"an hour at the usual temperature within a cold night is weather",
         Year(Joined({Spell(500, 27, -230), {{513, -111}}})),
         {}},
        // The night before the day is faulty (8 hours, between 12.0 and 17.0: 12.0 + 5 k / 9),
        // the day is good though it stands 23 C above the faulty evening and night after it,
        // which last 14 hours: too long to be taken for a fault.
        {"the good hours of a day between faulty nights are kept",
         Year(Joined({Spell(day, 8, -60), Spell(day + 18, 14, -60)}), cycle),
         Repaired(day, -60, {126, 131, 137, 142, 148, 153, 159, 164})},
        // The line runs from the hour before, 27.0 C, to the hour after, 12.0 C: its 19.5 C
        // lies nearer the usual 12.0 C of that hour than the 2.0 C read, although the hour
        // before alone lies further from it.
        {"an hour 10.0 C below the evening after a hot day is a fault",
         Year({{day + 18, 20}}, hot_cycle),
         {{day + 18, 20, 195}}},
        {"the first and the last hour of the year have one neighbour only",
         Year({{0, -300}, {kHoursPerYear - 1, -300}}),
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindHourRepairs(c.year), c.repairs) << c.what;
    }
}

TEST(HourRepair, UsualTemperatureIsTheMedianOfTheSameHourOnThirtyOneDays) {
    // Every hour of day d reads d tenths, so the median of a window of days is its middle day;
    // near the ends of the year the window stays inside it.
    std::vector<int> c10(kHoursPerYear);
    for (int i = 0; i < kHoursPerYear; ++i) {
        c10[i] = i / 24;
    }
    // One hour of day 100 is far off: it counts as one reading of 31, whatever its size, and
    // moves the median by one reading (to 101 and 102) at the same hour of the days around it.
    c10[100 * 24 + 5] = 9000;
    const std::pair<int, int> cases[] = {{100 * 24 + 5, 101},
                                         {101 * 24 + 5, 102},
                                         {100 * 24 + 6, 100},
                                         {3 * 24, 15},
                                         {364 * 24 + 23, 349}};
    for (const auto& [hour, usual] : cases) {
        EXPECT_EQ(UsualTemperature(c10, hour), usual) << "hour " << hour;
    }
}

}  // namespace
}  // namespace heatwise::climate
