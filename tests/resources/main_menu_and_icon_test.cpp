// The program's own resource script, resources/heatwise.rc, compiled into this test as it is
// into the program: the main menu, its companion data and the window icon.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "resources/icon_directory.h"
#include "resources/resource_lookup.h"

namespace windlass {
namespace {

using ::testing::ElementsAre;

TEST(resources_HeatwiseScript, MainMenuHasHelpThenFile) {
    const MenuTemplate* menu = FindMenu(30001);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->item_count, 2);

    const MenuItem& help = menu->items[0];
    EXPECT_EQ(help.kind, MenuItemKind::kCommand);
    EXPECT_STREQ(help.text, "&Help");
    EXPECT_EQ(help.id, 40002);
    EXPECT_EQ(help.options, 0u);

    const MenuItem& file = menu->items[1];
    EXPECT_EQ(file.kind, MenuItemKind::kPopup);
    EXPECT_STREQ(file.text, "&File");
    EXPECT_EQ(file.id, 0);  // numbered at run time from the companion data
    ASSERT_EQ(file.item_count, 1);
    EXPECT_EQ(file.items[0].kind, MenuItemKind::kCommand);
    EXPECT_STREQ(file.items[0].text, "E&xit");
    EXPECT_EQ(file.items[0].id, 40004);
    EXPECT_EQ(file.items[0].options, 0u);
}

TEST(resources_HeatwiseScript, MenuCompanionGivesTheFilePopupItsId) {
    auto data = FindData(kTypeRcData, 30001);
    ASSERT_TRUE(data);
    EXPECT_EQ(data->size(), 8u);
    EXPECT_THAT(DataWords(*data), ElementsAre(40001, 2, 0, 0));
    // The program has no accelerators and no menu prompts.
    EXPECT_EQ(FindAccelerators(30001), nullptr);
    EXPECT_FALSE(FindData(kTypeMenuPrompts, 30001));
}

TEST(resources_HeatwiseScript, WindowIconIsFoundAsIcon1InAnyCase) {
    for (const char* name : {"icon1", "ICON1", "Icon1"}) {
        auto icon = FindData(kTypeIcon, name);
        ASSERT_TRUE(icon) << name;
        IconDirectory directory = ReadIconDirectory(*icon);
        EXPECT_EQ(directory.problem, "") << name;
        std::vector<int> sizes;
        for (const IconImage& image : directory.images) {
            EXPECT_EQ(image.format, IconImageFormat::kPng);
            EXPECT_EQ(image.width, image.height);
            sizes.push_back(image.width);
        }
        EXPECT_THAT(sizes, ElementsAre(16, 32, 48, 256)) << name;
    }
}

}  // namespace
}  // namespace windlass
