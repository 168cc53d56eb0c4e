// WindowOpen2 and WindowClose on a recording platform: what the toolkit asks the platform for,
// and the state it keeps.
#include <gtest/gtest.h>

#include <string>

#include "errors/error_state.h"
#include "init/settings.h"
#include "message/message_queue.h"
#include "windlass/windlass.h"
#include "window/recording_platform.h"

namespace windlass::testing {
namespace {

using WindowOpen = WindowTest;

TEST_F(WindowOpen, NoArgumentsGiveACentredResizableWindowOf80PercentOfTheScreen) {
    WindowOpen2();
    ASSERT_EQ(platform().frames.size(), 1u);
    // The decorations that the default flags ask for are checked on Qt in
    // QtWindow.NoArgumentsGiveACentredResizableWindowOf80PercentOfTheScreen.
    const RecordingPlatform::Frame& frame = platform().main_frame();
    EXPECT_EQ(frame.request.client_width, 819);   // 80 % of 1024.
    EXPECT_EQ(frame.request.client_height, 614);  // 80 % of 768.
    ASSERT_TRUE(frame.placed);
    EXPECT_EQ(frame.placed->first, (1024 - 819) / 2);
    EXPECT_EQ(frame.placed->second, (768 - 614) / 2);
    EXPECT_EQ(frame.shown, FrameShow::Normal);
    EXPECT_EQ(Settings().main_window_open, 1);
    EXPECT_EQ(Windows().flags, 7);
    EXPECT_EQ(Windows().current, 0);
    EXPECT_EQ(Windows().by_slot[0].client.width, 819);
    EXPECT_EQ(Windows().by_slot[0].client.height, 614);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(WindowOpen, CentringCountsTheDecorationsAndLiftsForTheStatusBar) {
    platform().border = 3;
    platform().status_bar_height = 21;
    WindowOpen2(WF_SYSMENU | WF_STATUSBAR, WINDOW_CENTRED, WINDOW_CENTRED, 500, 300);
    const RecordingPlatform::Frame& frame = platform().main_frame();
    ASSERT_TRUE(frame.placed);
    EXPECT_EQ(frame.placed->first, (1024 - 506) / 2);
    EXPECT_EQ(frame.placed->second, (768 - 306) / 2 - 10);
}

TEST_F(WindowOpen, GivenPositionAndFlagsAreTakenAsTheyAre) {
    WindowOpen2(WF_HIDDEN | WF_TOPMOST | WF_FIXEDSIZE, 40, -7, 320, 200);
    const RecordingPlatform::Frame& frame = platform().main_frame();
    EXPECT_EQ(frame.placed, std::make_pair(40, -7));
    EXPECT_EQ(frame.shown, FrameShow::Hidden);
    EXPECT_TRUE(frame.request.style.topmost);
    EXPECT_FALSE(frame.request.style.sizing_border);
    EXPECT_FALSE(frame.request.style.system_menu);
}

// The menu's entries as the Qt window shows them are checked in
// QtWindow.TheApplicationsWindowHasItsTitleIconMenuAndStatusBar.
TEST_F(WindowOpen, TheApplicationsMenuAndTitleOpenWithoutErrorAndWithoutAccelerators) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 30001, {}, 0, "Heatwise 2.0   ");
    const FrameRequest& request = platform().main_frame().request;
    EXPECT_EQ(request.title, "Heatwise 2.0");
    EXPECT_TRUE(request.accelerators.empty());
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(WindowOpen, AMenuThatIsNotAmongTheResourcesRaises1002AndTheWindowOpensWithout) {
    WindowOpen2(7, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 12345);
    EXPECT_TRUE(platform().main_frame().request.menu.empty());
    EXPECT_EQ(Settings().main_window_open, 1);
    EXPECT_EQ(InfoError(1), 1002);
}

TEST_F(WindowOpen, AFormIdWithoutADialogManagerBehavesAsAbsent) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, 102);
    EXPECT_EQ(Windows().flags, 39);
    EXPECT_EQ(Settings().combined_dialog, 0);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(WindowOpen, AFormThatFitsFixesTheSizeAndTurns39Into99) {
    struct Case {
        const char* what;
        FormTest::Result result;
        int flags;
        int error;
        int combined;
        int embedded;
    };
    const Case cases[] = {
        {"fits", FormTest::Result::Fits, 99, 0, 102, 1},
        {"cannot be loaded", FormTest::Result::CannotLoad, 39, ERR_DIALOG_LOAD, 0, 0},
        {"has a caption", FormTest::Result::WrongStyle, 39, ERR_DIALOG_STYLE, 0, 0},
    };
    for (const Case& c : cases) {
        int embedded = 0;
        WindowHandle embedded_in = nullptr;
        Embedding().test = [&c](int dialog_id) {
            EXPECT_EQ(dialog_id, 102);
            return FormTest{c.result, {510, 289}};
        };
        Embedding().embed = [&](int dialog_id, WindowHandle frame, WindowHandle) {
            EXPECT_EQ(dialog_id, 102);
            embedded_in = frame;
            ++embedded;
        };
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 30001, {}, 102, "Heatwise 2.0");
        const RecordingPlatform::Frame& frame = platform().frames.back();
        EXPECT_EQ(Windows().flags, c.flags) << c.what;
        EXPECT_EQ(InfoError(1), c.error) << c.what;
        EXPECT_EQ(Settings().combined_dialog, c.combined) << c.what;
        EXPECT_EQ(embedded, c.embedded) << c.what;
        EXPECT_EQ(Settings().main_window_open, 1) << c.what;
        bool fits = c.result == FormTest::Result::Fits;
        EXPECT_EQ(frame.request.style.maximise_box, !fits) << c.what;
        EXPECT_EQ(frame.request.style.sizing_border, !fits) << c.what;
        EXPECT_EQ(frame.request.client_width, fits ? 510 : 819) << c.what;
        EXPECT_EQ(frame.request.client_height, fits ? 289 : 614) << c.what;
        if (fits) {
            EXPECT_EQ(embedded_in, Windows().by_slot[0].frame) << c.what;
        }
        WindowClose();
    }
}

