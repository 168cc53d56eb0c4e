// The preprocessing: #define and #include (headers contribute only their directives),
// the conditional directives, #pragma once, and the messages for what goes wrong.

#include "preprocessor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "script_error.h"
#include "script_test_support.h"

namespace heatwise::rc {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::WriteFile;

PreprocessedScript Preprocess(std::string_view text,
                              std::vector<std::filesystem::path> include_dirs = {}) {
    SourceFile file{"pre.rc", std::filesystem::current_path(), {}};
    return PreprocessText(text, file, PreprocessOptions{std::move(include_dirs)});
}

// The spellings of the tokens, the closing end token as "".
std::vector<std::string> Spellings(std::string_view text,
                                   std::vector<std::filesystem::path> include_dirs = {}) {
    std::vector<std::string> out;
    for (const Token& token : Preprocess(text, std::move(include_dirs)).tokens) {
        out.push_back(token.spelling);
    }
    return out;
}

TEST(rc_Preprocessor, DefinesAreReplacedWhereTheyAreUsed) {
    auto tokens = Preprocess(
                      "#define MENU_MAIN 30001\n#define STYLE_BITS (WS_CHILD | X)\n#define X 5\n"
                      "\nMENU_MAIN STYLE_BITS\n")
                      .tokens;
    ASSERT_EQ(tokens.size(), 7u);
    EXPECT_EQ(tokens[0].value, 30001u);
    EXPECT_EQ(tokens[0].where.line, 5);  // A replaced name keeps the line where it was used.
    EXPECT_EQ(tokens[4].spelling, "5");  // Macros inside macros are replaced too.
    EXPECT_EQ(tokens.back().kind, TokenKind::kEnd);
    EXPECT_EQ(tokens.back().where.line, 5);
}

TEST(rc_Preprocessor, DirectivesKeepTheRightLines) {
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"#define LOOP LOOP + 1\nLOOP\n#undef LOOP\nLOOP", {"LOOP", "+", "1", "LOOP", ""}},
        {"#define EMPTY\nA EMPTY B", {"A", "B", ""}},
        {"#define A (1)\n#define A (1)\nA", {"(", "1", ")", ""}},
        {"#pragma once\n#pragma code_page(1252)\n#\nok", {"ok", ""}},
        {"#include <windows.h>\n#include \"winres.h\"\n#include <CommCtrl.h>\nok", {"ok", ""}},
        {"#ifdef RC_INVOKED\nyes\n#endif", {"yes", ""}},
        {"#define A\n#ifdef A\nyes\n#else\nno\n#endif", {"yes", ""}},
        {"#ifdef A\nyes\n#else\nno\n#endif", {"no", ""}},
        {"#ifndef A\nyes\n#endif\nafter", {"yes", "after", ""}},
        {"#if 0\nzero\n#elif 2 > 1 && !defined(B)\nsecond\n#elif 1\nthird\n#endif", {"second", ""}},
        {"#define V 3\n#if V * 2 == 6 || 1 / 0\nsix\n#endif", {"six", ""}},
        {"#if 0\n#if 1\ninner\n#else\ninner_else\n#endif\nouter\n#else\nelse\n#endif",
         {"else", ""}},
        {"#if 0\n\"unterminated 12ab @\n#endif\nok", {"ok", ""}},
        {"#if 0 /* comment\n#endif still comment */\n#endif\nok", {"ok", ""}},
        {"#if defined X || (-1 < 0 && ~0 == -1 && (7 % 4) << 2 == 12)\nyes\n#endif", {"yes", ""}},
    };
    for (const auto& [script, kept] : cases) {
        EXPECT_EQ(Spellings(script), kept) << script;
    }
}

