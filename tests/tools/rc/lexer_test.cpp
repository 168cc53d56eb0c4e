// The lexer line by line: the bytes of escapes, comments over and inside lines, the blank
// space before a token, and the lines an #if leaves out, which are only searched for comments.

#include <memory>

#include <gtest/gtest.h>

#include "lexer.h"
#include "script_error.h"

namespace heatwise::rc {
namespace {

using namespace std::string_literals;

// The tokens of the lines: a number as its value (with L when long), a string as its bytes in
// quotes, anything else as written; each after a blank when blank space stood before it and
// after '.' when it did not. A token on a later line carries "@line". A failure gives its
// message instead, and a comment still open after the last line "(open from line N)".
std::string Lex(std::vector<std::string_view> lines, LexMode mode = LexMode::kTokens) {
    auto file = std::make_shared<const SourceFile>(SourceFile{"test.rc", {}, {}});
    LexState state;
    std::vector<Token> tokens;
    try {
        for (std::size_t i = 0; i < lines.size(); ++i) {
            LexLine(lines[i], Location{file, static_cast<int>(i) + 1}, state, mode, tokens);
        }
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
        EXPECT_EQ(Lex({line}), tokens) << line;
    }
}

TEST(rc_Lexer, CommentsAreBlankSpaceWithinAndAcrossLines) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{"1/**/2 /* a */ 3/* b*/"}, ".1 2 3"},
        {{"a/b*c"}, ".a./.b.*.c"},
        {{"1 /* a /* b */ 2 */"}, ".1 2 *./"},
        {{"\"/* no\" 5 // 6 /* 7"}, ".\"/* no\" 5"},
        {{"/* x // y */ 4"}, " 4"},
        {{"1 /* open", "still \" // */2", "3"}, ".1 2@2.3@3"},
        {{"1", "2 /*", "", "* /"}, ".1.2@2 (open from line 2)"},
        {{"1 /*/ 2 */ 3"}, ".1 3"},
        {{"a<=b<<c>>d>=e!=!f<g>h"}, ".a.<=.b.<<.c.>>.d.>=.e.!=.!.f.<.g.>.h"},
        {{"||&&|&==^%~"}, ".||.&&.|.&.==.^.%.~"},
        {{"_a1 b_2(x) L 5UL 0x10l"}, "._a1 b_2.(.x.) L 5L 16L"},
        {{"\tx\f\v\ry"}, " x y"}};
    for (const auto& [lines, tokens] : cases) {
        EXPECT_EQ(Lex(lines), tokens) << lines[0];
    }
}

// Lines an #if leaves out may hold anything; only where their comments open and close counts.
TEST(rc_Lexer, SkippedLinesMakeNoTokensAndOnlyFollowComments) {
    const std::pair<std::vector<std::string_view>, std::string> cases[] = {
        {{R"("\q \" /*" 12ab @ L"wide" "unterminated)"}, ""},
        {{R"("\)", "/* a", "b */ \"\\"}, ""},
        {{"x /* open", "\" */"}, ""},
        {{"\"a\"\"/*\" /* really"}, " (open from line 1)"}};
    for (const auto& [lines, tokens] : cases) {
        EXPECT_EQ(Lex(lines, LexMode::kSkipping), tokens) << lines[0];
    }
}

}  // namespace
}  // namespace heatwise::rc
