// The heat pump on the form's heating bins: single bins worked by hand (part load, cycling, the
// cut-out, backup by resistance or furnace, the switchover, the cold bins), the year's figures
// and costs, and the furnace's cost against the form's own heating cost.
#include <gtest/gtest.h>

#include <optional>

#include "engine/bin_calc.h"
#include "engine/climate_data.h"
#include "engine/estimate_inputs.h"
#include "engine/heat_pump.h"

namespace heatwise {
namespace {

constexpr int kBin30To34 = 15;  // midpoint 32 °F, the frost line
constexpr int kBin10To14 = 19;  // midpoint 12 °F
constexpr int kBin0To4 = 21;
constexpr double kOilDollarsPerMillionBtu = 6.896552 * 4.0 * 100.0 / 85.0;  // 32.4544

RatingPoint Point(double capacity, double watts) {
    return {capacity, capacity / (kBtuPerWattHour * watts)};
}

// The rating procedure's example unit (36,000 BTU/h at 3,000 W at 47 °F, 22,000 at 2,600 W at
// 17 °F) heating a building of 36,000 BTU/h at a 4 °F winter design, UA = 36,000 / 60 =
// 600 BTU/h per °F, with setpoint 65 °F in every shift and thermostat hours only in shift 1.
// At 32 °F the unit gives 26,466.67 BTU/h for 2,764.5 W (the frost line), at 12 °F 19,666.67 for
// 2,533.33 W and at -13 °F 8,000 for 2,200 W (the 17-47 °F line); at -18 °F its COP is 0.78.
// The furnace burns oil at $4.00 a gallon at 85 %, as the form's defaults have it.
HeatPumpInput OneShift() {
    ClimateTables climate;
    climate.design.City(1) = DesignRecord{4, 6000, 90};
    EstimateInputs inputs;
    inputs.mode = CalcMode::kHeating;
    inputs.fuel = HeatingFuel::kFuelOil;
    inputs.thermostat_hours = {8, 0, 0};
    inputs.winter_setpoint = {65, 65, 65};
    inputs.heat_capacity = 36000;
    HeatPumpInput input;
    input.form = MakeBinCalcInput(inputs, climate);
    input.unit.ratings.at47 = Point(36000, 3000);
    input.unit.ratings.at17 = Point(22000, 2600);
    return input;
}

std::int32_t& Hours(HeatPumpInput& input, int shift, int bin) {
    return input.form.bin_hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
}

std::int32_t& ColdHours(HeatPumpInput& input, int shift, int bin) {
    return input.cold_hours[static_cast<std::size_t>(ColdBinValueIndex(shift, bin))];
}

const HeatPumpBinRow* RowOf(const HeatPumpBinTable& table, int shift, int bin) {
    for (const HeatPumpBinRow& row : table.Rows()) {
        if (row.shift == shift && row.bin == bin) {
            return &row;
        }
    }
    return nullptr;
}

// One bin of shift 1 with 100 hours (10 for the cold bins): heat in BTU and energy in Wh per
// year, worked from X = min(L / Q, 1), PLF = 1 - 0.25 (1 - X), X P δ / PLF and X Q δ.
TEST(engine_HeatPump, OneBinByHand) {
    struct Case {
        const char* what;
        int bin;
        std::optional<CompressorCutout> cutout;
        double part_load, part_load_factor, delta;
        HeatPumpState state;
        double heat_pump_heat, backup_heat, heat_pump_energy;
        double capacity, power;  // the unit at the midpoint, whatever the controls make of it
    };
    constexpr double kX32 = 19800.0 / 26466.666667;  // 0.748111
    constexpr double kPlf32 = 1.0 - 0.25 * (1.0 - kX32);
    const Case cases[] = {
        {"X below 1 at 32 °F: load 600 × 33", kBin30To34, std::nullopt, kX32, kPlf32, 1.0,
         HeatPumpState::kRuns, 1.98e6, 0.0, kX32 * 2764.5 / kPlf32 * 100, 26466.666667, 2764.5},
        {"X = 1 at 12 °F: load 600 × 53 = 31,800", kBin10To14, std::nullopt, 1.0, 1.0, 1.0,
         HeatPumpState::kRuns, 1966666.67, 1213333.33, 253333.33, 19666.666667, 2533.333333},
        {"cut out at 12 °F itself", kBin10To14, CompressorCutout{12, 20}, 1.0, 1.0, 0.0,
         HeatPumpState::kCutOut, 0.0, 3.18e6, 0.0, 19666.666667, 2533.333333},
        {"between cut-out and cut-in", kBin10To14, CompressorCutout{10, 14}, 1.0, 1.0, 0.5,
         HeatPumpState::kCycling, 983333.33, 2196666.67, 126666.67, 19666.666667, 2533.333333},
        {"cut-in at 12 °F itself", kBin10To14, CompressorCutout{5, 12}, 1.0, 1.0, 0.5,
         HeatPumpState::kCycling, 983333.33, 2196666.67, 126666.67, 19666.666667, 2533.333333},
        {"above the cut-in", kBin10To14, CompressorCutout{0, 11}, 1.0, 1.0, 1.0,
         HeatPumpState::kRuns, 1966666.67, 1213333.33, 253333.33, 19666.666667, 2533.333333},
        {"cold bin -15/-11 °F: load 600 × 78 = 46,800", 24, std::nullopt, 1.0, 1.0, 1.0,
         HeatPumpState::kRuns, 80000.0, 388000.0, 22000.0, 8000.0, 2200.0},
        {"cold bin -20/-16 °F, COP below 1", 25, std::nullopt, 0.0, 1.0, 0.0,
         HeatPumpState::kNoOutput, 0.0, 498000.0, 0.0, 0.0, 2200.0},
    };
    // One table for every case: each run starts it afresh.
    HeatPumpBinTable table;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeatPumpInput input = OneShift();
        input.unit.cutout = c.cutout;
        if (c.bin > kBinCount) {
            Hours(input, 1, kBin0To4) = 10;
            ColdHours(input, 1, c.bin) = 10;
        } else {
            Hours(input, 1, c.bin) = 100;
        }
        const HeatPumpResult result = ComputeHeatPump(input, table);
        const HeatPumpBinRow* row = RowOf(table, 1, c.bin);
        ASSERT_NE(row, nullptr);
        EXPECT_EQ(row->hours, c.bin > kBinCount ? 10 : 100);
        EXPECT_NEAR(row->part_load, c.part_load, 1e-6);
        EXPECT_NEAR(row->part_load_factor, c.part_load_factor, 1e-6);
        EXPECT_EQ(row->compressor_factor, c.delta);
        EXPECT_EQ(row->state, c.state);
        EXPECT_NEAR(row->heat_pump_heat, c.heat_pump_heat, 0.01);
        EXPECT_NEAR(row->backup_heat, c.backup_heat, 0.01);
        EXPECT_NEAR(row->heat_pump_energy, c.heat_pump_energy, 0.01);
        EXPECT_NEAR(row->backup_energy, c.backup_heat / 3.412, 0.01);
        EXPECT_NEAR(row->capacity, c.capacity, 1e-5);
        EXPECT_NEAR(row->cop, c.capacity / (3.412 * c.power), 1e-8);
        EXPECT_NEAR(result.heat_pump_heat_mmbtu + result.backup_heat_mmbtu,
                    result.heat_needed_mmbtu, 1e-9);
    }
}

// 100 hours at 32 °F: 1.98 million BTU, all from the heat pump for 220.714 kWh, $17.66; the oil
// furnace would burn 1.98 × $32.454 = $64.26. 100 hours at 12 °F with resistance backup:
// 253.333 + 1,213,333 / 3,412 = 355.608 kWh, $48.72, against the furnace's 3.18 × $32.454 =
// $103.20; with the furnace as backup, 9.8445 gallons for $39.378, $59.64 in all.
TEST(engine_HeatPump, YearFiguresAndCostsByHand) {
    struct Case {
        const char* what;
        int bin;
        BackupHeat backup;
        double heat_pump_kwh, backup_kwh, backup_gallons, seasonal_cop, hspf, backup_share;
        std::int32_t heat_pump_cost, furnace_cost, savings;
        double break_even_rate;
    };
    const Case cases[] = {
        {"all from the heat pump", kBin30To34, BackupHeat::kElectricResistance, 220.714113, 0.0,
         0.0, 2.6292148, 8.9708808, 0.0, 17, 64, 47, 64.259635 / 220.714113},
        {"resistance backup", kBin10To14, BackupHeat::kElectricResistance, 253.333333, 355.607659,
         0.0, 2.2752514, 5.2221809, (31800.0 - 19666.666666667) / 31800.0, 48, 103, 55,
         103.204868 / (253.333333 + 355.607659)},
        {"furnace backup", kBin10To14, BackupHeat::kFurnace, 253.333333, 0.0, 9.8444895, 2.2752514,
         7.7631579, (31800.0 - 19666.666666667) / 31800.0, 59, 103, 44,
         (103.204868 - 39.377958) / 253.333333},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeatPumpInput input = OneShift();
        input.unit.backup = c.backup;
        Hours(input, 1, c.bin) = 100;
        const HeatPumpResult r = ComputeHeatPump(input);
        EXPECT_NEAR(r.heat_pump_kwh, c.heat_pump_kwh, 1e-5);
        EXPECT_NEAR(r.backup_kwh, c.backup_kwh, 1e-5);
        EXPECT_NEAR(r.backup_fuel_units, c.backup_gallons, 1e-5);
        ASSERT_TRUE(r.seasonal_cop && r.hspf && r.backup_share && r.break_even_rate);
        EXPECT_NEAR(*r.seasonal_cop, c.seasonal_cop, 1e-6);
        EXPECT_NEAR(*r.hspf, c.hspf, 1e-6);
        EXPECT_NEAR(*r.backup_share, c.backup_share, 1e-9);
        EXPECT_EQ(r.heat_pump_cost, c.heat_pump_cost);
        EXPECT_EQ(r.furnace_cost, c.furnace_cost);
        EXPECT_EQ(r.savings, c.savings);
        EXPECT_NEAR(*r.break_even_rate, c.break_even_rate, 1e-6);
        EXPECT_EQ(r.coldest_running_midpoint, BinMidpoint(c.bin));
        // Every shift has the same setpoint and load line: the frost line meets 600 × (65 - T)
        // at 22,062.2 / 897.78 = 24.574 °F, with or without thermostat hours.
        for (const std::optional<double>& balance : r.balance_points) {
            ASSERT_TRUE(balance);
            EXPECT_NEAR(*balance, 24.574257, 1e-5);
        }
    }
}

// 100 hours at 32 °F and 100 at 12 °F with the furnace as backup. At $0.08/kWh the heat pump's
// heat costs 8.356 $/MMBTU at 32 °F (COP 2.806) and 10.305 at 12 °F (COP 2.275); natural gas at
// $0.009 a cubic foot at 95 % costs 9.198, oil 32.454.
TEST(engine_HeatPump, SwitchoverHandsTheColdBinsToTheFurnace) {
    struct Case {
        const char* what;
        Switchover switchover;
        HeatingFuel fuel;
        float price;
        std::int32_t efficiency;
        std::optional<int> coldest_running;
    };
    using enum SwitchoverRule;
    constexpr HeatingFuel kOil = HeatingFuel::kFuelOil;
    const Case cases[] = {
        {"at 20 °F", {kAtTemperature, 20}, kOil, 4.0f, 85, 32},
        {"at 12 °F, the midpoint itself", {kAtTemperature, 12}, kOil, 4.0f, 85, 32},
        {"at 11 °F", {kAtTemperature, 11}, kOil, 4.0f, 85, 12},
        {"at 40 °F, above every bin", {kAtTemperature, 40}, kOil, 4.0f, 85, std::nullopt},
        {"auto against cheap gas", {kAuto, 0}, HeatingFuel::kNaturalGas, 0.009f, 95, 32},
        {"auto against oil", {kAuto, 0}, kOil, 4.0f, 85, 12},
    };
    // One table for every case: each run starts it afresh.
    HeatPumpBinTable table;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeatPumpInput input = OneShift();
        input.unit.backup = BackupHeat::kFurnace;
        input.unit.switchover = c.switchover;
        input.form.fuel = c.fuel;
        input.form.fuel_price = c.price;
        input.form.heat_efficiency = c.efficiency;
        Hours(input, 1, kBin30To34) = 100;
        Hours(input, 1, kBin10To14) = 100;
        const HeatPumpResult r = ComputeHeatPump(input, table);
        EXPECT_EQ(r.coldest_running_midpoint, c.coldest_running);
        const bool runs_at_12 = c.coldest_running == 12;
        const HeatPumpBinRow* cold = RowOf(table, 1, kBin10To14);
        ASSERT_NE(cold, nullptr);
        EXPECT_EQ(cold->state, runs_at_12 ? HeatPumpState::kRuns : HeatPumpState::kSwitchedOver);
        EXPECT_NEAR(cold->backup_heat, runs_at_12 ? 1213333.33 : 3.18e6, 0.01);
        const double furnace_per_million =
            FuelUnitsPerMillionBtu(c.fuel) * double{c.price} * 100.0 / c.efficiency;
        EXPECT_NEAR(cold->backup_energy,
                    cold->backup_heat * 1e-6 * FuelUnitsPerMillionBtu(c.fuel) * 100 / c.efficiency,
                    1e-9);
        if (!c.coldest_running) {
            // The furnace carries everything: the same heat at the same price, and no rate at
            // which a heat pump that never runs breaks even.
            EXPECT_FALSE(r.seasonal_cop);
            EXPECT_FALSE(r.hspf);
            EXPECT_FALSE(r.break_even_rate);
            EXPECT_NEAR(r.heat_pump_dollars, 5.16 * furnace_per_million, 1e-6);
            EXPECT_NEAR(r.furnace_dollars, 5.16 * furnace_per_million, 1e-6);
        }
    }
}

