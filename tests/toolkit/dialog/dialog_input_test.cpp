// The keyboard and the mouse in every dialog: where Tab, Shift+Tab and the arrow keys take the
// focus, how far a radio group reaches and which buttons a click or an arrow unchecks, which push
// button looks like the default and which one Return and Escape press, and the messages the
// program receives as the user moves between fields, clicks and chooses.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "dialog_test.h"

namespace windlass::testing {
namespace {

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

class SeasonsDialog : public DialogTest {
  protected:
    SeasonsDialog() {
        WDialogLoad(kSeasons);
        WMessageEnable(MSG_FIELD, 1);
    }

    void Checks(std::vector<int> checked) {
        for (int id : {371, 372, 373, 375}) {
            Control(id).check = std::find(checked.begin(), checked.end(), id) != checked.end();
        }
    }
    std::vector<int> Checked() {
        std::vector<int> checked;
        for (int id : {371, 372, 373, 375}) {
            if (Control(id).check != 0) {
                checked.push_back(id);
            }
        }
        return checked;
    }
};

// A group ends at the next control with the group style or of another class: the label ends
// the first group, and the radio button after it is one group with the owner-drawn button. A
// click or an arrow key that checks an automatic radio button unchecks the others of its group
// that the user can reach; the disabled one keeps its check.
TEST_F(SeasonsDialog, ARadioButtonCheckedByTheUserUnchecksTheRestOfItsGroupWithinReach) {
    Checks({371, 373, 375});
    // The platform's automatic button checks itself as it is clicked.
    Control(372).check = 1;
    backend::Click(platform(), Field(372));
    EXPECT_EQ(Checked(), (std::vector<int>{372, 373, 375}));

    struct Row {
        int focused;
        NavigationKey key;
        int focused_after;
        std::vector<int> checked_after;
    };
    const Row rows[] = {
        // Down from Winter passes over the disabled Spring and comes round to Summer.
        {372, NavigationKey::Down, 371, {371, 373, 375}},
        {371, NavigationKey::Up, 372, {372, 373, 375}},
        // Autumn's group is Autumn and the owner-drawn button.
        {375, NavigationKey::Up, 376, {372, 373, 375}},
        {376, NavigationKey::Down, 375, {372, 373, 375}},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(backend::Focus(platform(), Field(row.focused)));
        backend::Key(platform(), row.key);
        EXPECT_EQ(FocusedId(), row.focused_after) << row.focused;
        EXPECT_EQ(Checked(), row.checked_after) << row.focused;
    }
}

// Only plain and default push buttons are pressed: a click on a button of another kind is a
// click on a field, and Return on it presses the default button.
TEST_F(SeasonsDialog, OnlyPlainAndDefaultPushButtonsArePressed) {
    ASSERT_TRUE(backend::Focus(platform(), Field(371)));
    TakeMessages();
    backend::Click(platform(), Field(376));
    EXPECT_EQ(TakeMessages(), (std::vector<Posted>{FieldMessage(kSeasons, 371, 376),
                                                   FieldMessage(kSeasons, 376, 376)}));
    backend::Key(platform(), NavigationKey::Return);
    EXPECT_EQ(TakeMessages(), (std::vector<Posted>{ButtonMessage(kSeasons, 1, 376)}));
    ASSERT_TRUE(backend::Focus(platform(), Field(2)));
    TakeMessages();
    backend::Key(platform(), NavigationKey::Return);
    EXPECT_EQ(TakeMessages(), (std::vector<Posted>{ButtonMessage(kSeasons, 2, 376)}));
}

TEST_F(SeasonsDialog, TheFocusedPushButtonLooksLikeTheDefaultElseTheDialogsDefaultButtonDoes) {
    struct Row {
        int focused;
        DefaultLook ok;
        DefaultLook cancel;
    };
    constexpr DefaultLook kDefault = DefaultLook::Default;
    constexpr DefaultLook kPlain = DefaultLook::Plain;
    const Row rows[] = {
        {2, kPlain, kDefault},   {376, kDefault, kPlain}, {2, kPlain, kDefault},
        {371, kDefault, kPlain}, {1, kDefault, kPlain},
    };
    for (const Row& row : rows) {
        ASSERT_TRUE(backend::Focus(platform(), Field(row.focused)));
        EXPECT_EQ(Control(1).look, row.ok) << row.focused;
        EXPECT_EQ(Control(2).look, row.cancel) << row.focused;
        EXPECT_EQ(Control(376).look, kPlain) << row.focused;
    }
}

using Messages = std::vector<Posted>;

using FormMessages = FormInMainWindow<202>;

TEST_F(FormMessages, TabbingFromOneFieldIntoAnotherPostsOne) {
    ASSERT_TRUE(Tab());
    EXPECT_EQ(TakeMessages(), Messages{FieldMessage(kForm, 202, 203)});
    MessageRecord record;
    // What the program receives: the dialog's id, the two fields, data3 0.
    ASSERT_TRUE(Tab());
    int type = 0;
    WMessage(type, record);
    EXPECT_EQ(type, MSG_FIELD);
    EXPECT_EQ(record.window, kForm);
    EXPECT_EQ(record.data1, 203);
    EXPECT_EQ(record.data2, 204);
    EXPECT_EQ(record.data3, 0);
    EXPECT_EQ(record.data4, -1);
}

TEST_F(FormMessages, AClickOrAChoiceFromAnotherFieldPostsTheFocusMessageThenItsOwn) {
    // The platform checks the clicked radio button and unchecks the other.
    Control(210).check = 0;
    Control(211).check = 1;
    backend::Click(platform(), Field(211));
    // A second click on the button that has the focus posts one.
    backend::Click(platform(), Field(211));
    backend::Click(platform(), Field(230));
    backend::Choose(platform(), Field(240), 2);
    // Leaving the combo box posts nothing until the next control takes the focus.
    backend::Choose(platform(), Field(242), 0);
    EXPECT_EQ(TakeMessages(),
              (Messages{FieldMessage(kForm, 202, 211), FieldMessage(kForm, 211, 211),
                        FieldMessage(kForm, 211, 211), FieldMessage(kForm, 211, 230),
                        FieldMessage(kForm, 230, 230), FieldMessage(kForm, 230, 240),
                        FieldMessage(kForm, 240, 240), FieldMessage(kForm, 240, 242),
                        FieldMessage(kForm, 242, 242)}));
}

TEST_F(FormMessages, APushButtonPostsItsIdAndTheFieldLeftForIt) {
    backend::Click(platform(), Field(260));
    EXPECT_EQ(TakeMessages(),
              (Messages{FieldMessage(kForm, 202, 260), ButtonMessage(kForm, 260, 202)}));
    // Pressed again, the previous field is still the one left for it.
    backend::Click(platform(), Field(260));
    EXPECT_EQ(TakeMessages(), Messages{ButtonMessage(kForm, 260, 202)});
    // With the field message off, moves and clicks post nothing.
    WMessageEnable(MSG_FIELD, 0);
    Tab();
    backend::Click(platform(), Field(211));
    EXPECT_TRUE(TakeMessages().empty());
}

using SettingsMessages = DialogTest;

TEST_F(SettingsMessages, ADoubleClickInAListPressesTheDefaultButton) {
    WDialogLoad(kSettings);
    WMessageEnable(MSG_FIELD, 1);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 302);
    TakeMessages();
    backend::Focus(platform(), Field(304));
    backend::Notify(platform(), Field(304), ControlNotice::DoubleClicked);
    EXPECT_EQ(TakeMessages(),
              (Messages{FieldMessage(kSettings, 302, 304), ButtonMessage(kSettings, 1, 304)}));
}

}  // namespace
}  // namespace windlass::testing
