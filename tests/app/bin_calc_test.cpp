// The bin method on the worked examples and on the edge cases of its setpoint tables, its
// design-temperature guards and its modes.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>

#include "bin_calc.h"
#include "bin_calc_inputs.h"

namespace heatwise {
namespace {

using testing::FormDefaultsWithoutHours;
using testing::HoursAt;

constexpr int kBin90To94 = 3;
constexpr int kBin85To89 = 4;
constexpr int kBin30To34 = 15;

std::int32_t Percent(const BinCalcResult& result, int bin) {
    return result.percent_calcd[static_cast<std::size_t>(bin - 1)];
}

BinCalcInput CoolingExample() {
    BinCalcInput input = FormDefaultsWithoutHours();
    HoursAt(input, 2, kBin90To94) = 100;
    HoursAt(input, 3, kBin90To94) = 20;
    HoursAt(input, 2, kBin85To89) = 200;
    HoursAt(input, 3, kBin85To89) = 80;
    return input;
}

BinCalcInput HeatingExample() {
    BinCalcInput input = FormDefaultsWithoutHours();
    input.mode = CalcMode::kHeating;
    input.thermostat_hours = {8, 8, 4};
    input.design.winter_design = 28;
    HoursAt(input, 1, kBin30To34) = 100;
    HoursAt(input, 2, kBin30To34) = 50;
    HoursAt(input, 3, kBin30To34) = 150;
    return input;
}

TEST(engine_BinCalc, CoolingWorkedExample) {
    const BinCalcInput input = CoolingExample();
    const BinCalcResult result = ComputeBinCosts(input, 0.0);

    EXPECT_EQ(result.scaled_hours, input.bin_hours);
    EXPECT_EQ(result.cooling_degree_hours, 1700);
    for (int bin = 1; bin <= kBinCount; ++bin) {
        const int expected = bin == kBin90To94 ? 57 : bin == kBin85To89 ? 42 : 0;
        EXPECT_EQ(Percent(result, bin), expected) << "bin " << bin;
    }
    EXPECT_EQ(result.cooling_cost, 20);
    EXPECT_EQ(result.heating_cost, 0);
    EXPECT_EQ(result.summer_design, 97);
    EXPECT_EQ(result.winter_design, 28);
    EXPECT_EQ(result.degree_days, 1700);
}

TEST(engine_BinCalc, HeatingWorkedExampleForEachEnergySource) {
    struct Case {
        HeatingFuel fuel;
        std::int32_t cost;
    };
    // Natural gas at the same price, worked out by hand: 4.402778 × (970.8737 × 4) × (100 / 85).
    const Case cases[] = {{HeatingFuel::kFuelOil, 142},
                          {HeatingFuel::kPropane, 216},
                          {HeatingFuel::kElectricity, 121},
                          {HeatingFuel::kNaturalGas, 20115}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fuel));
        BinCalcInput input = HeatingExample();
        input.fuel = c.fuel;
        const BinCalcResult result = ComputeBinCosts(input, 0.0);

        EXPECT_EQ(result.scaled_hours[BinValueIndex(1, kBin30To34)], 100);
        EXPECT_EQ(result.scaled_hours[BinValueIndex(2, kBin30To34)], 50);
        EXPECT_EQ(result.scaled_hours[BinValueIndex(3, kBin30To34)], 75);
        EXPECT_EQ(result.heating_degree_hours, 7925);
        for (int bin = 1; bin <= kBinCount; ++bin) {
            EXPECT_EQ(Percent(result, bin), bin == kBin30To34 ? 100 : 0) << "bin " << bin;
        }
        EXPECT_EQ(result.heating_cost, c.cost);
        EXPECT_EQ(result.cooling_cost, 0);
    }
}

