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

struct ClickAfterMenu {
    const char* what;
    int clicked;
};

TEST_F(MenuBarFocusWindow, AFieldOutsideItsRangeKeepsTheFocusFromAClickAfterAMenuWasLeft) {
    const ClickAfterMenu cases[] = {
        {"another number field", FLD_TSTAT_HOURS_2},
        {"a radio button", FLD_MODE_HEATING},
        {"the electric rate", FLD_ELECTRIC_RATE},
    };
    Start();
    for (const ClickAfterMenu& click : cases) {
        SCOPED_TRACE(click.what);
        const int beeps_before = platform_->beeps;
        const std::string heating_cost = Shown(FLD_COST_HEATING);

        Act([&click] {
            Retype(FLD_TSTAT_HOURS_1, "9");
            OpenAndEscapeFileMenu();
            Click(click.clicked);
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

TEST_F(MenuBarFocusWindow, EscapeOnTheMenuBarGivesTheKeyboardBackToTheField) {
    Start();

    Act([] {
        Retype(FLD_TSTAT_HOURS_1, "9");
        OpenAndEscapeFileMenu();
        QTest::keyClick(Frame()->menu_bar(), Qt::Key_Escape);
    });

    EXPECT_EQ(QApplication::focusWidget(), Field(FLD_TSTAT_HOURS_1));
    EXPECT_EQ(Shown(FLD_TSTAT_HOURS_1), "9");

    // The field holds the focus as before: a click elsewhere on the form is refused.
    const std::string cooling_cost = Shown(FLD_COST_COOLING);
    const int beeps_before = platform_->beeps;
    Act([] { Click(FLD_HEAT_EFF); });
    EXPECT_EQ(FocusedId(), FLD_TSTAT_HOURS_1);
    EXPECT_GT(platform_->beeps, beeps_before);
    Act([] { Click(FLD_CITY); });
    EXPECT_EQ(FocusedId(), FLD_TSTAT_HOURS_1);
    EXPECT_FALSE(qobject_cast<QComboBox*>(Field(FLD_CITY))->view()->window()->isVisible());
    EXPECT_EQ(Shown(FLD_COST_COOLING), cooling_cost) << "no pass has run";
}

TEST_F(MenuBarFocusWindow, AWipedFieldTakenBackFromTheMenuBarIsStillRefusedWhenLeftEmpty) {
    Start();
    Act([] { Click(FLD_ELECTRIC_RATE); });
    const std::string cooling_cost = Shown(FLD_COST_COOLING);
    const int beeps_before = platform_->beeps;

    Act([] {
        Press(Qt::Key_End);
        for (std::size_t left = Shown(FLD_ELECTRIC_RATE).size(); left > 0; --left) {
            Press(Qt::Key_Backspace);
        }
        OpenAndEscapeFileMenu();
        // The user clicks back into the field, then tries to leave it empty.
        Click(FLD_ELECTRIC_RATE);
        Press(Qt::Key_Tab);
    });

    EXPECT_EQ(FocusedId(), FLD_ELECTRIC_RATE) << "an empty rate is no rate";
    EXPECT_EQ(Shown(FLD_ELECTRIC_RATE), "");
    EXPECT_GT(platform_->beeps, beeps_before);
    EXPECT_EQ(Shown(FLD_COST_COOLING), cooling_cost) << "no pass ran without a rate";
}

}  // namespace
}  // namespace heatwise::testing
