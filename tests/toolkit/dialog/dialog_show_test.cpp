// Showing, hiding, unloading and naming dialogs, the form embedded in the main window, and what
// the toolkit does where the program has no main window: the wait for a dialog's messages and
// the focus after a dialog goes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/dialog_show.h"
#include "dialog_test.h"
#include "message/window_messages.h"
#include "numeric/focus_check.h"
#include "window/window_table.h"
#include "window/window_units.h"

namespace windlass::testing {
namespace {

using DialogShow = DialogTest;

// The recording platform's dialog sizes: dialog units of a font 6 by 13 pixels.
constexpr int kSettingsWidth = 200 * 6 / 4;
constexpr int kSettingsHeight = 100 * 13 / 8;

TEST_F(DialogShow, AModelessDialogIsCentredWithItsFocusFieldSelectedAndLaterOnlyBroughtBack) {
    WDialogLoad(kSettings);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 302);
    EXPECT_EQ(InfoError(1), 0);
    RecordedDialog& made = CurrentDialog();
    EXPECT_TRUE(made.visible);
    EXPECT_EQ(made.mode, DialogShowMode::Modeless);
    auto centred = std::make_pair((1024 - kSettingsWidth) / 2, (768 - kSettingsHeight) / 2);
    EXPECT_EQ(made.position, centred);
    EXPECT_EQ(platform().focused, Field(302));
    EXPECT_EQ(Control(302).focused_with, SelectText::All);
    EXPECT_EQ(Dialogs().Current()->current_field, 302);
    // Shown again, even asked for another mode and place, it is only brought back.
    WDialogShow(0, 0, 0, DIALOG_SEMIMODAL);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(made.shows, 2);
    EXPECT_EQ(made.position, centred);
    EXPECT_EQ(Dialogs().Current()->show_mode, ShowMode::Modeless);
    EXPECT_EQ(Dialogs().semimodal_shows, 0);
}

// Named no focus field, a dialog gives the focus to its first stop with the whole text
// selected, so that what the user types replaces it; a modal dialog before it blocks.
TEST_F(DialogShow, WithNoFocusFieldTheFirstStopHasTheFocusWithItsWholeTextSelected) {
    struct Row {
        int dialog;
        int first_stop;
    };
    for (Row row : {Row{kSettings, 301}, Row{kKeyboard, 321}, Row{kNote, 1}}) {
        WDialogLoad(row.dialog);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
        EXPECT_EQ(platform().focused, Field(row.first_stop)) << row.dialog;
        EXPECT_EQ(Control(row.first_stop).focused_with, SelectText::All) << row.dialog;
        EXPECT_EQ(Dialogs().Current()->previous_field, row.first_stop) << row.dialog;
    }
    UnloadAllDialogs();
    WDialogLoad(kSettings);
    WindowHandle focused_while_up = nullptr;
    platform().while_modal = [&](WindowHandle dialog) {
        focused_while_up = platform().focused;
        backend::Click(platform(), platform().ControlById(dialog, 2));
    };
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 0, DIALOG_MODAL);
    EXPECT_EQ(focused_while_up, Field(301));
}

// A dialog belongs to the dialog that was active as it was shown. When that one is unloaded
// no dialog is left pointing at it, and when a dialog goes while the one it belongs to is no
// longer shown, the user goes back past it to a window still shown: the main window's form in
// the end, or nothing when there is no main window. A hidden dialog never becomes the active
// one, nor the owner of the next dialog shown.
TEST_F(DialogShow, ADialogWhoseOwnerIsGoneOrHiddenGoesBackToAWindowStillShown) {
    struct Case {
        const char* what;
        bool main_window;
        bool unload_owner;
        bool unload_dialog;
    };
    const Case cases[] = {
        {"owner unloaded, then a hide", true, true, false},
        {"owner unloaded, then an unload", true, true, true},
        {"owner hidden, then a hide", true, false, false},
        {"no main window", false, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.main_window) {
            WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
        }
        const WindowHandle form = c.main_window ? Dialogs().Current()->window : nullptr;
        WDialogLoad(kSettings);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
        const WindowHandle settings = Dialogs().Current()->window;
        platform().DialogOf(settings)->listener->OnActivate();
        WDialogLoad(kNote);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
        DialogRecord* note = Dialogs().Current();
        platform().DialogOf(note->window)->listener->OnActivate();
        EXPECT_EQ(note->owner, settings);

        WDialogSelect(kSettings);
        c.unload_owner ? WDialogUnload() : WDialogHide();
        if (c.unload_owner) {
            EXPECT_NE(note->owner, settings);
        }
        platform().focused = nullptr;
        WDialogSelect(kNote);
        c.unload_dialog ? WDialogUnload() : WDialogHide();
        EXPECT_EQ(platform().focused, form);
        EXPECT_EQ(Dialogs().active, form);
        if (!c.unload_owner) {
            WDialogSelect(kSettings);
            WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
            EXPECT_EQ(Dialogs().Current()->owner, form);
        }
        WindowClose();
        UnloadAllDialogs();
    }
}

