// Dialog templates: the header lines, and every control statement with its default style bits
// and NOT taking bits away.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "script_test_support.h"

namespace heatwise::rc {
namespace {

DialogDef DialogOf(std::string_view script) {
    return std::get<DialogDef>(testing::Read(script).resources.at(0).content);
}

ControlDef ControlOf(const std::string& control_line) {
    return DialogOf("1 DIALOGEX 0, 0, 10, 10\nBEGIN\n" + control_line + "\nEND").controls.at(0);
}

// The style numbers are written out by hand: visible child 0x50000000, group 0x00020000,
// tab stop 0x00010000, border 0x00800000, disabled 0x08000000, vertical scroll 0x00200000.
// DEFPUSHBUTTON, and LTEXT and AUTORADIOBUTTON with a style, are in the sample script.
TEST(rc_Dialog, ControlStatementsAddTheirDefaultStyles) {
    const std::tuple<const char*, const char*, std::uint32_t> cases[] = {
        {"LTEXT \"a\", 1, 1, 2, 3, 4", "STATIC", 0x50020000},
        {"RTEXT \"a\", 1, 1, 2, 3, 4", "STATIC", 0x50020002},
        {"CTEXT \"a\", 1, 1, 2, 3, 4", "STATIC", 0x50020001},
        {"PUSHBUTTON \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50010000},
        {"PUSHBUTTON \"a\", 1, 1, 2, 3, 4, NOT WS_TABSTOP", "BUTTON", 0x50000000},
        {"GROUPBOX \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50000007},
        {"GROUPBOX \"a\", 1, 1, 2, 3, 4, WS_DISABLED", "BUTTON", 0x58000007},
        {"AUTORADIOBUTTON \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50010009},
        {"RADIOBUTTON \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50010004},
        {"CHECKBOX \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50010002},
        {"AUTOCHECKBOX \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50010003},
        {"STATE3 \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50010005},
        {"AUTO3STATE \"a\", 1, 1, 2, 3, 4", "BUTTON", 0x50010006},
        {"EDITTEXT 1, 1, 2, 3, 4", "EDIT", 0x50810000},
        {"EDITTEXT 1, 1, 2, 3, 4, ES_READONLY | ES_AUTOHSCROLL | NOT WS_BORDER", "EDIT",
         0x50010880},
        {"COMBOBOX 1, 1, 2, 3, 4", "COMBOBOX", 0x50010001},
        // A drop-down named in the style replaces the simple combo box of the default.
        {"COMBOBOX 1, 1, 2, 3, 4, CBS_DROPDOWN | CBS_SORT", "COMBOBOX", 0x50010102},
        {"COMBOBOX 1, 1, 2, 3, 4, CBS_DROPDOWNLIST | WS_VSCROLL", "COMBOBOX", 0x50210003},
        {"LISTBOX 1, 1, 2, 3, 4", "LISTBOX", 0x50800001},
        {"SCROLLBAR 1, 1, 2, 3, 4, SBS_VERT", "SCROLLBAR", 0x50000001},
        {"CONTROL \"a\", 1, \"IntegerEdit\", 0x5 | WS_DISABLED, 1, 2, 3, 4", "INTEGEREDIT",
         0x58000005},
        {"CONTROL \"a\", 1, button, BS_AUTORADIOBUTTON | WS_GROUP, 1, 2, 3, 4", "BUTTON",
         0x50020009},
        {"CONTROL \"a\", 1, \"Static\", SS_LEFT | NOT WS_VISIBLE, 1, 2, 3, 4", "STATIC",
         0x40000000},
        {"CONTROL \"a\", 1, \"REALEDIT\", NOT WS_VISIBLE | WS_VISIBLE, 1, 2, 3, 4", "REALEDIT",
         0x40000000},
        {"control \"a\", 1, \"msctls_updown32\", (0x1 | 0x4) & ~1, 1, 2, 3, 4", "MSCTLS_UPDOWN32",
         0x50000004},
    };
    for (const auto& [line, class_name, style] : cases) {
        const ControlDef control = ControlOf(line);
        EXPECT_EQ(control.class_name, class_name) << line;
        EXPECT_EQ(control.style, style) << line << " gave 0x" << std::hex << control.style;
    }
}

// A CONTROL's text, id, position and tail are read back from the sample script's tables.
TEST(rc_Dialog, UnlabelledControlsAndTheTailOfAStatement) {
    ControlDef unlabelled = ControlOf("LTEXT \"x\", IDC_STATIC, 1, 2, 3, 4, 0, WS_EX_STATICEDGE");
    EXPECT_EQ(unlabelled.id, -1);
    EXPECT_EQ(unlabelled.ex_style, 0x20000u);
}

TEST(rc_Dialog, HeaderLinesShapeTheDialogStyle) {
    const std::pair<const char*, std::uint32_t> cases[] = {
        // No STYLE: a pop-up with border and system menu.
        {"", 0x80880000},
        // A caption brings WS_CAPTION, a font DS_SETFONT, as the other platform's compiler does.
        {"CAPTION \"Title\"", 0x80C80000},
        {"FONT 8, \"MS Sans Serif\"", 0x80880040},
        {"STYLE WS_CHILD\nFONT 8, \"x\"", 0x40000040},
        {"STYLE WS_CHILD | NOT WS_VISIBLE | WS_VISIBLE", 0x40000000},
        {"STYLE WS_POPUP | WS_CAPTION\nCAPTION \"t\"\nSTYLE NOT WS_CAPTION", 0x0},
    };
    for (const auto& [header, style] : cases) {
        const std::uint32_t got =
            DialogOf("1 DIALOG 0,0,1,1\n" + std::string(header) + "\nBEGIN END").style;
        EXPECT_EQ(got, style) << header << " gave 0x" << std::hex << got;
    }
}

// The header lines themselves are read back from the sample script's tables; here only what the
// sample does not show.
TEST(rc_Dialog, HeaderValuesTheSampleScriptDoesNotShow) {
    DialogDef named = DialogOf("1 DIALOG 0,0,1,1 MENU MainMenu BEGIN END");
    EXPECT_TRUE(named.has_menu);
    EXPECT_EQ(named.menu, ResourceKey::Named("MAINMENU"));
    EXPECT_EQ(DialogOf("1 DIALOG 0,0,1,1 MENU 30001 BEGIN END").menu, ResourceKey::Number(30001));
    EXPECT_EQ(DialogOf("1 DIALOGEX 0,0,1,1 FONT 8, \"x\", 400, 0, 238 BEGIN END").font_charset,
              238);
    DialogDef plain = DialogOf("1 DIALOGEX 0,0,1,1 FONT 8, \"x\" BEGIN END");
    EXPECT_EQ(plain.font_charset, 1);
    EXPECT_EQ(plain.caption, "");
    EXPECT_FALSE(plain.has_menu);
}

}  // namespace
}  // namespace heatwise::rc
