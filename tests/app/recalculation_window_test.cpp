// Changes on the form, made with the mouse and the keyboard while the program's main loop
// runs: each one is answered by a full recalculation pass.
#include "bin_calc.h"
#include "form_inputs.h"
#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using RecalculationWindow = HeatwiseWindowTest;

// What the engine makes of these inputs, for comparison with what the form shows.
BinCalcResult Expected(const FormInputs& inputs) {
    static const ClimateTables climate = LoadClimateTables(HEATWISE_SOURCE_DIR "/data");
    return ComputeBinCosts(MakeBinCalcInput(inputs, climate), 0.0);
}

// Every output field of the form against a result of the engine.
void ExpectFormShows(const BinCalcResult& result) {
    for (int k = 1; k <= kBinValueCount; ++k) {
        EXPECT_EQ(HeatwiseWindowTest::Number(FLD_HOURS_1_8 + k - 1),
                  result.scaled_hours[static_cast<std::size_t>(k - 1)])
            << "bin hours, value " << k;
    }
    for (int bin = 1; bin <= kBinCount; ++bin) {
        EXPECT_EQ(HeatwiseWindowTest::Number(FLD_PCT_CALCD + bin - 1),
                  result.percent_calcd[static_cast<std::size_t>(bin - 1)])
            << "% calc'd, bin " << bin;
    }
    EXPECT_EQ(HeatwiseWindowTest::Number(FLD_DEGREE_DAYS), result.degree_days);
    EXPECT_EQ(HeatwiseWindowTest::Number(FLD_SUMMER_DESIGN), result.summer_design);
    EXPECT_EQ(HeatwiseWindowTest::Number(FLD_WINTER_DESIGN), result.winter_design);
    EXPECT_EQ(HeatwiseWindowTest::Number(FLD_COST_COOLING), result.cooling_cost);
    EXPECT_EQ(HeatwiseWindowTest::Number(FLD_COST_HEATING), result.heating_cost);
}

TEST_F(RecalculationWindow, ChoosingTheSecondSpringfieldShowsRecord110NotRecord67) {
    Start();
    const ClimateTables climate = LoadClimateTables({});
    ASSERT_NE(climate.bins.City(110), climate.bins.City(67)) << "the two records must differ";

    Act([] { ChooseCity(110); });

    int city = 0;
    WDialogGetMenu1(FLD_CITY, city);
    EXPECT_EQ(city, 110);
    FormInputs inputs;
    inputs.city = 110;
    ExpectFormShows(Expected(inputs));
}

TEST_F(RecalculationWindow, APassShowsWhatTheEngineComputesForTheSameInputs) {
    Start();

    Act([] {
        ChooseCity(72);
        Click(FLD_MODE_HEATING);
        Click(FLD_FUEL_OIL);
        Retype(FLD_FUEL_PRICE, "3.25");
        Retype(FLD_HEAT_EFF, "95");
        Retype(FLD_TSTAT_HOURS_2, "6");
        Retype(FLD_TSTAT_WINTER_1, "70");
        Retype(FLD_HEAT_CAPACITY, "36000");
        Press(Qt::Key_Tab);
    });

    FormInputs inputs;
    inputs.city = 72;
    inputs.mode = CalcMode::kHeating;
    inputs.fuel = HeatingFuel::kFuelOil;
    inputs.fuel_price = 3.25f;
    inputs.heat_efficiency = 95;
    inputs.thermostat_hours = {8, 6, 8};
    inputs.winter_setpoint = {70, 60, 75};
    inputs.heat_capacity = 36000;
    const BinCalcResult expected = Expected(inputs);
    ASSERT_GT(expected.heating_cost, 0);
    ExpectFormShows(expected);
}

}  // namespace
}  // namespace heatwise::testing
