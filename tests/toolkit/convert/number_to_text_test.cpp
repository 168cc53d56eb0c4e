// Numbers to field text: IntegerToString, IRealToString and IDoubleToString. The digits of
// every descriptor are checked against a Fortran formatted write in fortran_reference_test;
// this file holds the texts the program itself relies on and the rules around the field.
#include <cmath>
#include <limits>
#include <string>
#include <variant>

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace {

constexpr char kStars[] = "**********";

// Which writer a case goes through.
using Number = std::variant<int, float, double>;

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
    } else if (const float* real = std::get_if<float>(&value)) {
        IRealToString(*real, text, format);
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

INSTANTIATE_TEST_SUITE_P(
    FieldTexts, ConvertNumberToText,
    testing::Values(
        // The texts of the main form's fields.
        WriteCase{0.08f, "(G15.5E2)", 20, "    0.80000E-01", 0},
        WriteCase{4.0f, "(G15.5E2)", 20, "     4.0000    ", 0},
        WriteCase{6.5f, "(G15.5E2)", 20, "     6.5000    ", 0},
        WriteCase{123456.0f, "(G15.5E2)", 20, "    0.12346E+06", 0},
        WriteCase{0.08f, "(F4.2)", 20, "0.08", 0}, WriteCase{4.0f, "(F4.2)", 20, "4.00", 0},
        WriteCase{6.5f, "(F4.2)", 20, "6.50", 0}, WriteCase{1700, "(I11)", 20, "       1700", 0},
        WriteCase{0.08, "(G15.5E2)", 15, "    0.80000E-01", 0},
        // Too wide for its field: ten asterisks whatever the width.
        WriteCase{123456.0f, "(F4.2)", 20, kStars, ERR_NUMERIC_TO_STRING},
        WriteCase{123456, "(I3)", 20, kStars, ERR_NUMERIC_TO_STRING},
        WriteCase{1e300, "(G15.5E2)", 20, kStars, ERR_NUMERIC_TO_STRING},
        WriteCase{-0.5, "(G8.5E2)", 4, "****", ERR_NUMERIC_TO_STRING},
        // A text shorter than the field cannot take it.
        WriteCase{1.0, "(F4.2)", 3, "***", ERR_NUMERIC_TO_STRING},
        WriteCase{5, "(I11)", 10, kStars, ERR_NUMERIC_TO_STRING},
        WriteCase{5, "(I11)", 0, "", ERR_NUMERIC_TO_STRING}, WriteCase{1.0, "(F4.2)", 4, "1.00", 0},
        // Not-a-number and infinities are words, not failures.
        WriteCase{std::numeric_limits<double>::quiet_NaN(), "(G15.5E2)", 15, "            NaN", 0},
        WriteCase{-std::numeric_limits<float>::infinity(), "(F6.2)", 6, "  -Inf", 0},
        // Blanks and letter case within the format, a repeat count, blanks after it.
        WriteCase{1.0, "( f 4 . 2 )", 10, "1.00", 0}, WriteCase{1.0, "(1F4.2)", 10, "1.00", 0},
        WriteCase{1.0, "  (F4.2)  ", 10, "1.00", 0},
        WriteCase{1.0, "(g10.3e1)", 10, "   1.00   ", 0}));

// Formats that cannot be used for the item: the text becomes ten asterisks and error 18.
struct UnusableCase {
    Number value;
    std::string format;
};

class ConvertUnusableFormat : public testing::TestWithParam<UnusableCase> {};

TEST_P(ConvertUnusableFormat, GivesTenAsterisks) {
    const UnusableCase& c = GetParam();
    InfoError(1);
    std::string text(12, '#');
    Write(c.value, text, c.format);
    EXPECT_EQ(text, "**********  ") << "format [" << c.format << "]";
    EXPECT_EQ(InfoError(1), ERR_NUMERIC_TO_STRING) << "format [" << c.format << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertUnusableFormat,
    testing::Values(
        UnusableCase{1.0, "(X)"}, UnusableCase{1.0, "(F4.2"}, UnusableCase{1.0, "F4.2"},
        UnusableCase{1.0, ""}, UnusableCase{1.0, "()"}, UnusableCase{1.0, "(F4.2)x"},
        UnusableCase{1.0, "((F4.2))"}, UnusableCase{1.0, "(F4.2,X)"}, UnusableCase{1.0, "(0F4.2)"},
        UnusableCase{1.0, "(F4)"}, UnusableCase{1.0, "(F.2)"}, UnusableCase{1.0, "(F4.)"},
        UnusableCase{1.0, "(F4.-2)"}, UnusableCase{1.0, "(F999999999.2)"},
        UnusableCase{1.0, "(F256.2)"}, UnusableCase{1.0, "(F10.99999999999999999999)"},
        UnusableCase{1.0, "(E12.4E)"}, UnusableCase{1.0, "(E12.4E9999)"},
        UnusableCase{1.0, "(E10.0)"}, UnusableCase{1.0, "(G10.0)"}, UnusableCase{1.0, "(G12)"},
        UnusableCase{1.0, "(E0.3)"}, UnusableCase{1.0, "(D12.4E2)"}, UnusableCase{1.0, "(F4.2E2)"},
        UnusableCase{1.0f, "(I4)"}, UnusableCase{1.0, "(I4)"}, UnusableCase{3, "(F4.2)"},
        UnusableCase{3, "(E12.4)"}, UnusableCase{3, "(G11)"}, UnusableCase{3, "(I3.5)"}));

TEST(ConvertNumberToText, WidestFieldFillsALongText) {
    std::string text(300, '#');
    InfoError(1);
    IDoubleToString(1.0, text, "(F255.2)");
    EXPECT_EQ(text, std::string(251, ' ') + "1.00" + std::string(45, ' '));
    EXPECT_EQ(InfoError(1), 0);
}

TEST(ConvertNumberToText, NarrowestIntegerFieldTakesTheDigitsOnly) {
    std::string text(6, '#');
    InfoError(1);
    IntegerToString(-2147483647 - 1, text, "(I0)");
    EXPECT_EQ(text, "******");
    EXPECT_EQ(InfoError(1), ERR_NUMERIC_TO_STRING);
    text.assign(12, '#');
    IntegerToString(-2147483647 - 1, text, "(I0)");
    EXPECT_EQ(text, "-2147483648 ");
    EXPECT_EQ(InfoError(1), 0);
}

}  // namespace
