// A heat pump's ratings: its capacity and power, where it gives nothing, and the balance point
// of a load line against it, each worked out by hand from the rating points; the HSPF by the
// rating procedure's bins, against the procedure's own example, with the standard design heating
// requirements it rounds to; and each input or combination the heat-pump model cannot work with,
// named with what is wrong and why.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <optional>

#include "engine/climate_data.h"
#include "engine/heat_pump_balance.h"
#include "engine/heat_pump_curve.h"
#include "engine/heat_pump_inputs.h"
#include "engine/hspf_rating.h"

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

// The procedure's example, the example unit with Cd 0.25, region IV, DHR 35,000 BTU/h: HSPF 8.18,
// and 7.65 with the compressor cut out at 10 °F and back on at 14 °F, which takes the 12 °F bin to
// half and the bins below to nothing. The certificate shows two decimals.
TEST(engine_HspfRating, TheProceduresExample) {
    struct Case {
        const char* what;
        std::optional<CompressorCutout> cutout;
        std::optional<double> dhr;
        bool with_5_degree_point;
        double hspf;
    };
    const Case cases[] = {
        {"DHR given", std::nullopt, 35000.0, false, 8.18},
        {"DHR from Q47 × 60 / 60 = 36,000, rounded", std::nullopt, std::nullopt, false, 8.18},
        {"a 5 °F point plays no part", std::nullopt, 35000.0, true, 8.18},
        {"cut-out at 10 °F, on at 14 °F", CompressorCutout{10, 14}, 35000.0, false, 7.65},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HspfRatingInput input;
        input.ratings = ExampleUnit();
        if (c.with_5_degree_point) {
            input.ratings.at5 = Point(20000, 2000);
        }
        input.cycling_degradation = 0.25;
        input.cutout = c.cutout;
        input.region = 4;
        input.design_heating_requirement = c.dhr;
        ASSERT_FALSE(CheckHspfRatingInput(input));
        const HspfRating rating = RateHspf(input);
        EXPECT_EQ(rating.design_heating_requirement, 35000.0);
        EXPECT_EQ(rating.outdoor_design, 5.0);
        EXPECT_EQ(std::round(rating.hspf * 100.0) / 100.0, c.hspf) << rating.hspf;
        ASSERT_EQ(rating.row_count, 15);
        EXPECT_EQ(rating.Rows().front().temperature, 62.0);
        EXPECT_EQ(rating.Rows().back().temperature, -8.0);
        // 62 °F: load 3 / 60 × 0.77 × 35,000 = 1,347.5 BTU/h on 43,000 BTU/h of capacity.
        EXPECT_NEAR(rating.Rows().front().load, 1347.5, 1e-9);
        EXPECT_NEAR(rating.Rows().front().part_load, 1347.5 / 43000.0, 1e-12);
    }
}

// Each region's outdoor design temperature and bins; each region's fractions add up to 1.
TEST(engine_HspfRating, RegionsOfTheProcedure) {
    const struct {
        int region;
        double outdoor_design;
        std::size_t bins;
    } cases[] = {{1, 37, 9}, {2, 27, 10}, {3, 17, 13}, {4, 5, 15}, {5, -10, 18}, {6, 30, 9}};
    for (const auto& c : cases) {
        const RatingRegion* region = FindRatingRegion(c.region);
        ASSERT_NE(region, nullptr);
        EXPECT_EQ(region->outdoor_design, c.outdoor_design);
        EXPECT_EQ(region->fractions.size(), c.bins);
        EXPECT_NEAR(std::accumulate(region->fractions.begin(), region->fractions.end(), 0.0), 1.0,
                    1e-9)
            << c.region;
    }
    EXPECT_EQ(FindRatingRegion(0), nullptr);
    EXPECT_EQ(FindRatingRegion(7), nullptr);
}

// Q47 × (65 - T_OD) / 60 to the nearest of 5,000 ... 50,000 by 5,000, 60,000 ... 110,000 by
// 10,000 and 130,000.
TEST(engine_HspfRating, StandardDesignHeatingRequirements) {
    const double cases[][3] = {
        {36000, 5, 35000},   {37500, 5, 40000},   {37400, 5, 35000},   {2000, 5, 5000},
        {52000, 5, 50000},   {56000, 5, 60000},   {115000, 5, 110000}, {121000, 5, 130000},
        {200000, 5, 130000}, {36000, -10, 45000}, {36000, 30, 20000},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StandardDesignHeatingRequirement(c[0], c[1]), c[2]) << c[0] << " at " << c[1];
    }
}

