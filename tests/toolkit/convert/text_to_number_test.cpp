// Field text to numbers: IStringToInteger, IStringToReal and IStringToDouble.
#include <cfloat>
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace {

struct IntegerCase {
    std::string text;
    int value;
    int error;
};

class ConvertStringToInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(ConvertStringToInteger, ReadsTheNumberOrFailsWithZero) {
    const IntegerCase& c = GetParam();
    InfoError(1);
    int value = 99;
    IStringToInteger(c.text, value);
    EXPECT_EQ(value, c.value) << "text [" << c.text << "]";
    EXPECT_EQ(InfoError(1), c.error) << "text [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertStringToInteger,
    testing::Values(
        IntegerCase{"  -42  ", -42, 0}, IntegerCase{"+7", 7, 0},
        IntegerCase{"4 2", 0, ERR_INVALID_CHARACTER}, IntegerCase{"2147483647", 2147483647, 0},
        IntegerCase{"-2147483647", -2147483647, 0},
        IntegerCase{"2147483648", 0, ERR_NUMBER_TOO_LARGE},
        IntegerCase{"-2147483648", 0, ERR_NUMBER_TOO_LARGE},
        IntegerCase{"3000000000", 0, ERR_NUMBER_TOO_LARGE},
        IntegerCase{"99999999999", 0, ERR_NUMBER_TOO_LARGE},
        // Leading zeros count among the digits.
        IntegerCase{"00000000001", 0, ERR_NUMBER_TOO_LARGE}, IntegerCase{"0000000001", 1, 0},
        IntegerCase{"", 0, ERR_NO_SUBSTRING}, IntegerCase{"     ", 0, ERR_NO_SUBSTRING},
        IntegerCase{"- 5", 0, ERR_INVALID_CHARACTER}, IntegerCase{"++5", 0, ERR_INVALID_CHARACTER},
        IntegerCase{"5-", 0, ERR_INVALID_CHARACTER}, IntegerCase{"12a", 0, ERR_INVALID_CHARACTER},
        IntegerCase{"1.5", 0, ERR_INVALID_CHARACTER}, IntegerCase{"\t5", 0, ERR_INVALID_CHARACTER},
        // Invalid characters are found before the digits are counted.
        IntegerCase{"99999999999x", 0, ERR_INVALID_CHARACTER}, IntegerCase{"-", 0, 0},
        IntegerCase{"0", 0, 0}, IntegerCase{"-0", 0, 0}));

struct RealCase {
    std::string text;
    double value;
    int error;
};

class ConvertStringToDouble : public testing::TestWithParam<RealCase> {};

TEST_P(ConvertStringToDouble, ReadsTheNumberOrFailsWithZero) {
    const RealCase& c = GetParam();
    InfoError(1);
    double value = 99.0;
    IStringToDouble(c.text, value);
    if (c.value == 0.0) {
        EXPECT_EQ(value, 0.0) << "text [" << c.text << "]";
    } else {
        EXPECT_DOUBLE_EQ(value, c.value) << "text [" << c.text << "]";
    }
    EXPECT_EQ(InfoError(1), c.error) << "text [" << c.text << "]";
}

const std::string kDigits309 = "1" + std::string(308, '0');
const std::string kDigits310 = "1" + std::string(309, '0');

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertStringToDouble,
    testing::Values(
        RealCase{"1.5E3", 1500, 0}, RealCase{"1.5e3", 1500, 0}, RealCase{"1.5D3", 1500, 0},
        RealCase{"1.5d3", 1500, 0}, RealCase{"  2.5  ", 2.5, 0}, RealCase{"+3", 3, 0},
        RealCase{"-.5", -0.5, 0}, RealCase{"0.08", 0.08, 0}, RealCase{"1e-3", 0.001, 0},
        RealCase{"1E+2", 100, 0}, RealCase{"-1.25E-2", -0.0125, 0},
        // The three-digit exponent written without its letter.
        RealCase{"0.12345-100", 0.12345e-100, 0}, RealCase{"0.12345+100", 0.12345e100, 0},
        RealCase{"1+100", 1e100, 0}, RealCase{"+100", 100, 0},
        RealCase{"1-10", 0, ERR_INVALID_CHARACTER}, RealCase{"1.2.3", 0, ERR_DECIMAL_POINTS},
        RealCase{"1.5E3.0", 0, ERR_INVALID_CHARACTER}, RealCase{"12a", 0, ERR_INVALID_CHARACTER},
        RealCase{"1 5", 0, ERR_INVALID_CHARACTER}, RealCase{"1E 5", 0, ERR_INVALID_CHARACTER},
        RealCase{"1E5-", 0, ERR_INVALID_CHARACTER}, RealCase{"--1", 0, ERR_INVALID_CHARACTER},
        // The mantissa is examined before the exponent, and both before any value is built.
        RealCase{"1.2.3E4.5", 0, ERR_DECIMAL_POINTS}, RealCase{"0E1.5", 0, ERR_INVALID_CHARACTER},
        // A zero mantissa ends the reading: its exponent is never weighed.
        RealCase{"0E999", 0, 0}, RealCase{"E5", 0, 0}, RealCase{".", 0, 0}, RealCase{"-", 0, 0},
        RealCase{"1E", 1, 0}, RealCase{"", 0, ERR_NO_SUBSTRING},
        RealCase{"   ", 0, ERR_NO_SUBSTRING}, RealCase{"1E308", 1e308, 0},
        RealCase{"1.7976931348623157E308", DBL_MAX, 0}, RealCase{"1E309", 0, ERR_NUMBER_TOO_LARGE},
        RealCase{"2E308", 0, ERR_NUMBER_TOO_LARGE}, RealCase{"-1E400", 0, ERR_NUMBER_TOO_LARGE},
        RealCase{"1E-400", 0, 0}, RealCase{"1E-99999999999999999999", 0, 0},
        RealCase{"1E99999999999999999999", 0, ERR_NUMBER_TOO_LARGE}, RealCase{kDigits309, 1e308, 0},
        RealCase{kDigits310, 0, ERR_NUMBER_TOO_LARGE},
        RealCase{"0." + std::string(400, '0') + "1E405", 1e4, 0},
        RealCase{"1E" + std::string(6000, '0') + "1", 10, 0}));

