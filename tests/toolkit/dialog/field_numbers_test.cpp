// Writing and reading numbers in the current dialog's fields, with formats and ranges.
#include <gtest/gtest.h>

#include <string>

#include "dialog_test.h"

namespace windlass::testing {
namespace {

class FieldNumbers : public DialogTest {
  protected:
    FieldNumbers() { WDialogLoad(kForm); }
};

TEST_F(FieldNumbers, NumbersAreWrittenUnderTheirFormats) {
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
TEST_F(FieldNumbers, AFormatIsCutTo50Characters) {
    Expect({{[] { WDialogPutReal(202, 0.08f, "(F4.2" + std::string(45, ' ') + ")"); },
             ERR_NUMERIC_TO_STRING, 202, "**********"}});
    EXPECT_EQ(Record(202).format, "(F4.2");
    Expect({{[] { WDialogPutReal(202, 0.08f, "(F4.2)" + std::string(44, ' ') + "junk"); }, 0, 202,
             "0.08"}});
    EXPECT_EQ(Record(202).format, "(F4.2)");
}

TEST_F(FieldNumbers, AValueOutsideTheRangeIsNotWritten) {
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

TEST_F(FieldNumbers, AModifiedFieldIsReadFromItsText) {
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

TEST_F(FieldNumbers, AnUnmodifiedNumericFieldGivesItsValueOtherControlsTheirText) {
    float real = 0.0f;
    WDialogGetReal(202, real);  // Template text "0.80000E-01".
    EXPECT_EQ(real, 0.08f);
    WDialogGetReal(205, real);  // A label's caption.
    EXPECT_EQ(real, 12.5f);
    // Written text with a value of its own: the value, whatever the text shows.
    WDialogPutReal(202, 0.0349f, "(F4.2)");
    EXPECT_EQ(Control(202).text, "0.03");
    WDialogGetReal(202, real);
    EXPECT_EQ(real, 0.0349f);
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