TEST_F(WindowOpen, ASecondOpenWhileOpenDoesNothing) {
    WindowOpen2(7, 1, 2, 100, 100, 0, {}, 0, "first");
    WindowOpen2(39, 3, 4, 200, 200, 30001, {}, 0, "second");
    ASSERT_EQ(platform().frames.size(), 1u);
    EXPECT_EQ(platform().main_frame().request.title, "first");
    EXPECT_EQ(Windows().flags, 7);
}

TEST_F(WindowOpen, AFrameThePlatformCannotMakeEndsTheProgramWithABox) {
    platform().refuse_frames = true;
    EXPECT_THROW(WindowOpen2(), ProcessExit);
    ASSERT_EQ(platform().boxes_shown.size(), 1u);
    const MessageBoxRequest& box = platform().boxes_shown[0];
    EXPECT_EQ(box.text, "Failed to create window - aborting.");
    EXPECT_EQ(box.title, "Windlass Window");
    EXPECT_EQ(box.icon, BoxIcon::Stop);
    EXPECT_EQ(platform().exits, std::vector<int>{0});
}

TEST_F(WindowOpen, MaximisedWindowTellsTheProgramItsSizeFirst) {
    WindowOpen2(WF_MAXIMISED | WF_SYSMENU, WINDOW_CENTRED, WINDOW_CENTRED, 400, 300);
    EXPECT_EQ(platform().main_frame().shown, FrameShow::Maximised);
    int type = 0;
    MessageRecord record;
    WMessage(type, record);
    EXPECT_EQ(type, MSG_RESIZE);
    EXPECT_EQ(record.data1, 400);
    EXPECT_EQ(record.data2, 300);
    EXPECT_EQ(platform().waits, 0);
}

TEST_F(WindowOpen, CloseResetsTheWindowStateAndTheEnableTable) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 30001);
    WMessageEnable(MSG_FIELD, 1);
    WMessageEnable(MSG_KEY, 0);
    WMessageEnable(MSG_VIEWER, 1);
    WindowClose();
    EXPECT_TRUE(platform().main_frame().destroyed);
    EXPECT_EQ(Settings().main_window_open, 0);
    EXPECT_EQ(Settings().combined_dialog, 0);
    EXPECT_EQ(Windows().flags, -1);
    EXPECT_EQ(Windows().by_slot[0].frame, nullptr);
    const MessageEnableTable& table = Messages().enable_table();
    for (int type = 1; type <= 15; ++type) {
        bool off = type == 5 || type == 6 || type == 10 || type == 11 || type == 12;
        EXPECT_EQ(table.IsEnabled(type), !off) << type;
    }
    // The window can be opened again.
    WindowOpen2();
    EXPECT_EQ(platform().frames.size(), 2u);
    EXPECT_EQ(Settings().main_window_open, 1);
}

TEST_F(WindowOpen, CloseWithNothingOpenOnlyResetsTheTable) {
    WMessageEnable(MSG_KEY, 0);
    WindowClose();
    EXPECT_TRUE(Messages().enable_table().IsEnabled(MSG_KEY));
    EXPECT_TRUE(platform().frames.empty());
}

}  // namespace
}  // namespace windlass::testing
