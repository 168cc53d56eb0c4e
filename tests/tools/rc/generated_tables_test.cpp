// The tables that heatwise-rc generates from data/sample.rc, compiled into this test and
// read back through the toolkit's lookup, as the program reads its own.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <span>
#include <sstream>
#include <string>

#include "data/sample_ids.h"
#include "resources/resource_lookup.h"

namespace windlass {
namespace {

using ::testing::ElementsAre;

// Numbers and texts joined by blanks, so that a whole record compares at once.
template <typename... Fields>
std::string Join(const Fields&... fields) {
    std::ostringstream out;
    ((out << fields << ' '), ...);
    return out.str();
}

std::string Hex(std::uint32_t bits) {
    std::ostringstream out;
    out << std::hex << bits;
    return out.str();
}

TEST(rc_GeneratedTables, DialogTemplateWithEveryHeaderLine) {
    const DialogTemplate* d = FindDialog(IDD_SAMPLE);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->form, DialogForm::kDialogEx);
    EXPECT_TRUE(d->menu.Matches("samplemenu"));
    // The caption adds WS_CAPTION to the style.
    EXPECT_EQ(
        Join(Hex(d->style), Hex(d->ex_style), d->x, d->y, d->width, d->height, d->help_id,
             d->caption, d->class_name, d->font_point_size, d->font_face, d->font_weight,
             d->font_italic, d->font_charset),
        "40c00444 10000 10 20 300 150 77 Sample \"dialog\" SAMPLECLASS 8 MS Sans Serif 700 1 1 ");
}

TEST(rc_GeneratedTables, ControlsInTemplateOrder) {
    const DialogTemplate* dialog = FindDialog(IDD_SAMPLE);
    ASSERT_NE(dialog, nullptr);
    std::vector<std::string> controls;
    for (const DialogControl& c : std::span(dialog->controls, dialog->control_count)) {
        controls.push_back(Join(c.class_name, c.text, c.id, c.x, c.y, c.width, c.height, c.help_id,
                                Hex(c.style), Hex(c.ex_style)));
    }
    EXPECT_THAT(controls, ElementsAre("REALEDIT 0.80000E-01 1137 260 44 40 8 5 50010005 200 ",
                                      "COMBOBOX  1112 260 12 96 220 0 50200003 0 ",
                                      "STATIC % calc'd 1027 212 12 32 8 0 58000000 0 ",
                                      "BUTTON OK 1 1 2 3 4 0 50010001 0 ",
                                      "BUTTON Cooling 1118 282 106 40 8 0 50030009 0 ",
                                      "EDIT  11 -1 -2 3 4 0 50810800 0 "));
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
