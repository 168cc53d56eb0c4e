// WindowStatusBarParts, WindowOutStatusBar and the error report in the status bar, on a
// recording platform.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "errors/error_state.h"
#include "windlass/windlass.h"
#include "window/recording_platform.h"

namespace windlass::testing {
namespace {

class StatusBarOutput : public WindowTest {
  protected:
    // The application's window, with a client area 1000 pixels wide and its bar in thirds.
    void OpenWithThreeParts() {
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 1000, 400, 30001, {}, 0, "Heatwise 2.0");
        const int widths[] = {3333, 3333, 3333};
        WindowStatusBarParts(3, widths);
    }

    std::size_t Updates() { return platform().main_frame().status_updates.size(); }
};

TEST_F(StatusBarOutput, TabbedTextsAreCentredAndTrailingBlanksDropped) {
    OpenWithThreeParts();
    WindowOutStatusBar(1, "\tAnn Arbor, Michigan");
    WindowOutStatusBar(2, "\tQuillmoor Software, Inc.     ");
    WindowOutStatusBar(3, "left\tmiddle\tright  ");
    const std::vector<StatusPartView>& parts = platform().last_status();
    ASSERT_EQ(parts.size(), 3u);
    EXPECT_EQ(parts[0].left, "");
    EXPECT_EQ(parts[0].centre, "Ann Arbor, Michigan");
    EXPECT_EQ(parts[1].centre, "Quillmoor Software, Inc.");
    EXPECT_EQ(parts[2].left, "left");
    EXPECT_EQ(parts[2].centre, "middle");
    EXPECT_EQ(parts[2].right, "right");
    // New parts keep the texts written before.
    const int two[] = {5000, -1};
    WindowStatusBarParts(2, two);
    EXPECT_EQ(platform().last_status()[1].centre, "Quillmoor Software, Inc.");
}

TEST_F(StatusBarOutput, PartNumbersAndCountsOutOfRangeChangeNothing) {
    OpenWithThreeParts();
    std::size_t updates = Updates();
    WindowOutStatusBar(0, "zero");
    WindowOutStatusBar(256, "too far");
    WindowOutStatusBar(-1, "negative");
    WindowOutStatusBar(4, "no such part");
    std::vector<int> many(300, 10);
    WindowStatusBarParts(0, many);
    WindowStatusBarParts(256, many);
    EXPECT_EQ(Updates(), updates);
    for (const StatusPartView& part : platform().last_status()) {
        EXPECT_EQ(part.left + part.centre + part.right, "");
    }
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(StatusBarOutput, AWindowWithoutStatusBarShowsNothingAndLevelThreeOnlyStoresTheCode) {
    WindowOpen2(7, WINDOW_CENTRED, WINDOW_CENTRED, 1000, 400);
    const int widths[] = {3333, 3333, 3333};
    WindowStatusBarParts(3, widths);
    WindowOutStatusBar(1, "text");
    IDebugLevel(3);
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_TRUE(platform().main_frame().status_updates.empty());
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

TEST_F(StatusBarOutput, NothingHappensWithNoWindowOpen) {
    const int widths[] = {3333};
    WindowStatusBarParts(1, widths);
    WindowOutStatusBar(1, "text");
    EXPECT_TRUE(platform().frames.empty());
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
