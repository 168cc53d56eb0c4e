// Radio groups, check boxes, list and combo boxes and texts of the current dialog's fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test.h"
#include "field/radio_group.h"

namespace windlass::testing {
namespace {

class FieldChoices : public DialogTest {
  protected:
    FieldChoices() { WDialogLoad(kForm); }

    int Radio(int id) {
        int position = 12345;
        WDialogGetRadioButton(id, position);
        return position;
    }
};

TEST_F(FieldChoices, ARadioGroupRunsFromItsGroupStartToTheNextControlThatEndsIt) {
    DialogRecord& form = *Dialogs().Current();
    struct Case {
        int field;
        int first;
        int last;
    };
    // 210 starts its group and 220 the next; the plain radio button 221 belongs to the second,
    // and the label 223 (another class) ends it.
    const Case cases[] = {
        {210, 210, 211}, {211, 210, 211}, {220, 220, 222}, {221, 220, 222}, {222, 220, 222}};
    for (const Case& c : cases) {
        RadioGroup group = yyfieldgroup(form, form.PositionOf(*form.Find(c.field)));
        EXPECT_EQ(form.controls[static_cast<std::size_t>(group.first)].id, c.first) << c.field;
        EXPECT_EQ(form.controls[static_cast<std::size_t>(group.last)].id, c.last) << c.field;
    }
}

TEST_F(FieldChoices, AnyButtonOfAGroupGivesThePositionOfTheCheckedOne) {
    EXPECT_EQ(Radio(210), 1);
    EXPECT_EQ(Radio(211), 1);
    EXPECT_EQ(Radio(222), 1);
    WDialogPutRadioButton(211);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(210).check, 0);
    EXPECT_EQ(Control(211).check, 1);
    EXPECT_EQ(Radio(210), 2);
    WDialogPutRadioButton(222);
    EXPECT_EQ(Radio(221), 3);
    EXPECT_EQ(Control(220).check, 0);
    // The plain radio button is taken as an automatic one.
    WDialogPutRadioButton(221);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Radio(220), 2);
}

