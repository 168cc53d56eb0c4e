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

TEST_F(FieldNumbers, IntegersAreWrittenUnderI11LeftJustified) {
    const std::pair<int, const char*> cases[] = {{2147483647, "2147483647"},
                                                 {-5, "-5"},
                                                 {1700, "1700"},
                                                 {0, "0"},
                                                 {-2147483647, "-2147483647"}};
    for (const auto& [value, text] : cases) {
        WDialogPutInteger(203, value);
        EXPECT_EQ(InfoError(1), 0) << value;
        EXPECT_EQ(Control(203).text, text) << value;
        EXPECT_EQ(Record(203).value, value) << value;
        EXPECT_EQ(Record(203).has_value, 1) << value;
    }
}

TEST_F(FieldNumbers, RealsAreWrittenUnderTheFormatGivenWhichTheFieldThenKeeps) {
    struct Case {
        float value;
        const char* format;
        const char* text;
    };
    const Case cases[] = {
        {0.08f, "(F4.2)", "0.08"}, {4.0f, "(F4.2)", "4.00"},
        {6.5f, "(F4.2)", "6.50"},  {6.5f, "  ", "6.50"},  // A blank format is the field's own.
        {0.08f, "", "0.08"},       {0.08f, "(G15.5E2)", "0.80000E-01"},
        {4.0f, "", "4.0000"},  // The field now keeps "(G15.5E2)".
    };
    for (const Case& c : cases) {
        WDialogPutReal(202, c.value, c.format);
        EXPECT_EQ(InfoError(1), 0) << c.format;
        EXPECT_EQ(Control(202).text, c.text) << c.format;
        EXPECT_EQ(Record(202).value, static_cast<double>(c.value)) << c.format;
    }
    EXPECT_EQ(Record(202).format, "(G15.5E2)");
}

TEST_F(FieldNumbers, WithoutAFormatOnlyRealAndDoubleFieldsUseTheirOwn) {
    // A label keeps the format written with, but writes under the default without one.
    WDialogPutReal(205, 6.5f, "(F4.2)");
    EXPECT_EQ(Record(205).format, "(F4.2)");
    WDialogPutReal(205, 6.5f);
    EXPECT_EQ(Control(205).text, "6.5000");
    // The companion text gave the double field its format.
    WDialogPutDouble(250, 3.14159);
    EXPECT_EQ(Control(250).text, "3.142");
    // A real field without one writes under the default.
    WDialogPutDouble(202, 0.5);
    EXPECT_EQ(Control(202).text, "0.50000");
}

TEST_F(FieldNumbers, WritingAnIntegerRemovesTheFieldsFormat) {
    WDialogPutReal(202, 4.0f, "(F4.2)");
    WDialogPutInteger(202, 3);
    EXPECT_FALSE(Record(202).format.has_value());
    WDialogPutReal(202, 4.0f);
    EXPECT_EQ(Control(202).text, "4.0000");
}

TEST_F(FieldNumbers, AFormatIsCutTo50Characters) {
    // The closing parenthesis stands at character 51: the format that is used has none.
    std::string format = "(F4.2" + std::string(45, ' ') + ")";
    WDialogPutReal(202, 0.08f, format);
    EXPECT_EQ(InfoError(1), ERR_NUMERIC_TO_STRING);
    EXPECT_EQ(Control(202).text, "**********");
    EXPECT_EQ(Record(202).format, "(F4.2");
    // Blanks up to character 50 do no harm.
    WDialogPutReal(202, 0.08f, "(F4.2)" + std::string(44, ' ') + "junk");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(202).text, "0.08");
    EXPECT_EQ(Record(202).format, "(F4.2)");
}

TEST_F(FieldNumbers, AValueOutsideTheRangeIsNotWritten) {
    WDialogRangeInteger(203, 0, 8);
    WDialogPutInteger(203, 5);
    struct Case {
        int value;
        int error;
        const char* text;
    };
    const Case cases[] = {
        {9, ERR_FIELD_RANGE, "5"}, {-1, ERR_FIELD_RANGE, "5"}, {8, 0, "8"}, {0, 0, "0"}};
    for (const Case& c : cases) {
        WDialogPutInteger(203, c.value);
        EXPECT_EQ(InfoError(1), c.error) << c.value;
        EXPECT_EQ(Control(203).text, c.text) << c.value;
    }
    // The field keeps its value and format too.
    WDialogPutReal(202, 4.0f, "(F4.2)");
    WDialogRangeReal(202, 0.0f, 5.0f);
    WDialogPutReal(202, 6.0f, "(G15.5E2)");
    EXPECT_EQ(InfoError(1), ERR_FIELD_RANGE);
    EXPECT_EQ(Control(202).text, "4.00");
    EXPECT_EQ(Record(202).value, 4.0);
    EXPECT_EQ(Record(202).format, "(F4.2)");
}

TEST_F(FieldNumbers, AMinimumAboveTheMaximumSwitchesTheRangeOff) {
    WDialogRangeInteger(201, 5, 1);
    for (int value : {-100000, 3, 100000}) {
        WDialogPutInteger(201, value);
        EXPECT_EQ(InfoError(1), 0) << value;
    }
    EXPECT_FALSE(Record(201).RangeInForce());
}

