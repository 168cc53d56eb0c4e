#include "window/menu_model.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace windlass {
namespace {

std::vector<std::uint8_t> Words(std::initializer_list<int> words) {
    std::vector<std::uint8_t> bytes;
    for (int word : words) {
        bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>((word >> 8) & 0xFF));
    }
    return bytes;
}

// The application's menu: "&Help" on the bar, then the "&File" pop-up holding "E&xit".
MenuBar ApplicationMenu() {
    MenuEntry help;
    help.text = "&Help";
    help.id = 40002;
    MenuEntry exit;
    exit.text = "E&xit";
    exit.id = 40004;
    MenuEntry file;
    file.kind = MenuEntry::Kind::PopUp;
    file.text = "&File";
    file.items = {exit};
    return {help, file};
}

TEST(MenuCompanion, ReadsRecordsOfUnsignedWords) {
    auto records = ParseMenuCompanion(Words({40001, 2, 0, 0}));
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].command_id, 40001);
    EXPECT_EQ(records[0].path, std::vector<int>{2});
    records = ParseMenuCompanion(Words({500, 1, 3, 2, 0, 65535, 4, 0, 0, 77, 1, 0}));
    ASSERT_EQ(records.size(), 2u) << "nothing after the ending 0 counts";
    EXPECT_EQ(records[0].path, (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(records[1].command_id, 65535);
}

std::vector<std::uint8_t> Bytes(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> bytes;
    for (const auto& part : parts) {
        bytes.insert(bytes.end(), part.begin(), part.end());
    }
    return bytes;
}

std::vector<std::uint8_t> Text(const char* text) {
    std::vector<std::uint8_t> bytes(text, text + std::char_traits<char>::length(text));
    bytes.push_back(0);
    return bytes;
}

TEST(MenuPrompts, RecordsOfCommandAndText) {
    auto prompts =
        ParseMenuPrompts(Bytes({Words({40004}), Text("Ends the program"), Words({40002}), Text(""),
                                Words({0}), Words({1}), Text("after the end")}));
    EXPECT_EQ(prompts, (std::map<int, std::string>{{40004, "Ends the program"}, {40002, ""}}));
    // A text without its NUL, and a half word, are cut off records.
    std::vector<std::uint8_t> cut = Bytes({Words({7}), Text("kept"), Words({8})});
    cut.push_back('x');
    EXPECT_EQ(ParseMenuPrompts(cut), (std::map<int, std::string>{{7, "kept"}}));
    EXPECT_EQ(ParseMenuPrompts(Bytes({Words({9}), {'n', 'o'}})).size(), 0u);
}

// Records that number pop-ups from a menu resource are checked from the resources to the
// frame's menu in WindowOpen.TheMenuResourceGivesItemsAcceleratorsPromptsAndTheIcon.
TEST(MenuNumbering, PathsThatLeadNowhereAreSkipped) {
    MenuBar bar = ApplicationMenu();
    std::vector<MenuNumbering> numbering = {
        {1, {3}},        // Past the end of the bar.
        {2, {1, 1}},     // On through "&Help", which is no pop-up.
        {3, {2, 2}},     // Past the end of "&File".
        {4, {0}},        // Positions count from 1.
        {5, {2, 1}},     // "E&xit" itself.
        {6, {2, 1, 1}},  // On through "E&xit".
    };
    EXPECT_EQ(NumberMenuItems(bar, numbering), 1);
    EXPECT_EQ(bar[0].id, 40002);
    EXPECT_EQ(bar[1].id, 0);
    EXPECT_EQ(bar[1].items[0].id, 5);
}

}  // namespace
}  // namespace windlass