TEST_F(DialogShow, AModalShowBlocksTheOtherWindowsUntilAPushButtonEndsIt) {
    WindowOpen2(WF_SYSMENU, 0, 0, 400, 300);
    WDialogLoad(kPanel);
    WDialogShow(0, 0);
    WDialogLoad(kSettings);
    WMessageEnable(MSG_FIELD, 1);
    WindowHandle panel = Dialogs().AtSlot(1)->window;
    WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    bool others_disabled = false;
    platform().while_modal = [&](WindowHandle dialog) {
        others_disabled = !platform().DialogOf(panel)->enabled &&
                          platform().disabled_windows == std::vector<WindowHandle>{frame};
        EXPECT_TRUE(platform().DialogOf(dialog)->enabled) << "the modal dialog stays usable";
        EXPECT_EQ(platform().focused, platform().ControlById(dialog, 302));
        backend::Click(platform(), platform().ControlById(dialog, 2));
    };
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 302, DIALOG_MODAL);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_TRUE(others_disabled);
    EXPECT_TRUE(platform().DialogOf(panel)->enabled);
    EXPECT_TRUE(platform().disabled_windows.empty());
    EXPECT_EQ(platform().unended_modal_shows, 0);
    EXPECT_FALSE(CurrentDialog().visible);
    EXPECT_EQ(WInfoDialog(2), 2);
    EXPECT_EQ(Dialogs().modal, nullptr);
    // Inside a modal dialog the ids change, but nothing reaches the program; not marked as
    // shown, it can be run again.
    EXPECT_TRUE(TakeMessages().empty());
    EXPECT_EQ(Dialogs().Current()->shown, 0);
}

TEST_F(DialogShow, AModeThatCannotBeHadIsChangedAndReportedWith1014) {
    WindowOpen2(WF_SYSMENU, 0, 0, 400, 300);
    struct Case {
        int dialog;
        int semimodal_first;
        int mode;
        ShowMode shown;
    };
    const Case cases[] = {
        {kNote, 1, DIALOG_MODELESS, ShowMode::SemiModal},  // During a semi-modal show.
        {kPanel, 0, DIALOG_MODAL, ShowMode::Modeless},     // A child dialog.
        {kNote, 0, 7, ShowMode::Modeless},                 // A mode that does not exist.
    };
    for (const Case& c : cases) {
        if (c.semimodal_first != 0) {
            WDialogLoad(kSettings);
            WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 0, DIALOG_SEMIMODAL);
        }
        WDialogLoad(c.dialog);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 0, c.mode);
        EXPECT_EQ(InfoError(1), ERR_DIALOG_MODE) << c.mode;
        EXPECT_TRUE(CurrentDialog().visible) << c.mode;
        EXPECT_EQ(Dialogs().Current()->show_mode, c.shown) << c.mode;
        UnloadAllDialogs();
    }
    EXPECT_EQ(platform().unended_modal_shows, 0);
}

TEST_F(DialogShow, AChildDialogShowsOnlyInAVisibleMainWindowThatHoldsNoForm) {
    struct Case {
        int flags;  // -1 for no main window.
        int form;
        int error;
    };
    const Case cases[] = {
        {-1, 0, ERR_ROOT_HIDDEN}, {WF_SYSMENU, kForm, ERR_ROOT_COMBINED}, {WF_SYSMENU, 0, 0}};
    for (const Case& c : cases) {
        if (c.flags != -1) {
            WindowOpen2(c.flags, 0, 0, 400, 300, 0, {}, c.form);
        }
        WDialogLoad(kPanel);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
        EXPECT_EQ(InfoError(1), c.error) << c.flags;
        EXPECT_EQ(CurrentDialog().visible, c.error == 0) << c.flags;
        EXPECT_EQ(Dialogs().Current()->shown, c.error == 0 ? 1 : 0) << c.flags;
        WindowClose();
        UnloadAllDialogs();
    }
}

TEST_F(DialogShow, HidingUnloadingAndTitles) {
    WDialogLoad(kForm);
    WDialogLoad(kSettings);
    WDialogLoad(kNote);
    WDialogSelect(kSettings);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 301);
    // A title goes to a dialog with a caption only.
    WDialogTitle("Heating settings   ");
    EXPECT_EQ(CurrentDialog().title, "Heating settings");
    RecordedDialog& settings = CurrentDialog();
    WDialogHide();
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_FALSE(settings.visible);
    EXPECT_EQ(CurrentDialogId(), kSettings);
    WDialogUnload();
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialogId(), 0);
    EXPECT_EQ(Dialogs().count, 2);
    EXPECT_TRUE(settings.destroyed);
    EXPECT_EQ(platform().focused, nullptr);
    // The later dialog moved down a slot.
    EXPECT_EQ(Dialogs().AtSlot(1)->id, kForm);
    EXPECT_EQ(Dialogs().AtSlot(2)->id, kNote);
    WDialogSelect(kForm);
    WDialogTitle("Form");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialog().title, "");
}

