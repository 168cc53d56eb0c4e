// Placing a text within its length: IJustifyString and ILocateString.
#include <string>

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace {

struct JustifyCase {
    std::string text;
    std::string option;
    std::string expected;
};

class ConvertJustifyString : public testing::TestWithParam<JustifyCase> {};

TEST_P(ConvertJustifyString, MovesTheNonBlankPart) {
    const JustifyCase& c = GetParam();
    std::string text = c.text;
    IJustifyString(text, c.option);
    EXPECT_EQ(text, c.expected) << "[" << c.text << "] with option [" << c.option << "]";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ConvertJustifyString,
    testing::Values(JustifyCase{"  ab  ", "L", "ab    "}, JustifyCase{"  ab  ", "R", "    ab"},
                    JustifyCase{"  ab  ", "C", "  ab  "}, JustifyCase{"ab    ", "", "  ab  "},
                    JustifyCase{"    ab", "C", "  ab  "},
                    // Only the letters count, in either case: "left" holds an l, "centre" an r.
                    JustifyCase{"    ab", "left", "ab    "},
                    JustifyCase{"ab    ", "centre", "    ab"},
                    JustifyCase{"ab    ", "Right", "    ab"},
                    // (7 - 3) / 2 blanks come first: integer division.
                    JustifyCase{"abc    ", "C", "  abc  "}, JustifyCase{"ab     ", "C", "  ab   "},
                    // Moves longer than the gap overlap their own characters.
                    JustifyCase{"   abcdefg", "L", "abcdefg   "},
                    JustifyCase{"abcdefg   ", "R", "   abcdefg"},
                    JustifyCase{" a b  ", "L", "a b   "}, JustifyCase{"      ", "L", "      "},
                    JustifyCase{"abcdef", "R", "abcdef"}, JustifyCase{"", "L", ""},
                    JustifyCase{"x", "R", "x"}));

struct LocateCase {
    std::string text;
    int first;
    int last;
};

class ConvertLocateString : public testing::TestWithParam<LocateCase> {};

TEST_P(ConvertLocateString, FindsTheFirstAndLastNonBlank) {
    const LocateCase& c = GetParam();
    int first = -1;
    int last = -1;
    ILocateString(c.text, first, last);
    EXPECT_EQ(first, c.first) << "[" << c.text << "]";
    EXPECT_EQ(last, c.last) << "[" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertLocateString,
                         testing::Values(LocateCase{"", 0, 0}, LocateCase{"   ", 0, 0},
                                         LocateCase{"  ab  ", 3, 4}, LocateCase{"x", 1, 1},
                                         LocateCase{" a b", 2, 4}, LocateCase{"\tq ", 1, 2}));

}  // namespace
