// What the toolkit does where the program has no main window, or no user: the wait for a
// dialog's messages, a form that cannot be made, the focus after a dialog goes, and message
// boxes nobody can answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test.h"
#include "message/window_messages.h"
#include "numeric/focus_check.h"
#include "window/window_table.h"

namespace windlass::testing {
namespace {

using DialogsAlone = DialogTest;

TEST_F(DialogsAlone, WithOnlyADialogOpenTheWaitIsForItsMessagesAndDropsDisabledOnes) {
    WDialogLoad(kSettings);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 0, DIALOG_MODELESS);
    WMessageEnable(MSG_CLOSE, 0);
    // The first batch the platform plays raises nothing the program hears; the second presses
    // Apply.
    platform().events.push_back([] { Messages().Raise(CloseRequestMessage(0, 0)); });
    platform().events.push_back([this] { backend::Click(platform(), Field(303)); });
    int type = 0;
    MessageRecord record;
    WMessage(type, record);
    EXPECT_EQ(type, MSG_BUTTON);
    EXPECT_EQ(record.window, kSettings);
    EXPECT_EQ(record.data1, 303);
    EXPECT_EQ(platform().waits, 2);
    EXPECT_EQ(platform().idle_waits, 0);
}

// With no window open the wait ends at once (WaitProcedure checks the close request it gives),
// and a loaded dialog that is not on the screen brings no message either.
TEST_F(DialogsAlone, WithNothingOnTheScreenTheWaitEndsAtOnce) {
    int type = -1;
    MessageRecord record;
    WDialogLoad(kSettings);
    WMessageEnable(MSG_CLOSE, 0);
    WMessage(type, record);
    EXPECT_EQ(type, 0);
    EXPECT_EQ(record.window, -1);
    EXPECT_EQ(record.data1, -1);
    EXPECT_EQ(platform().waits, 0);
}

// The trial that sizes the main window makes the whole form, so a form whose controls cannot
// be made is not loadable and leaves the window as the program asked for it. A form that fits
// is made only once: the form tried is the one the window then shows.
TEST_F(DialogsAlone, AFormIsTriedWithAllItsControlsMadeOnceAndOneThatCannotBeMadeShapesNothing) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
    std::vector<std::string> made;
    for (const std::string& call : platform().calls) {
        if (call.starts_with("CreateDialog(") || call == "DestroyDialog()" ||
            call == "EmbedDialog()") {
            made.push_back(call);
        }
    }
    ASSERT_EQ(made.size(), 2u);
    EXPECT_NE(made[0], "CreateDialog(0)");
    EXPECT_TRUE(made[0].starts_with("CreateDialog("));
    EXPECT_EQ(made[1], "EmbedDialog()");
    const WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    ASSERT_NE(Dialogs().Current(), nullptr);
    const RecordedDialog* form = platform().DialogOf(Dialogs().Current()->window);
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->parent, ThePlatform().Windowing().ClientArea(frame));
    EXPECT_TRUE(form->visible);
    const FrameRequest combined = platform().main_frame().request;
    WindowClose();
    UnloadAllDialogs();

    platform().refuse_dialogs = true;
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 5000, 5000, 0, {}, kForm);
    EXPECT_EQ(Settings().combined_dialog, 0);
    const FrameRequest plain = platform().frames.back().request;
    EXPECT_NE(plain.client_width, combined.client_width);
    EXPECT_TRUE(plain.style.sizing_border);
    EXPECT_FALSE(combined.style.sizing_border);
}

TEST_F(DialogsAlone, ADialogThatGoesGivesTheFocusBackToTheFormItBelongsTo) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
    const WindowHandle form = Dialogs().Current()->window;
    for (bool unload : {false, true}) {
        WDialogLoad(kSettings);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 301, DIALOG_MODELESS);
        EXPECT_EQ(platform().focused, Field(301));
        unload ? WDialogUnload() : WDialogHide();
        EXPECT_EQ(platform().focused, form) << unload;
    }
    // Hiding what is not shown moves no focus.
    WDialogLoad(kNote);
    platform().focused = nullptr;
    WDialogHide();
    EXPECT_EQ(platform().focused, nullptr);
}

// Only the main window and its client area are exempt from the check a numeric field makes as
// it loses the focus: a value out of range cannot escape into the program's form.
TEST_F(DialogsAlone, AnInvalidValueKeepsTheFocusFromTheFormButNotFromTheMainWindow) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
    const WindowHandle form_field = Field(202);
    WDialogLoad(kSettings);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 301, DIALOG_MODELESS);
    platform().ControlOf(Field(301))->text.clear();
    backend::Type(platform(), "99");
    EXPECT_FALSE(backend::Focus(platform(), form_field));
    EXPECT_EQ(platform().focused, Field(301));
    EXPECT_GT(platform().beeps, 0);
    const WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    EXPECT_EQ(yyoutofrange(Field(301), frame, StrictText::No), false);
}

TEST_F(DialogsAlone, ABoxNobodyCanAnswerIsWrittenOutAndAnsweredByItsDefaultButton) {
    platform().presence = UserPresence::Absent;
    struct Case {
        int btype, idefault, exit_button;
    };
    // Yes/No/Cancel with the focus on No; Retry/Cancel on Cancel; OK.
    const Case cases[] = {{4, 2, 2}, {2, 2, 0}, {0, 1, 1}};
    for (const Case& c : cases) {
        ::testing::internal::CaptureStderr();
        WMessageBox(c.btype, 2, c.idefault, "Save the settings?  ", "Heat pump  ");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Heat pump: Save the settings?\n");
        EXPECT_EQ(WInfoDialog(4), c.exit_button) << c.btype;
    }
    EXPECT_TRUE(platform().boxes_shown.empty());
}

}  // namespace
}  // namespace windlass::testing