TEST(engine_BinCalc, ScaledHoursTruncateTowardZero) {
    struct Case {
        std::int32_t table_hours;
        std::int32_t thermostat_hours;
        std::int32_t shown;
    };
    const Case cases[] = {{10, 3, 3},   {100, 8, 100}, {100, 0, 0},     {150, 4, 75},   {7, 1, 0},
                          {-10, 3, -3}, {-7, 1, 0},    {2920, 8, 2920}, {2920, 5, 1825}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.table_hours << " x " << c.thermostat_hours);
        BinCalcInput input = FormDefaultsWithoutHours();
        input.thermostat_hours = {c.thermostat_hours, 8, 8};
        HoursAt(input, 1, 10) = c.table_hours;
        EXPECT_EQ(ComputeBinCosts(input, 0.0).scaled_hours[BinValueIndex(1, 10)], c.shown);
    }
}

// One bin of shift 1 holds 10 hours and the other shifts have no thermostat hours, so the
// season's degree-hours are 10 × the bin's difference when it counts and 0 when it does not.
struct SetpointCase {
    CalcMode mode;
    std::int32_t setpoint;
    int bin;
    std::int32_t difference;
};

void PrintTo(const SetpointCase& c, std::ostream* os) {
    *os << (c.mode == CalcMode::kCooling ? "summer " : "winter ") << c.setpoint << " bin " << c.bin;
}

class engine_Setpoints : public ::testing::TestWithParam<SetpointCase> {};

TEST_P(engine_Setpoints, CountTheBinsOfTheirRow) {
    const SetpointCase& c = GetParam();
    BinCalcInput input = FormDefaultsWithoutHours();
    input.mode = c.mode;
    input.thermostat_hours = {8, 0, 0};
    input.summer_setpoint[0] = c.setpoint;
    input.winter_setpoint[0] = c.setpoint;
    HoursAt(input, 1, c.bin) = 10;
    const BinCalcResult result = ComputeBinCosts(input, 0.0);
    const std::int32_t total =
        c.mode == CalcMode::kCooling ? result.cooling_degree_hours : result.heating_degree_hours;
    EXPECT_EQ(total, 10 * c.difference);
}

INSTANTIATE_TEST_SUITE_P(
    Summer, engine_Setpoints,
    ::testing::Values(
        SetpointCase{CalcMode::kCooling, 84, 4, 3},   // 85/89 counts at 84...
        SetpointCase{CalcMode::kCooling, 85, 4, 0},   // ...not at 85.
        SetpointCase{CalcMode::kCooling, 65, 5, 17},  // 80/84 is the last bin.
        SetpointCase{CalcMode::kCooling, 65, 6, 0},   // 75/79 never counts.
        SetpointCase{CalcMode::kCooling, 65, 1, 37}, SetpointCase{CalcMode::kCooling, 79, 5, 3},
        SetpointCase{CalcMode::kCooling, 80, 5, 0}, SetpointCase{CalcMode::kCooling, 80, 4, 7},
        SetpointCase{CalcMode::kCooling, 89, 3, 3}, SetpointCase{CalcMode::kCooling, 90, 3, 0},
        SetpointCase{CalcMode::kCooling, 94, 2, 3}, SetpointCase{CalcMode::kCooling, 94, 1, 8},
        SetpointCase{CalcMode::kCooling, 95, 1, 0},  // Outside 65..94: none.
        SetpointCase{CalcMode::kCooling, 64, 1, 0}, SetpointCase{CalcMode::kCooling, -999, 1, 0}));

