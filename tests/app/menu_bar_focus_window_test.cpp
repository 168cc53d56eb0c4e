// The menu bar and a number field that holds a text it refuses: a menu left with Escape gives
// the keyboard to the menu bar for a while, and the field must still keep the focus from every
// other control of the form, as it does when no menu was opened.
#include <QMenu>

#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using MenuBarFocusWindow = HeatwiseWindowTest;

// Opens the File menu with a click and leaves it with Escape, which leaves the menu bar with
// the keyboard.
void OpenAndEscapeFileMenu() {
    QAction* file = HeatwiseWindowTest::MenuBarEntry("&File");
    ASSERT_NE(file, nullptr);
    HeatwiseWindowTest::ClickOnMenuBar(file);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file->menu()));
    QTest::keyClick(file->menu(), Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([file] { return !file->menu()->isVisible(); }));
}

TEST_F(MenuBarFocusWindow, AFieldOutsideItsRangeKeepsTheFocusFromAClickAfterAMenuWasLeft) {
    Start();
    // Another number field, a radio button, and the field the form opened at.
    for (const int clicked : {FLD_TSTAT_HOURS_2, FLD_MODE_HEATING, FLD_ELECTRIC_RATE}) {
        SCOPED_TRACE(clicked);
        const int beeps_before = platform_->beeps;
        const std::string heating_cost = Shown(FLD_COST_HEATING);

        Act([clicked] {
            Retype(FLD_TSTAT_HOURS_1, "9");
            OpenAndEscapeFileMenu();
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
