// Numbers to field text: IntegerToString, IRealToString and IDoubleToString. What a Fortran
// formatted write gives, the texts of the main form's fields and the overflows among them, is
// checked line by line in fortran_reference_test; this file holds what its table cannot show:
// blanks around the format, an empty text, the widest field and the formats that are refused.
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace {

// Which writer a case goes through.
using Number = std::variant<int, double>;

struct WriteCase {
    Number value;
    std::string format;
    int length;
    std::string expected;  // Before any justification; blank-padded to `length` by the test.
    int error;
};

std::string Padded(std::string text, int length) {
    text.resize(static_cast<std::size_t>(length), ' ');
    return text;
}

std::string Write(const Number& value, std::string& text, const std::string& format) {
    if (const int* whole = std::get_if<int>(&value)) {
        IntegerToString(*whole, text, format);
    } else {
        IDoubleToString(std::get<double>(value), text, format);
    }
    return text;
}

class ConvertNumberToText : public testing::TestWithParam<WriteCase> {};

TEST_P(ConvertNumberToText, WritesTheFieldAtTheStartOfTheText) {
    const WriteCase& c = GetParam();
    InfoError(1);
    // Any earlier content must give way to blanks.
    std::string text(static_cast<std::size_t>(c.length), '#');
    Write(c.value, text, c.format);
    EXPECT_EQ(text, Padded(c.expected, c.length)) << "format " << c.format;
    EXPECT_EQ(text.size(), static_cast<std::size_t>(c.length));
    EXPECT_EQ(InfoError(1), c.error) << "format " << c.format;
}

INSTANTIATE_TEST_SUITE_P(FieldRules, ConvertNumberToText,
                         testing::Values(WriteCase{1.0, "  (F4.2)  ", 10, "1.00", 0},
                                         WriteCase{5, "(I11)", 0, "", ERR_NUMERIC_TO_STRING},
                                         WriteCase{1.0, "(F255.2)", 300,
                                                   std::string(251, ' ') + "1.00", 0}));

// Formats that cannot be used for the item: the text becomes ten asterisks and error 18.
class ConvertUnusableFormat : public testing::TestWithParam<std::string> {};

TEST_P(ConvertUnusableFormat, GivesTenAsterisks) {
    const std::string& format = GetParam();
    InfoError(1);
    std::string text(12, '#');
    IDoubleToString(1.0, text, format);
    EXPECT_EQ(text, "**********  ") << "format [" << format << "]";
    EXPECT_EQ(InfoError(1), ERR_NUMERIC_TO_STRING) << "format [" << format << "]";
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertUnusableFormat,
                         testing::Values("(X)", "(F4.2", "F4.2", "", "()", "(F4.2)x", "((F4.2))",
                                         "(F4.2,X)", "(0F4.2)", "(F4)", "(F.2)", "(F4.)", "(F4.-2)",
                                         "(F999999999.2)", "(F256.2)", "(F10.99999999999999999999)",
                                         "(E12.4E)", "(E12.4E9999)", "(G12)", "(E0.3)",
                                         "(F4.2E2)"));

}  // namespace