// Shift 1 has 125 hours in 0/4 °F, of which 31 are in -5/-1 °F and 11 in -15/-11 °F, and 4
// thermostat hours: 83 × 4 / 8 = 41, 15 and 5 scaled hours, 63 × 41 + 68 × 15 + 78 × 5 = 3,993
// degree-hours where the form, which keeps them all in 0/4 °F, counts 63 × 62 = 3,906. The oil
// furnace's cost is 36,000 × 3,993e-6 / 60 × 32.454 = $77.75.
TEST(engine_HeatPump, HoursBelowZeroMoveIntoTheColdBins) {
    HeatPumpInput input = OneShift();
    input.form.thermostat_hours = {4, 0, 0};
    Hours(input, 1, kBin0To4) = 125;
    ColdHours(input, 1, 22) = 31;
    ColdHours(input, 1, 24) = 11;
    HeatPumpBinTable table;
    const HeatPumpResult r = ComputeHeatPump(input, table);
    struct Expected {
        int bin;
        int midpoint;
        std::int32_t hours;
        std::int32_t difference;
    };
    for (const Expected& e :
         {Expected{kBin0To4, 2, 41, 63}, Expected{22, -3, 15, 68}, Expected{23, -8, 0, 73},
          Expected{24, -13, 5, 78}, Expected{31, -48, 0, 113}}) {
        const HeatPumpBinRow* row = RowOf(table, 1, e.bin);
        ASSERT_NE(row, nullptr) << e.bin;
        EXPECT_EQ(row->midpoint, e.midpoint);
        EXPECT_EQ(row->hours, e.hours) << e.bin;
        EXPECT_EQ(row->difference, e.difference);
        EXPECT_NEAR(row->load, 600.0 * e.difference, 1e-9);
    }
    EXPECT_NEAR(r.heat_needed_mmbtu, 600 * 3993e-6, 1e-9);
    EXPECT_NEAR(r.furnace_dollars, 36000 * 3993e-6 / 60 * kOilDollarsPerMillionBtu, 1e-5);
    EXPECT_EQ(r.furnace_cost, 77);
    EXPECT_EQ(r.coldest_running_midpoint, -13);
    // Setpoint 65 counts 60/64 °F down to 0/4 °F and the ten cold bins, in every shift.
    EXPECT_EQ(table.row_count, 3 * (13 + 10));
    // Without a table the run is the same.
    EXPECT_EQ(ComputeHeatPump(input).heat_pump_dollars, r.heat_pump_dollars);
}

