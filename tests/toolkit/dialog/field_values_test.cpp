// Writing and reading the current dialog's fields: numbers under their formats and ranges,
// radio groups, check boxes, list and combo boxes, and texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog_test.h"

namespace windlass::testing {
namespace {

const std::vector<std::string> kCompass = {"north", "south"};

class FieldValues : public DialogTest {
  protected:
    FieldValues() { WDialogLoad(kForm); }

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

TEST_F(FieldValues, RadioButtonsAndCheckBoxes) {
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

TEST_F(FieldValues, AListGivesItsSelectedEntryAndItsText) {
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

TEST_F(FieldValues, PuttingAMenuFillsTheListAndSelectsAnEntry) {
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

TEST_F(FieldValues, Texts) {
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

TEST_F(FieldValues, NumbersAreWrittenUnderTheirFormats) {
    Expect({
        // Integers go under I11, left-justified.
        {[] { WDialogPutInteger(203, 2147483647); }, 0, 203, "2147483647"},
        {[] { WDialogPutInteger(203, -5); }, 0, 203, "-5"},
        // Reals go under the format given, which the field then keeps; a blank one is its own.
        {[] { WDialogPutReal(202, 0.08f, "(F4.2)"); }, 0, 202, "0.08"},
        {[] { WDialogPutReal(202, 6.5f, "  "); }, 0, 202, "6.50"},
        {[] { WDialogPutReal(202, 0.08f, "(G15.5E2)"); }, 0, 202, "0.80000E-01"},
        {[] { WDialogPutReal(202, 4.0f, ""); }, 0, 202, "4.0000"},
    });
    EXPECT_EQ(Record(203).value, -5.0);
    EXPECT_EQ(Record(203).has_value, 1);
    EXPECT_EQ(Record(202).value, 4.0);
    EXPECT_EQ(Record(202).format, "(G15.5E2)");
    // Writing an integer removes the field's format.
    Expect({{[] { WDialogPutInteger(202, 3); }, 0, 202, "3"}});
    EXPECT_FALSE(Record(202).format.has_value());
    // A label keeps the format written with, but writes under the default without one.
    Expect({{[] { WDialogPutReal(205, 6.5f, "(F4.2)"); }, 0, 205, "6.50"}});
    EXPECT_EQ(Record(205).format, "(F4.2)");
    Expect({
        {[] { WDialogPutReal(202, 4.0f); }, 0, 202, "4.0000"},
        {[] { WDialogPutReal(205, 6.5f); }, 0, 205, "6.5000"},
        // The companion text gave the double field its format; a real field has none.
        {[] { WDialogPutDouble(250, 3.14159); }, 0, 250, "3.142"},
        {[] { WDialogPutDouble(202, 0.5); }, 0, 202, "0.50000"},
    });
}

// A format is cut to 50 characters: with the closing parenthesis at character 51 the format used
// has none, while blanks up to character 50 do no harm.
TEST_F(FieldValues, AFormatIsCutTo50Characters) {
    Expect({{[] { WDialogPutReal(202, 0.08f, "(F4.2" + std::string(45, ' ') + ")"); },
             ERR_NUMERIC_TO_STRING, 202, "**********"}});
    EXPECT_EQ(Record(202).format, "(F4.2");
    Expect({{[] { WDialogPutReal(202, 0.08f, "(F4.2)" + std::string(44, ' ') + "junk"); }, 0, 202,
             "0.08"}});
    EXPECT_EQ(Record(202).format, "(F4.2)");
}

TEST_F(FieldValues, AValueOutsideTheRangeIsNotWritten) {
    Expect({
        {[] { WDialogRangeInteger(203, 0, 8); }, 0, 203, ""},
        {[] { WDialogPutInteger(203, 5); }, 0, 203, "5"},
        {[] { WDialogPutInteger(203, 9); }, ERR_FIELD_RANGE, 203, "5"},
        {[] { WDialogPutInteger(203, -1); }, ERR_FIELD_RANGE, 203, "5"},
        {[] { WDialogPutInteger(203, 8); }, 0, 203, "8"},
        {[] { WDialogPutInteger(203, 0); }, 0, 203, "0"},
        // A minimum above the maximum switches the range off.
        {[] { WDialogRangeInteger(201, 5, 1); }, 0, 201, "0"},
        {[] { WDialogPutInteger(201, 100000); }, 0, 201, "100000"},
        // Fields the dialog has not got; any control takes a range, even a label.
        {[] { WDialogRangeInteger(999, 0, 1); }, ERR_FIELD_IDENTIFIER, 201, "100000"},
        {[] { WDialogRangeInteger(205, 0, 1); }, 0, 205, "12.5"},
        // The field keeps its value and format too.
        {[] { WDialogPutReal(202, 4.0f, "(F4.2)"); }, 0, 202, "4.00"},
        {[] { WDialogRangeReal(202, 0.0f, 5.0f); }, 0, 202, "4.00"},
        {[] { WDialogPutReal(202, 6.0f, "(G15.5E2)"); }, ERR_FIELD_RANGE, 202, "4.00"},
    });
    EXPECT_FALSE(Record(201).RangeInForce());
    EXPECT_TRUE(Record(205).RangeInForce());
    EXPECT_EQ(Record(202).value, 4.0);
    EXPECT_EQ(Record(202).format, "(F4.2)");
}

TEST_F(FieldValues, AModifiedFieldIsReadFromItsText) {
    struct Case {
        int field;
        const char* text;
        int value;
        int error;
    };
    const Case cases[] = {
        {201, "7.9", 7, 0},
        {201, "12a", 0, ERR_INVALID_CHARACTER},
        {201, " 42 ", 42, 0},
        {201, "1.5E3", 1500, 0},
        {201, "", -999, ERR_FIELD_UNDEFINED},
        {202, "", -999, ERR_FIELD_UNDEFINED},
    };
    for (const Case& c : cases) {
        backend::Paste(platform(), Field(c.field), c.text);
        int value = 12345;
        float real = 12345.0f;
        (c.field == 201 ? WDialogGetInteger(201, value) : WDialogGetReal(202, real));
        EXPECT_EQ(c.field == 201 ? value : static_cast<int>(real), c.value) << c.text;
        EXPECT_EQ(InfoError(1), c.error) << c.text;
    }
}

TEST_F(FieldValues, AnUnmodifiedNumericFieldGivesItsValueOtherControlsTheirText) {
    float real = 0.0f;
    WDialogGetReal(202, real);  // Template text "0.80000E-01".
    EXPECT_EQ(real, 0.08f);
    WDialogGetReal(205, real);  // A label's caption.
    EXPECT_EQ(real, 12.5f);
    int value = 0;
    WDialogPutString(201, "4x");
    WDialogGetInteger(201, value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(InfoError(1), 0);
    // A plain edit field is read from its text, modified or not.
    WDialogPutString(204, "4x");
    WDialogGetInteger(204, value);
    EXPECT_EQ(InfoError(1), ERR_INVALID_CHARACTER);
    EXPECT_FALSE(Control(204).modified);
}

}  // namespace
}  // namespace windlass::testing
