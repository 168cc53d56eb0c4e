#include "window/menu_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace windlass {
namespace {

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