// The furnace's cost of the same heat is the form's heating cost wherever the city has no hours
// below 0 °F: for every fuel, schedule and design temperature, whatever the heat pump does. The
// report's cooling cost is the form's, whose worked example engine_BinCalc checks.
void ExpectFurnaceCostIsTheForms(const BinCalcInput& form, const CityColdBinHours& cold_hours) {
    HeatPumpInput input;
    input.form = form;
    input.cold_hours = cold_hours;
    input.unit.ratings.at47 = Point(36000, 3000);
    input.unit.ratings.at17 = Point(22000, 2600);
    input.unit.backup = BackupHeat::kFurnace;
    input.unit.switchover = {SwitchoverRule::kAuto, 0};
    BinCalcInput heating = form;
    heating.mode = CalcMode::kHeating;
    const BinCalcResult expected = ComputeBinCosts(heating, 0.0);
    const HeatPumpResult result = ComputeHeatPump(input);
    EXPECT_EQ(result.furnace_cost, expected.heating_cost);
    EXPECT_DOUBLE_EQ(result.furnace_dollars, expected.carried_heating_cost);
    heating.mode = CalcMode::kCooling;
    EXPECT_EQ(result.cooling_cost, ComputeBinCosts(heating, 0.0).cooling_cost);
}

TEST(engine_HeatPump, FurnaceCostIsTheFormsHeatingCostWithoutColdHours) {
    struct Case {
        std::int32_t winter_design;
        HeatingFuel fuel;
        float price;
        std::int32_t efficiency;
        std::array<std::int32_t, kShiftCount> thermostat_hours;
        std::array<std::int32_t, kShiftCount> winter_setpoint;
    };
    const Case cases[] = {
        {28, HeatingFuel::kFuelOil, 4.0f, 85, {8, 8, 4}, {65, 60, 75}},
        {-12, HeatingFuel::kNaturalGas, 0.012f, 95, {8, 3, 5}, {70, 62, 40}},
        {5, HeatingFuel::kPropane, 2.5f, 80, {7, 8, 1}, {84, 45, 44}},
        {63, HeatingFuel::kElectricity, 0.0f, 100, {8, 8, 8}, {68, 68, 68}},
        {64, HeatingFuel::kFuelOil, 4.0f, 85, {8, 8, 8}, {68, 68, 68}},
        {33, HeatingFuel::kElectricity, 9.0f, 250, {0, 0, 0}, {65, 65, 65}},
    };
    for (const Case& c : cases) {
        BinCalcInput form = OneShift().form;
        for (std::size_t k = 0; k < form.bin_hours.size(); ++k) {
            form.bin_hours[k] = static_cast<std::int32_t>(13 + (k * 379) % 611);
        }
        form.design.winter_design = c.winter_design;
        form.fuel = c.fuel;
        form.fuel_price = c.price;
        form.heat_efficiency = c.efficiency;
        form.thermostat_hours = c.thermostat_hours;
        form.winter_setpoint = c.winter_setpoint;
        SCOPED_TRACE(c.winter_design);
        ExpectFurnaceCostIsTheForms(form, {});
    }
    // Every station of the committed climate files, with each fuel, taken without hours below
    // 0 °F. Once the cold bins load with the tables, pass each station's own and skip those that
    // have any.
    const ClimateTables tables =
        LoadClimateTables(HEATWISE_SOURCE_DIR "/data", MissingFile::kRefuse);
    for (int city = 1; city <= kCityCount; ++city) {
        for (const HeatingFuel fuel : kHeatingFuels) {
            EstimateInputs inputs;
            inputs.city = city;
            inputs.fuel = fuel;
            SCOPED_TRACE(city);
            ExpectFurnaceCostIsTheForms(MakeBinCalcInput(inputs, tables), {});
        }
    }
}

