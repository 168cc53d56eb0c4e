// The toolkit's one classification of its controls: the plan the platform makes them by, which
// of them take the focus, what counts as a push button, how far a radio group reaches and which
// buttons a click unchecks, and which push button looks like the default.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dialog_test.h"

namespace windlass::testing {
namespace {

constexpr int kKeyboard = 320;
constexpr int kSeasons = 330;
constexpr int kGauge = 340;

using ControlRules = DialogTest;

TEST_F(ControlRules, ThePlatformMakesEachControlAsThePlanSays) {
    struct Row {
        int dialog;
        int id;
        ControlKind kind;
        TakesFocus focus;
        DefaultLook look;
    };
    constexpr TakesFocus kYes = TakesFocus::Yes;
    constexpr TakesFocus kNo = TakesFocus::No;
    constexpr DefaultLook kPlain = DefaultLook::Plain;
    const Row rows[] = {
        {kForm, 300, ControlKind::Label, kNo, kPlain},
        {kForm, 201, ControlKind::NumericField, kYes, kPlain},
        {kForm, 250, ControlKind::NumericField, kYes, kPlain},
        {kForm, 251, ControlKind::NumericSpin, kYes, kPlain},
        {kForm, 252, ControlKind::NumericSpin, kYes, kPlain},
        {kForm, 204, ControlKind::Edit, kYes, kPlain},
        {kForm, 253, ControlKind::MultiLineEdit, kYes, kPlain},
        {kForm, 210, ControlKind::RadioButton, kYes, kPlain},
        {kForm, 221, ControlKind::RadioButton, kYes, kPlain},
        {kForm, 230, ControlKind::CheckBox, kYes, kPlain},
        {kForm, 231, ControlKind::CheckBox, kYes, kPlain},
        {kForm, 240, ControlKind::ComboBox, kYes, kPlain},
        {kForm, 243, ControlKind::ListBox, kYes, kPlain},
        {kForm, 260, ControlKind::PushButton, kYes, kPlain},
        {kKeyboard, 345, ControlKind::GroupBox, kNo, kPlain},
        {kKeyboard, 1, ControlKind::PushButton, kYes, DefaultLook::Default},
        {kKeyboard, 361, ControlKind::PushButton, kYes, kPlain},
        // An owner-drawn button is a button of its own kind, never the default.
        {kSeasons, 376, ControlKind::Button, kYes, kPlain},
    };
    for (const Row& row : rows) {
        WDialogLoad(row.dialog);
        RecordedControl& made = Control(row.id);
        EXPECT_EQ(made.kind, row.kind) << row.id;
        EXPECT_EQ(made.takes_focus, row.focus) << row.id;
        EXPECT_EQ(made.look, row.look) << row.id;
    }
}

TEST_F(ControlRules, ADialogWithAClassTheToolkitHasNoControlForIsNotMade) {
    WDialogLoad(kGauge);
    EXPECT_EQ(InfoError(1), ERR_DIALOG_LOAD);
    EXPECT_EQ(Dialogs().count, 0);
    for (const std::string& call : platform().calls) {
        EXPECT_FALSE(call.starts_with("CreateDialog(")) << "the platform is not asked";
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
    int FocusedId() {
        RecordedControl* focused = platform().ControlOf(platform().focused);
        return focused != nullptr ? focused->id : 0;
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

}  // namespace
}  // namespace windlass::testing