INSTANTIATE_TEST_SUITE_P(
    Winter, engine_Setpoints,
    ::testing::Values(
        SetpointCase{CalcMode::kHeating, 45, 13, 3},  // 40/44 counts at 45...
        SetpointCase{CalcMode::kHeating, 44, 13, 0},  // ...not at 44.
        SetpointCase{CalcMode::kHeating, 40, 14, 3}, SetpointCase{CalcMode::kHeating, 40, 21, 38},
        SetpointCase{CalcMode::kHeating, 84, 9, 22},  // 60/64 is the first bin...
        SetpointCase{CalcMode::kHeating, 84, 8, 0},   // ...65/69 never counts.
        SetpointCase{CalcMode::kHeating, 65, 9, 3}, SetpointCase{CalcMode::kHeating, 64, 10, 7},
        SetpointCase{CalcMode::kHeating, 64, 9, 0}, SetpointCase{CalcMode::kHeating, 55, 11, 3},
        SetpointCase{CalcMode::kHeating, 54, 11, 0},
        // Outside 40..84 only bins 14 to 21 count, whatever their difference.
        SetpointCase{CalcMode::kHeating, 85, 14, 48}, SetpointCase{CalcMode::kHeating, 85, 13, 0},
        SetpointCase{CalcMode::kHeating, 39, 14, 2}, SetpointCase{CalcMode::kHeating, 20, 14, -17},
        SetpointCase{CalcMode::kHeating, 20, 21, 18},
        SetpointCase{CalcMode::kHeating, -999, 14, -1036}));

TEST(engine_BinCalc, ZeroThermostatHoursShowNothingInEitherMode) {
    for (const CalcMode mode : {CalcMode::kCooling, CalcMode::kHeating}) {
        SCOPED_TRACE(static_cast<int>(mode));
        BinCalcInput input = CoolingExample();
        input.mode = mode;
        HoursAt(input, 1, kBin30To34) = 300;
        input.thermostat_hours = {0, 0, 0};
        const BinCalcResult result = ComputeBinCosts(input, 0.0);
        EXPECT_EQ(result.scaled_hours, CityBinHours{});
        EXPECT_EQ(result.percent_calcd, (std::array<std::int32_t, kBinCount>{}));
        EXPECT_EQ(result.cooling_cost, 0);
        EXPECT_EQ(result.heating_cost, 0);
    }
}

TEST(engine_BinCalc, DesignTemperaturesGateAndScaleTheLoadLines) {
    struct Case {
        const char* what;
        CalcMode mode;
        HeatingFuel fuel;
        std::int32_t summer_design;
        std::int32_t winter_design;
        std::int32_t cooling_cost;
        std::int32_t heating_cost;
    };
    // 209.23 = 20000 × 1700 × 1e-6 / 2 × 0.08 × (1000 / 6.5); 5144.02 = the oil example with
    // the load line divided by 1 instead of 36.
    const Case cases[] = {
        {"summer design 78 costs no cooling", CalcMode::kCooling, HeatingFuel::kElectricity, 78, 28,
         0, 0},
        {"summer design 79 divides by 2", CalcMode::kCooling, HeatingFuel::kElectricity, 79, 28,
         209, 0},
        {"winter design 64 costs no heating", CalcMode::kHeating, HeatingFuel::kFuelOil, 97, 64, 0,
         0},
        {"winter design 63 divides by 1", CalcMode::kHeating, HeatingFuel::kFuelOil, 97, 63, 0,
         5144},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BinCalcInput input = c.mode == CalcMode::kCooling ? CoolingExample() : HeatingExample();
        input.fuel = c.fuel;
        input.design.summer_design = c.summer_design;
        input.design.winter_design = c.winter_design;
        const BinCalcResult result = ComputeBinCosts(input, 0.0);
        EXPECT_EQ(result.cooling_cost, c.cooling_cost);
        EXPECT_EQ(result.heating_cost, c.heating_cost);
    }
}

TEST(engine_BinCalc, ModeDecidesTheColumnAndWhichSeasonCosts) {
    // Hours in both seasons' bins: the mode alone decides what shows.
    BinCalcInput input = CoolingExample();
    HoursAt(input, 1, kBin30To34) = 100;
    input.fuel = HeatingFuel::kFuelOil;

    input.mode = CalcMode::kCooling;
    const BinCalcResult cooling = ComputeBinCosts(input, 0.0);
    EXPECT_EQ(cooling.cooling_cost, 20);
    EXPECT_EQ(cooling.heating_cost, 0);
    EXPECT_EQ(cooling.heating_degree_hours, 0);
    EXPECT_EQ(Percent(cooling, kBin30To34), 0);

    for (const std::int32_t mode : {2, -999, 0, 7}) {
        SCOPED_TRACE(mode);
        input.mode = static_cast<CalcMode>(mode);
        const BinCalcResult heating = ComputeBinCosts(input, 0.0);
        EXPECT_EQ(heating.cooling_cost, 0);
        EXPECT_EQ(heating.cooling_degree_hours, 0);
        EXPECT_EQ(heating.heating_degree_hours, 3300);
        EXPECT_GT(heating.heating_cost, 0);
        EXPECT_EQ(Percent(heating, kBin90To94), 0);
        EXPECT_EQ(Percent(heating, kBin85To89), 0);
        EXPECT_EQ(Percent(heating, kBin30To34), 100);
    }
}