// 100 hours at 12 °F in shifts 1 and 2, at setpoints 65 and 70 °F: loads of 31,800 and 34,800
// BTU/h, both above the 19,666.67 BTU/h the unit gives there.
TEST(engine_HeatPump, BinTotalsAddTheShifts) {
    HeatPumpInput input = OneShift();
    input.form.thermostat_hours = {8, 8, 0};
    input.form.winter_setpoint = {65, 70, 65};
    Hours(input, 1, kBin10To14) = 100;
    Hours(input, 2, kBin10To14) = 100;
    HeatPumpBinTable table;
    ComputeHeatPump(input, table);
    const auto totals = SumOverShifts(table);
    EXPECT_EQ(totals.front().bin, 9);
    EXPECT_EQ(totals.front().midpoint, 62);
    EXPECT_EQ(totals.back().bin, 31);
    EXPECT_EQ(totals.back().midpoint, -48);
    const HeatPumpBinTotal& total = totals[kBin10To14 - 9];
    EXPECT_EQ(total.hours, 200);
    EXPECT_NEAR(total.capacity, 19666.666667, 1e-5);
    EXPECT_NEAR(total.heat_pump_heat, 2 * 1966666.666667, 1e-5);
    EXPECT_NEAR(total.backup_heat, (31800 + 34800 - 2 * 19666.666667) * 100, 1e-4);
    EXPECT_NEAR(total.heat_pump_energy, 2 * 253333.333333, 1e-5);
    EXPECT_NEAR(total.backup_energy, total.backup_heat / 3.412, 1e-6);
    EXPECT_EQ(totals[kBin30To34 - 9].hours, 0);
    EXPECT_EQ(totals[kBin30To34 - 9].heat_pump_heat, 0.0);
}

TEST(engine_HeatPump, NoLoadLineNeedsNoHeat) {
    HeatPumpInput input = OneShift();
    input.form.design.winter_design = 64;
    Hours(input, 1, kBin10To14) = 100;
    const HeatPumpResult r = ComputeHeatPump(input);
    EXPECT_EQ(r.heat_needed_mmbtu, 0.0);
    EXPECT_EQ(r.heat_pump_cost, 0);
    EXPECT_EQ(r.furnace_cost, 0);
    EXPECT_FALSE(r.hspf);
    EXPECT_FALSE(r.backup_share);
    EXPECT_FALSE(r.balance_points[0]);
    EXPECT_FALSE(r.coldest_running_midpoint);
}

}  // namespace
}  // namespace heatwise
