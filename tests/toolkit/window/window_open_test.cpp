// WindowOpen2, WindowClose and the status bar procedures on a recording platform: what the
// toolkit asks the platform for, and the state it keeps.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "errors/error_state.h"
#include "init/settings.h"
#include "message/message_queue.h"
#include "support/window_test.h"
#include "windlass/windlass.h"

namespace windlass::testing {
namespace {

using WindowOpen = WindowTest;

TEST_F(WindowOpen, NoArgumentsGiveACentredResizableWindowOf80PercentOfTheScreen) {
    // An open without fault reports nothing.
    IDebugLevel(1);
    ::testing::internal::CaptureStderr();
    WindowOpen2();
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(platform().frames.size(), 1u);
    const RecordingPlatform::Frame& frame = platform().main_frame();
    EXPECT_EQ(frame.request.client_width, 819);   // 80 % of 1024.
    EXPECT_EQ(frame.request.client_height, 614);  // 80 % of 768.
    EXPECT_EQ(frame.placed, std::make_pair((1024 - 819) / 2, (768 - 614) / 2));
    EXPECT_EQ(frame.shown, FrameShow::Normal);
    EXPECT_EQ(Settings().main_window_open, 1);
    EXPECT_EQ(Windows().flags, 7);
    EXPECT_EQ(InfoError(1), 0);
    // A second open while the window is open does nothing.
    WindowOpen2(39, 3, 4, 200, 200, 500, {}, 0, "second");
    EXPECT_EQ(platform().frames.size(), 1u);
    EXPECT_EQ(Windows().flags, 7);
}

// A centred window counts its border and status bar, half of whose height it moves up.
TEST_F(WindowOpen, CentringCountsTheDecorations) {
    platform().border = 3;
    platform().status_bar_height = 21;
    WindowOpen2(WF_SYSMENU | WF_STATUSBAR, WINDOW_CENTRED, WINDOW_CENTRED, 500, 300);
    EXPECT_EQ(platform().main_frame().placed,
              std::make_pair((1024 - 506) / 2, (768 - 306) / 2 - 10));
}

// What the Qt window makes of the menu, its accelerators and its prompts is checked in
// QtWindow.MenuItemsAcceleratorsAndPromptsWork.
TEST_F(WindowOpen, TheMenuResourceGivesItemsAcceleratorsPromptsAndTheIcon) {
    WindowOpen2(7, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 500, {}, 0, "Test window   ");
    const FrameRequest& request = platform().main_frame().request;
    EXPECT_EQ(request.title, "Test window");
    EXPECT_FALSE(request.icon.empty());
    ASSERT_EQ(request.menu.size(), 2u);
    const MenuEntry& edit = request.menu[0];
    EXPECT_EQ(edit.kind, MenuEntry::Kind::PopUp);
    EXPECT_EQ(edit.id, 510);
    ASSERT_EQ(edit.items.size(), 3u);
    EXPECT_EQ(edit.items[0].text, "&Copy\tCtrl+C");
    EXPECT_EQ(edit.items[2].id, 520);
    ASSERT_EQ(edit.items[2].items.size(), 1u);
    EXPECT_TRUE(edit.items[2].items[0].greyed);
    EXPECT_EQ(request.menu[1].id, 504);
    ASSERT_EQ(request.accelerators.size(), 3u);
    const AcceleratorKey& f5 = request.accelerators[0];
    const AcceleratorKey& copy = request.accelerators[1];
    EXPECT_EQ(f5.kind, AcceleratorKey::Kind::VirtualKey);
    EXPECT_EQ(copy.kind, AcceleratorKey::Kind::Character);
    EXPECT_EQ(std::vector<int>({f5.command, copy.command, copy.key}),
              std::vector<int>({503, 501, 3}));
    EXPECT_EQ(std::vector<Held>({f5.shift, f5.ctrl, f5.alt, copy.shift, copy.ctrl}),
              std::vector<Held>({Held::Yes, Held::No, Held::No, Held::No, Held::No}));
    EXPECT_EQ(request.menu_prompts,
              (std::map<int, std::string>{{501, "Copies the selection"}, {504, "Goes"}}));
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(WindowOpen, AMenuThatIsNotAmongTheResourcesLeavesTheWindowWithoutOneAndIsNoError) {
    WindowOpen2(7, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 12345);
    EXPECT_TRUE(platform().main_frame().request.menu.empty());
    EXPECT_EQ(Settings().main_window_open, 1);
    EXPECT_EQ(InfoError(1), 0);
    // A form id without a dialog manager behaves as absent.
    WindowClose();
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, 102);
    EXPECT_EQ(platform().frames.size(), 2u);
    EXPECT_EQ(Windows().flags, 39);
    EXPECT_EQ(Settings().combined_dialog, 0);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(WindowOpen, AFormThatFitsFixesTheSizeAndTurns39Into99) {
    struct Case {
        FormTest::Result result;
        int flags;
        int error;
        int combined;
        int embedded;
    };
    const Case cases[] = {{FormTest::Result::Fits, 99, 0, 102, 1},
                          {FormTest::Result::CannotLoad, 39, ERR_DIALOG_LOAD, 0, 0},
                          {FormTest::Result::WrongStyle, 39, ERR_DIALOG_STYLE, 0, 0}};
    for (const Case& c : cases) {
        int embedded = 0;
        WindowHandle embedded_in = nullptr;
        Embedding().test = [&c](int dialog_id) {
            return FormTest{c.result, {510 + dialog_id, 289}};
        };
        Embedding().embed = [&](int dialog_id, WindowHandle frame, WindowHandle) {
            EXPECT_EQ(dialog_id, 102);
            embedded_in = frame;
            ++embedded;
        };
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 500, {}, 102, "Test window");
        const FrameRequest& request = platform().frames.back().request;
        bool fits = c.result == FormTest::Result::Fits;
        EXPECT_EQ(std::vector<int>({Windows().flags, InfoError(1), Settings().combined_dialog,
                                    embedded, Settings().main_window_open,
                                    request.style.maximise_box, request.style.sizing_border,
                                    request.client_width, request.client_height}),
                  std::vector<int>({c.flags, c.error, c.combined, c.embedded, 1, !fits, !fits,
                                    fits ? 612 : 819, fits ? 289 : 614}))
            << "row " << (&c - cases);
        EXPECT_EQ(embedded_in, fits ? Windows().by_slot[0].frame : nullptr)
            << "row " << (&c - cases);
        WindowClose();
    }
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
    WindowClose();
    EXPECT_TRUE(platform().frames.empty()) << "closing with nothing open is no fault";
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 500);
    WMessageEnable(MSG_KEY, 0);
    WindowClose();
    EXPECT_TRUE(platform().main_frame().destroyed);
    EXPECT_EQ(Settings().main_window_open, 0);
    EXPECT_EQ(Windows().by_slot[0].frame, nullptr);
    EXPECT_TRUE(Messages().enable_table().IsEnabled(MSG_KEY));
    // The window can be opened again.
    WindowOpen2();
    EXPECT_EQ(platform().frames.size(), 2u);
    EXPECT_EQ(Settings().main_window_open, 1);
}

TEST_F(WindowOpen, WithoutAStatusBarOrAWindowNothingIsShown) {
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

TEST_F(WindowOpen, StatusBarTextsReachTheirPartsAndLevelThreeWritesTheErrorLineIntoPartOne) {
    WindowOpen2(7 | WF_STATUSBAR, WINDOW_CENTRED, WINDOW_CENTRED, 1000, 400);
    const int widths[] = {3333, 3333, 3333};
    WindowStatusBarParts(3, widths);
    WindowOutStatusBar(2, "\tAnn Arbor, Michigan     ");
    std::size_t updates = platform().main_frame().status_updates.size();
    // Out of range calls change nothing.
    WindowOutStatusBar(0, "zero");
    WindowOutStatusBar(4, "no such part");
    std::vector<int> many(300, 10);
    WindowStatusBarParts(0, many);
    WindowStatusBarParts(256, many);
    EXPECT_EQ(platform().main_frame().status_updates.size(), updates);
    ASSERT_EQ(platform().last_status().size(), 3u);
    EXPECT_EQ(platform().last_status()[1].centre, "Ann Arbor, Michigan");
    EXPECT_EQ(InfoError(1), 0);
    IDebugLevel(3);
    // The report selects the main window and selects the window that was current again.
    Windows().current = 4;
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(Windows().current, 4);
    const std::vector<StatusPartView>& parts = platform().last_status();
    EXPECT_EQ(parts[0].left, "Error=1006:Invalid field identifier");
    EXPECT_EQ(parts[1].centre, "Ann Arbor, Michigan");
    EXPECT_EQ(parts[2].left + parts[2].centre, "");
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

}  // namespace
}  // namespace windlass::testing
