// Reading a script: the tokens the lexer makes, what the preprocessor keeps and replaces, the
// bytes of data blocks, and the size limit of the files a script names.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "file_search.h"
#include "preprocessor.h"
#include "script_test_support.h"

namespace heatwise::rc {
namespace {

using namespace std::string_literals;
using testing::ErrorOf;
using ::testing::HasSubstr;
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
    // A leading 0 makes no octal number in a resource script; an escape takes two hex digits.
    const std::pair<std::string, std::string> cases[] = {
        {"0 40001 0x9C41 0XffFF 70000L 0x10l 5UL 4294967295 017",
         "0 40001 40001 65535 70000L 16L 5L 4294967295 17 $ "},
        {R"("[Checks]\n1118 1 \n" "tab\there" "say ""hi""" "say \"hi\"" "back\\slash")",
         "\"[Checks]\n1118 1 \n\" \"tab\there\" \"say \"hi\"\" \"say \"hi\"\" \"back\\slash\" $ "},
        {R"("nul\0end" "\101\x42C" "\x7e1" "" "// not a comment")",
         "\"nul\0end\" \"ABC\" \"~1\" \"\" \"// not a comment\" $ "s},
        {"STYLE WS_CHILD|NOT(WS_VISIBLE) , { } /* gone */ -1 // rest gone",
         "STYLE WS_CHILD | NOT ( WS_VISIBLE ) , { } - 1 $ "},
        {"1 /* open\nstill \" inside\nclosed */ 2", "1 2@3 $@3 "},
        // A replaced name keeps the line where it was used; macros inside macros are replaced.
        {"#define MENU_MAIN 30001\n#define STYLE_BITS (WS_CHILD | X)\n#define X 5\n\n"
         "MENU_MAIN STYLE_BITS\n",
         "30001@5 (@5 WS_CHILD@5 |@5 5@5 )@5 $@5 "},
        {"#define LOOP LOOP + 1\nLOOP\n#undef LOOP\nLOOP", "LOOP@2 +@2 1@2 LOOP@4 $@4 "},
        {"#define EMPTY\nA EMPTY B", "A@2 B@2 $@2 "},
        {"#define A (1)\n#define A (1)\nA", "(@3 1@3 )@3 $@3 "},
        {"#pragma once\n#pragma code_page(1252)\n#\nok", "ok@4 $@4 "},
        {"#include <windows.h>\n#include \"winres.h\"\n#include <CommCtrl.h>\nok", "ok@4 $@4 "},
        {"#ifdef RC_INVOKED\nyes\n#endif", "yes@2 $@3 "},
        {"#define A\n#ifdef A\nyes\n#else\nno\n#endif", "yes@3 $@6 "},
        {"#ifdef A\nyes\n#else\nno\n#endif", "no@4 $@5 "},
        {"#ifndef A\nyes\n#endif\nafter", "yes@2 after@4 $@4 "},
        {"#if 0\nzero\n#elif 2 > 1 && !defined(B)\nsecond\n#elif 1\nthird\n#endif",
         "second@4 $@7 "},
        {"#define V 3\n#if V * 2 == 6 || 1 / 0\nsix\n#endif", "six@3 $@4 "},
        {"#if 0\n#if 1\ninner\n#else\ninner_else\n#endif\nouter\n#else\nelse\n#endif",
         "else@9 $@10 "},
        // Skipped lines are never lexed as tokens, and a /* inside a string opens no comment.
        {"#if 0\n\"unterminated 12ab @ /* open\n#endif\nok", "ok@4 $@4 "},
        {"#if 0 /* comment\n#endif still comment */\n#endif\nok", "ok@4 $@4 "},
        {"#if defined X || (-1 < 0 && ~0 == -1 && (7 % 4) << 2 == 12)\nyes\n#endif", "yes@2 $@3 "},
    };
    for (const auto& [script, tokens] : cases) {
        EXPECT_EQ(Tokens(script), tokens) << script;
    }
}

TEST(rc_Script, HeadersGiveTheirDefinesButNotTheirCode) {
    WriteFile("ids/form_ids.h",
              "#pragma once\n// Shared with the C++ code.\n#define DLG_MAIN 102\n"
              "#define FLD_CITY \\\n    1112\n#ifndef RC_INVOKED\nconstexpr int kOnlyForCxx = 1;\n"
              "#endif\nint AlsoIgnored(void);\n/* a \"quoted\" comment\n   over lines */\n");
    WriteFile("ids/nested.rh", "#include \"form_ids.h\"\n77\n");
    // nested.rh is read in full (it is not a C header), form_ids.h only once.
    EXPECT_EQ(Tokens("#include \"ids/form_ids.h\"\n#include <nested.rh>\nDLG_MAIN FLD_CITY\n",
                     {std::filesystem::current_path() / "ids"}),
              "77@2 102@3 1112@3 $@3 ");
    const ResourceScript script = Read("#include <windows.h>\n#include \"ids/nested.rh\"\nRCDATA { }");
    ASSERT_EQ(script.dependencies.size(), 2u);
    EXPECT_EQ(script.dependencies[0].filename(), "nested.rh");
}

TEST(rc_Script, DataBlocksAreWordsLongsAndStringsInOrder) {
    const std::pair<const char*, std::vector<unsigned>> cases[] = {
        {"1 RCDATA { 0x1234 65535 }", {0x34, 0x12, 0xFF, 0xFF}},  // commas may be left out
        {"1 RCDATA BEGIN 70000L, 1 END", {0x70, 0x11, 0x01, 0x00, 1, 0}},
        {"1 RCDATA BEGIN (2 + 3) * 4 | 1, 6 / 4 - 2 & 0xF END", {21, 0, 15, 0}},
        {"1 RCDATA BEGIN \"AB\" \"C\\0\", 1L END", {'A', 'B', 'C', 0, 1, 0, 0, 0}},
        {"1 RCDATA BEGIN -32768, 65535 END", {0x00, 0x80, 0xFF, 0xFF}},
        {"1 RCDATA BEGIN END", {}},
    };
    for (const auto& [script, expected] : cases) {
        const Bytes bytes = std::get<Bytes>(Read(script).resources.at(0).content);
        EXPECT_EQ(std::vector<unsigned>(bytes.begin(), bytes.end()), expected) << script;
    }
}

TEST(rc_Script, FilesLargerThanAnyResourceAreNotRead) {
    // A sparse file: its size costs no disk, and the compiler stops reading past the limit.
    WriteFile("huge.dat", "");
    std::filesystem::resize_file("huge.dat", kLargestFile + 1);
    EXPECT_THAT(ErrorOf("\n1 RCDATA \"huge.dat\""),
                HasSubstr("test.rc:2: cannot read data file 'huge.dat': unreadable, or larger "
                          "than the 64 MiB a file may hold"));
    EXPECT_THAT(ErrorOf("#include \"huge.dat\""),
                HasSubstr("test.rc:1: cannot read include file 'huge.dat'"));
    std::filesystem::resize_file("huge.dat", kLargestFile);
    EXPECT_EQ(std::get<Bytes>(Read("1 RCDATA \"huge.dat\"").resources.at(0).content).size(),
              kLargestFile);
    std::filesystem::remove("huge.dat");
}

}  // namespace
}  // namespace heatwise::rc