TEST(engine_HspfRating, ProblemsOfTheRegionAndRequirement) {
    HspfRatingInput input;
    input.ratings = ExampleUnit();
    input.region = 7;
    auto problem = CheckHspfRatingInput(input);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, HeatPumpField::kRegion);
    EXPECT_EQ(problem->message, "region 7 is not one of the rating's climate regions, 1 to 6");
    input.region = 1;
    input.design_heating_requirement = 0.0;
    problem = CheckHspfRatingInput(input);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, HeatPumpField::kDesignHeatingRequirement);
    input.design_heating_requirement = std::nullopt;
    input.cutout = CompressorCutout{20, 5};
    problem = CheckHspfRatingInput(input);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, HeatPumpField::kCutout);
}

// A unit rated 36,000 BTU/h at COP 3.5 and 22,000 at COP 2.5, against an oil furnace at 85 %.
HeatPumpInput Acceptable() {
    HeatPumpInput input;
    input.form.fuel = HeatingFuel::kFuelOil;
    input.form.heat_efficiency = 85;
    input.unit.ratings.at47 = {36000, 3.5};
    input.unit.ratings.at17 = {22000, 2.5};
    return input;
}

TEST(engine_HeatPump, ProblemsNameTheInputAndWhy) {
    struct Case {
        void (*spoil)(HeatPumpInput&);
        HeatPumpField field;
        const char* message;
    };
    const Case cases[] = {
        {[](HeatPumpInput& in) { in.unit.ratings.at47.capacity = 0; }, HeatPumpField::kCapacity47,
         "the capacity at 47 °F is 0 BTU/h: a rated capacity must be above 0"},
        {[](HeatPumpInput& in) { in.unit.ratings.at17.cop = -1; }, HeatPumpField::kCop17,
         "the COP at 17 °F is -1: a rated COP must be above 0"},
        {[](HeatPumpInput& in) {
             in.unit.ratings.at35 = RatingPoint{30000, 0};
         },
         HeatPumpField::kCop35, "the COP at 35 °F is 0: a rated COP must be above 0"},
        {[](HeatPumpInput& in) {
             in.unit.ratings.at5 = RatingPoint{-5, 2};
         },
         HeatPumpField::kCapacity5,
         "the capacity at 5 °F is -5 BTU/h: a rated capacity must be above 0"},
        {[](HeatPumpInput& in) { in.unit.cycling_degradation = 1; },
         HeatPumpField::kCyclingDegradation,
         "the cycling degradation coefficient is 1: it must be at least 0 and below 1, or the "
         "part-load factor would not be above 0"},
        {[](HeatPumpInput& in) {
             in.unit.cutout = CompressorCutout{14, 10};
         },
         HeatPumpField::kCutout,
         "the compressor cut-out at 14 °F is above its cut-in at 10 °F: it cannot come back on "
         "below the temperature it stops at"},
        {[](HeatPumpInput& in) {
             in.unit.switchover = {SwitchoverRule::kAuto, 0};
         },
         HeatPumpField::kSwitchover,
         "a switchover needs the furnace as backup heat: with electric resistance there is "
         "nothing to switch over to"},
        {[](HeatPumpInput& in) { in.form.fuel = static_cast<HeatingFuel>(-999); },
         HeatPumpField::kFuel,
         "no heating fuel is chosen: the heat pump is weighed against the furnace of one of the "
         "four fuels"},
        {[](HeatPumpInput& in) { in.form.heat_efficiency = 0; }, HeatPumpField::kHeatEfficiency,
         "the furnace efficiency is 0 %: the furnace's heat cannot be priced unless it is above 0"},
        {[](HeatPumpInput& in) {
             in.form.bin_hours[BinValueIndex(2, kBinCount)] = 10;
             in.cold_hours[ColdBinValueIndex(2, 22)] = 7;
             in.cold_hours[ColdBinValueIndex(2, 31)] = 5;
         },
         HeatPumpField::kColdHours,
         "shift 2 has 12 hours below 0 °F, more than the 10 of its 0/4 °F bin, which counts them"},
        {[](HeatPumpInput& in) { in.cold_hours[ColdBinValueIndex(3, 23)] = -1; },
         HeatPumpField::kColdHours,
         "shift 3, bin -10/-6 °F holds -1 hours: hours cannot be below 0"},
    };
    EXPECT_FALSE(CheckHeatPumpInput(Acceptable()));
    for (const Case& c : cases) {
        HeatPumpInput input = Acceptable();
        c.spoil(input);
        const std::optional<HeatPumpProblem> problem = CheckHeatPumpInput(input);
        ASSERT_TRUE(problem) << c.message;
        EXPECT_EQ(problem->field, c.field);
        EXPECT_EQ(problem->message, c.message);
    }
}

}  // namespace
}  // namespace heatwise
