// WindowStatusBarParts, WindowOutStatusBar and the error report in the status bar, on a
// recording platform. How a text splits at its tabs is checked in StatusBarText.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "errors/error_state.h"
#include "windlass/windlass.h"
#include "support/window_test.h"

namespace windlass::testing {
namespace {

class StatusBarOutput : public WindowTest {
  protected:
    // A window with a client area 1000 pixels wide and its status bar in thirds.
    void OpenWithThreeParts() {
        WindowOpen2(7 | WF_STATUSBAR, WINDOW_CENTRED, WINDOW_CENTRED, 1000, 400);
        const int widths[] = {3333, 3333, 3333};
        WindowStatusBarParts(3, widths);
    }
};

TEST_F(StatusBarOutput, TextsReachTheirPartsAndOutOfRangeCallsChangeNothing) {
    OpenWithThreeParts();
    WindowOutStatusBar(2, "\tAnn Arbor, Michigan     ");
    std::size_t updates = platform().main_frame().status_updates.size();
    WindowOutStatusBar(0, "zero");
    WindowOutStatusBar(4, "no such part");
    std::vector<int> many(300, 10);
    WindowStatusBarParts(0, many);
    WindowStatusBarParts(256, many);
    EXPECT_EQ(platform().main_frame().status_updates.size(), updates);
    const std::vector<StatusPartView>& parts = platform().last_status();
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[1].centre, "Ann Arbor, Michigan");
    EXPECT_EQ(parts[0].left + parts[0].centre + parts[2].left + parts[2].centre, "");
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(StatusBarOutput, WithoutAStatusBarOrAWindowNothingIsShown) {
    const int widths[] = {3333};
    WindowStatusBarParts(1, widths);
    WindowOutStatusBar(1, "text");
    EXPECT_TRUE(platform().frames.empty());
    WindowOpen2(7, WINDOW_CENTRED, WINDOW_CENTRED, 1000, 400);
    WindowStatusBarParts(1, widths);
    WindowOutStatusBar(1, "text");
    IDebugLevel(3);
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_TRUE(platform().main_frame().status_updates.empty());
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

TEST_F(StatusBarOutput, LevelThreeWritesTheErrorLineIntoPartOne) {
    OpenWithThreeParts();
    WindowOutStatusBar(2, "\tQuillmoor Software, Inc.");
    IDebugLevel(3);
    // The report selects the main window and selects the window that was current again.
    Windows().current = 4;
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(Windows().current, 4);
    const std::vector<StatusPartView>& parts = platform().last_status();
    EXPECT_EQ(parts[0].left, "Error=1006:Invalid field identifier");
    EXPECT_EQ(parts[1].centre, "Quillmoor Software, Inc.");
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

}  // namespace
}  // namespace windlass::testing
