// The keyboard of every dialog: where Tab, Shift+Tab and the arrow keys take the focus and which
// push button Return and Escape press, with the keys reported to the dialog's listener as a
// platform reports them.
#include <gtest/gtest.h>

#include <vector>

#include "dialog_test.h"

namespace windlass::testing {
namespace {

constexpr int kKeyboard = 320;
constexpr int kNone = 0;

// How the push buttons look as the key goes down.
enum class Looks { AsMade, ApplyDefault, NoneDefault };

struct KeyCase {
    const char* what;
    int focused;
    NavigationKey key;
    KeyVerdict verdict;
    int focused_after;
    // The messages the program receives: the field left and entered, or the button pressed.
    std::vector<Posted> messages;
    // The radio button checked before the key and the one checked after it.
    int checked_before = kNone;
    int checked_after = kNone;
    Looks looks = Looks::AsMade;
    // A control disabled under the focus before the key: the platform moves the focus on.
    int disabled = kNone;
};

Posted Moved(int from, int to) {
    return FieldMessage(kKeyboard, from, to);
}

Posted Pressed(int button, int previous) {
    return ButtonMessage(kKeyboard, button, previous);
}

using Key = NavigationKey;
constexpr KeyVerdict kTaken = KeyVerdict::Taken;
constexpr KeyVerdict kToControl = KeyVerdict::ToControl;
constexpr Looks kAsMade = Looks::AsMade;
constexpr Looks kApply = Looks::ApplyDefault;
constexpr Looks kNoDefault = Looks::NoneDefault;

// Each row: what it shows, the focused control, the key, the verdict, the control focused after
// it and the messages; then, where it matters, the radio checked before and after, the look
// of the push buttons and a control disabled under the focus before the key.
const KeyCase kCases[] = {
    // Tab stops at a field its template marks as no tab stop, passes over a disabled and a
    // hidden field to the radio group's marked button, and takes a radio group as one stop.
    {"no tab stop mark", 321, Key::Tab, kTaken, 322, {Moved(321, 322)}},
    {"disabled and hidden", 322, Key::Tab, kTaken, 332, {Moved(322, 332)}},
    {"group is one stop", 332, Key::Tab, kTaken, 341, {Moved(332, 341)}},
    {"a group box is no stop", 341, Key::Tab, kTaken, 351, {Moved(341, 351)}},
    // A group with a checked button is entered at that button, and Tab checks nothing.
    {"enter at checked", 341, Key::BackTab, kTaken, 333, {Moved(341, 333)}, 333, 333},
    {"Tab round past label", 2, Key::Tab, kTaken, 321, {Moved(2, 321)}},
    {"Shift+Tab round", 321, Key::BackTab, kTaken, 2, {Moved(321, 2)}},
    // An arrow moves within the group, round at its ends, and checks the automatic button.
    {"up round", 331, Key::Up, kTaken, 333, {Moved(331, 333), Moved(333, 333)}, 331, 333},
    {"arrows in an edit field", 322, Key::Down, kToControl, 322, {}},
    {"Return on a push button", 361, Key::Return, kTaken, 361, {Pressed(361, 321)}},
    // Return elsewhere presses the button that looks like the default one, OK when none does.
    {"Return elsewhere", 322, Key::Return, kTaken, 322, {Pressed(1, 322)}},
    {"Return on a check box", 341, Key::Return, kTaken, 341, {Pressed(1, 341)}},
    {"Apply looks default", 322, Key::Return, kTaken, 322, {Pressed(361, 322)}, 0, 0, kApply},
    {"none looks default", 322, Key::Return, kTaken, 322, {Pressed(1, 322)}, 0, 0, kNoDefault},
    {"a field that wants Return", 351, Key::Return, kToControl, 351, {}},
    {"Escape presses Cancel", 341, Key::Escape, kTaken, 341, {Pressed(2, 341)}},
    // A field disabled under the focus hands it on as Tab would.
    {"disabled under focus", 322, Key::Tab, kTaken, 332, {Moved(322, 332)}, 0, 0, kAsMade, 322},
};

class DialogKeyboard : public DialogTest {
  protected:
    DialogKeyboard() {
        WDialogLoad(kKeyboard);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
        WMessageEnable(MSG_FIELD, 1);
    }

    // The key as a platform reports it, with the focus moves the toolkit makes in answer.
    KeyVerdict Report(NavigationKey key) {
        return backend::Key(platform(), key).value_or(KeyVerdict::ToControl);
    }

    int FocusedId() {
        RecordedControl* focused = platform().ControlOf(platform().focused);
        return focused != nullptr ? focused->id : kNone;
    }

    void Prepare(const KeyCase& row) {
        for (int radio : {331, 332, 333}) {
            Control(radio).check = radio == row.checked_before ? 1 : 0;
        }
        for (int id : {321, 322, 351}) {
            Control(id).enabled = true;
            Record(id).tab_flag = 0;
        }
        // The user comes to the control from the numeric field, the field a pressed button
        // reports as left for it.
        ASSERT_TRUE(backend::Focus(platform(), Field(321)));
        ASSERT_TRUE(backend::Focus(platform(), Field(row.focused)));
        // The looks the toolkit gave the buttons for that focus, or others a refused move left.
        if (row.looks == Looks::ApplyDefault) {
            platform().SetDefaultLook(Field(361), DefaultLook::Default);
            platform().SetDefaultLook(Field(1), DefaultLook::Plain);
        } else if (row.looks == Looks::NoneDefault) {
            platform().SetDefaultLook(Field(1), DefaultLook::Plain);
        }
        if (row.disabled != kNone) {
            platform().EnableWindow(Field(row.disabled), Enable::No);
        }
        TakeMessages();
    }
};

TEST_F(DialogKeyboard, EachKeyMovesTheFocusOrPressesAButtonAsTheDialogsRulesSay) {
    for (const KeyCase& row : kCases) {
        SCOPED_TRACE(row.what);
        Prepare(row);
        EXPECT_EQ(Report(row.key), row.verdict);
        EXPECT_EQ(FocusedId(), row.focused_after);
        EXPECT_EQ(TakeMessages(), row.messages);
        for (int radio : {331, 332, 333}) {
            EXPECT_EQ(Control(radio).check, radio == row.checked_after ? 1 : 0) << radio;
        }
    }
}

}  // namespace
}  // namespace windlass::testing
