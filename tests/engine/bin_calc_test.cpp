// The bin method: the worked examples, the edges of its setpoint tables, its design-temperature
// guards, its modes and prices, the heating cost it carries, and 32-bit arithmetic that wraps.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "engine/bin_calc.h"
#include "engine/estimate_inputs.h"

namespace heatwise {
namespace {

constexpr int kBin90To94 = 3;
constexpr int kBin85To89 = 4;
constexpr int kBin30To34 = 15;
constexpr std::int32_t kLargest = std::numeric_limits<std::int32_t>::max();
constexpr CalcMode kCool = CalcMode::kCooling;
constexpr CalcMode kHeat = CalcMode::kHeating;

// The hours of one bin (1 for 100/104 °F) in one shift (1 to 3).
std::int32_t& HoursAt(BinCalcInput& input, int shift, int bin) {
    return input.bin_hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
}

// The form's defaults with no hours, and the design record of the form's first display (28 °F
// winter, 1700 degree days, 97 °F summer). The cooling example has 100 and 20 hours in bin
// 90/94 and 200 and 80 in bin 85/89 for shifts 2 and 3; the heating example, with thermostat
// hours 8, 8 and 4, has 100, 50 and 150 hours in bin 30/34.
BinCalcInput Example(CalcMode mode) {
    ClimateTables climate;
    climate.design.City(1) = DesignRecord{28, 1700, 97};
    EstimateInputs inputs;
    inputs.mode = mode;
    BinCalcInput input = MakeBinCalcInput(inputs, climate);
    if (mode == kCool) {
        HoursAt(input, 2, kBin90To94) = 100;
        HoursAt(input, 3, kBin90To94) = 20;
        HoursAt(input, 2, kBin85To89) = 200;
        HoursAt(input, 3, kBin85To89) = 80;
    } else {
        input.thermostat_hours = {8, 8, 4};
        HoursAt(input, 1, kBin30To34) = 100;
        HoursAt(input, 2, kBin30To34) = 50;
        HoursAt(input, 3, kBin30To34) = 150;
    }
    return input;
}

// No hours, cooling at setpoint 65 from shift 1 only, unscaled, so a bin's degree-hours are
// its hours times 102 - 5 × (bin - 1) - 65.
BinCalcInput FromShiftOne() {
    BinCalcInput input = Example(kCool);
    input.bin_hours = {};
    input.thermostat_hours = {8, 0, 0};
    input.summer_setpoint = {65, 65, 65};
    input.winter_setpoint = {65, 65, 65};
    return input;
}

TEST(engine_BinCalc, WorkedExamples) {
    const BinCalcInput cooling_input = Example(kCool);
    const BinCalcResult cooling = ComputeBinCosts(cooling_input, 0.0);
    EXPECT_EQ(cooling.scaled_hours, cooling_input.bin_hours);
    EXPECT_EQ(cooling.cooling_degree_hours, 1700);
    std::array<std::int32_t, kBinCount> percent{};
    percent[kBin90To94 - 1] = 57;
    percent[kBin85To89 - 1] = 42;
    EXPECT_EQ(cooling.percent_calcd, percent);
    // Its $20 is checked with the cooling cost alone, below.
    EXPECT_EQ(cooling.heating_cost, 0);
    EXPECT_EQ(cooling.summer_design, 97);
    EXPECT_EQ(cooling.winter_design, 28);
    EXPECT_EQ(cooling.degree_days, 1700);

    const BinCalcResult heating = ComputeBinCosts(Example(kHeat), 0.0);
    EXPECT_EQ(heating.scaled_hours[BinValueIndex(1, kBin30To34)], 100);
    EXPECT_EQ(heating.scaled_hours[BinValueIndex(2, kBin30To34)], 50);
    EXPECT_EQ(heating.scaled_hours[BinValueIndex(3, kBin30To34)], 75);
    EXPECT_EQ(heating.heating_degree_hours, 7925);
    percent = {};
    percent[kBin30To34 - 1] = 100;
    EXPECT_EQ(heating.percent_calcd, percent);
    EXPECT_EQ(heating.cooling_cost, 0);
}

TEST(engine_BinCalc, ScaledHoursTruncateTowardZeroAndWrapAsThirtyTwoBitsDo) {
    // Table hours, thermostat hours, hours shown; 2147483647 × 8 wraps to -8 before the
    // division by 8.
    // clang-format off
    const std::int32_t cases[][3] = {{10, 3, 3}, {100, 0, 0}, {150, 4, 75}, {7, 1, 0},
        {-10, 3, -3}, {2920, 5, 1825}, {kLargest, 8, -1}};
    // clang-format on
    for (const auto& c : cases) {
        BinCalcInput input = FromShiftOne();
        input.thermostat_hours = {c[1], 8, 8};
        HoursAt(input, 1, 10) = c[0];
        EXPECT_EQ(ComputeBinCosts(input, 0.0).scaled_hours[BinValueIndex(1, 10)], c[2])
            << c[0] << " x " << c[1];
    }
}

// One bin of shift 1 holds 10 hours and the other shifts have no thermostat hours, so the
// season's degree-hours are 10 × the bin's difference when it counts and 0 when it does not.
TEST(engine_BinCalc, SetpointsCountTheBinsOfTheirRow) {
    // Summer: bin 85/89 counts at 84 but not at 85; 80/84 is the last bin and 75/79 never
    // counts; outside 65..94 none counts. Winter: bin 40/44 counts at 45 but not at 44; 60/64
    // is the first bin and 65/69 never counts; outside 40..84 only bins 14 to 21 count,
    // whatever their difference. Columns: season, setpoint, bin, difference.
    constexpr std::int32_t kS = 1;  // Summer, in Cooling mode.
    constexpr std::int32_t kW = 2;  // Winter, in Heating mode.
    // clang-format off
    const std::int32_t cases[][4] = {
        {kS, 84, 4, 3}, {kS, 85, 4, 0}, {kS, 65, 5, 17}, {kS, 65, 6, 0}, {kS, 65, 1, 37},
        {kS, 79, 5, 3}, {kS, 80, 5, 0}, {kS, 80, 4, 7}, {kS, 89, 3, 3}, {kS, 90, 3, 0},
        {kS, 94, 2, 3}, {kS, 94, 1, 8}, {kS, 95, 1, 0}, {kS, 64, 1, 0}, {kS, -999, 1, 0},
        {kW, 45, 13, 3}, {kW, 44, 13, 0}, {kW, 40, 14, 3}, {kW, 40, 21, 38}, {kW, 84, 9, 22},
        {kW, 84, 8, 0}, {kW, 65, 9, 3}, {kW, 64, 10, 7}, {kW, 64, 9, 0}, {kW, 55, 11, 3},
        {kW, 54, 11, 0}, {kW, 85, 14, 48}, {kW, 85, 13, 0}, {kW, 39, 14, 2}, {kW, 20, 14, -17},
        {kW, 20, 21, 18}, {kW, -999, 14, -1036}};
    // clang-format on
    for (const auto& c : cases) {
        BinCalcInput input = FromShiftOne();
        input.mode = static_cast<CalcMode>(c[0]);
        input.summer_setpoint[0] = c[1];
        input.winter_setpoint[0] = c[1];
        HoursAt(input, 1, c[2]) = 10;
        const BinCalcResult result = ComputeBinCosts(input, 0.0);
        EXPECT_EQ(c[0] == kS ? result.cooling_degree_hours : result.heating_degree_hours, 10 * c[3])
            << (c[0] == kS ? "summer " : "winter ") << c[1] << ", bin " << c[2];
    }
}

// Hours in both seasons' bins: the mode alone decides what shows, every mode other than
// Cooling being Heating.
TEST(engine_BinCalc, ModeDecidesTheColumnAndWhichSeasonCosts) {
    BinCalcInput input = Example(kCool);
    HoursAt(input, 1, kBin30To34) = 100;
    input.fuel = HeatingFuel::kFuelOil;
    for (const std::int32_t mode : {1, 2, -999, 0, 7}) {
        input.mode = static_cast<CalcMode>(mode);
        const BinCalcResult result = ComputeBinCosts(input, 0.0);
        const bool cooling = mode == 1;
        EXPECT_EQ(result.cooling_cost, cooling ? 20 : 0) << mode;
        EXPECT_EQ(result.cooling_degree_hours, cooling ? 1700 : 0) << mode;
        EXPECT_EQ(result.heating_degree_hours, cooling ? 0 : 3300) << mode;
        EXPECT_TRUE(cooling ? result.heating_cost == 0 : result.heating_cost > 0) << mode;
        EXPECT_EQ(result.percent_calcd[kBin90To94 - 1], cooling ? 57 : 0) << mode;
        EXPECT_EQ(result.percent_calcd[kBin85To89 - 1], cooling ? 42 : 0) << mode;
        EXPECT_EQ(result.percent_calcd[kBin30To34 - 1], cooling ? 0 : 100) << mode;
    }
    // Hours in every bin that can count for cooling: in Heating mode none shows a share.
    input = FromShiftOne();
    input.mode = kHeat;
    for (int bin = 1; bin <= 5; ++bin) {
        HoursAt(input, 1, bin) = 10;
    }
    const BinCalcResult hot = ComputeBinCosts(input, 0.0);
    EXPECT_EQ(hot.percent_calcd, (std::array<std::int32_t, kBinCount>{}));
    EXPECT_EQ(hot.heating_degree_hours, 0);
}

TEST(engine_BinCalc, DesignTemperaturesAndPricesDecideTheCosts) {
    struct Case {
        const char* what;
        CalcMode mode;
        HeatingFuel fuel;
        std::int32_t summer_design, winter_design;
        float electric_rate, fuel_price;
        std::int32_t cooling_cost, heating_cost;
    };
    constexpr HeatingFuel kElectric = HeatingFuel::kElectricity;
    constexpr HeatingFuel kOil = HeatingFuel::kFuelOil;
    // 209.23 = 20000 × 1700 × 1e-6 / 2 × 0.08 × (1000 / 6.5); 5144.02 = the oil example with
    // the load line divided by 1 instead of 36; natural gas at the oil's price, worked out by
    // hand: 4.402778 × (970.8737 × 4) × (100 / 85).
    const Case cases[] = {
        {"summer design 78 costs no cooling", kCool, kElectric, 78, 28, 0.08f, 4.0f, 0, 0},
        {"summer design 79 divides by 2", kCool, kElectric, 79, 28, 0.08f, 4.0f, 209, 0},
        {"winter design 64 costs no heating", kHeat, kOil, 97, 64, 0.08f, 4.0f, 0, 0},
        {"winter design 63 divides by 1", kHeat, kOil, 97, 63, 0.08f, 4.0f, 0, 5144},
        {"electricity heats at the electric rate", kHeat, kElectric, 97, 28, 0.08f, 9.0f, 0, 121},
        {"oil heats at the fuel price", kHeat, kOil, 97, 28, 0.30f, 4.0f, 0, 142},
        {"propane", kHeat, HeatingFuel::kPropane, 97, 28, 0.08f, 4.0f, 0, 216},
        {"natural gas", kHeat, HeatingFuel::kNaturalGas, 97, 28, 0.08f, 4.0f, 0, 20115},
        {"cooling is priced at the electric rate", kCool, kOil, 97, 28, 0.08f, 9.0f, 20, 0}};
    for (const Case& c : cases) {
        BinCalcInput input = Example(c.mode);
        input.fuel = c.fuel;
        input.design.summer_design = c.summer_design;
        input.design.winter_design = c.winter_design;
        input.electric_rate = c.electric_rate;
        input.fuel_price = c.fuel_price;
        const BinCalcResult result = ComputeBinCosts(input, 0.0);
        EXPECT_EQ(result.cooling_cost, c.cooling_cost) << c.what;
        EXPECT_EQ(result.heating_cost, c.heating_cost) << c.what;
    }
}

TEST(engine_BinCalc, HeatingCostIsCarriedWhenItCannotBeWorkedOut) {
    struct Case {
        const char* what;
        CalcMode mode;
        std::int32_t efficiency, fuel;
        double carried;
    };
    const double previous = 123.75;
    const Case cases[] = {{"efficiency 0", kHeat, 0, 2, previous},
                          {"no such fuel", kHeat, 85, 5, previous},
                          {"fuel oil", kHeat, 85, 2, 142.88934677798676},
                          {"a computed cost replaces it even when 0", kCool, 85, 2, 0.0}};
    for (const Case& c : cases) {
        BinCalcInput input = Example(kHeat);
        input.mode = c.mode;
        input.heat_efficiency = c.efficiency;
        input.fuel = static_cast<HeatingFuel>(c.fuel);
        const BinCalcResult result = ComputeBinCosts(input, previous);
        EXPECT_DOUBLE_EQ(result.carried_heating_cost, c.carried) << c.what;
        EXPECT_EQ(result.heating_cost, static_cast<std::int32_t>(c.carried)) << c.what;
    }
}

// The cooling cost alone is the full run's in mode Cooling, whatever the input's mode: the worked
// example's $20, summer setpoints that count no bin, and hours and capacities whose degree-hours
// and cost wrap or run past the 32-bit range.
TEST(engine_BinCalc, CoolingCostAloneIsTheRunsInModeCooling) {
    struct Case {
        const char* what;
        BinCalcInput input;
        std::int32_t cost;  // from the worked example where known, else -1
    };
    BinCalcInput heating_mode = Example(kCool);
    heating_mode.mode = kHeat;
    BinCalcInput no_row = Example(kCool);
    no_row.summer_setpoint = {95, 64, -999};
    BinCalcInput wrapping = FromShiftOne();
    wrapping.thermostat_hours = {8, 8, 8};
    wrapping.summer_setpoint = {65, 70, 94};
    for (int bin = 1; bin <= 5; ++bin) {
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            HoursAt(wrapping, shift, bin) = kLargest / 9;
        }
    }
    BinCalcInput past_the_range = Example(kCool);
    past_the_range.cool_capacity = kLargest;
    past_the_range.cool_eer = 0.001f;
    const Case cases[] = {{"worked example", Example(kCool), 20},
                          {"worked example in mode Heating", heating_mode, 20},
                          {"no row", no_row, 0},
                          {"wrapping degree-hours", wrapping, -1},
                          {"past the 32-bit range", past_the_range, kLargest}};
    for (const Case& c : cases) {
        BinCalcInput cooling = c.input;
        cooling.mode = kCool;
        const std::int32_t run = ComputeBinCosts(cooling, 0.0).cooling_cost;
        EXPECT_EQ(CoolingCostOf(c.input), run) << c.what;
        if (c.cost >= 0) {
            EXPECT_EQ(run, c.cost) << c.what;
        }
    }
}

}  // namespace
}  // namespace heatwise
