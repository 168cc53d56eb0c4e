// The bin method at the limits of 32-bit arithmetic and of the cost formulas: climate files with
// arbitrary values, an EER of 0, and costs beyond the range of a whole-dollar field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "bin_calc.h"
#include "bin_calc_inputs.h"

namespace heatwise {
namespace {

using testing::HoursAt;

constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kSmallest = std::numeric_limits<std::int32_t>::min();

// Cooling at summer setpoint 65 from shift 1 only, unscaled, so a bin's degree-hours are its
// hours times 102 - 5 × (bin - 1) - 65.
BinCalcInput CoolingFromShiftOne() {
    BinCalcInput input = testing::FormDefaultsWithoutHours();
    input.mode = CalcMode::kCooling;
    input.thermostat_hours = {8, 0, 0};
    input.summer_setpoint = {65, 65, 65};
    input.winter_setpoint = {65, 65, 65};
    return input;
}

TEST(engine_WholeDollars, TruncatesTowardZeroAndHoldsTheEndsOfTheRange) {
    struct Case {
        double cost;
        std::int32_t shown;
    };
    const double infinity = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {20.92, 20},
        {0.99, 0},
        {-0.99, 0},
        {-20.92, -20},
        {2147483647.9, kLargest},
        {2147483648.0, kLargest},
        {1e300, kLargest},
        {infinity, kLargest},
        {-2147483648.9, kSmallest},
        {-2147483649.0, kSmallest},
        {-infinity, kSmallest},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cost);
        EXPECT_EQ(WholeDollars(c.cost), c.shown);
    }
}

TEST(engine_BinCalcLimits, ProductsWrapAsThirtyTwoBitArithmeticDoes) {
    BinCalcInput input = CoolingFromShiftOne();
    // 2147483647 × 8 wraps to -8 before the division by 8.
    HoursAt(input, 1, 1) = kLargest;
    EXPECT_EQ(ComputeBinCosts(input, 0.0).scaled_hours[BinValueIndex(1, 1)], -1);

    // 2000000000 × 1 / 8 = 250000000 hours; × 37 °F wraps to 660065408 degree-hours, and
    // 100 × that wraps to 1582031360, so the bin shows 2 percent of its own total.
    input.thermostat_hours = {1, 0, 0};
    HoursAt(input, 1, 1) = 2000000000;
    const BinCalcResult result = ComputeBinCosts(input, 0.0);
    EXPECT_EQ(result.scaled_hours[BinValueIndex(1, 1)], 250000000);
    EXPECT_EQ(result.cooling_degree_hours, 660065408);
    EXPECT_EQ(result.percent_calcd[0], 2);
}

TEST(engine_BinCalcLimits, SmallestNumberOverMinusOneWrapsInsteadOfTrapping) {
    // With summer setpoints 65 and 66 in shifts 1 and 2, bin 1 (100/104) holds
    // 37 × -43530072 + 36 × -2 = -1610612736 degree-hours and bin 3 (90/94) holds
    // 27 × -99420547 (wrapping to 1610612527) + 26 × 8 = 1610612735. The season total is -1, and
    // 100 × bin 1 wraps to -2147483648, whose quotient by -1 does not fit in 32 bits.
    BinCalcInput input = CoolingFromShiftOne();
    input.thermostat_hours = {8, 8, 0};
    input.summer_setpoint = {65, 66, 65};
    HoursAt(input, 1, 1) = -43530072;
    HoursAt(input, 2, 1) = -2;
    HoursAt(input, 1, 3) = -99420547;
    HoursAt(input, 2, 3) = 8;
    const BinCalcResult result = ComputeBinCosts(input, 0.0);
    EXPECT_EQ(result.cooling_degree_hours, -1);
    EXPECT_EQ(result.percent_calcd[0], kSmallest);
    EXPECT_EQ(result.percent_calcd[2], -2147483548);
}

TEST(engine_BinCalcLimits, WinterSetpointFarOutsideItsRangeWraps) {
    BinCalcInput input = CoolingFromShiftOne();
    input.mode = CalcMode::kHeating;
    input.winter_setpoint = {kSmallest, 65, 65};
    HoursAt(input, 1, 14) = 1;
    // -2147483648 - 37 wraps to 2147483611 degrees, over one hour.
    EXPECT_EQ(ComputeBinCosts(input, 0.0).heating_degree_hours, 2147483611);
}

TEST(engine_BinCalcLimits, EerOfZeroGivesTheEndOfTheRangeOrZero) {
    struct Case {
        const char* what;
        std::int32_t hours;
        std::int32_t cooling_cost;
    };
    // With no degree-hours the formula is 0 × infinity, which is not a number: it shows 0.
    const Case cases[] = {
        {"positive degree-hours", 100, kLargest},
        {"negative degree-hours", -100, kSmallest},
        {"no degree-hours", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BinCalcInput input = CoolingFromShiftOne();
        input.cool_eer = 0.0f;
        HoursAt(input, 1, 2) = c.hours;
        EXPECT_EQ(ComputeBinCosts(input, 0.0).cooling_cost, c.cooling_cost);
    }
}

TEST(engine_BinCalcLimits, HeatingCostBeyondTheRangeIsHeldButCarriedInFull) {
    BinCalcInput input = CoolingFromShiftOne();
    input.mode = CalcMode::kHeating;
    input.heat_capacity = kLargest;
    input.heat_efficiency = 1;
    input.fuel = HeatingFuel::kNaturalGas;
    input.fuel_price = 10.0f;
    HoursAt(input, 1, 21) = 2920;
    const BinCalcResult result = ComputeBinCosts(input, 0.0);
    EXPECT_EQ(result.heating_cost, kLargest);
    EXPECT_GT(result.carried_heating_cost, 2147483648.0);
    EXPECT_TRUE(std::isfinite(result.carried_heating_cost));
}

}  // namespace
}  // namespace heatwise
