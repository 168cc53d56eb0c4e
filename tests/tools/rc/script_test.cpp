// Reading a script: the tokens the lexer makes, what the preprocessor keeps and replaces, the
// bytes of data blocks, the size limit of the files a script names, and dialog templates with
// the default style bits of each control statement and NOT taking bits away.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>

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

DialogDef DialogOf(std::string_view script) {
    return std::get<DialogDef>(Read(script).resources.at(0).content);
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

TEST(rc_Script, DataBlocksAreWordsLongsAndStringsInOrder) {
    const std::pair<const char*, std::vector<unsigned>> cases[] = {
        {"1 RCDATA { 0x1234 65535 }", {0x34, 0x12, 0xFF, 0xFF}},  // commas may be left out
        {"1 RCDATA BEGIN 70000L, 1 END", {0x70, 0x11, 0x01, 0x00, 1, 0}},
        {"1 RCDATA BEGIN (2 + 3) * 4 | 1, 6 / 4 - 2 & 0xF END", {21, 0, 15, 0}},
        {"1 RCDATA BEGIN \"AB\" \"C\\0\", 1L END", {'A', 'B', 'C', 0, 1, 0, 0, 0}},
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

TEST(rc_Dialog, ControlStatementsAddTheirDefaultStyles) {
    const std::tuple<const char*, const char*, std::uint32_t> cases[] = {
        {"LTEXT \"a\", 1, @", "STATIC", 0x50020000},
        {"CTEXT \"a\", 1, @", "STATIC", 0x50020001},
        {"PUSHBUTTON \"a\", 1, @", "BUTTON", 0x50010000},
        {"PUSHBUTTON \"a\", 1, @, NOT WS_TABSTOP", "BUTTON", 0x50000000},
        {"GROUPBOX \"a\", 1, @", "BUTTON", 0x50000007},
        {"AUTORADIOBUTTON \"a\", 1, @", "BUTTON", 0x50010009},
        {"RADIOBUTTON \"a\", 1, @", "BUTTON", 0x50010004},
        {"AUTOCHECKBOX \"a\", 1, @", "BUTTON", 0x50010003},
        {"AUTO3STATE \"a\", 1, @", "BUTTON", 0x50010006},
        {"EDITTEXT 1, @", "EDIT", 0x50810000},
        {"EDITTEXT 1, @, ES_READONLY | ES_AUTOHSCROLL | NOT WS_BORDER", "EDIT", 0x50010880},
        {"COMBOBOX 1, @", "COMBOBOX", 0x50010001},
        // A drop-down named in the style replaces the simple combo box of the default.
        {"COMBOBOX 1, @, CBS_DROPDOWN | CBS_SORT", "COMBOBOX", 0x50010102},
        {"LISTBOX 1, @", "LISTBOX", 0x50800001},
        {"SCROLLBAR 1, @, SBS_VERT", "SCROLLBAR", 0x50000001},
        {"CONTROL \"a\", 1, \"IntegerEdit\", 0x5 | WS_DISABLED, @", "INTEGEREDIT", 0x58000005},
        {"CONTROL \"a\", 1, button, BS_AUTORADIOBUTTON | WS_GROUP, @", "BUTTON", 0x50020009},
        {"CONTROL \"a\", 1, \"Static\", SS_LEFT | NOT WS_VISIBLE, @", "STATIC", 0x40000000},
        {"control \"a\", 1, \"msctls_updown32\", (0x1 | 0x4) & ~1, @", "MSCTLS_UPDOWN32",
         0x50000004},
    };
    for (const auto& [line, class_name, style] : cases) {
        std::string script = std::string("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n") + line + "\nEND";
        script.replace(script.find('@'), 1, "1, 2, 3, 4");
        const ControlDef control = DialogOf(script).controls.at(0);
        EXPECT_EQ(control.class_name, class_name) << line;
        EXPECT_EQ(control.style, style) << line << " gave 0x" << std::hex << control.style;
    }
    // A CONTROL's text, id, position and tail are read back from the sample script's tables.
    const ControlDef unlabelled =
        DialogOf(
            "1 DIALOG 0,0,1,1 BEGIN LTEXT \"x\", IDC_STATIC, 1, 2, 3, 4, 0, WS_EX_STATICEDGE END")
            .controls.at(0);
    EXPECT_EQ(unlabelled.id, -1);
    EXPECT_EQ(unlabelled.ex_style, 0x20000u);
}

// The header lines themselves are read back from the sample script's tables; here the style they
// shape, and the menu and character set the sample does not show.
TEST(rc_Dialog, HeaderLinesShapeTheDialogStyle) {
    const std::pair<const char*, const char*> cases[] = {
        // No STYLE: a pop-up with border and system menu.
        {"DIALOG 0,0,1,1", "80880000 charset 1 ''"},
        // A caption brings WS_CAPTION, a font DS_SETFONT, as the other platform's compiler does.
        {"DIALOG 0,0,1,1\nCAPTION \"Title\"", "80c80000 charset 1 'Title'"},
        {"DIALOG 0,0,1,1\nSTYLE WS_POPUP | WS_CAPTION\nCAPTION \"t\"\nSTYLE NOT WS_CAPTION",
         "0 charset 1 't'"},
        {"DIALOG 0,0,1,1 MENU MainMenu", "80880000 menu MAINMENU charset 1 ''"},
        {"DIALOGEX 0,0,1,1 FONT 8, \"x\", 400, 0, 238", "80880040 charset 238 ''"},
    };
    for (const auto& [header, expected] : cases) {
        const DialogDef d = DialogOf("1 " + std::string(header) + "\nBEGIN END");
        std::ostringstream got;
        got << std::hex << d.style << (d.has_menu ? " menu " + d.menu.Describe() : "")
            << " charset " << std::dec << d.font_charset << " '" << d.caption << "'";
        EXPECT_EQ(got.str(), expected) << header;
    }
}

}  // namespace
}  // namespace heatwise::rc
