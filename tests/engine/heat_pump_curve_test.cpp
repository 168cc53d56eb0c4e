// A heat pump's capacity and power from its ratings, where it gives nothing, and the balance
// point of a load line against it, each worked out by hand from the rating points.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "engine/heat_pump_balance.h"
#include "engine/heat_pump_curve.h"

namespace heatwise {
namespace {

// A rating point given as its capacity and its power, as certificates list them.
RatingPoint Point(double capacity, double watts) {
    return {capacity, capacity / (kBtuPerWattHour * watts)};
}

// The rating procedure's example unit: 36,000 BTU/h at 3,000 W at 47 °F, 22,000 BTU/h at
// 2,600 W at 17 °F. Its frost default at 35 °F is 0.90 × (22,000 + 0.6 × 14,000) = 27,360 BTU/h
// and 0.985 × (2,600 + 0.6 × 400) = 2,797.4 W.
HeatPumpRatings ExampleUnit() {
    HeatPumpRatings ratings;
    ratings.at47 = Point(36000, 3000);
    ratings.at17 = Point(22000, 2600);
    return ratings;
}

TEST(engine_HeatPumpCurve, EachPieceFollowsItsLine) {
    HeatPumpRatings with35 = ExampleUnit();
    with35.at35 = Point(30000, 2800);
    HeatPumpRatings with5 = ExampleUnit();
    with5.at5 = Point(18000, 2500);
    struct Case {
        const char* what;
        HeatPumpRatings ratings;
        ColdRating cold;
        double temperature;
        double capacity;
        double power;
    };
    const HeatPumpRatings unit = ExampleUnit();
    // The 17-47 °F line rises 14,000 / 30 BTU/h and 400 / 30 W per °F; the frost line
    // 5,360 / 18 and 197.4 / 18.
    const Case cases[] = {
        {"62 °F, beyond 47 on the 17-47 line", unit, ColdRating::kUse, 62, 43000, 3200},
        {"47 °F", unit, ColdRating::kUse, 47, 36000, 3000},
        {"45 °F is on the 17-47 line", unit, ColdRating::kUse, 45, 22000 + 14000.0 * 28 / 30,
         2600 + 400.0 * 28 / 30},
        {"44 °F is on the frost line", unit, ColdRating::kUse, 44, 30040, 2896.1},
        {"35 °F, the frost default", unit, ColdRating::kUse, 35, 27360, 2797.4},
        {"26 °F on a published 35 °F point", with35, ColdRating::kUse, 26, 26000, 2700},
        {"17 °F", unit, ColdRating::kUse, 17, 22000, 2600},
        {"2 °F below 17 on the 17-47 line", unit, ColdRating::kUse, 2, 15000, 2400},
        {"2 °F on the 5-17 line", with5, ColdRating::kUse, 2, 17000, 2475},
        {"2 °F with the 5 °F point left out", with5, ColdRating::kIgnore, 2, 15000, 2400},
        {"-13 °F, COP 8,000 / (3.412 × 2,200) = 1.066", unit, ColdRating::kUse, -13, 8000, 2200},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const UnitOutput out = HeatPumpCurve(c.ratings, c.cold).At(c.temperature);
        EXPECT_TRUE(out.heats);
        EXPECT_NEAR(out.capacity, c.capacity, 1e-6);
        EXPECT_NEAR(out.power, c.power, 1e-6);
        EXPECT_NEAR(out.cop, c.capacity / (3.412 * c.power), 1e-9);
    }
}

// A COP of exactly 1 still heats and the next capacity down does not: 3,412 BTU/h from 1,000 W,
// and from 0.5 W the 1.706 BTU/h that 3.412 × 0.5 gives exactly.
TEST(engine_HeatPumpCurve, ACopOfOneIsTheLastThatHeats) {
    const std::pair<double, double> at_one[] = {{3412.0, 1000.0}, {1.706, 0.5}};
    for (const auto& [capacity, power] : at_one) {
        const UnitOutput one = UnitOutputOf(capacity, power);
        EXPECT_TRUE(one.heats) << capacity;
        EXPECT_EQ(one.cop, 1.0) << capacity;
        EXPECT_FALSE(UnitOutputOf(std::nextafter(capacity, 0.0), power).heats) << capacity;
    }
}

// The example unit's COP falls to 1 at 17 - 31.172 = -14.172 °F, where 22,000 + 466.67 d equals
// 3.412 × (2,600 + 13.33 d); its capacity reaches 0 at -30.14 °F. A unit rated 36,000 BTU/h at
// COP 3 and 30,000 at COP 4 takes 3,517 W and 2,198 W, so its power reaches 0 at -33 °F.
TEST(engine_HeatPumpCurve, GivesNothingWhereCapacityPowerOrCopFail) {
    HeatPumpRatings falling_power;
    falling_power.at47 = {36000, 3.0};
    falling_power.at17 = {30000, 4.0};
    struct Case {
        HeatPumpRatings ratings;
        double temperature;
        bool heats;
    };
    const Case cases[] = {
        {ExampleUnit(), -14.0, true},  {ExampleUnit(), -14.5, false}, {ExampleUnit(), -18.0, false},
        {ExampleUnit(), -31.0, false}, {falling_power, -30.0, true},  {falling_power, -33.5, false},
        {falling_power, -45.0, false},
    };
    for (const Case& c : cases) {
        const UnitOutput out = HeatPumpCurve(c.ratings).At(c.temperature);
        EXPECT_EQ(out.heats, c.heats) << c.temperature;
        if (!c.heats) {
            EXPECT_EQ(out.capacity, 0.0);
            EXPECT_EQ(out.power, 0.0);
            EXPECT_EQ(out.cop, 0.0);
        }
    }
}

// Where the capacity line Q17 + s (T - 17) meets the load UA (W - T):
// T = (UA W - Q17 + 17 s) / (s + UA).
TEST(engine_HeatPumpBalance, FoundOnEachPieceOfTheCurve) {
    HeatPumpRatings with5 = ExampleUnit();
    with5.at5 = Point(18000, 2500);
    // Capacity 36,000 BTU/h at COP 4 and 35,000 at COP 3.5: at -50 °F still 32,767 BTU/h at
    // COP 2.68, above a load of 200 × 115 = 23,000.
    HeatPumpRatings flat;
    flat.at47 = {36000, 4.0};
    flat.at17 = {35000, 3.5};
    struct Case {
        const char* what;
        HeatPumpRatings ratings;
        double load_per_degree;
        double setpoint;
        std::optional<double> balance;
    };
    const Case cases[] = {
        {"below 17 °F on the 17-47 line: 11,933.3 / 866.67", ExampleUnit(), 400, 65,
         11933.333333333 / 866.666666667},
        {"below 17 °F on the 5-17 line: 9,666.7 / 733.33", with5, 400, 65,
         9666.66666667 / 733.33333333},
        {"on the frost line: 22,062.2 / 897.78", ExampleUnit(), 600, 65,
         22062.2222222 / 897.777777778},
        {"above 45 °F on the 17-47 line: 69,933.3 / 1,466.67", ExampleUnit(), 1000, 84,
         69933.3333333 / 1466.66666667},
        // 32,000 BTU/h at 45 °F is below the 35,067 of the 17-47 line but above the 30,338 the
        // frost line reaches just below 45 °F.
        {"at the step down at 45 °F", ExampleUnit(), 1600, 65, 45.0},
        {"where the COP falls below 1", ExampleUnit(), 50, 65, -14.171964036976},
        {"none: the unit keeps up down to -50 °F", flat, 200, 65, std::nullopt},
        {"none without a load line", ExampleUnit(), 0, 65, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::optional<double> found =
            BalancePoint(HeatPumpCurve(c.ratings), c.load_per_degree, c.setpoint);
        ASSERT_EQ(found.has_value(), c.balance.has_value());
        if (c.balance) {
            EXPECT_NEAR(*found, *c.balance, 1e-6);
        }
    }
}

}  // namespace
}  // namespace heatwise
