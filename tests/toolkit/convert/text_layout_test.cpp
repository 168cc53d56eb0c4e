// Placing a text within its length: IJustifyString and ILocateString.
#include <string>

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace {

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