TEST_F(FieldChoices, AGroupWithNoButtonCheckedGivesMinus999WithoutError) {
    WDialogPutCheckBox(210, 0);
    EXPECT_EQ(Radio(211), -999);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(FieldChoices, ARadioCallOnAnotherKindOfFieldRaises1006) {
    for (int id : {230, 201, 260, 999}) {
        EXPECT_EQ(Radio(id), 0) << id;
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
        WDialogPutRadioButton(id);
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
    }
}

TEST_F(FieldChoices, CheckBoxes) {
    int state = 12345;
    WDialogPutCheckBox(230, 1);
    WDialogGetCheckBox(230, state);
    EXPECT_EQ(state, 1);
    WDialogGetCheckBox(231, state);  // A three-state box set indeterminate by the companion text.
    EXPECT_EQ(state, 2);
    WDialogGetCheckBox(210, state);  // Radio buttons answer too.
    EXPECT_EQ(state, 1);
    EXPECT_EQ(InfoError(1), 0);
    state = 12345;
    for (int id : {201, 260, 999}) {
        WDialogGetCheckBox(id, state);
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
        EXPECT_EQ(state, 12345) << id;
    }
    WDialogPutCheckBox(205, 1);  // The platform refuses a check state for a label.
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

TEST_F(FieldChoices, AListGivesItsSelectedEntryAndItsText) {
    struct Case {
        int field;
        std::size_t length;
        int position;
        std::string text;
    };
    const Case cases[] = {
        {240, 12, 1, "austin, TX  "},  // The city list as loaded: the first entry.
        {240, 4, 1, "aust"},
        {242, 6, 2, "beta  "},
    };
    for (const Case& c : cases) {
        int position = 0;
        std::string text(c.length, '?');
        WDialogGetMenu1(c.field, position, text);
        EXPECT_EQ(InfoError(1), 0) << c.field;
        EXPECT_EQ(position, c.position) << c.field;
        EXPECT_EQ(text, c.text) << c.field;
    }
}

TEST_F(FieldChoices, AComboBoxWithTypedTextNamesTheEntryEqualToIt) {
    struct Case {
        const char* typed;
        int position;
        int error;
    };
    const Case cases[] = {{"", -999, ERR_FIELD_UNDEFINED}, {"TWO", 2, 0}, {"three", 0, 0}};
    for (const Case& c : cases) {
        backend::Paste(platform(), Field(241), c.typed);
        int position = 12345;
        std::string text(5, '?');
        WDialogGetMenu1(241, position, text);
        EXPECT_EQ(position, c.position) << c.typed;
        EXPECT_EQ(InfoError(1), c.error) << c.typed;
        EXPECT_EQ(text, c.error == 0 ? (std::string(c.typed) + "     ").substr(0, 5) : "?????")
            << c.typed;
    }
    backend::Choose(platform(), Field(241), 0);
    int position = 0;
    WDialogGetMenu1(241, position);
    EXPECT_EQ(position, 1);
}

TEST_F(FieldChoices, MenuCallsOnOtherFieldsRaise1006) {
    int position = 12345;
    const std::vector<std::string> options = {"a"};
    for (int id : {243, 201, 210, 999}) {  // 243 allows several selections.
        WDialogGetMenu1(id, position);
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
        WDialogPutMenu1(id, options, 1, 1);
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
    }
    EXPECT_EQ(position, 12345);
}

TEST_F(FieldChoices, AListWithNoSelectionGivesMinus999With1010) {
    int position = 0;
    WDialogPutMenu1(242, std::vector<std::string>{"x"}, 1, 1);
    platform().Controls().Select(Field(242), -1);
    WDialogGetMenu1(242, position);
    EXPECT_EQ(position, -999);
    EXPECT_EQ(InfoError(1), ERR_FIELD_UNDEFINED);
}

TEST_F(FieldChoices, PuttingAMenuFillsTheListAndSelectsAnEntry) {
    const std::vector<std::string> options = {"north  ", "south", "east", "west"};
    WDialogPutMenu1(240, options, 3, 2);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(240).entries, (std::vector<std::string>{"north", "south", "east"}));
    EXPECT_EQ(Control(240).selection, 1);
    // An entry that does not exist: the list is filled, nothing selected.
    for (int selection : {0, 4, -1}) {
        WDialogPutMenu1(242, options, 3, selection);
        EXPECT_EQ(InfoError(1), ERR_OPTION_RANGE) << selection;
        EXPECT_EQ(Control(242).entries.size(), 3u) << selection;
        EXPECT_EQ(Control(242).selection, -1) << selection;
    }
    // More entries asked for than given: those given.
    WDialogPutMenu1(242, options, 10, 4);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(242).entries.size(), 4u);
}

TEST_F(FieldChoices, AComboBoxWithAnEditPartTakesATextInPlaceOfAnEntryNumber) {
    const std::vector<std::string> options = {"north", "south"};
    WDialogPutMenu1(241, options, 2, 0, "SOUTH  ");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(241).selection, 1);
    WDialogPutMenu1(241, options, 2, 0, "west");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(241).selection, -1);
    EXPECT_EQ(Control(241).text, "west");
    // A drop-down list has no edit part.
    WDialogPutMenu1(240, options, 2, 0, "south");
    EXPECT_EQ(InfoError(1), ERR_OPTION_RANGE);
}

TEST_F(FieldChoices, Texts) {
    std::string text(6, '?');
    WDialogGetString(205, text);
    EXPECT_EQ(text, "12.5  ");
    text.assign(2, '?');
    WDialogGetString(205, text);
    EXPECT_EQ(text, "12");
    int length = 0;
    WDialogGetStringLength(202, length);
    EXPECT_EQ(length, 11);
    WDialogPutString(204, "plain  ");
    WDialogGetStringLength(204, length);
    EXPECT_EQ(length, 5);
    EXPECT_EQ(InfoError(1), 0);
    WDialogGetString(999, text);
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(text, "12");
}

}  // namespace
}  // namespace windlass::testing
