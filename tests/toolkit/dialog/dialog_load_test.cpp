// Loading dialogs: the dialog table, the records of every control and the plan the platform
// makes them by, the companion text applied once, and the errors of WDialogLoad and
// WDialogSelect.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "dialog/dialog_load.h"
#include "dialog_test.h"
#include "resources/resource_lookup.h"

namespace windlass::testing {
namespace {

using ::testing::ElementsAre;
using DialogLoad = DialogTest;

TEST_F(DialogLoad, ALoadedDialogBecomesCurrentWithARecordForEveryControl) {
    WDialogLoad(kForm);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialogId(), kForm);
    ASSERT_EQ(Dialogs().count, 1);
    DialogRecord& form = *Dialogs().Current();
    EXPECT_EQ(form.id, kForm);
    EXPECT_EQ(form.shown, 0);
    ASSERT_EQ(form.controls.size(), static_cast<std::size_t>(form.source->control_count));
    for (std::size_t position = 0; position < form.controls.size(); ++position) {
        EXPECT_EQ(form.controls[position].handle,
                  platform().Controls().Control(form.window, static_cast<int>(position)));
        EXPECT_EQ(form.controls[position].id, form.source->controls[position].id);
    }
    // Not shown by the load, and made inside no window while there is no main window.
    RecordedDialog& made = CurrentDialog();
    EXPECT_FALSE(made.visible);
    EXPECT_EQ(made.parent, nullptr);
    // The platform hears each field's name for a screen reader, from the label beside it.
    EXPECT_EQ(Control(201).accessible_name, "Hours");
}

TEST_F(DialogLoad, ThePlatformMakesEachControlAsThePlanSays) {
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

TEST_F(DialogLoad, TheCompanionTextSetsChecksListsRangesLengthsFormatsColoursAndTheDialogFlag) {
    WDialogLoad(kForm);
    EXPECT_EQ(Control(210).check, 1);
    EXPECT_EQ(Control(211).check, 0);
    EXPECT_EQ(Control(220).check, 1);
    EXPECT_EQ(Control(231).check, 2);
    EXPECT_THAT(Control(240).entries, ElementsAre("austin, TX", "  birmingham, AL", "fort rucker"));
    EXPECT_EQ(Control(240).selection, 0);
    EXPECT_EQ(Control(240).text, "austin, TX");
    EXPECT_THAT(Control(241).entries, ElementsAre("one", "two"));
    EXPECT_EQ(Control(241).selection, -1);
    EXPECT_EQ(Control(242).selection, 1);
    EXPECT_EQ(Record(250).format, "(F8.3)");
    EXPECT_EQ(Record(251).minimum, -2.5);
    // Text of red 255, green 0 and blue 0, packed with red in the lowest byte.
    EXPECT_EQ(Control(204).text_colour, 0x0000FF);
    EXPECT_EQ(Dialogs().Current()->dialog_flag, 1);
}

// An integer field takes a sign and ten digits, the widest whole number of 32 bits; plain edit
// fields what the platform's controls hold, 32767 characters on one line and 65535 on
// several, unless the companion text gives a length. Spin arrows reach 31073 either way for
// integers, 100 for reals, until a range holds them to it, truncated.
TEST_F(DialogLoad, EachFieldGetsTheTypingLimitAndSpinReachOfItsClass) {
    WDialogLoad(kForm);
    struct Row {
        int id;
        std::optional<int> limit;
        std::optional<std::pair<int, int>> reach;
    };
    const Row rows[] = {
        {201, 11, std::nullopt},
        {252, 11, std::make_pair(-31073, 31073)},
        {251, std::nullopt, std::make_pair(-2, 2)},  // Its range -2.5 to 2.5.
        {250, std::nullopt, std::nullopt},
        {204, 5, std::nullopt},  // Its "[Lengths]".
        {253, 65535, std::nullopt},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Control(row.id).text_limit, row.limit) << row.id;
        EXPECT_EQ(Control(row.id).spin_range, row.reach) << row.id;
    }
    WDialogLoad(kKeyboard);
    EXPECT_EQ(Control(322).text_limit, 32767);
    WDialogRangeInteger(321, -40000, 5);
    EXPECT_EQ(Control(321).spin_range, std::nullopt) << "not a spin field";
    WDialogLoad(kForm);
    WDialogRangeReal(251, -50000.0f, 3.9f);
    EXPECT_EQ(Control(251).spin_range, std::make_pair(-31073, 3));
}

// Only a dialog the platform refused was asked for at all: one with a control of a class the
// toolkit has no control for is never offered to it.
TEST_F(DialogLoad, ADialogThatCannotBeLoadedRaises1007AndLeavesTheCurrentDialog) {
    WDialogLoad(kForm);
    struct Case {
        const char* what;
        int id;
        bool refuse;
        int result;
    };
    const Case cases[] = {
        {"no such resource", 999, false, kLoadNoResource},
        {"the platform cannot make it", kSettings, true, kLoadTableFull},
        {"a class the toolkit has no control for", kGauge, false, kLoadTableFull},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform().refuse_dialogs = c.refuse;
        platform().calls.clear();
        WDialogLoad(c.id);
        EXPECT_EQ(InfoError(1), ERR_DIALOG_LOAD);
        EXPECT_EQ(CurrentDialogId(), kForm);
        EXPECT_EQ(Dialogs().count, 1);
        EXPECT_EQ(std::ranges::any_of(
                      platform().calls,
                      [](const std::string& call) { return call.starts_with("CreateDialog("); }),
                  c.refuse);
        EXPECT_EQ(yydialogload2(c.id, nullptr), c.result);
        EXPECT_EQ(Dialogs().Current()->id, kForm);
    }
}

// A table of 101 dialogs, one more than the toolkit can hold at once.
class ManyDialogs {
  public:
    ManyDialogs() {
        for (int index = 0; index <= kMaxDialogs; ++index) {
            table_.push_back({ResourceName(kTypeDialog), ResourceName(1000 + index), nullptr, 0,
                              nullptr, &kTemplate, nullptr});
        }
        RegisterResources(table_);
    }
    ~ManyDialogs() { UnregisterResources(table_); }

