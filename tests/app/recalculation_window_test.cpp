// Changes on the form, made with the mouse and the keyboard while the program's main loop
// runs: each one is answered by a full recalculation pass, after which every output field, read
// from its widget, shows what the bin method gives for the inputs on the form.
#include "heatwise_window_test.h"
#include "random_use_form_model.h"

namespace heatwise::testing {
namespace {

using RecalculationWindow = HeatwiseWindowTest;

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
    EXPECT_EQ(OutputDifferences(EngineResult(inputs), &Field), "");
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
    const BinCalcResult expected = EngineResult(inputs);
    ASSERT_GT(expected.heating_cost, 0);
    EXPECT_EQ(OutputDifferences(expected, &Field), "");
}

}  // namespace
}  // namespace heatwise::testing
