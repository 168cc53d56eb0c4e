// Reading a script: the tokens the lexer makes, and what the preprocessor keeps and replaces. The
// resources the script reader makes of them are read back from the sample script's tables; a
// bitmap, kept as its whole file, is read here.

#include <gtest/gtest.h>

#include "preprocessor.h"
#include "resources/resource_types.h"
#include "script_test_support.h"

namespace heatwise::rc {
namespace {

using namespace std::string_literals;
using testing::Read;
using testing::WriteFile;

// The tokens of a script joined by blanks: a number as its value with an L when long, a string
// as its bytes in quotes, the end as '$', each with "@line" when it stands after line 1.
std::string Tokens(std::string_view text, std::vector<std::filesystem::path> include_dirs = {}) {
    SourceFile file{"test.rc", std::filesystem::current_path(), {}};
    std::string out;
    for (const Token& t :
         PreprocessText(text, file, PreprocessOptions{std::move(include_dirs)}).tokens) {
        out += t.kind == TokenKind::kNumber   ? std::to_string(t.value) + (t.is_long ? "L" : "")
               : t.kind == TokenKind::kString ? "\"" + t.bytes + "\""
               : t.kind == TokenKind::kEnd    ? "$"
                                              : t.spelling;
        out += (t.where.line == 1 ? "" : "@" + std::to_string(t.where.line)) + " ";
    }
    return out;
}

TEST(rc_Script, TokensAsTheLexerAndPreprocessorLeaveThem) {
    // Headers give their defines but not their code; a header not named .h is read in full.
    WriteFile("ids/form_ids.h",
              "#pragma once\n// Shared with the C++ code.\n#define DLG_MAIN 102\n"
              "#define FLD_CITY \\\n    1112\n#ifndef RC_INVOKED\nconstexpr int kOnlyForCxx = 1;\n"
              "#endif\nint AlsoIgnored(void);\n/* a \"quoted\" comment\n   over lines */\n");
    WriteFile("ids/nested.rh", "#include \"form_ids.h\"\n77\n");
    // A leading 0 makes no octal number in a resource script; an escape takes two hex digits.
    const std::pair<std::string, std::string> cases[] = {
        {"0 40001 0x9C41 0XffFF 70000L 0x10l 5UL 4294967295 017",
         "0 40001 40001 65535 70000L 16L 5L 4294967295 17 $ "},
        {R"("[Checks]\n1118 1 \n" "tab\there" "say ""hi""" "say \"hi\"" "back\\slash")",
         "\"[Checks]\n1118 1 \n\" \"tab\there\" \"say \"hi\"\" \"say \"hi\"\" \"back\\slash\" $ "},
        {"STYLE WS_CHILD|NOT(WS_VISIBLE) , { } /* gone */ -1 // rest gone",
         "STYLE WS_CHILD | NOT ( WS_VISIBLE ) , { } - 1 $ "},
        // A replaced name keeps the line where it was used; macros inside macros are replaced.
        {"#define MENU_MAIN 30001\n#define STYLE_BITS (WS_CHILD | X)\n#define X 5\n\n"
         "MENU_MAIN STYLE_BITS\n",
         "30001@5 (@5 WS_CHILD@5 |@5 5@5 )@5 $@5 "},
        {"#define LOOP LOOP + 1\nLOOP\n#undef LOOP\nLOOP", "LOOP@2 +@2 1@2 LOOP@4 $@4 "},
        // A name defined again with the same value, however spaced, keeps it.
        {"#define TWICE (1 + 2)\n#define TWICE ( 1+2 )\n#define RC_INVOKED 1\nTWICE",
         "(@4 1@4 +@4 2@4 )@4 $@4 "},
        // Blanks after a directive are no part of the value, however many there are.
        {"#define ONE 100 \n#define THREE 200   \nONE THREE", "100@3 200@3 $@3 "},
        {"#include <windows.h>\n#include \"winres.h\"\n#include <CommCtrl.h>\nok", "ok@4 $@4 "},
        {"#ifdef RC_INVOKED\nyes\n#endif", "yes@2 $@3 "},
        {"#ifdef A\nyes\n#else\nno\n#endif", "no@4 $@5 "},
        {"#if 0\nzero\n#elif 2 > 1 && !defined(B)\nsecond\n#elif 1\nthird\n#endif",
         "second@4 $@7 "},
        {"#define V 3\n#if V * 2 == 6 || 1 / 0\nsix\n#endif", "six@3 $@4 "},
        // Skipped lines are never lexed as tokens, and a /* inside a string opens no comment.
        {"#if 0\n\"unterminated 12ab @ /* open\n#endif\nok", "ok@4 $@4 "},
        {"#if 0 /* comment\n#endif still comment */\n#endif\nok", "ok@4 $@4 "},
        {"#if defined X || (-1 < 0 && ~0 == -1 && (7 % 4) << 2 == 12)\nyes\n#endif", "yes@2 $@3 "},
        {"#if 1 > 2 || 2 > 2 || 2 < 2 || 1 >= 2 || 2 <= 1\nyes\n#else\nno\n#endif", "no@4 $@5 "},
        {"#include \"ids/form_ids.h\"\n#include <nested.rh>\nDLG_MAIN FLD_CITY\n",
         "77@2 102@3 1112@3 $@3 "},
    };
    for (const auto& [script, tokens] : cases) {
        EXPECT_EQ(Tokens(script, {std::filesystem::current_path() / "ids"}), tokens) << script;
    }
    // form_ids.h is read only once, and both headers are dependencies of the script.
    const ResourceScript script = Read("#include \"ids/nested.rh\"\nRCDATA { }");
    ASSERT_EQ(script.dependencies.size(), 2u);
    EXPECT_EQ(script.dependencies[0].filename(), "nested.rh");
}

TEST(rc_Script, ABitmapIsItsWholeFileAsTypeTwo) {
    const std::string file = "BM" + std::string(24, '\x01');
    WriteFile("pictures/fan.bmp", file);
    ResourceScript script = Read("FAN BITMAP DISCARDABLE \"pictures/fan.bmp\"");
    ASSERT_EQ(script.resources.size(), 1u);
    const ResourceDef& bitmap = script.resources[0];
    EXPECT_EQ(bitmap.type, ResourceKey::Number(windlass::kTypeBitmap));
    EXPECT_EQ(bitmap.id, ResourceKey::Named("FAN"));
    EXPECT_EQ(std::get<Bytes>(bitmap.content), Bytes(file.begin(), file.end()));
}

}  // namespace
}  // namespace heatwise::rc
