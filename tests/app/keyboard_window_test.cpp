// The program used with the keyboard alone while its main loop runs: every input is reached
// with Tab and changed with keys, and the costs on the form follow each change.
#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using KeyboardWindow = HeatwiseWindowTest;

// Tab to the next field, which must be `id`, and type `text` over what it shows (Tab selects
// a field's whole text).
void TabAndType(int id, const char* text) {
    HeatwiseWindowTest::Press(Qt::Key_Tab);
    ASSERT_EQ(HeatwiseWindowTest::FocusedId(), id);
    HeatwiseWindowTest::Type(text);
}

TEST_F(KeyboardWindow, EveryInputIsChangedWithKeysAndTheCostsFollow) {
    Start();
    ASSERT_EQ(FocusedId(), FLD_ELECTRIC_RATE) << "the form opens at the electric rate";

    Act([] {
        // The first field has the focus without its text selected: the keys select it.
        Press(Qt::Key_Home);
        Press(Qt::Key_End, Qt::ShiftModifier);
        Type("0.12");
        Press(Qt::Key_Tab);
        ASSERT_EQ(FocusedId(), FLD_FUEL_ELECTRIC);
        for (int press = 0; press < 3; ++press) {
            Press(Qt::Key_Down);
        }
        ASSERT_EQ(FocusedId(), FLD_FUEL_GAS);
        TabAndType(FLD_FUEL_PRICE, "1.25");
        TabAndType(FLD_COOL_CAPACITY, "24000");
        TabAndType(FLD_HEAT_CAPACITY, "36000");
        TabAndType(FLD_COOL_EER, "9.5");
        TabAndType(FLD_HEAT_EFF, "90");
        Press(Qt::Key_Tab);
        ASSERT_EQ(FocusedId(), FLD_CITY);
        Type("des");
        TabAndType(FLD_TSTAT_HOURS_1, "7");
        TabAndType(FLD_TSTAT_SUMMER_1, "80");
        TabAndType(FLD_TSTAT_WINTER_1, "68");
        TabAndType(FLD_TSTAT_HOURS_2, "6");
        TabAndType(FLD_TSTAT_SUMMER_2, "82");
        TabAndType(FLD_TSTAT_WINTER_2, "62");
        TabAndType(FLD_TSTAT_HOURS_3, "5");
        TabAndType(FLD_TSTAT_SUMMER_3, "76");
        TabAndType(FLD_TSTAT_WINTER_3, "70");
        Press(Qt::Key_Tab);
        ASSERT_EQ(FocusedId(), FLD_MODE_COOLING);
    });

    FormInputs inputs;
    inputs.city = 72;
    inputs.electric_rate = 0.12f;
    inputs.fuel = HeatingFuel::kNaturalGas;
    inputs.fuel_price = 1.25f;
    inputs.cool_capacity = 24000;
    inputs.heat_capacity = 36000;
    inputs.cool_eer = 9.5f;
    inputs.heat_efficiency = 90;
    inputs.thermostat_hours = {7, 6, 5};
    inputs.summer_setpoint = {80, 82, 76};
    inputs.winter_setpoint = {68, 62, 70};
    const BinCalcResult cooling = EngineResult(inputs);
    ASSERT_GT(cooling.cooling_cost, 0);
    EXPECT_EQ(Number(FLD_COST_COOLING), cooling.cooling_cost);

    Act([] {
        ASSERT_EQ(FocusedId(), FLD_MODE_COOLING);
        Press(Qt::Key_Down);
        ASSERT_EQ(FocusedId(), FLD_MODE_HEATING);
    });

    inputs.mode = CalcMode::kHeating;
    const BinCalcResult heating = EngineResult(inputs);
    ASSERT_GT(heating.heating_cost, 0);
    EXPECT_EQ(Number(FLD_COST_HEATING), heating.heating_cost);
    EXPECT_EQ(platform_->beeps, 0);
}

}  // namespace
}  // namespace heatwise::testing
