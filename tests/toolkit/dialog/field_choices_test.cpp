// Radio groups, check boxes, list and combo boxes and texts of the current dialog's fields.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test.h"

namespace windlass::testing {
namespace {

const std::vector<std::string> kCompass = {"north", "south"};

class FieldChoices : public DialogTest {
  protected:
    FieldChoices() { WDialogLoad(kForm); }

    // What a read gives, as "position" or "position text", with the error it raised.
    struct Read {
        std::function<std::string()> read;
        std::string result;
        int error;
    };
    void ExpectReads(const std::vector<Read>& rows) {
        for (std::size_t row = 0; row < rows.size(); ++row) {
            EXPECT_EQ(rows[row].read(), rows[row].result) << "row " << row;
            EXPECT_EQ(InfoError(1), rows[row].error) << "row " << row;
        }
    }
    static std::string Radio(int id) {
        int position = 12345;
        WDialogGetRadioButton(id, position);
        return std::to_string(position);
    }
    static std::string Check(int id) {
        int state = 12345;
        WDialogGetCheckBox(id, state);
        return std::to_string(state);
    }
    static std::string Menu(int id, std::size_t length = 0) {
        int position = 12345;
        std::string text(length, '?');
        length == 0 ? WDialogGetMenu1(id, position) : WDialogGetMenu1(id, position, text);
        return std::to_string(position) + (length == 0 ? "" : " " + text);
    }
};

TEST_F(FieldChoices, RadioButtonsAndCheckBoxes) {
    ExpectReads({{[] { return Radio(210); }, "1", 0},
                 {[] { return Radio(222); }, "1", 0},
                 {[] { return WDialogPutRadioButton(211), Radio(210); }, "2", 0},
                 {[] { return WDialogPutRadioButton(222), Radio(221); }, "3", 0},
                 // The plain radio button is taken as an automatic one.
                 {[] { return WDialogPutRadioButton(221), Radio(220); }, "2", 0},
                 // A group with no button checked gives -999 without error.
                 {[] { return WDialogPutCheckBox(221, 0), Radio(222); }, "-999", 0},
                 {[] { return WDialogPutCheckBox(230, 1), Check(230); }, "1", 0},
                 // A three-state box set indeterminate by the companion text; radio buttons too.
                 {[] { return Check(231); }, "2", 0},
                 {[] { return Check(201); }, "12345", ERR_FIELD_IDENTIFIER},
                 {[] { return Check(999); }, "12345", ERR_FIELD_IDENTIFIER}});
    EXPECT_EQ(Control(210).check, 0);
    EXPECT_EQ(Control(211).check, 1);
    EXPECT_EQ(Control(220).check, 0);
    for (int id : {230, 201, 260, 999}) {
        EXPECT_EQ(Radio(id), "0") << id;
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
        WDialogPutRadioButton(id);
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
    }
    WDialogPutCheckBox(205, 1);  // The platform refuses a check state for a label.
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

TEST_F(FieldChoices, AListGivesItsSelectedEntryAndItsText) {
    ExpectReads({
        // The city list as loaded: the first entry, cut or padded to the length asked for.
        {[] { return Menu(240, 12); }, "1 austin, TX  ", 0},
        {[] { return Menu(240, 4); }, "1 aust", 0},
        // A combo box with typed text names the entry equal to it, in any letter case.
        {[this] { return backend::Paste(platform(), Field(241), ""), Menu(241, 5); }, "-999 ?????",
         ERR_FIELD_UNDEFINED},
        {[this] { return backend::Paste(platform(), Field(241), "TWO"), Menu(241, 5); }, "2 TWO  ",
         0},
        {[this] { return backend::Paste(platform(), Field(241), "three"), Menu(241, 5); },
         "0 three", 0},
        // A list with no selection.
        {[this] { return platform().Controls().Select(Field(242), -1), Menu(242); }, "-999",
         ERR_FIELD_UNDEFINED},
    });
    // Menu calls on other fields; 243 allows several selections.
    for (int id : {243, 201, 210, 999}) {
        EXPECT_EQ(Menu(id), "12345") << id;
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
        WDialogPutMenu1(id, std::vector<std::string>{"a"}, 1, 1);
        EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER) << id;
    }
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
    // A combo box with an edit part takes a text in place of an entry number; a drop-down
    // list has no edit part.
    Expect({{[] { WDialogPutMenu1(241, kCompass, 2, 0, "SOUTH  "); }, 0, 241, "south"},
            {[] { WDialogPutMenu1(241, kCompass, 2, 0, "west"); }, 0, 241, "west"},
            {[] { WDialogPutMenu1(240, kCompass, 2, 0, "south"); }, ERR_OPTION_RANGE, 240, ""}});
    EXPECT_EQ(Control(241).selection, -1);
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