TEST(rc_Preprocessor, HeadersGiveTheirDefinesButNotTheirCode) {
    WriteFile("ids/form_ids.h",
              "#pragma once\n// Shared with the C++ code.\n#define DLG_MAIN 102\n"
              "#define FLD_CITY \\\n    1112\n#ifndef RC_INVOKED\nconstexpr int kOnlyForCxx = 1;\n"
              "#endif\nint AlsoIgnored(void);\n/* a \"quoted\" comment\n   over lines */\n");
    WriteFile("ids/nested.rh", "#include \"form_ids.h\"\n77\n");
    auto script =
        Preprocess("#include \"ids/form_ids.h\"\n#include <nested.rh>\nDLG_MAIN FLD_CITY\n",
                   {std::filesystem::current_path() / "ids"});
    std::vector<std::string> spellings;
    for (const Token& token : script.tokens) {
        spellings.push_back(token.spelling);
    }
    // nested.rh is read in full (it is not a C header), form_ids.h only once.
    EXPECT_THAT(spellings, ElementsAre("77", "102", "1112", ""));
    ASSERT_EQ(script.headers.size(), 2u);
    EXPECT_EQ(script.headers[0].filename(), "form_ids.h");
    EXPECT_EQ(script.tokens[0].where.FileName(), script.headers[1].lexically_normal().string());
}

TEST(rc_Preprocessor, ProblemsAreReportedAtTheirLine) {
    WriteFile("self.h", "#include \"self.h\"\n");
    // Five levels of ten-fold macros make 100000 tokens a use: six levels are too many for one use,
    // and 300 uses on one line would make thirty million, where the script stops at a million.
    const std::string tenfold =
        "#define A B B B B B B B B B B\n#define B C C C C C C C C C C\n"
        "#define C D D D D D D D D D D\n#define D E E E E E E E E E E\n";
    std::string many_uses;
    for (int i = 0; i < 300; ++i) {
        many_uses += "A ";
    }
    const std::pair<std::string, const char*> cases[] = {
        {"\n#include \"missing.h\"", "pre.rc:2: cannot open include file 'missing.h'"},
        {"#include missing.h", "pre.rc:1: #include needs a file name in double quotes"},
        {"#include \"self.h\"", "self.h:1: #include nested more than 32 deep"},
        {"1\n#ifdef A\n2\n", "pre.rc:2: #ifdef has no #endif before the end of the file"},
        {"#endif", "pre.rc:1: #endif without #if"},
        {"#else\n", "pre.rc:1: #else without #if"},
        {"#if 1\n#else\n#else\n#endif", "pre.rc:3: #else after #else (the #if is at line 1)"},
        {"#if 1 +\n#endif", "pre.rc:1: the condition ends where a value is expected"},
        {"#if (1\n#endif", "pre.rc:1: missing ')' in the condition"},
        {"#if 1 % 0\n#endif", "pre.rc:1: division by zero in the condition"},
        {"#if\n#endif", "pre.rc:1: #if needs a condition"},
        {"#ifdef\n#endif", "pre.rc:1: #ifdef needs exactly one name"},
        {"#define F(x) x", "pre.rc:1: 'F' is defined with parameters"},
        {"#define A 1\n#define A 2",
         "pre.rc:2: 'A' is defined again with a different value (first defined at pre.rc:1)"},
        {"#define", "pre.rc:1: #define needs a name"},
        {"#pragma pack(1)", "pre.rc:1: unknown #pragma 'pack(1)'"},
        {"#line 5", "pre.rc:1: unknown directive '#line'"},
        {"#error Heatwise needs the form", "pre.rc:1: #error Heatwise needs the form"},
        {"1\n/* never closed\n2", "pre.rc:2: comment begun here is not closed"},
        {tenfold + "#define E F F F F F F F F F F\n#define F G G\nA",
         "pre.rc:7: 'A' expands to more than 100000 tokens"},
        {tenfold + "#define E 1 1 1 1 1 1 1 1 1 1\n" + many_uses,
         "pre.rc:6: the script grows to more than 1000000 tokens as its macros are replaced"},
    };
    for (const auto& [script, message] : cases) {
        std::string error = "no error";
        try {
            Preprocess(script);
        } catch (const ScriptError& e) {
            error = e.what();
        }
        EXPECT_THAT(error, HasSubstr(message)) << script;
    }
}

}  // namespace
}  // namespace heatwise::rc