  private:
    static constexpr DialogTemplate kTemplate = {
        DialogForm::kDialogEx, 0x80C80000u, 0, 0,  0, 50,    20, 0,       "Many",
        ResourceName(0),       "",          0, "", 0, false, 0,  nullptr, 0};
    std::vector<Resource> table_;
};

TEST_F(DialogLoad, TheHundredAndFirstDialogIsNotLoaded) {
    ManyDialogs many;
    for (int index = 0; index < kMaxDialogs; ++index) {
        WDialogLoad(1000 + index);
        ASSERT_EQ(InfoError(1), 0) << index;
    }
    EXPECT_EQ(Dialogs().count, kMaxDialogs);
    WDialogLoad(1000 + kMaxDialogs);
    EXPECT_EQ(InfoError(1), ERR_DIALOG_LOAD);
    EXPECT_EQ(CurrentDialogId(), 1000 + kMaxDialogs - 1);
    EXPECT_EQ(Dialogs().count, kMaxDialogs);
}

TEST_F(DialogLoad, SelectingADialogThatIsNotLoadedRaises1008AndLeavesTheCurrentOne) {
    WDialogSelect(kForm);
    EXPECT_EQ(InfoError(1), ERR_DIALOG_SELECT);
    EXPECT_EQ(CurrentDialogId(), 0);
    WDialogLoad(kForm);
    WDialogLoad(kSettings);
    WDialogSelect(kPanel);
    EXPECT_EQ(InfoError(1), ERR_DIALOG_SELECT);
    EXPECT_EQ(CurrentDialogId(), kSettings);
    WDialogSelect(kForm);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialogId(), kForm);
    EXPECT_EQ(Dialogs().Current()->id, kForm);
}

TEST_F(DialogLoad, EveryProcedureButTheLoadRaises1005WithoutACurrentDialog) {
    std::string text(10, 'x');
    int number = 77;
    float real = 7.5f;
    const std::vector<std::string> options = {"a"};
    struct Case {
        const char* what;
        std::function<void()> call;
    };
    const Case cases[] = {
        {"show", [] { WDialogShow(-1, -1); }},
        {"hide", [] { WDialogHide(); }},
        {"unload", [] { WDialogUnload(); }},
        {"title", [] { WDialogTitle("t"); }},
        {"put integer", [] { WDialogPutInteger(201, 1); }},
        {"put string", [] { WDialogPutString(204, "a"); }},
        {"put radio button", [] { WDialogPutRadioButton(210); }},
        {"put menu", [&] { WDialogPutMenu1(240, options, 1, 1); }},
        {"get integer", [&] { WDialogGetInteger(201, number); }},
        {"get real", [&] { WDialogGetReal(202, real); }},
        {"get string", [&] { WDialogGetString(204, text); }},
        {"get radio button", [&] { WDialogGetRadioButton(210, number); }},
        {"get menu", [&] { WDialogGetMenu1(240, number, text); }},
        {"range integer", [] { WDialogRangeInteger(201, 0, 1); }},
    };
    auto check_all = [&](const char* when) {
        for (const Case& c : cases) {
            c.call();
            EXPECT_EQ(InfoError(1), ERR_NO_DIALOG) << c.what << " " << when;
            EXPECT_EQ(number, 77) << c.what << " " << when;
            EXPECT_EQ(real, 7.5f) << c.what << " " << when;
            EXPECT_EQ(text, std::string(10, 'x')) << c.what << " " << when;
        }
    };
    check_all("before any load");
    WDialogLoad(kSettings);
    WDialogUnload();
    check_all("after the current dialog was unloaded");
}

}  // namespace
}  // namespace windlass::testing
