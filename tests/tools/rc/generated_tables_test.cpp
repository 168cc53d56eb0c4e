// The tables that heatwise-rc generates from data/sample.rc, compiled into this test and
// read back through the toolkit's lookup, as the program reads its own.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "data/sample_ids.h"
#include "resources/resource_lookup.h"

namespace windlass {
namespace {

using ::testing::ElementsAre;

TEST(rc_GeneratedTables, DialogTemplateWithEveryHeaderLine) {
    const DialogTemplate* dialog = FindDialog(IDD_SAMPLE);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->form, DialogForm::kDialogEx);
    EXPECT_EQ(dialog->style, 0x40C00444u);  // the caption adds WS_CAPTION
    EXPECT_EQ(dialog->ex_style, 0x10000u);
    EXPECT_EQ(dialog->x, 10);
    EXPECT_EQ(dialog->y, 20);
    EXPECT_EQ(dialog->width, 300);
    EXPECT_EQ(dialog->height, 150);
    EXPECT_EQ(dialog->help_id, 77);
    EXPECT_STREQ(dialog->caption, "Sample \"dialog\"");
    EXPECT_TRUE(dialog->menu.Matches("samplemenu"));
    EXPECT_STREQ(dialog->class_name, "SAMPLECLASS");
    EXPECT_EQ(dialog->font_point_size, 8);
    EXPECT_STREQ(dialog->font_face, "MS Sans Serif");
    EXPECT_EQ(dialog->font_weight, 700);
    EXPECT_TRUE(dialog->font_italic);
    EXPECT_EQ(dialog->font_charset, 1);
}

struct ExpectedControl {
    const char* class_name;
    const char* text;
    int id;
    std::uint32_t style;
    std::uint32_t ex_style;
    int x, y, width, height, help_id;
};

TEST(rc_GeneratedTables, ControlsInTemplateOrder) {
    const ExpectedControl expected[] = {
        {"REALEDIT", "0.80000E-01", 1137, 0x50010005, 0x200, 260, 44, 40, 8, 5},
        {"COMBOBOX", "", 1112, 0x50200003, 0, 260, 12, 96, 220, 0},
        {"STATIC", "% calc'd", 1027, 0x58000000, 0, 212, 12, 32, 8, 0},
        {"BUTTON", "OK", 1, 0x50010001, 0, 1, 2, 3, 4, 0},
        {"BUTTON", "Cooling", 1118, 0x50030009, 0, 282, 106, 40, 8, 0},
        {"EDIT", "", 11, 0x50810800, 0, -1, -2, 3, 4, 0},
    };
    const DialogTemplate* dialog = FindDialog(IDD_SAMPLE);
    ASSERT_NE(dialog, nullptr);
    ASSERT_EQ(dialog->control_count, static_cast<int>(std::size(expected)));
    for (int i = 0; i < dialog->control_count; ++i) {
        const DialogControl& c = dialog->controls[i];
        const ExpectedControl& e = expected[i];
        SCOPED_TRACE("control " + std::to_string(e.id));
        EXPECT_STREQ(c.class_name, e.class_name);
        EXPECT_STREQ(c.text, e.text);
        EXPECT_EQ(c.id, e.id);
        EXPECT_EQ(c.style, e.style);
        EXPECT_EQ(c.ex_style, e.ex_style);
        EXPECT_EQ(c.x, e.x);
        EXPECT_EQ(c.y, e.y);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.help_id, e.help_id);
    }
}

TEST(rc_GeneratedTables, MenusByNumberAndByName) {
    const MenuTemplate* plain = FindMenu(IDM_SAMPLE);
    ASSERT_NE(plain, nullptr);
    ASSERT_EQ(plain->item_count, 1);
    EXPECT_STREQ(plain->items[0].text, "&Help");
    EXPECT_EQ(plain->items[0].options, kMenuRightJustify);
    EXPECT_EQ(plain->items[0].items, nullptr);

    const MenuTemplate* extended = FindMenu("SampleMenu");
    ASSERT_NE(extended, nullptr);
    ASSERT_EQ(extended->item_count, 1);
    const MenuItem& file = extended->items[0];
    EXPECT_EQ(file.kind, MenuItemKind::kPopup);
    EXPECT_EQ(file.id, 40001);
    ASSERT_EQ(file.item_count, 1);
    EXPECT_STREQ(file.items[0].text, "E&xit");
    EXPECT_EQ(file.items[0].id, 40004);
}

TEST(rc_GeneratedTables, DataKeepsEveryByteAndAClosingZero) {
    auto words = FindData(kTypeRcData, IDM_SAMPLE);
    ASSERT_TRUE(words);
    EXPECT_THAT(DataWords(*words), ElementsAre(40001, 2, 0, 0));

    auto text = FindData(kTypeRcData, IDD_SAMPLE);
    ASSERT_TRUE(text);
    std::string all(reinterpret_cast<const char*>(text->data()), text->size());
    constexpr char kExpected[] =
        "[Checks]\n1118 1 \nquote \" backslash \\ nul \0"
        "1 high \xE9\n\0";
    EXPECT_EQ(all, std::string(kExpected, sizeof kExpected - 1));
    EXPECT_EQ(DataText(*text), "[Checks]\n1118 1 \nquote \" backslash \\ nul ");
    EXPECT_EQ(text->data()[text->size()], 0);  // one zero beyond the data, for C-string readers

    auto empty = FindData(kTypeRcData, "EMPTYDATA");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->empty());
}

TEST(rc_GeneratedTables, PromptsAcceleratorsAndStrings) {
    auto prompts = FindData(kTypeMenuPrompts, IDM_SAMPLE);
    ASSERT_TRUE(prompts);
    EXPECT_EQ(DataWords(prompts->first(2))[0], 40002);
    EXPECT_EQ(DataText(prompts->subspan(2)), "Opens the help file");

    const AcceleratorTable* keys = FindAccelerators(IDM_SAMPLE);
    ASSERT_NE(keys, nullptr);
    ASSERT_EQ(keys->count, 1);
    EXPECT_EQ(keys->entries[0].flags, kAcceleratorVirtualKey);
    EXPECT_EQ(keys->entries[0].key, 0x70);
    EXPECT_EQ(keys->entries[0].command, 40002);

    EXPECT_EQ(FindString(40004), "Ends the program");
    EXPECT_FALSE(FindString(40002));
}

}  // namespace
}  // namespace windlass