class ConvertStringToReal : public testing::TestWithParam<RealCase> {};

TEST_P(ConvertStringToReal, ReadsTheNumberOrFailsWithZero) {
    const RealCase& c = GetParam();
    InfoError(1);
    float value = 99.0f;
    IStringToReal(c.text, value);
    EXPECT_FLOAT_EQ(value, static_cast<float>(c.value)) << "text [" << c.text << "]";
    EXPECT_EQ(InfoError(1), c.error) << "text [" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertStringToReal,
    testing::Values(RealCase{"1.5E3", 1500, 0}, RealCase{"1.5e3", 1500, 0},
                    RealCase{"1.5D3", 0, ERR_INVALID_CHARACTER}, RealCase{"0.1", 0.1, 0},
                    RealCase{"-6.5", -6.5, 0}, RealCase{"3E38", 3e38, 0},
                    RealCase{"4E38", 0, ERR_NUMBER_TOO_LARGE},
                    // The largest 32-bit real is the limit: the shortest text that rounds to it
                    // lies above it.
                    RealCase{"3.40282346E+38", FLT_MAX, 0},
                    RealCase{"3.4028235E+38", 0, ERR_NUMBER_TOO_LARGE},
                    RealCase{"3.41E38", 0, ERR_NUMBER_TOO_LARGE},
                    RealCase{"1E39", 0, ERR_NUMBER_TOO_LARGE},
                    RealCase{"1" + std::string(38, '0'), 1e38, 0},
                    RealCase{"1" + std::string(39, '0'), 0, ERR_NUMBER_TOO_LARGE},
                    RealCase{"0.12345+010", 0.12345e10, 0},
                    RealCase{"0.12345+10", 0, ERR_INVALID_CHARACTER}, RealCase{"1E-60", 0, 0}));

}  // namespace
