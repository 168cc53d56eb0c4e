// The scanners that read a number from the start of a text.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "convert/zstring_convert.h"

namespace {

struct IntScanCase {
    std::string text;
    int expected;
};

class ConvertAsciiToInt : public testing::TestWithParam<IntScanCase> {};

TEST_P(ConvertAsciiToInt, ReadsLeadingDigitsOnly) {
    const IntScanCase& c = GetParam();
    EXPECT_EQ(yyAsciiToInt(c.text), c.expected) << "[" << c.text << "]";
    EXPECT_EQ(yyAsciiToInt(c.text.c_str()), c.expected) << "[" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertAsciiToInt,
                         testing::Values(IntScanCase{"123abc", 123}, IntScanCase{"-5", 0},
                                         IntScanCase{" 5", 0}, IntScanCase{"", 0},
                                         IntScanCase{"007", 7},
                                         IntScanCase{"2147483647", 2147483647},
                                         IntScanCase{"99999999999999999999", 2147483647}));

struct DoubleScanCase {
    std::string text;
    double expected;
    int at_end;
};

class ConvertAsciiToDouble : public testing::TestWithParam<DoubleScanCase> {};

TEST_P(ConvertAsciiToDouble, ScansAndTellsWhetherTheTextWasUsedUp) {
    const DoubleScanCase& c = GetParam();
    int at_end = -1;
    double value = yyAsciiToDouble(c.text.c_str(), at_end);
    if (std::isinf(c.expected) || c.expected == 0.0) {
        EXPECT_EQ(value, c.expected) << "[" << c.text << "]";
        EXPECT_EQ(std::signbit(value), std::signbit(c.expected)) << "[" << c.text << "]";
    } else {
        EXPECT_DOUBLE_EQ(value, c.expected) << "[" << c.text << "]";
    }
    EXPECT_EQ(at_end, c.at_end) << "[" << c.text << "]";
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertAsciiToDouble,
    testing::Values(DoubleScanCase{"  1.5", 1.5, 1}, DoubleScanCase{"\t 3", 3, 1},
                    DoubleScanCase{"1.5 ", 1.5, 0}, DoubleScanCase{"-2.5e2", -250, 1},
                    DoubleScanCase{"1.5D3", 1500, 1}, DoubleScanCase{"1.5d-1", 0.15, 1},
                    DoubleScanCase{"+.5", 0.5, 1}, DoubleScanCase{"1e", 1, 1},
                    DoubleScanCase{"1e+", 1, 1}, DoubleScanCase{"1ex", 1, 0},
                    DoubleScanCase{"1.2.3", 1.2, 0}, DoubleScanCase{"-", -0.0, 1},
                    DoubleScanCase{"", 0, 1}, DoubleScanCase{"abc", 0, 0},
                    DoubleScanCase{"+ 1", 0, 0}, DoubleScanCase{"1e400", kInfinity, 1},
                    DoubleScanCase{"1e-99999999999999999999", 0, 1},
                    DoubleScanCase{"0." + std::string(100000, '0') + "1", 0, 1},
                    DoubleScanCase{std::string(400, '9') + "e-999999999", kInfinity, 1}));

TEST(ConvertAsciiToDouble, NullTextReadsAsEmpty) {
    int at_end = -1;
    EXPECT_EQ(yyAsciiToDouble(static_cast<const char*>(nullptr), at_end), 0.0);
    EXPECT_EQ(at_end, 1);
    EXPECT_EQ(yyAsciiToInt(static_cast<const char*>(nullptr)), 0);
}

}  // namespace