TEST(engine_BinCalc, CoolingModeWithoutHotHoursShowsNothing) {
    BinCalcInput input = FormDefaultsWithoutHours();
    for (int bin = 6; bin <= kBinCount; ++bin) {
        HoursAt(input, 2, bin) = 100;
    }
    const BinCalcResult result = ComputeBinCosts(input, 0.0);
    EXPECT_EQ(result.percent_calcd, (std::array<std::int32_t, kBinCount>{}));
    EXPECT_EQ(result.cooling_cost, 0);
}

TEST(engine_BinCalc, EachPriceServesItsOwnSeasons) {
    struct Case {
        const char* what;
        CalcMode mode;
        HeatingFuel fuel;
        float electric_rate;
        float fuel_price;
        std::int32_t cooling_cost;
        std::int32_t heating_cost;
    };
    const Case cases[] = {
        {"electricity heats at the electric rate", CalcMode::kHeating, HeatingFuel::kElectricity,
         0.08f, 9.0f, 0, 121},
        {"oil heats at the fuel price", CalcMode::kHeating, HeatingFuel::kFuelOil, 0.30f, 4.0f, 0,
         142},
        {"cooling is priced at the electric rate whatever the fuel", CalcMode::kCooling,
         HeatingFuel::kFuelOil, 0.08f, 9.0f, 20, 0},
        {"0.99 dollars show as 0", CalcMode::kCooling, HeatingFuel::kElectricity, 0.0038f, 4.0f, 0,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BinCalcInput input = c.mode == CalcMode::kCooling ? CoolingExample() : HeatingExample();
        input.fuel = c.fuel;
        input.electric_rate = c.electric_rate;
        input.fuel_price = c.fuel_price;
        const BinCalcResult result = ComputeBinCosts(input, 0.0);
        EXPECT_EQ(result.cooling_cost, c.cooling_cost);
        EXPECT_EQ(result.heating_cost, c.heating_cost);
    }
}

TEST(engine_BinCalc, HeatingCostIsCarriedWhenItCannotBeWorkedOut) {
    struct Case {
        const char* what;
        std::int32_t efficiency;
        std::int32_t fuel;
        double carried;
    };
    const double previous = 123.75;
    const double oil_example = 142.88934677798676;
    const Case cases[] = {
        {"efficiency 0", 0, 2, previous},
        {"no fuel selected", 85, -999, previous},
        {"no such fuel", 85, 5, previous},
        {"fuel oil", 85, 2, oil_example},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BinCalcInput input = HeatingExample();
        input.heat_efficiency = c.efficiency;
        input.fuel = static_cast<HeatingFuel>(c.fuel);
        const BinCalcResult result = ComputeBinCosts(input, previous);
        EXPECT_DOUBLE_EQ(result.carried_heating_cost, c.carried);
        EXPECT_EQ(result.heating_cost, static_cast<std::int32_t>(c.carried));
    }
}

TEST(engine_BinCalc, ComputedHeatingCostReplacesTheCarriedOneEvenWhenZero) {
    BinCalcInput input = HeatingExample();
    input.mode = CalcMode::kCooling;
    const BinCalcResult result = ComputeBinCosts(input, 500.0);
    EXPECT_EQ(result.carried_heating_cost, 0.0);
    EXPECT_EQ(result.heating_cost, 0);
}

}  // namespace
}  // namespace heatwise
