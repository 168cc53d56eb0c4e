// Resource statements other than dialogs: menus, data blocks, icons, accelerators, string
// tables and types of the program's own, with the messages for malformed scripts.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "file_search.h"
#include "script_test_support.h"

namespace heatwise::rc {
namespace {

using testing::ErrorOf;
using ::testing::HasSubstr;
using testing::Only;
using testing::Read;
using testing::WriteFile;

const Bytes& BytesOf(const ResourceDef& resource) {
    return std::get<Bytes>(resource.content);
}

// A whole menu as one text: each item as its kind (C command, P popup, S separator), id, text,
// options and help id, a popup's items in braces after it.
std::string Outline(const std::vector<MenuItemDef>& items) {
    static const char* const kOptionNames[] = {"grayed",   "inactive", "checked", "break",
                                               "barbreak", "right",    "radio",   "default"};
    std::string out;
    for (const MenuItemDef& item : items) {
        out += std::string(1, "CPS"[static_cast<int>(item.kind)]) + std::to_string(item.id) + " " +
               item.text;
        for (int bit = 0; bit < 8; ++bit) {
            out += (item.options >> bit & 1) != 0 ? std::string(" ") + kOptionNames[bit] : "";
        }
        out += item.help_id != 0 ? " help " + std::to_string(item.help_id) : "";
        out += item.items.empty() ? "; " : " { " + Outline(item.items) + "} ";
    }
    return out;
}

// The text and HELP option of a command and the id of an extended popup are read back from the
// generated tables in rc_GeneratedTables.MenusByNumberAndByName.
TEST(rc_Menu, NestedPopupsWithTheirOptions) {
    ResourceDef resource = Only(R"(
        #define CMD_OPEN 100
        30001 menu DISCARDABLE
        {
            MENUITEM "&Help", 40002, HELP
            POPUP "&File"
            BEGIN
                MENUITEM "&Open...\tCtrl+O", CMD_OPEN
                MENUITEM SEPARATOR
                POPUP "&Recent", GRAYED
                BEGIN
                    MENUITEM "One", CMD_OPEN + 1, CHECKED GRAYED
                    MENUITEM "Two", CMD_OPEN + 2, INACTIVE, MENUBREAK
                END
                MENUITEM "E&xit", 40004, MENUBARBREAK
            END
        })");
    EXPECT_EQ(resource.type, ResourceKey::Number(windlass::kTypeMenu));
    EXPECT_EQ(resource.id, ResourceKey::Number(30001));
    EXPECT_EQ(resource.where, "test.rc:3");
    EXPECT_EQ(Outline(std::get<MenuDef>(resource.content).items),
              "C40002 &Help right; P0 &File { C100 &Open...\tCtrl+O; S0 ; P0 &Recent grayed { "
              "C101 One grayed checked; C102 Two inactive break; } C40004 E&xit barbreak; } ");
}

TEST(rc_Menu, ExtendedMenusTakeIdsTypesAndStates) {
    ResourceDef resource = Only(R"(
        7 MENUEX
        BEGIN
            POPUP "&View", 40001, MFT_STRING, MFS_ENABLED, 99
            BEGIN
                MENUITEM "&Big", 41, MFT_RADIOCHECK, MFS_CHECKED | MFS_DEFAULT
                MENUITEM "", , MFT_SEPARATOR
                MENUITEM "&Small", 42, , MFS_GRAYED
                MENUITEM "Plain"
            END
            MENUITEM "&Right", 43, MFT_RIGHTJUSTIFY
        END)");
    EXPECT_EQ(Outline(std::get<MenuDef>(resource.content).items),
              "P40001 &View help 99 { C41 &Big checked radio default; S0 ; C42 &Small grayed; C0 "
              "Plain; } C43 &Right right; ");
}

TEST(rc_Data, WordsLongsAndStringsInOrder) {
    const std::pair<const char*, std::vector<unsigned>> cases[] = {
        {"1 RCDATA { 0x1234 65535 }", {0x34, 0x12, 0xFF, 0xFF}},  // commas may be left out
        {"1 RCDATA BEGIN 70000L, 1 END", {0x70, 0x11, 0x01, 0x00, 1, 0}},
        {"1 RCDATA BEGIN (2 + 3) * 4 | 1, 6 / 4 - 2 & 0xF END", {21, 0, 15, 0}},
        {"1 RCDATA BEGIN \"AB\" \"C\\0\", 1L END", {'A', 'B', 'C', 0, 1, 0, 0, 0}},
        {"1 RCDATA BEGIN -32768, 65535 END", {0x00, 0x80, 0xFF, 0xFF}},
        {"1 RCDATA BEGIN END", {}},
    };
    for (const auto& [script, expected] : cases) {
        const ResourceDef resource = Only(script);
        EXPECT_EQ(resource.type, ResourceKey::Number(windlass::kTypeRcData)) << script;
        const Bytes& bytes = BytesOf(resource);
        EXPECT_EQ(std::vector<unsigned>(bytes.begin(), bytes.end()), expected) << script;
    }
}

TEST(rc_Data, FilesTypesOfTheProgramsOwnAndIdsInAnyCase) {
    WriteFile("data/form.txt", "[Checks]\n1118 1 \n");
    auto script = Read(R"(
        #define MENU_MAIN 30001
        (100 + 2) RCDATA "data\\form.txt"
        MENU_MAIN WLMENUSTRING BEGIN 40002, "Opens the help\0", 0 END
        "Notes" "help" "data/form.txt"
        IDOK 300 { 1 }
        icon_data RCDATA { }
    )");
    ASSERT_EQ(script.resources.size(), 5u);
    const Bytes& form = BytesOf(script.resources[0]);
    EXPECT_EQ(std::string(form.begin(), form.end()), "[Checks]\n1118 1 \n");
    EXPECT_EQ(script.resources[0].id, ResourceKey::Number(102));
    EXPECT_EQ(script.resources[1].id, ResourceKey::Number(30001));
    EXPECT_EQ(script.resources[1].type, ResourceKey::Named("wlmenustring"));
    EXPECT_EQ(script.resources[2].type.name, "HELP");
    EXPECT_EQ(script.resources[2].id.name, "NOTES");
    EXPECT_EQ(script.resources[3].type, ResourceKey::Number(300));
    EXPECT_EQ(script.resources[3].id, ResourceKey::Number(1));
    EXPECT_EQ(script.resources[4].id, ResourceKey::Named("ICON_DATA"));
    ASSERT_EQ(script.dependencies.size(), 2u);
    EXPECT_EQ(script.dependencies[0].filename(), "form.txt");
}

TEST(rc_Data, StringTablesAndAccelerators) {
    auto script = Read(R"(
        STRINGTABLE
        BEGIN
            40002, "Opens the help file"
            40004 "Ends Heatwise"
        END
        2 ACCELERATORS
        BEGIN
            "^X", 40004
            "h", 40002, ASCII, NOINVERT
            "q", 40004, VIRTKEY, CONTROL, SHIFT
            VK_F1, 40002, VIRTKEY ALT
            65, 1
        END)");
    ASSERT_EQ(script.resources.size(), 3u);
    EXPECT_EQ(script.resources[0].type, ResourceKey::Number(windlass::kTypeString));
    EXPECT_EQ(script.resources[0].id, ResourceKey::Number(40002));
    const Bytes& text = std::get<Bytes>(script.resources[1].content);
    EXPECT_EQ(std::string(text.begin(), text.end()), "Ends Heatwise");
    const auto& keys = std::get<Accelerators>(script.resources[2].content);
    ASSERT_EQ(keys.size(), 5u);
    std::vector<std::vector<int>> rows;
    for (const AcceleratorDef& a : keys) {
        rows.push_back({a.flags, a.key, a.command});
    }
    EXPECT_EQ(rows, (std::vector<std::vector<int>>{{0, 24, 40004},
                                                   {0x02, 'h', 40002},
                                                   {0x01 | 0x08 | 0x04, 'Q', 40004},
                                                   {0x01 | 0x10, 0x70, 40002},
                                                   {0, 65, 1}}));
}

TEST(rc_Data, FilesLargerThanAnyResourceAreNotRead) {
    // A sparse file: its size costs no disk, and the compiler stops reading past the limit.
    WriteFile("huge.dat", "");
    std::filesystem::resize_file("huge.dat", kLargestFile + 1);
    EXPECT_THAT(ErrorOf("\n1 RCDATA \"huge.dat\""),
                HasSubstr("test.rc:2: cannot read data file 'huge.dat': unreadable, or larger "
                          "than the 64 MiB a file may hold"));
    EXPECT_THAT(ErrorOf("#include \"huge.dat\""),
                HasSubstr("test.rc:1: cannot read include file 'huge.dat'"));
    std::filesystem::resize_file("huge.dat", kLargestFile);
    EXPECT_EQ(BytesOf(Only("1 RCDATA \"huge.dat\"")).size(), kLargestFile);
    std::filesystem::remove("huge.dat");
}

TEST(rc_Script, MalformedScriptsAreReportedWithFileAndLine) {
    const std::pair<const char*, const char*> cases[] = {
        {"1 MENU\nBEGIN\n  MENUITEM \"&Help\", 40002\n",
         "test.rc:3: the file ends inside MENU 1: END is missing"},
        {"1 MENU\nBEGIN\n  POPUP \"&File\"\n  BEGIN\n  MENUITEM \"E&xit\", 2\nEND\n2 RCDATA { 1 }",
         "test.rc:7: expected MENUITEM, POPUP or END in MENU 1, found '2'"},
        {"1 MENU BEGIN MENUITEM \"x\", 5, BOLD END",
         "test.rc:1: expected a menu option (CHECKED, GRAYED, INACTIVE, MENUBREAK, MENUBARBREAK or "
         "HELP) for menu item \"x\", found 'BOLD'"},
        {"1 MENU BEGIN MENUITEM \"x\", 70000 END",
         "test.rc:1: 70000 is outside the accepted range -32768 to 65535 for the command id of "
         "menu item \"x\""},
        {"1 MENU BEGIN MENUITEM x, 5 END",
         "test.rc:1: expected the text of a MENUITEM in MENU 1 in double quotes, found 'x'"},
        {"1 MENUEX BEGIN MENUITEM \"x\", 5, MFT_OWNERDRAW END",
         "test.rc:1: type 0x100 of menu item \"x\" is not supported"},
        {"\n\n1 RCDATA BEGIN 70000 END",
         "test.rc:3: 70000 does not fit in a 16-bit word (-32768 to 65535); write it with an L"},
        {"1 RCDATA BEGIN 1, 2", "test.rc:1: the file ends inside RCDATA 1: END is missing"},
        {"1 RCDATA BEGIN 1 / (2 - 2) END", "test.rc:1: division by zero in a number in RCDATA 1"},
        {"1 RCDATA BEGIN 1 + END", "test.rc:1: expected a number in RCDATA 1, found 'END'"},
        {"1 RCDATA BEGIN UNKNOWN_NAME END",
         "test.rc:1: unknown name 'UNKNOWN_NAME' in a number in RCDATA 1: it is neither "
         "#define'd nor a standard constant"},
        {"1 RCDATA BEGIN (1 END",
         "test.rc:1: expected ')' to close the '(' in a number in RCDATA 1"},
        {"1 RCDATA 5", "test.rc:1: expected BEGIN or a file name in double quotes for RCDATA 1"},
        {"\n1 RCDATA \"nowhere.dat\"", "test.rc:2: cannot open data file 'nowhere.dat'"},
        {"ICON1 ICON heatwise",
         "test.rc:1: expected the icon file name of ICON ICON1 in double "
         "quotes, found 'heatwise'"},
        {"1 CURSOR \"x.cur\"", "test.rc:1: resource type CURSOR is not supported"},
        {"1 FOOBAR BEGIN END", "test.rc:1: expected a resource type after resource id 1 (MENU, "},
        {"1 12 BEGIN END",
         "test.rc:1: 12 is outside the accepted range 256 to 65535 for a "
         "resource type number of the program's own"},
        {"BEGIN",
         "test.rc:1: expected a resource id (a number or a name) or STRINGTABLE, found "
         "'BEGIN'"},
        {"70000 RCDATA { }",
         "test.rc:1: 70000 is outside the accepted range 0 to 65535 for a "
         "resource id"},
        {"1 RCDATA { }\n2 RCDATA { }\n0x1 rcdata { }",
         "test.rc:3: RCDATA 1 is defined twice (first at test.rc:1)"},
        {"Icon1 RCDATA { }\nICON1 RCDATA { }", "test.rc:2: RCDATA ICON1 is defined twice"},
        {"STRINGTABLE BEGIN 1 \"a\" 1 \"b\" END", "test.rc:1: string 1 is defined twice"},
        {"STRINGTABLE BEGIN 1, 2 END", "test.rc:1: expected the text of string 1 in double quotes"},
        {"LANGUAGE 9, 1", "test.rc:1: the LANGUAGE statement is not supported"},
        {"1 ACCELERATORS BEGIN \"ab\", 1 END",
         "test.rc:1: an accelerator key in quotes is one character, or ^ and a letter"},
        {"1 ACCELERATORS BEGIN \"a\", 1, SHIFT END",
         "test.rc:1: SHIFT and CONTROL apply only to VIRTKEY accelerators"},
        {"1 ACCELERATORS BEGIN \"^a\", 1, VIRTKEY END",
         "test.rc:1: a ^ key is a control character"},
        {"1 ACCELERATORS BEGIN \"a\", 1, ASCII, VIRTKEY END",
         "test.rc:1: an accelerator is either ASCII or VIRTKEY, not both"},
        {"1 ACCELERATORS BEGIN \"a\", 1, BOLD END", "test.rc:1: expected an accelerator option"},
    };
    for (const auto& [script, message] : cases) {
        EXPECT_THAT(ErrorOf(script), HasSubstr(message)) << script;
    }
}

}  // namespace
}  // namespace heatwise::rc
