// The lexer: numbers, strings with their escapes, punctuators, comments across lines, and the
// messages for malformed tokens.

#include "lexer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "script_error.h"

namespace heatwise::rc {
namespace {

using ::testing::HasSubstr;

Location At(int line) {
    static auto file = std::make_shared<const SourceFile>(SourceFile{"lex.rc", ".", {}});
    return Location{file, line};
}

std::vector<Token> Lex(std::string_view line) {
    LexState state;
    std::vector<Token> tokens;
    LexLine(line, At(7), state, LexMode::kTokens, tokens);
    return tokens;
}

TEST(rc_Lexer, NumbersInEveryWrittenForm) {
    // A trailing L makes a long; a leading 0 makes no octal number in a resource script.
    const std::tuple<const char*, std::uint32_t, bool> cases[] = {
        {"0", 0, false},           {"40001", 40001, false},
        {"0x9C41", 0x9C41, false}, {"0XffFF", 0xFFFF, false},
        {"70000L", 70000, true},   {"0x10l", 16, true},
        {"5UL", 5, true},          {"4294967295", 4294967295u, false},
        {"017", 17, false}};
    for (const auto& [text, value, is_long] : cases) {
        const auto tokens = Lex(text);
        ASSERT_EQ(tokens.size(), 1u) << text;
        EXPECT_EQ(tokens[0].kind, TokenKind::kNumber) << text;
        EXPECT_EQ(tokens[0].value, value) << text;
        EXPECT_EQ(tokens[0].is_long, is_long) << text;
    }
}

TEST(rc_Lexer, StringEscapesGiveTheirBytes) {
    // An escape takes two hex digits at most.
    const std::pair<const char*, std::string> cases[] = {
        {R"("[Checks]\n1118 1 \n")", "[Checks]\n1118 1 \n"},
        {R"("tab\there")", "tab\there"},
        {R"("say ""hi""")", "say \"hi\""},
        {R"("say \"hi\"")", "say \"hi\""},
        {R"("back\\slash")", "back\\slash"},
        {R"("nul\0end")", std::string("nul\0end", 7)},
        {R"("\101\x42C")", "ABC"},
        {R"("\x7e1")", "~1"},
        {R"("")", ""},
        {R"("// not a comment")", "// not a comment"},
    };
    for (const auto& [text, bytes] : cases) {
        const auto tokens = Lex(text);
        ASSERT_EQ(tokens.size(), 1u) << text;
        EXPECT_EQ(tokens[0].kind, TokenKind::kString) << text;
        EXPECT_EQ(tokens[0].bytes, bytes) << text;
    }
}

TEST(rc_Lexer, PunctuatorsNamesAndComments) {
    std::vector<std::string> spellings;
    for (const auto& t : Lex("STYLE WS_CHILD|NOT(WS_VISIBLE) , { } /* gone */ -1 // rest gone")) {
        spellings.push_back(t.spelling + "@" + std::to_string(t.where.line));
    }
    EXPECT_THAT(spellings,
                ::testing::ElementsAre("STYLE@7", "WS_CHILD@7", "|@7", "NOT@7", "(@7",
                                       "WS_VISIBLE@7", ")@7", ",@7", "{@7", "}@7", "-@7", "1@7"));
}

TEST(rc_Lexer, BlockCommentsCarryOverLinesAndSkippedLinesNeverFail) {
    LexState state;
    std::vector<Token> tokens;
    LexLine("1 /* open", At(1), state, LexMode::kTokens, tokens);
    EXPECT_TRUE(state.in_comment);
    EXPECT_EQ(state.comment_line, 1);
    LexLine("still \" inside", At(2), state, LexMode::kTokens, tokens);
    LexLine("closed */ 2", At(3), state, LexMode::kTokens, tokens);
    EXPECT_FALSE(state.in_comment);
    ASSERT_EQ(tokens.size(), 2u);
    EXPECT_EQ(tokens[1].value, 2u);
    EXPECT_EQ(tokens[1].where.line, 3);

    tokens.clear();
    LexLine("\"unterminated 12ab @ /* open", At(1), state, LexMode::kSkipping, tokens);
    EXPECT_FALSE(state.in_comment);  // The /* stood inside the unterminated string.
    LexLine("12ab @ /* open", At(2), state, LexMode::kSkipping, tokens);
    EXPECT_TRUE(state.in_comment);
    EXPECT_TRUE(tokens.empty());
}

TEST(rc_Lexer, MalformedTokensAreReportedWithTheLine) {
    const std::pair<const char*, const char*> cases[] = {
        {R"(CAPTION "no end)", "lex.rc:7: unterminated string: the closing '\"' is missing"},
        {R"("ends with \)", "lex.rc:7: unterminated string"},
        {"12ab", "lex.rc:7: bad number '12ab'"},
        {"0x", "lex.rc:7: bad number '0x': 0x needs hex digits"},
        {"0x1G", "lex.rc:7: bad number '0x1G': 'G' is not a hex digit"},
        {"4294967296", "lex.rc:7: bad number '4294967296': it does not fit in 32 bits"},
        {"5LL", "lex.rc:7: bad number '5LL'"},
        {R"("\q")", "lex.rc:7: unknown escape '\\q'"},
        {R"("\x")", "lex.rc:7: escape '\\x' in a string needs hex digits"},
        {R"("\777")", "lex.rc:7: octal escape in a string is larger than a byte"},
        {"1.5", "lex.rc:7: unexpected character '.'"},
        {"\x01", "lex.rc:7: unexpected character '\\x01'"},
        {R"(L"wide")", "lex.rc:7: wide strings (L\"...\") are not supported"},
    };
    for (const auto& [text, message] : cases) {
        std::string error = "no error";
        try {
            Lex(text);
        } catch (const ScriptError& e) {
            error = e.what();
        }
        EXPECT_THAT(error, HasSubstr(message)) << text;
    }
}

}  // namespace
}  // namespace heatwise::rc
