// The integer and style expressions of resource statements, worked out as 32-bit arithmetic with
// C's precedence, and the messages that name what was expected where.

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "lexer.h"
#include "script_error.h"
#include "token_cursor.h"

namespace heatwise::rc {
namespace {

TokenCursor CursorOver(std::string_view text) {
    auto file = std::make_shared<const SourceFile>(SourceFile{"test.rc", {}, {}});
    LexState state;
    std::vector<Token> tokens;
    int line = 1;
    for (std::size_t start = 0; start <= text.size(); ++line) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        LexLine(text.substr(start, end - start), Location{file, line}, state, LexMode::kTokens,
                tokens);
        start = end + 1;
    }
    return TokenCursor(std::move(tokens));
}

// The expression's value with an L when a number in it was long, then what follows it; or the
// message when it fails.
std::string Evaluate(std::string_view text) {
    TokenCursor cursor = CursorOver(text);
    try {
        IntegerValue value = cursor.Expression("the value");
        std::string out = std::to_string(value.value) + (value.is_long ? "L" : "");
        return cursor.AtEnd() ? out : out + " then " + Describe(cursor.Peek());
    } catch (const ScriptError& error) {
        return error.what();
    }
}

TEST(rc_TokenCursor, ExpressionsBindAsInCAndWrapAt32Bits) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"2 + 3 * 4", "14"}, {"2 * 3 + 4", "10"}, {"4 | 6 & 3", "6"}, {"1 + 2 & 6", "2"},
        {"8 | 1 + 2", "11"}, {"2 * (3 + 4)", "14"}, {"10 - 4 - 3", "3"}, {"24 / 4 / 2", "3"},
        {"-7 / 2", "-3"}, {"7 / -2 * 2", "-6"}, {"- - 5 + +1", "6"}, {"~0", "-1"},
        {"~0 & 0xF0", "240"}, {"0xFFFFFFFF", "-1"}, {"0x7FFFFFFF + 1", "-2147483648"},
        {"0x10000 * 0x10000", "0"}, {"WS_CHILD | 5", "1073741829"}, {"1L + 2", "3L"},
        {"(2L)", "2L"}, {"3 4", "3 then '4'"}, {"5 )", "5 then ')'"},
        {"1 +\n", "test.rc:1: expected the value, found the end of the file"},
        {"1 +\n(\n2",
         "test.rc:3: expected ')' to close the '(' in the value, found the end of the file"},
        {"2 *\nBEGIN", "test.rc:2: expected the value, found 'BEGIN'"},
        {"2 * end", "test.rc:1: expected the value, found 'end'"},
        {"1 +\n\n4 / (2 - 2)", "test.rc:3: division by zero in the value"},
        {"NO_SUCH", "test.rc:1: unknown name 'NO_SUCH' in the value: it is neither #define'd "
                    "nor a standard constant"},
        {std::string(199, '~') + "0", "-1"},
        {std::string(200, '~') + "0", "test.rc:1: the value is nested too deeply"},
        {std::string(199, '(') + "7" + std::string(199, ')'), "7"}};
    // clang-format on
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(Evaluate(text), value) << text.substr(0, 40);
    }
    // Each expression starts afresh: a long number of one does not make the next long.
    TokenCursor cursor = CursorOver("1L, 2");
    EXPECT_TRUE(cursor.Expression("first").is_long);
    cursor.ExpectPunctuator(",", "between values");
    EXPECT_FALSE(cursor.Expression("second").is_long);
}

TEST(rc_TokenCursor, StylesSetAndClearBits) {
    struct Case {
        const char* text;
        std::uint32_t set, cleared;
    };
    const Case cases[] = {{"1 | 2 | 0x10", 0x13, 0},    {"NOT 1 | 6", 6, 1},
                          {"6 | NOT 2 | NOT 8", 6, 10}, {"NOT (1 | 4)", 0, 5},
                          {"1 + 2 | 4", 7, 0},          {"0x30 & 0x10 | 1", 0x11, 0}};
    for (const Case& c : cases) {
        TokenCursor cursor = CursorOver(c.text);
        StyleBits bits = cursor.Style("the style");
        EXPECT_EQ(bits.set, c.set) << c.text;
        EXPECT_EQ(bits.cleared, c.cleared) << c.text;
        EXPECT_TRUE(cursor.AtEnd()) << c.text;
    }
}

// A value starts with a number, a name that is no keyword (in any case), or ( - ~ +.
TEST(rc_TokenCursor, WhereAValueStarts) {
    const std::pair<const char*, bool> starts[] = {
        {"12", true}, {"WS_CHILD", true}, {"(1)", true},  {"-1", true},     {"~1", true},
        {"+1", true}, {"BEGIN", false},   {"end", false}, {"Style", false}, {"\"x\"", false},
        {")", false}, {",", false},       {"", false}};
    for (const auto& [text, at_value] : starts) {
        EXPECT_EQ(CursorOver(text).AtExpression(), at_value) << text;
    }
}

}  // namespace
}  // namespace heatwise::rc
