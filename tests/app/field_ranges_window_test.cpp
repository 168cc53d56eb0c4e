// The ranges the start-up sets on the input fields, met as the user meets them: a value
// outside its field's range keeps the focus in the field when Tab is pressed, with one beep,
// even from a click after a menu was left with Escape (which lends the menu bar the keyboard
// for a while); a value inside lets the focus move on.
#include <QMenu>

#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using FieldRangesWindow = HeatwiseWindowTest;

// For every input field, the number just below its range and the one just above (for the
// electric rate 0.05 and 0.35, whose bounds lie just inside), then its largest and smallest.
TEST_F(FieldRangesWindow, AValueOutsideItsRangeKeepsTheFocusAndOneInsideLetsItGo) {
    Start();
    for (const InputField& input : kInputFields) {
        const std::pair<int, bool> typed[] = {{input.Low() - 1, false},
                                              {input.High() + 1, false},
                                              {input.High(), true},
                                              {input.Low(), true}};
        for (const auto& [number, accepted] : typed) {
            const std::string text = input.Written(number);
            SCOPED_TRACE("field " + std::to_string(input.id) + ", " + text);
            const int beeps_before = platform_->beeps;
            Act([&] {
                Retype(input.id, text.c_str());
                Press(Qt::Key_Tab);
            });
            EXPECT_EQ(Shown(input.id), text);
            EXPECT_EQ(FocusedId() == input.id, !accepted);
            EXPECT_EQ(platform_->beeps, beeps_before + (accepted ? 0 : 1))
                << "one refusal, one beep";
        }
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