TEST_F(FieldNumbers, RealBoundsAreWidenedExactly) {
    WDialogRangeReal(202, 0.05f, 0.35f);
    EXPECT_EQ(Record(202).minimum, 0.0500000007450580596923828125);
    EXPECT_EQ(Record(202).maximum, 0.3499999940395355224609375);
    WDialogRangeReal(202, 4.0f, 15.0f);
    EXPECT_EQ(Record(202).minimum, 4.0);
    EXPECT_EQ(Record(202).maximum, 15.0);
    // The real 0.05 lies on the bound; the double 0.05 below it.
    WDialogRangeReal(202, 0.05f, 0.35f);
    WDialogPutReal(202, 0.05f, "(F4.2)");
    EXPECT_EQ(InfoError(1), 0);
    WDialogPutDouble(202, 0.05, "(F4.2)");
    EXPECT_EQ(InfoError(1), ERR_FIELD_RANGE);
}

TEST_F(FieldNumbers, ASpinFieldsArrowsTakeTheRangeWithinTheirReach) {
    WDialogRangeInteger(252, -50000, 50000);
    EXPECT_EQ(Control(252).spin_range, std::make_pair(-31073, 31073));
    WDialogRangeReal(251, -2.7f, 3.9f);
    EXPECT_EQ(Control(251).spin_range, std::make_pair(-2, 3));
}

TEST_F(FieldNumbers, RangesOfFieldsTheDialogHasNotGotRaise1006) {
    WDialogRangeInteger(999, 0, 1);
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
    WDialogPutInteger(999, 1);
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
    // Any control takes a range, even a label.
    WDialogRangeInteger(205, 0, 1);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_TRUE(Record(205).RangeInForce());
}

TEST_F(FieldNumbers, ReadingAModifiedFieldReadsItsText) {
    struct Case {
        const char* text;
        int value;
        int error;
    };
    const Case cases[] = {{"7.9", 7, 0},   {"-7.9", -7, 0},    {"12a", 0, ERR_INVALID_CHARACTER},
                          {" 42 ", 42, 0}, {"1.5E3", 1500, 0}, {"", -999, ERR_FIELD_UNDEFINED}};
    for (const Case& c : cases) {
        backend::Paste(platform(), Field(201), c.text);
        int value = 12345;
        WDialogGetInteger(201, value);
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(InfoError(1), c.error) << c.text;
    }
    float real = 0.0f;
    backend::Paste(platform(), Field(202), "");
    WDialogGetReal(202, real);
    EXPECT_EQ(real, -999.0f);
    EXPECT_EQ(InfoError(1), ERR_FIELD_UNDEFINED);
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

TEST_F(FieldNumbers, ATextWrittenTakesTheValueItHoldsWhenTheValueIsZero) {
    int value = 0;
    // The program's text is not cut to what the keyboard may type.
    WDialogPutString(201, "1234567890123");
    EXPECT_EQ(Control(201).text, "1234567890123");
    WDialogPutString(201, "42   ");
    EXPECT_EQ(Control(201).text, "42");
    EXPECT_EQ(Record(201).value, 42.0);
    WDialogGetInteger(201, value);
    EXPECT_EQ(value, 42);
    WDialogPutString(201, "");
    EXPECT_EQ(Record(201).has_value, 0);
    EXPECT_EQ(Record(201).value, 0.0);
    // Writing clears the modified flag and the format.
    WDialogPutReal(201, 1.0f, "(F4.2)");
    backend::Paste(platform(), Field(201), "3");
    WDialogPutString(201, "5");
    EXPECT_FALSE(Control(201).modified);
    EXPECT_FALSE(Record(201).format.has_value());
}

TEST_F(FieldNumbers, AControlThatRefusesItsTextKeepsItsRecord) {
    WDialogPutReal(202, 4.0f, "(F4.2)");
    platform().refuse_text = true;
    WDialogPutReal(202, 6.5f, "(F5.1)");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(202).text, "4.00");
    EXPECT_EQ(Record(202).value, 4.0);
    EXPECT_EQ(Record(202).format, "(F4.2)");
}

TEST_F(FieldNumbers, ReadingAFieldTheDialogHasNotGotLeavesTheResult) {
    int value = 5;
    float real = 5.0f;
    WDialogGetInteger(999, value);
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
    WDialogGetReal(999, real);
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(value, 5);
    EXPECT_EQ(real, 5.0f);
}

TEST_F(FieldNumbers, ValuesBeyondAnIntegerAreHeldToIt) {
    int value = 0;
    WDialogPutDouble(250, 1e12, "(E12.4)");
    WDialogGetInteger(250, value);
    EXPECT_EQ(value, 2147483647);
    WDialogPutDouble(250, -1e12, "(E12.4)");
    WDialogGetInteger(250, value);
    EXPECT_EQ(value, -2147483647 - 1);
}

}  // namespace
}  // namespace windlass::testing
