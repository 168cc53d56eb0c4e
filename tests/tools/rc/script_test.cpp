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
using windlass::MenuItemKind;

const MenuDef& MenuOf(const ResourceDef& resource) {
    return std::get<MenuDef>(resource.content);
}
const Bytes& BytesOf(const ResourceDef& resource) {
    return std::get<Bytes>(resource.content);
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
    const auto& bar = MenuOf(resource).items;
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0].kind, MenuItemKind::kCommand);
    EXPECT_EQ(bar[0].id, 40002);
    EXPECT_EQ(bar[1].kind, MenuItemKind::kPopup);
    EXPECT_EQ(bar[1].id, 0);
    const auto& file = bar[1].items;
    ASSERT_EQ(file.size(), 4u);
    EXPECT_EQ(file[0].text, "&Open...\tCtrl+O");
    EXPECT_EQ(file[0].id, 100);
    EXPECT_EQ(file[1].kind, MenuItemKind::kSeparator);
    EXPECT_EQ(file[2].options, windlass::kMenuGrayed);
    ASSERT_EQ(file[2].items.size(), 2u);
    EXPECT_EQ(file[2].items[0].id, 101);
    EXPECT_EQ(file[2].items[0].options, windlass::kMenuChecked | windlass::kMenuGrayed);
    EXPECT_EQ(file[2].items[1].id, 102);
    EXPECT_EQ(file[2].items[1].options, windlass::kMenuInactive | windlass::kMenuBreak);
    EXPECT_EQ(file[3].options, windlass::kMenuBarBreak);
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
    const auto& bar = MenuOf(resource).items;
    ASSERT_EQ(bar.size(), 2u);
    EXPECT_EQ(bar[0].help_id, 99);
    const auto& view = bar[0].items;
    ASSERT_EQ(view.size(), 4u);
    EXPECT_EQ(view[0].options,
              windlass::kMenuRadioCheck | windlass::kMenuChecked | windlass::kMenuDefault);
    EXPECT_EQ(view[1].kind, MenuItemKind::kSeparator);
    EXPECT_EQ(view[2].id, 42);
    EXPECT_EQ(view[2].options, windlass::kMenuGrayed);
    EXPECT_EQ(view[3].id, 0);
    EXPECT_EQ(bar[1].options, windlass::kMenuRightJustify);
}

struct DataCase {
    const char* script;
    std::vector<unsigned> bytes;
};

TEST(rc_Data, WordsLongsAndStringsInOrder) {
    const DataCase cases[] = {
        {"1 RCDATA { 0x1234 65535 }", {0x34, 0x12, 0xFF, 0xFF}},  // commas may be left out
        {"1 RCDATA BEGIN 70000L, 1 END", {0x70, 0x11, 0x01, 0x00, 1, 0}},
        {"1 RCDATA BEGIN (2 + 3) * 4 | 1, 6 / 4 - 2 & 0xF END", {21, 0, 15, 0}},
        {"1 RCDATA BEGIN \"AB\" \"C\\0\", 1L END", {'A', 'B', 'C', 0, 1, 0, 0, 0}},
        {"1 RCDATA BEGIN -32768, 65535 END", {0x00, 0x80, 0xFF, 0xFF}},
        {"1 RCDATA BEGIN END", {}},
    };
    for (const auto& c : cases) {
        ResourceDef resource = Only(c.script);
        EXPECT_EQ(resource.type, ResourceKey::Number(windlass::kTypeRcData)) << c.script;
        const Bytes& bytes = BytesOf(resource);
        EXPECT_EQ(std::vector<unsigned>(bytes.begin(), bytes.end()), c.bytes) << c.script;
    }
}

TEST(rc_Data, FilesAndTypesOfTheProgramsOwn) {
    WriteFile("data/form.txt", "[Checks]\n1118 1 \n");
    auto script = Read(R"(
        102 RCDATA "data\\form.txt"
        30001 WLMENUSTRING BEGIN 40002, "Opens the help\0", 0 END
        "Notes" "help" "data/form.txt"
        5 300 { 1 }
    )");
    ASSERT_EQ(script.resources.size(), 4u);
    EXPECT_EQ(std::get<Bytes>(script.resources[0].content),
              Bytes({'[', 'C', 'h', 'e', 'c', 'k', 's', ']', '\n', '1', '1', '1', '8', ' ', '1',
                     ' ', '\n'}));
    EXPECT_EQ(script.resources[1].type, ResourceKey::Named("wlmenustring"));
    EXPECT_EQ(script.resources[2].type.name, "HELP");
    EXPECT_EQ(script.resources[2].id.name, "NOTES");
    EXPECT_EQ(script.resources[3].type, ResourceKey::Number(300));
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
    auto row = [](const AcceleratorDef& a) { return std::vector<int>{a.flags, a.key, a.command}; };
    EXPECT_EQ(row(keys[0]), (std::vector<int>{0, 24, 40004}));
    EXPECT_EQ(row(keys[1]), (std::vector<int>{0x02, 'h', 40002}));
    EXPECT_EQ(row(keys[2]), (std::vector<int>{0x01 | 0x08 | 0x04, 'Q', 40004}));
    EXPECT_EQ(row(keys[3]), (std::vector<int>{0x01 | 0x10, 0x70, 40002}));
    EXPECT_EQ(row(keys[4]), (std::vector<int>{0, 65, 1}));
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

TEST(rc_Script, IdsAreNumbersOrNamesInAnyCase) {
    WriteFile("blank.dat", "");
    auto script = Read(R"(
        #define MENU_MAIN 30001
        MENU_MAIN RCDATA "blank.dat"
        icon_data RCDATA "blank.dat"
        IDOK RCDATA "blank.dat"
        (100 + 2) RCDATA "blank.dat"
    )");
    ASSERT_EQ(script.resources.size(), 4u);
    EXPECT_EQ(script.resources[0].id, ResourceKey::Number(30001));
    EXPECT_EQ(script.resources[1].id, ResourceKey::Named("ICON_DATA"));
    EXPECT_EQ(script.resources[2].id, ResourceKey::Number(1));
    EXPECT_EQ(script.resources[3].id, ResourceKey::Number(102));
}

struct ErrorCase {
    const char* script;
    const char* message;
};

TEST(rc_Script, MalformedScriptsAreReportedWithFileAndLine) {
    const ErrorCase cases[] = {
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
        {"1 BITMAP \"x.bmp\"", "test.rc:1: resource type BITMAP is not supported"},
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
    for (const auto& c : cases) {
        EXPECT_THAT(ErrorOf(c.script), HasSubstr(c.message)) << c.script;
    }
}

}  // namespace
}  // namespace heatwise::rc
