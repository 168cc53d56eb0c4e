// WMessage on a recording platform: events played to the frame's procedures while the program
// waits, and events that happen while it is busy; and the stop at the first wait that a program
// built to have its start-up timed arms, where no other program ever stops.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "message/message_queue.h"
#include "message/startup_probe.h"
#include "support/window_test.h"
#include "windlass/windlass.h"

namespace windlass::testing {
namespace {

class WaitProcedure : public WindowTest {
  protected:
    void Open() { WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 1000, 500, 500); }
    FrameListener& Procedures() { return platform().listener(); }
    int Wait(MessageRecord& record) {
        int type = 0;
        WMessage(type, record);
        return type;
    }
};

// Which events raise which messages is checked in WindowMessageRecords; here, that the frame's
// procedures reach the queue while the program waits.
TEST_F(WaitProcedure, WaitsUntilTheProceduresRaiseAnEnabledType) {
    Open();
    MouseEvent move{MouseAction::Move, MouseButton::None, 10, 10};
    platform().events.push_back([&] {
        Procedures().OnMouse(move, 1);
        Procedures().OnFrameClick(MouseButton::Left, FramePart::Other, 1);
        Procedures().OnResize(640, 480, ResizeKind::NotVisible, 1);
    });
    platform().events.push_back([&] { Procedures().OnCommand(40004, 2); });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_MENU);
    EXPECT_EQ(std::vector<int>({record.window, record.data1, record.time, platform().waits}),
              std::vector<int>({0, 40004, 2, 2}));
    // The invisible window's new size is the basis of its units at once.
    EXPECT_EQ(Windows().by_slot[0].client.width, 640);
}

TEST_F(WaitProcedure, NothingIsRaisedWhileTheWindowIsBeingMade) {
    // The platform reports a size, a repaint and even a command while it makes the frame.
    platform().while_creating = [](FrameListener& procedures) {
        procedures.OnResize(10, 10, ResizeKind::Normal, 0);
        procedures.OnExpose({0, 0, 10, 10}, 0);
        procedures.OnCommand(5, 0);
    };
    Open();
    EXPECT_EQ(InfoError(1), 0);
    platform().events.push_back([&] { Procedures().OnCommand(40004, 1); });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_MENU);
}

TEST_F(WaitProcedure, WithNoWindowOpenTheProgramIsToldToCloseAtOnce) {
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_CLOSE);
    EXPECT_EQ(record.window, 0);
    EXPECT_EQ(platform().waits, 0);
    // Messages that were raised before the window closed still come first.
    Open();
    Procedures().OnCommand(40002, 1);
    WindowClose();
    EXPECT_EQ(Wait(record), MSG_MENU);
    EXPECT_EQ(Wait(record), MSG_CLOSE);
}

// A start-up timed to the first paint lets the platform deal with what it has (the window's
// paint, here a command as well) before it writes its line; the program still hears every
// message raised meanwhile, and then the close request that ends the run, without a wait.
TEST_F(WaitProcedure, AStopAfterTheFirstPaintSettlesThePlatformBeforeItsLine) {
    ArmFirstWaitStop(StopPoint::FirstPaint);
    Open();
    platform().events.push_back([&] { Procedures().OnCommand(40004, 1); });
    MessageRecord record;
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(Wait(record), MSG_MENU);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "first wait\n");
    EXPECT_EQ(Wait(record), MSG_CLOSE);
    EXPECT_EQ(platform().waits, 0);
    EXPECT_EQ(std::count(platform().calls.begin(), platform().calls.end(), "SettleEvents()"), 1);
    EXPECT_EQ(StartupStop(), FirstWaitStop::Passed);
}

TEST(StartupStop, OnlyAnArmedRunStopsAndOnlyAtItsFirstWait) {
    ResetToolkitState();
    ::testing::internal::CaptureStdout();
    EXPECT_FALSE(FirstWaitEndsRun());
    EXPECT_FALSE(FirstWaitEndsRun());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    ArmFirstWaitStop();
    ::testing::internal::CaptureStdout();
    EXPECT_TRUE(FirstWaitEndsRun());
    EXPECT_FALSE(FirstWaitEndsRun());
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "first wait\n");
    ResetToolkitState();
    EXPECT_EQ(StartupStop(), FirstWaitStop::Off);
}

}  // namespace
}  // namespace windlass::testing
