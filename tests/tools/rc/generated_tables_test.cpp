// The tables that heatwise-rc generates from data/sample.rc, compiled into this test and read
// back through the toolkit's lookup, as the program reads its own.

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

// A whole menu as one text: each item as its kind (C command, P popup, S separator), id, text,
// options and help id, a popup's items in braces after it.
std::string Outline(const MenuItem* items, int count) {
    static const char* const kOptions[] = {"grayed",   "inactive", "checked", "break",
                                           "barbreak", "right",    "radio",   "default"};
    std::string out;
    for (const MenuItem& item : std::span(items, count)) {
        out += "CPS"[static_cast<int>(item.kind)] + std::to_string(item.id) + " " + item.text;
        for (int bit = 0; bit < 8; ++bit) {
            out += (item.options >> bit & 1) != 0 ? std::string(" ") + kOptions[bit] : "";
        }
        out += item.help_id != 0 ? " help " + std::to_string(item.help_id) : "";
        out += item.item_count == 0 ? "; " : " { " + Outline(item.items, item.item_count) + "} ";
    }
    return out;
}

TEST(rc_GeneratedTables, DialogTemplateAndItsControls) {
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
    std::vector<std::string> controls;
    for (const DialogControl& c : std::span(d->controls, d->control_count)) {
        controls.push_back(Join(c.class_name, c.text, c.id, c.x, c.y, c.width, c.height, c.help_id,
                                Hex(c.style), Hex(c.ex_style)));
    }
    // Every control is a visible child (50000000). Texts are groups (20000) that lie left (0),
    // right (2) or centred (1); buttons are tab stops (10000) of their kind: push 0, default 1,
    // check box 2, automatic 3, radio 4, three-state 5, automatic 6, group box 7 (no tab stop),
    // automatic radio 9; an edit field and a list box have a border (800000), the list box tells
    // its owner of a choice (1); a scroll bar is horizontal (0). A COMBOBOX statement makes a
    // simple combo box unless its style names another kind.
    const std::vector<std::string> expected = {
        "REALEDIT 0.80000E-01 1137 260 44 40 8 5 50010005 200 ",
        "COMBOBOX  1112 260 12 96 220 0 50200003 0 ",
        "STATIC % calc'd 1027 212 12 32 8 0 58000000 0 ",
        "BUTTON OK 1 1 2 3 4 0 50010001 0 ",
        "BUTTON Cooling 1118 282 106 40 8 0 50030009 0 ",
        "EDIT  11 -1 -2 3 4 0 50810800 0 ",
        "COMBOBOX  12 5 6 7 8 0 50010001 0 ",
        "COMBOBOX  13 5 6 7 8 0 50010002 0 ",
        "STATIC Right 14 1 2 3 4 0 50020002 0 ",
        "STATIC Centre 15 1 2 3 4 0 50020001 0 ",
        "BUTTON Push 16 1 2 3 4 0 50010000 0 ",
        "BUTTON Group 17 1 2 3 4 0 50000007 0 ",
        "BUTTON Radio 18 1 2 3 4 0 50010004 0 ",
        "BUTTON Check 19 1 2 3 4 0 50010002 0 ",
        "BUTTON Auto check 20 1 2 3 4 0 50010003 0 ",
        "BUTTON Three 21 1 2 3 4 0 50010005 0 ",
        "BUTTON Auto three 22 1 2 3 4 0 50010006 0 ",
        "LISTBOX  23 1 2 3 4 0 50800001 0 ",
        "SCROLLBAR  24 1 2 3 4 0 50000000 0 ",
    };
    EXPECT_EQ(controls, expected);
}

TEST(rc_GeneratedTables, PlainAndExtendedMenus) {
    const MenuTemplate* plain = FindMenu(IDM_SAMPLE);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(Outline(plain->items, plain->item_count),
              "C40002 &Help right; P0 &File { C100 &Open...\tCtrl+O; S0 ; P0 &Recent grayed { "
              "C101 One grayed checked; C102 Two inactive break; } C40004 E&xit barbreak; } ");
    const MenuTemplate* extended = FindMenu("SampleMenu");
    ASSERT_NE(extended, nullptr);
    EXPECT_EQ(Outline(extended->items, extended->item_count),
              "P40001 &View help 99 { C41 &Big checked radio default; S0 ; C42 &Small grayed; C0 "
              "Plain; } C43 &Right right; ");
}

// Data keeps every byte, and one zero beyond it for readers of C strings.
TEST(rc_GeneratedTables, DataAcceleratorsAndStrings) {
    EXPECT_THAT(DataWords(*FindData(kTypeRcData, IDM_SAMPLE)), ElementsAre(40001, 2, 0, 0));
    auto text = FindData(kTypeRcData, IDD_SAMPLE);
    ASSERT_TRUE(text);
    constexpr char kExpected[] =
        "[Checks]\n1118 1 \nquote \" backslash \\ nul \0"
        "1 high \xE9\n\0";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(text->data()), text->size()),
              std::string(kExpected, sizeof kExpected - 1));
    EXPECT_EQ(text->data()[text->size()], 0);
    EXPECT_TRUE(FindData(kTypeRcData, "EMPTYDATA")->empty());
    for (const auto& [type, id] :
         {std::pair<ResourceName, ResourceName>{kTypeRcData, 202}, {"HELP", "notes"}}) {
        auto file = FindData(type, id);
        ASSERT_TRUE(file);
        EXPECT_EQ(DataText(*file), "[Checks]\n1118 1 \n");
    }
    EXPECT_THAT(DataWords(*FindData(300, 1)), ElementsAre(1));
    auto prompts = FindData(kTypeMenuPrompts, IDM_SAMPLE);
    ASSERT_TRUE(prompts);
    EXPECT_EQ(DataWords(prompts->first(2))[0], 40002);
    EXPECT_EQ(DataText(prompts->subspan(2)), "Opens the help file");
    // Accelerators and strings.
    const AcceleratorTable* keys = FindAccelerators(IDM_SAMPLE);
    ASSERT_NE(keys, nullptr);
    std::vector<std::string> rows;
    for (const Accelerator& a : std::span(keys->entries, keys->count)) {
        rows.push_back(Join(a.flags, a.key, a.command));
    }
    EXPECT_THAT(rows, ElementsAre("0 24 40004 ", "2 104 40002 ", "13 81 40004 ", "17 112 40002 ",
                                  "0 65 1 "));
    EXPECT_EQ(FindString(40003), "Opens the help file");
    EXPECT_EQ(FindString(40004), "Ends the program");
    EXPECT_FALSE(FindString(40002));
}

}  // namespace
}  // namespace windlass
