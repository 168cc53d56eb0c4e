// Field text to numbers, IStringToInteger, IStringToReal and IStringToDouble, one row per text;
// and a text placed within its length, IJustifyString and ILocateString.
#include <cfloat>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace {

enum class Reader { Integer, Real, Double };

struct Case {
    Reader reader;
    std::string text;
    double value;
    int error;
};

// The reader's value, or 99 when it failed to clear it, as a double.
double Read(Reader reader, const std::string& text) {
    switch (reader) {
        case Reader::Integer: {
            int value = 99;
            IStringToInteger(text, value);
            return value;
        }
        case Reader::Real: {
            float value = 99.0f;
            IStringToReal(text, value);
            return value;
        }
        default: {
            double value = 99.0;
            IStringToDouble(text, value);
            return value;
        }
    }
}

TEST(ConvertTextToNumber, ReadsTheNumberOrFailsWithZero) {
    constexpr Reader I = Reader::Integer;
    constexpr Reader R = Reader::Real;
    constexpr Reader D = Reader::Double;
    // Leading zeros count among an integer's digits, and invalid characters are found before
    // the digits are counted. A real may carry a three-digit exponent without its letter. The
    // mantissa is examined before the exponent, and both before any value is built; a zero
    // mantissa ends the reading, its exponent never weighed. The largest 32-bit real is the
    // limit: the shortest text that rounds to it lies above it.
    // clang-format off
    const std::vector<Case> cases = {
        {I, "  -42  ", -42, 0}, {I, "+7", 7, 0}, {I, "4 2", 0, ERR_INVALID_CHARACTER},
        {I, "2147483647", 2147483647, 0}, {I, "-2147483647", -2147483647, 0},
        {I, "2147483648", 0, ERR_NUMBER_TOO_LARGE}, {I, "-2147483648", 0, ERR_NUMBER_TOO_LARGE},
        {I, "3000000000", 0, ERR_NUMBER_TOO_LARGE}, {I, "99999999999", 0, ERR_NUMBER_TOO_LARGE},
        {I, "00000000001", 0, ERR_NUMBER_TOO_LARGE}, {I, "0000000001", 1, 0},
        {I, "", 0, ERR_NO_SUBSTRING}, {I, "     ", 0, ERR_NO_SUBSTRING},
        {I, "- 5", 0, ERR_INVALID_CHARACTER}, {I, "++5", 0, ERR_INVALID_CHARACTER},
        {I, "5-", 0, ERR_INVALID_CHARACTER}, {I, "12a", 0, ERR_INVALID_CHARACTER},
        {I, "1.5", 0, ERR_INVALID_CHARACTER}, {I, "\t5", 0, ERR_INVALID_CHARACTER},
        {I, "99999999999x", 0, ERR_INVALID_CHARACTER}, {I, "-", 0, 0}, {I, "-0", 0, 0},
        {D, "1.5E3", 1500, 0}, {D, "1.5e3", 1500, 0}, {D, "1.5D3", 1500, 0}, {D, "1.5d3", 1500, 0},
        {D, "  2.5  ", 2.5, 0}, {D, "+3", 3, 0}, {D, "-.5", -0.5, 0}, {D, "0.08", 0.08, 0},
        {D, "1e-3", 0.001, 0}, {D, "1E+2", 100, 0}, {D, "-1.25E-2", -0.0125, 0},
        {D, "0.12345-100", 0.12345e-100, 0}, {D, "0.12345+100", 0.12345e100, 0},
        {D, "1+100", 1e100, 0}, {D, "+100", 100, 0}, {D, "1-10", 0, ERR_INVALID_CHARACTER},
        {D, "1.2.3", 0, ERR_DECIMAL_POINTS}, {D, "1.5E3.0", 0, ERR_INVALID_CHARACTER},
        {D, "12a", 0, ERR_INVALID_CHARACTER}, {D, "1 5", 0, ERR_INVALID_CHARACTER},
        {D, "1E 5", 0, ERR_INVALID_CHARACTER}, {D, "1E5-", 0, ERR_INVALID_CHARACTER},
        {D, "--1", 0, ERR_INVALID_CHARACTER}, {D, "1.2.3E4.5", 0, ERR_DECIMAL_POINTS},
        {D, "0E1.5", 0, ERR_INVALID_CHARACTER}, {D, "0E999", 0, 0}, {D, "E5", 0, 0}, {D, ".", 0, 0},
        {D, "-", 0, 0}, {D, "1E", 1, 0}, {D, "", 0, ERR_NO_SUBSTRING},
        {D, "   ", 0, ERR_NO_SUBSTRING}, {D, "1E308", 1e308, 0},
        {D, "1.7976931348623157E308", DBL_MAX, 0}, {D, "1E309", 0, ERR_NUMBER_TOO_LARGE},
        {D, "2E308", 0, ERR_NUMBER_TOO_LARGE}, {D, "-1E400", 0, ERR_NUMBER_TOO_LARGE},
        {D, "1E-400", 0, 0}, {D, "1E-99999999999999999999", 0, 0},
        {D, "1E99999999999999999999", 0, ERR_NUMBER_TOO_LARGE},
        {D, "1" + std::string(308, '0'), 1e308, 0},
        {D, "1" + std::string(309, '0'), 0, ERR_NUMBER_TOO_LARGE},
        {D, "0." + std::string(400, '0') + "1E405", 1e4, 0},
        // Bringing a mantissa of ten to the -4933 next to 1 takes a power of ten beyond even the
        // extended range: it is scaled in two steps.
        {D, "0." + std::string(4932, '0') + "1E4935", 100, 0},
        {D, "1E" + std::string(6000, '0') + "1", 10, 0}, {R, "1.5E3", 1500, 0},
        {R, "1.5D3", 0, ERR_INVALID_CHARACTER}, {R, "0.1", 0.1f, 0}, {R, "-6.5", -6.5, 0},
        {R, "3E38", 3e38f, 0}, {R, "4E38", 0, ERR_NUMBER_TOO_LARGE},
        {R, "3.40282346E+38", FLT_MAX, 0}, {R, "3.4028235E+38", 0, ERR_NUMBER_TOO_LARGE},
        {R, "3.41E38", 0, ERR_NUMBER_TOO_LARGE}, {R, "1E39", 0, ERR_NUMBER_TOO_LARGE},
        {R, "1" + std::string(38, '0'), 1e38f, 0},
        {R, "1" + std::string(39, '0'), 0, ERR_NUMBER_TOO_LARGE},
        {R, "0.12345+010", 0.12345e10f, 0}, {R, "0.12345+10", 0, ERR_INVALID_CHARACTER},
        {R, "1E-60", 0, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        InfoError(1);
        double value = Read(c.reader, c.text);
        std::string label = "reader " + std::to_string(static_cast<int>(c.reader)) + " [" +
                            c.text.substr(0, 40) + "]";
        if (c.reader == Reader::Real) {
            EXPECT_FLOAT_EQ(static_cast<float>(value), static_cast<float>(c.value)) << label;
        } else {
            EXPECT_DOUBLE_EQ(value, c.value) << label;
        }
        EXPECT_EQ(InfoError(1), c.error) << label;
    }
}

TEST(ConvertTextLayout, JustifyMovesTheNonBlankPart) {
    struct Case {
        std::string text, option, expected;
    };
    const Case cases[] = {
        {"  ab  ", "L", "ab    "},
        {"  ab  ", "R", "    ab"},
        {"  ab  ", "C", "  ab  "},
        {"ab    ", "", "  ab  "},
        // Only the letters count, in either case: "left" holds an l, "centre" an r.
        {"    ab", "left", "ab    "},
        {"ab    ", "centre", "    ab"},
        // (7 - 3) / 2 blanks come first: integer division.
        {"abc    ", "C", "  abc  "},
        {"ab     ", "C", "  ab   "},
        // Moves longer than the gap overlap their own characters.
        {"   abcdefg", "L", "abcdefg   "},
        {"      ", "L", "      "},
        {"", "L", ""}};
    for (const Case& c : cases) {
        std::string text = c.text;
        IJustifyString(text, c.option);
        EXPECT_EQ(text, c.expected) << "[" << c.text << "] with option [" << c.option << "]";
    }
}

TEST(ConvertTextLayout, LocateFindsTheFirstAndLastNonBlank) {
    struct Case {
        std::string text;
        int first, last;
    };
    const Case cases[] = {{"", 0, 0},  {"   ", 0, 0},  {"  ab  ", 3, 4},
                          {"x", 1, 1}, {" a b", 2, 4}, {"\tq ", 1, 2}};
    for (const Case& c : cases) {
        int first = -1;
        int last = -1;
        ILocateString(c.text, first, last);
        EXPECT_EQ(first, c.first) << "[" << c.text << "]";
        EXPECT_EQ(last, c.last) << "[" << c.text << "]";
    }
}

}  // namespace
