// The ranges the start-up sets on the input fields, met as the user meets them: a value
// outside its field's range keeps the focus in the field when Tab is pressed, with one beep,
// even from a click after a menu was left with Escape (which lends the menu bar the keyboard
// for a while); a value inside lets the focus move on.
#include <QMenu>

#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using FieldRangesWindow = HeatwiseWindowTest;

TEST_F(FieldRangesWindow, AValueOutsideItsRangeKeepsTheFocusAndOneInsideLetsItGo) {
    struct Typed {
        int field;
        const char* text;
        bool accepted;
    };
    // Each field ends with a value it accepts, so that the next field can take the focus.
    const Typed cases[] = {
        {FLD_ELECTRIC_RATE, "0.05", false},  // the bound lies just above 0.05
        {FLD_ELECTRIC_RATE, "0.35", false},  // and just below 0.35
        {FLD_ELECTRIC_RATE, "0.06", true},    {FLD_ELECTRIC_RATE, "0.34", true},
        {FLD_FUEL_PRICE, "10.01", false},     {FLD_FUEL_PRICE, "0", true},
        {FLD_COOL_EER, "3.99", false},        {FLD_COOL_EER, "15", true},
        {FLD_TSTAT_HOURS_1, "9", false},      {FLD_TSTAT_HOURS_1, "8", true},
        {FLD_TSTAT_HOURS_3, "9", false},      {FLD_TSTAT_HOURS_3, "0", true},
        {FLD_TSTAT_SUMMER_1, "64", false},    {FLD_TSTAT_SUMMER_1, "95", false},
        {FLD_TSTAT_SUMMER_1, "94", true},     {FLD_TSTAT_WINTER_2, "39", false},
        {FLD_TSTAT_WINTER_2, "85", false},    {FLD_TSTAT_WINTER_2, "40", true},
        {FLD_COOL_CAPACITY, "240001", false}, {FLD_COOL_CAPACITY, "240000", true},
        {FLD_HEAT_CAPACITY, "0", true},       {FLD_HEAT_EFF, "49", false},
        {FLD_HEAT_EFF, "251", false},         {FLD_HEAT_EFF, "250", true},
    };
    Start();
    for (const Typed& typed : cases) {
        SCOPED_TRACE(std::string("field ") + std::to_string(typed.field) + ", " + typed.text);
        const int beeps_before = platform_->beeps;
        Act([&typed] {
            Retype(typed.field, typed.text);
            Press(Qt::Key_Tab);
        });
        EXPECT_EQ(Shown(typed.field), typed.text);
        EXPECT_EQ(FocusedId() == typed.field, !typed.accepted);
        EXPECT_EQ(platform_->beeps, beeps_before + (typed.accepted ? 0 : 1))
            << "one refusal, one beep";
    }
}

TEST_F(FieldRangesWindow, AFieldOutsideItsRangeKeepsTheFocusFromAClickAfterAMenuWasLeft) {
    Start();
    // Another number field, a radio button, and the field the form opened at.
    for (const int clicked : {FLD_TSTAT_HOURS_2, FLD_MODE_HEATING, FLD_ELECTRIC_RATE}) {
        SCOPED_TRACE(clicked);
        const int beeps_before = platform_->beeps;
        const std::string heating_cost = Shown(FLD_COST_HEATING);
        Act([clicked] {
            Retype(FLD_TSTAT_HOURS_1, "9");
            QAction* file = ClickOnMenuBar("&File");
            ASSERT_NE(file, nullptr);
            ASSERT_TRUE(QTest::qWaitForWindowExposed(file->menu()));
            QTest::keyClick(file->menu(), Qt::Key_Escape);
            ASSERT_TRUE(QTest::qWaitFor([file] { return !file->menu()->isVisible(); }));
            Click(clicked);
        });
        EXPECT_EQ(FocusedId(), FLD_TSTAT_HOURS_1) << "nine hours are outside 0 to 8";
        EXPECT_EQ(Shown(FLD_TSTAT_HOURS_1), "9");
        EXPECT_GT(platform_->beeps, beeps_before);
        int mode = 0;
        WDialogGetRadioButton(FLD_MODE_COOLING, mode);
        EXPECT_EQ(mode, 1) << "the click on Heating chose nothing";
        EXPECT_EQ(Shown(FLD_COST_HEATING), heating_cost);

        // Leaving the field with a value it takes lets the focus go again.
        Act([] {
            Retype(FLD_TSTAT_HOURS_1, "8");
            Press(Qt::Key_Tab);
        });
        EXPECT_NE(FocusedId(), FLD_TSTAT_HOURS_1);
    }
}

}  // namespace
}  // namespace heatwise::testing
