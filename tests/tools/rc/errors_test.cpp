// The compiler's messages for malformed scripts, each with the file and line where the fault
// stands, from the lexer, the preprocessor and the readers of each resource statement; and
// heatwise-rc run as the build runs it: a good script gives the source and the dependency list,
// a bad one "file:line: reason", status 1 and no output, so the build stops, and a wrong command
// line the usage and status 2.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <sstream>

#include "script_test_support.h"

namespace heatwise::rc {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using testing::WriteFile;

// Five levels of ten-fold macros make 100000 tokens a use: six levels are too many for one use,
// and eleven uses make 1100000, where the script stops at a million.
const std::string kTenfold =
    "#define A B B B B B B B B B B\n#define B C C C C C C C C C C\n"
    "#define C D D D D D D D D D D\n#define D E E E E E E E E E E\n";

// A menu whose one item lies inside `depth` pop-ups, each within the one before.
std::string NestedMenu(int depth) {
    std::string script = "1 MENU\nBEGIN\n";
    for (int level = 0; level < depth; ++level) {
        script += "POPUP \"p\"\nBEGIN\n";
    }
    script += "MENUITEM \"x\", 5\n";
    for (int level = 0; level < depth; ++level) {
        script += "END\n";
    }
    return script + "END\n";
}

// Scripts and their messages; a message that starts with a line number stands in test.rc.
const std::pair<std::string, std::string> kMalformed[] = {
    // Malformed tokens; the lexer's own test names the rest of its faults.
    {R"(CAPTION "no end)", "1: unterminated string: the closing '\"' is missing"},
    {"12ab", "1: bad number '12ab'"},
    {"4294967296", "1: bad number '4294967296': it does not fit in 32 bits"},
    {"\x01", "1: unexpected character '\\x01'"},
    {R"(L"wide")", "1: wide strings (L\"...\") are not supported"},
    // Directives and macros.
    {"\n#include \"missing.h\"", "2: cannot open include file 'missing.h'"},
    {"#include missing.h", "1: #include needs a file name in double quotes"},
    {"#include \"self.h\"", "self.h:1: #include nested more than 32 deep"},
    {"#include \"\"", "1: cannot open include file ''"},
    {"1\n#ifdef A\n2\n", "2: #ifdef has no #endif before the end of the file"},
    {"#endif", "1: #endif without #if"},
    {"#if 1\n#else\n#else\n#endif", "3: #else after #else (the #if is at line 1)"},
    {"#if 1 +\n#endif", "1: the condition ends where a value is expected"},
    {"#if (1\n#endif", "1: missing ')' in the condition"},
    {"#if 1 % 0\n#endif", "1: division by zero in the condition"},
    // Only a side that decides leaves the other unworked.
    {"#if 0 || 1 / 0\n#endif", "1: division by zero in the condition"},
    {"#if 1 && 1 / 0\n#endif", "1: division by zero in the condition"},
    {"#define F(x) x", "1: 'F' is defined with parameters"},
    {"#define F(", "1: 'F' is defined with parameters"},
    {"#define A 1\n#define A 2",
     "2: 'A' is defined again with a different value (first defined at test.rc:1)"},
    {"#define A 1\n#define A 1 + 0",
     "2: 'A' is defined again with a different value (first defined at test.rc:1)"},
    {"#define RC_INVOKED 2",
     "1: 'RC_INVOKED' is defined again with a different value (it is "
     "predefined)"},
    {"#define", "1: #define needs a name"},
    {"#pragma pack(1)", "1: unknown #pragma 'pack(1)'"},
    {"#line 5", "1: unknown directive '#line'"},
    {"#error Heatwise needs the form", "1: #error Heatwise needs the form"},
    {"1\n/* never closed\n2", "2: comment begun here is not closed"},
    {kTenfold + "#define E F F F F F F F F F F\n#define F G G\nA",
     "7: 'A' expands to more than 100000 tokens"},
    {kTenfold + "#define E 1 1 1 1 1 1 1 1 1 1\nA A A A A A A A A A A",
     "6: the script grows to more than 1000000 tokens as its macros are replaced"},
    // Resource statements.
    {"30001 MENU\nBEGIN\n  MENUITEM \"&Help\", 40002\n  MENUITEM \"E&xit\" 40004\nEND\n",
     "4: expected ',' after the text of menu item \"E&xit\", found '40004'"},
    {"\n\nICON1 ICON \"missing.ico\"\n", "3: cannot open icon file 'missing.ico'"},
    {"ICON1 ICON \"heatwise.ico\"\n",
     "1: 'heatwise.ico' is not a usable icon: the file does not start like an icon file"},
    {"1 MENU BEGIN MENUITEM \"x\", 5, BOLD END",
     "1: expected a menu option (CHECKED, GRAYED, INACTIVE, MENUBREAK, MENUBARBREAK or "
     "HELP) for menu item \"x\", found 'BOLD'"},
    {NestedMenu(33), "69: pop-up menus nested more than 32 deep"},
    {"1 MENUEX BEGIN MENUITEM \"x\", 5, MFT_OWNERDRAW END",
     "1: type 0x100 of menu item \"x\" is not supported"},
    {"1 BITMAP \"short.bmp\"", "1: 'short.bmp' is not a bitmap file"},
    {"\n1 BITMAP \"icon.bmp\"", "2: 'icon.bmp' is not a bitmap file"},
    {"1 BITMAP fan", "1: expected the bitmap file name of BITMAP 1 in double quotes"},
    {"1 BITMAP \"none.bmp\"", "1: cannot open bitmap file 'none.bmp'"},
    {"\n\n1 RCDATA BEGIN 70000 END",
     "3: 70000 does not fit in a 16-bit word (-32768 to 65535); write it with an L"},
    {"1 RCDATA BEGIN 1, 2", "1: the file ends inside RCDATA 1: END is missing"},
    {"1 RCDATA BEGIN 1 / (2 - 2) END", "1: division by zero in a number in RCDATA 1"},
    {"1 RCDATA BEGIN 1 + END", "1: expected a number in RCDATA 1, found 'END'"},
    {"1 RCDATA BEGIN UNKNOWN_NAME END",
     "1: unknown name 'UNKNOWN_NAME' in a number in RCDATA 1: it is neither "
     "#define'd nor a standard constant"},
    {"1 RCDATA 5", "1: expected BEGIN or a file name in double quotes for RCDATA 1"},
    {"\n1 RCDATA \"nowhere.dat\"", "2: cannot open data file 'nowhere.dat'"},
    {"1 CURSOR \"x.cur\"", "1: resource type CURSOR is not supported"},
    {"1 FOOBAR BEGIN END", "1: expected a resource type after resource id 1 (MENU, "},
    {"1 12 BEGIN END",
     "1: 12 is outside the accepted range 256 to 65535 for a "
     "resource type number of the program's own"},
    {"BEGIN", "1: expected a resource id (a number or a name) or STRINGTABLE, found 'BEGIN'"},
    {"70000 RCDATA { }", "1: 70000 is outside the accepted range 0 to 65535 for a resource id"},
    {"1 RCDATA { }\n2 RCDATA { }\n0x1 rcdata { }",
     "3: RCDATA 1 is defined twice (first at test.rc:1)"},
    {"STRINGTABLE BEGIN 1 \"a\" 1 \"b\" END", "1: string 1 is defined twice"},
    {"LANGUAGE 9, 1", "1: the LANGUAGE statement is not supported"},
    {"1 ACCELERATORS BEGIN \"ab\", 1 END",
     "1: an accelerator key in quotes is one character, or ^ and a letter"},
    {"1 ACCELERATORS BEGIN \"a\", 1, SHIFT END",
     "1: SHIFT and CONTROL apply only to VIRTKEY accelerators"},
    {"1 ACCELERATORS BEGIN \"a\", 1, ASCII, VIRTKEY END",
     "1: an accelerator is either ASCII or VIRTKEY, not both"},
    // Dialogs.
    {"1 DIALOGEX 0, 0, 10, 10\nBEGIN\n  LTEXT \"Label\"\nBEGIN",
     "4: expected ',' after the text of the LTEXT in DIALOGEX 1, found 'BEGIN'"},
    {"1 DIALOGEX 0,0,1,1 BEGIN\n\n  BITMAP \"x\", 1, 1, 2, 3, 4\nEND",
     "3: expected a control statement (CONTROL, LTEXT"},
    {"1 DIALOGEX 0,0,1,1\nSTYLE WS_CHILD | WS_CHLD\nBEGIN END",
     "2: unknown name 'WS_CHLD' in the style of DIALOGEX 1: it is neither #define'd "
     "nor a standard constant"},
    {"1 DIALOGEX 0,0,1,1 BEGIN\nCONTROL \"\", 7, Frame, 0, 1,2,3,4\nEND",
     "2: expected the class of control 7 in DIALOGEX 1 (a name in double quotes"},
    {"1 DIALOGEX 0,0,1,1 BEGIN\nPUSHBUTTON \"OK\", 1, 40000, 2, 3, 4\nEND",
     "2: 40000 is outside the accepted range -32768 to 32767 for the x position of "
     "PUSHBUTTON 1 in DIALOGEX 1"},
    {"1 DIALOG 0,0,1,1\nFONT 8, \"MS Sans Serif\", 700\nBEGIN END",
     "2: the FONT of a DIALOG has only a point size and a typeface"},
    {"1 DIALOGEX 0,0,1,1\nFONT 0, \"x\"\nBEGIN END",
     "2: 0 is outside the accepted range 1 to 32767 for the point size"},
    {"1 DIALOGEX 0,0,1,1\nTITLE \"x\"\nBEGIN END",
     "2: expected STYLE, EXSTYLE, CAPTION, FONT, MENU, CLASS or BEGIN in DIALOGEX 1, "
     "found 'TITLE'"},
    {"1 DIALOGEX 0,0,1,1\nSTYLE " + std::string(250, '(') + "1\nBEGIN END",
     "2: the style of DIALOGEX 1 is nested too deeply"},
};

TEST(rc_Errors, MalformedScriptsAreReportedWithFileAndLine) {
    WriteFile("self.h", "#include \"self.h\"\n");
    WriteFile("heatwise.ico", "GIF89a not an icon at all");
    WriteFile("short.bmp", "BM");
    WriteFile("icon.bmp", std::string(30, '\0'));
    for (const auto& [script, message] : kMalformed) {
        const bool in_script = std::isdigit(static_cast<unsigned char>(message[0])) != 0;
        EXPECT_THAT(testing::ErrorOf(script), HasSubstr((in_script ? "test.rc:" : "") + message))
            << script;
    }
    EXPECT_EQ(testing::ErrorOf(NestedMenu(32)), "no error") << "pop-ups 32 deep";
}

std::string ReadAll(const fs::path& path) {
    std::stringstream text;
    text << std::ifstream(path).rdbuf();
    return text.str();
}

TEST(rc_Compiler, ExitStatusMessagesAndOutputFiles) {
    WriteFile("run/shared/ids.h", "#define MENU_MAIN 30001\n");
    WriteFile("run/form.txt", "[Checks]\n");
    WriteFile("run/good.rc", "#include <ids.h>\nMENU_MAIN RCDATA { 1 }\n102 RCDATA \"form.txt\"\n");
    WriteFile("run/bad.rc", "1 RCDATA BEGIN\n  70000\nEND\n");
    WriteFile("run/out.cpp", "stale output of an earlier build");
    const std::tuple<const char*, int, const char*> cases[] = {
        {"run/bad.rc run/out.cpp", 1, "bad.rc:2: 70000 does not fit in a 16-bit word"},
        {"run/good.rc run/out.cpp", 1, "good.rc:1: cannot open include file 'ids.h'"},
        {"run/missing.rc run/out.cpp", 1, "missing.rc: cannot open the resource script"},
        {"", 2, "usage: heatwise-rc INPUT.rc OUTPUT.cpp"},
        {"run/good.rc run/out.cpp c", 2, "usage: heatwise-rc"},
        {"-Irun/shared run/good.rc run/out.cpp --depfile run/out.d", 0, ""},
    };
    for (const auto& [arguments, status, message] : cases) {
        const std::string command = std::string(HEATWISE_RC_PATH) + " " + arguments + " 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        for (char buffer[256]; fgets(buffer, sizeof buffer, pipe) != nullptr;) {
            output += buffer;
        }
        const int exit = pclose(pipe);
        EXPECT_EQ(WIFEXITED(exit) ? WEXITSTATUS(exit) : -1, status) << arguments;
        EXPECT_THAT(output, HasSubstr(message)) << arguments;
        // A failed run leaves no output behind, so the next build runs the compiler again.
        EXPECT_EQ(fs::exists("run/out.cpp"), status == 0) << arguments;
    }
    EXPECT_THAT(ReadAll("run/out.cpp"), HasSubstr("windlass::ResourceName(30001)"));
    const std::string depfile = ReadAll("run/out.d");
    for (const char* file : {"out.cpp:", "good.rc", "shared/ids.h", "form.txt"}) {
        EXPECT_THAT(depfile, HasSubstr((fs::current_path() / "run" / file).string())) << file;
    }
    EXPECT_FALSE(fs::exists("run/out.cpp.partial"));
}

}  // namespace
}  // namespace heatwise::rc