TEST_F(DialogShow, AFormFillsTheMainWindowStaysInItAndGoesWithIt) {
    // The toolkit, once initialised, offers the dialog manager to the main window.
    Embedding() = windlass::FormEmbedding{};
    WInitialise();
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm, "Heatwise");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialogId(), kForm);
    EXPECT_EQ(Settings().combined_dialog, kForm);
    EXPECT_EQ(Windows().flags, 99);
    EXPECT_EQ(platform().main_frame().request.client_width, 300 * 6 / 4);
    EXPECT_EQ(platform().main_frame().request.client_height, 200 * 13 / 8);
    // The trial that sizes the main window makes the whole form, and the form tried is the one
    // the window then shows: made once, then moved into its client area for good.
    std::vector<std::string> made;
    for (const std::string& call : platform().calls) {
        if (call.starts_with("CreateDialog(") || call == "DestroyDialog()" ||
            call == "EmbedDialog()") {
            made.push_back(call);
        }
    }
    EXPECT_EQ(made, (std::vector<std::string>{"CreateDialog(27)", "EmbedDialog()"}));
    RecordedDialog& form = CurrentDialog();
    WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    EXPECT_EQ(form.parent, platform().Windowing().ClientArea(frame));
    EXPECT_TRUE(form.visible);
    EXPECT_EQ(form.mode, DialogShowMode::Modeless);
    EXPECT_EQ(form.position, std::make_pair(0, 0));
    EXPECT_EQ(Dialogs().Current()->main_window, frame);
    EXPECT_EQ(Dialogs().Current()->shown, 1);
    EXPECT_EQ(Dialogs().Embedded(), Dialogs().Current());
    EXPECT_EQ(Control(240).selection, 0) << "its companion text is applied";
    // It cannot be hidden or unloaded.
    WDialogHide();
    EXPECT_EQ(InfoError(1), ERR_DIALOG_COMBINED);
    WDialogUnload();
    EXPECT_EQ(InfoError(1), ERR_DIALOG_COMBINED);
    EXPECT_EQ(CurrentDialogId(), kForm);
    EXPECT_TRUE(form.visible);
    // Closing the main window unloads every dialog.
    WDialogLoad(kSettings);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
    WindowClose();
    EXPECT_EQ(CurrentDialogId(), 0);
    EXPECT_EQ(Dialogs().count, 0);
    for (const auto& made : platform().dialogs) {
        EXPECT_TRUE(made->destroyed);
        EXPECT_FALSE(made->visible);
    }
}

TEST_F(DialogShow, AFormThatDoesNotFitOrCannotBeMadeLeavesTheWindowWithoutOne) {
    struct Case {
        int form;
        bool refuse;
        int error;
    };
    const Case cases[] = {{kSettings, false, ERR_DIALOG_STYLE},  // A window with a caption.
                          {999, false, ERR_DIALOG_LOAD},         // Not among the resources.
                          {kForm, true, ERR_DIALOG_LOAD}};       // The platform cannot make it.
    for (const Case& c : cases) {
        platform().refuse_dialogs = c.refuse;
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, c.form);
        EXPECT_EQ(InfoError(1), c.error) << c.form;
        EXPECT_EQ(CurrentDialogId(), 0) << c.form;
        EXPECT_EQ(Dialogs().count, 0) << c.form;
        EXPECT_EQ(Windows().flags, 39) << c.form;
        for (const auto& made : platform().dialogs) {
            EXPECT_TRUE(made->destroyed) << c.form;
        }
        WindowClose();
    }
}

TEST_F(DialogShow, WithOnlyADialogOpenTheWaitIsForItsMessagesAndDropsDisabledOnes) {
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
TEST_F(DialogShow, WithNothingOnTheScreenTheWaitEndsAtOnce) {
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

TEST_F(DialogShow, ADialogThatGoesGivesTheFocusBackToTheFormItBelongsTo) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
    const WindowHandle form = Dialogs().Current()->window;
    for (bool unload : {false, true}) {
        WDialogLoad(kSettings);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 301, DIALOG_MODELESS);
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
TEST_F(DialogShow, AnInvalidValueKeepsTheFocusFromTheFormButNotFromTheMainWindow) {
    WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
    const WindowHandle form_field = Field(202);
    WDialogLoad(kSettings);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 301, DIALOG_MODELESS);
    TypeOver(Field(301), "99");
    EXPECT_FALSE(backend::Focus(platform(), form_field));
    EXPECT_EQ(platform().focused, Field(301));
    EXPECT_GT(platform().beeps, 0);
    const WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    EXPECT_EQ(yyoutofrange(Field(301), frame, StrictText::No), false);
}

}  // namespace
}  // namespace windlass::testing
