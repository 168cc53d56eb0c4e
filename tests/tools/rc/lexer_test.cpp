// The lexer line by line: the bytes of escapes, comments over and inside lines, the blank
// space before a token, and the lines an #if leaves out, which are only searched for comments;
// and over its tokens the integer and style expressions of resource statements, worked out as
// 32-bit arithmetic with C's precedence, with the messages that name what was expected where.

#include <algorithm>
#include <memory>

#include <gtest/gtest.h>

#include "lexer.h"
#include "script_error.h"
#include "token_cursor.h"

namespace heatwise::rc {
namespace {

using namespace std::string_literals;

// The tokens of the text's lines, lexed one after the other as the preprocessor does.
std::vector<Token> LexText(std::string_view text, LexState& state, LexMode mode) {
    auto file = std::make_shared<const SourceFile>(SourceFile{"test.rc", {}, {}});
    std::vector<Token> tokens;
    int line = 1;
    for (std::size_t start = 0; start <= text.size(); ++line) {
        std::size_t end = std::min(text.find('\n', start), text.size());
        LexLine(text.substr(start, end - start), Location{file, line}, state, mode, tokens);
        start = end + 1;
    }
    return tokens;
}

// The tokens of the lines: a number as its value (with L when long), a string as its bytes in
// quotes, anything else as written; each after a blank when blank space stood before it and
// after '.' when it did not. A token on a later line carries "@line". A failure gives its
// message instead, and a comment still open after the last line "(open from line N)".
std::string Lex(std::string_view text, LexMode mode = LexMode::kTokens) {
    LexState state;
    std::vector<Token> tokens;
    try {
        tokens = LexText(text, state, mode);
    } catch (const ScriptError& error) {
        return error.what();
    }
    std::string out;
    for (const Token& t : tokens) {
        out += (t.space_before ? " " : ".") +
               (t.kind == TokenKind::kNumber   ? std::to_string(t.value) + (t.is_long ? "L" : "")
                : t.kind == TokenKind::kString ? "\"" + t.bytes + "\""
                                               : t.spelling) +
               (t.where.line == 1 ? "" : "@" + std::to_string(t.where.line));
    }
    if (state.in_comment) {
        out += " (open from line " + std::to_string(state.comment_line) + ")";
    }
    return out;
}

TEST(rc_Lexer, EscapesGiveTheirBytesAndBadWordsAreNamed) {
    const std::pair<std::string_view, std::string> cases[] = {
        {R"("\x41\x4a\x4F\X7e")", ".\"AJO~\""},
        {R"("\x414" "\x4g" "\xfF")", ".\"A4\" \"\x04g\" \"\xFF\""},
        {R"("\18" "\1234" "\377" "\0")",
         ".\"\x01"
         "8\" \"S4\" \"\xFF\" \"\0\""s},
        {R"("\a\b\f\v\r\'\?\\")", ".\"\a\b\f\v\r'?\\\""},
        {R"("\x" 1)", "test.rc:1: escape '\\x' in a string needs hex digits after it"},
        {R"("\xg")", "test.rc:1: escape '\\x' in a string needs hex digits after it"},
        {R"("\400")", "test.rc:1: octal escape in a string is larger than a byte (\\377)"},
        {R"("\8")",
         "test.rc:1: unknown escape '\\8' in a string (known: \\n \\t \\r \\a \\b \\f "
         "\\v \\\\ \\\" \\' \\? \\x and octal digits)"},
        {"\"ends in \\", "test.rc:1: unterminated string: a backslash ends the line"},
        // A bad number or character is named by its word.
        {"0x", "test.rc:1: bad number '0x': 0x needs hex digits after it"},
        {"0xL", "test.rc:1: bad number '0xL': 0x needs hex digits after it"},
        {"5LL",
         "test.rc:1: bad number '5LL': write decimal digits, or 0x and hex digits, with an "
         "optional L suffix"},
        {"0x100000000",
         "test.rc:1: bad number '0x100000000': it does not fit in 32 bits (largest 4294967295)"},
        {"1 @", "test.rc:1: unexpected character '@'"}};
    for (const auto& [line, tokens] : cases) {
        EXPECT_EQ(Lex(line), tokens) << line;
    }
}

// Lines an #if leaves out may hold anything; only where their comments open and close counts.
TEST(rc_Lexer, CommentsAreBlankSpaceAndSkippedLinesOnlyFollowThem) {
    struct Case {
        std::string_view text;
        std::string tokens;
        LexMode mode = LexMode::kTokens;
    };
    const Case cases[] = {{"1/**/2 /* a */ 3/* b*/", ".1 2 3"},
                          {"a/b*c", ".a./.b.*.c"},
                          {"1 /* a /* b */ 2 */", ".1 2 *./"},
                          {"\"/* no\" 5 // 6 /* 7", ".\"/* no\" 5"},
                          {"/* x // y */ 4", " 4"},
                          {"1 /* open\nstill \" // */2\n3", ".1 2@2.3@3"},
                          {"1\n2 /*\n\n* /", ".1.2@2 (open from line 2)"},
                          {"1 /*/ 2 */ 3", ".1 3"},
                          {"a<=b<<c>>d>=e!=!f<g>h", ".a.<=.b.<<.c.>>.d.>=.e.!=.!.f.<.g.>.h"},
                          {"||&&|&==^%~", ".||.&&.|.&.==.^.%.~"},
                          {"_a1 b_2(x) L 5UL 0x10l", "._a1 b_2.(.x.) L 5L 16L"},
                          {"\tx\f\v\ry", " x y"},
                          {R"("\q \" /*" 12ab @ L"wide" "unterminated)", "", LexMode::kSkipping},
                          {"\"\\\n/* a\nb */ \"\\", "", LexMode::kSkipping},
                          {"x /* open\n\" */", "", LexMode::kSkipping},
                          {"\"a\"\"/*\" /* really", " (open from line 1)", LexMode::kSkipping}};
    for (const Case& c : cases) {
        EXPECT_EQ(Lex(c.text, c.mode), c.tokens) << c.text;
    }
}

TokenCursor CursorOver(std::string_view text) {
    LexState state;
    return TokenCursor(LexText(text, state, LexMode::kTokens));
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
