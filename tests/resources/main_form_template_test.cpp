// The main form as the program carries it: dialog 102 of resources/heatwise.rc, compiled into
// this test as into the program and read back through the toolkit's lookup, against the form's
// tables (main_form_controls.cpp).

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "main_form_controls.h"
#include "resources/resource_lookup.h"

namespace heatwise {
namespace {

using windlass::DialogControl;
using windlass::DialogTemplate;

// The platform's style bits, written out here so that the test does not lean on the resource
// compiler's own table of them.
constexpr std::uint32_t kChild = 0x40000000;
constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kDisabled = 0x08000000;
constexpr std::uint32_t kVerticalScroll = 0x00200000;
constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kTabStop = 0x00010000;
constexpr std::uint32_t kDialog3dLook = 0x0004;
constexpr std::uint32_t kDialogSetFont = 0x0040;
constexpr std::uint32_t kDialogControl = 0x0400;
constexpr std::uint32_t kGroupBox = 0x0007;
constexpr std::uint32_t kAutoRadioButton = 0x0009;
constexpr std::uint32_t kDropDownList = 0x0003;
// Centred text (1) and multi-line (4): numbers show centred in their fields.
constexpr std::uint32_t kNumericFieldBits = 0x0005;

constexpr int kControlCount = 162;

std::uint32_t KindBits(ControlKind kind) {
    switch (kind) {
        case ControlKind::kLabel:
            return 0;  // left-aligned text
        case ControlKind::kGroupBox:
            return kGroupBox;
        case ControlKind::kRadio:
            return kAutoRadioButton;
        case ControlKind::kDropDownList:
            return kDropDownList | kVerticalScroll;
        case ControlKind::kNumeric:
            return kNumericFieldBits;
    }
    return 0xFFFFFFFF;
}

std::uint32_t FlagBits(std::string_view flags) {
    std::uint32_t bits = 0;
    for (char flag : flags) {
        bits |= flag == 'D' ? kDisabled : flag == 'G' ? kGroup : flag == 'T' ? kTabStop : 0;
    }
    return bits;
}

std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", value);
    return text;
}

// Dialog 102, or nullptr with a failure.
const DialogTemplate* MainForm() {
    const DialogTemplate* form = windlass::FindDialog(102);
    if (form == nullptr) {
        ADD_FAILURE() << "dialog 102 is not among the program's resources";
    }
    return form;
}

std::span<const DialogControl> Controls() {
    const DialogTemplate* form = MainForm();
    if (form == nullptr) {
        return {};
    }
    return {form->controls, static_cast<std::size_t>(form->control_count)};
}

TEST(resources_MainForm, IsAChildControlDialogThatFillsTheMainWindow) {
    const DialogTemplate* found = MainForm();
    ASSERT_NE(found, nullptr);
    const DialogTemplate& form = *found;
    EXPECT_EQ(form.form, windlass::DialogForm::kDialogEx);
    EXPECT_EQ(Hex(form.style), Hex(kChild | kDialogControl | kDialogSetFont | kDialog3dLook));
    EXPECT_EQ(form.ex_style, 0u);
    EXPECT_EQ(form.x, 0);
    EXPECT_EQ(form.y, 0);
    EXPECT_EQ(form.width, 510);
    EXPECT_EQ(form.height, 289);
    EXPECT_STREQ(form.caption, "");
    EXPECT_TRUE(form.menu.IsNumber());
    EXPECT_EQ(form.menu.Number(), 0);
    EXPECT_STREQ(form.class_name, "");
    EXPECT_EQ(form.font_point_size, 8);
    EXPECT_STREQ(form.font_face, "MS Sans Serif");
    EXPECT_EQ(form.control_count, kControlCount);
}

TEST(resources_MainForm, EveryControlMatchesItsRowInTemplateOrder) {
    std::span<const ExpectedControl> expected = ExpectedMainFormControls();
    std::span<const DialogControl> controls = Controls();
    ASSERT_EQ(expected.size(), static_cast<std::size_t>(kControlCount));
    ASSERT_EQ(controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const ExpectedControl& row = expected[i];
        const DialogControl& control = controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + " of the template, id " +
                     std::to_string(row.id));
        EXPECT_EQ(control.id, row.id);
        EXPECT_STREQ(control.class_name, row.class_name);
        EXPECT_STREQ(control.text, row.text.c_str());
        EXPECT_EQ(control.x, row.x);
        EXPECT_EQ(control.y, row.y);
        EXPECT_EQ(control.width, row.width);
        EXPECT_EQ(control.height, row.height);
        EXPECT_EQ(Hex(control.style),
                  Hex(kChild | kVisible | KindBits(row.kind) | FlagBits(row.flags)));
        EXPECT_EQ(control.ex_style, 0u);
        EXPECT_EQ(control.help_id, 0);
    }
}

}  // namespace
}  // namespace heatwise
