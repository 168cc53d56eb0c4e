// What a screen reader announces for each control, found from where the labels stand on the
// dialog as a sighted user reads it. Each case is a small template laid out in dialog units.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog/accessible_names.h"
#include "resources/template_styles.h"

namespace windlass {
namespace {

struct Placed {
    const char* class_name;
    const char* text;
    std::uint32_t style;
    int x, y, width, height;
};

constexpr std::uint32_t kLabel = styles::kStaticLeft;
constexpr std::uint32_t kNoPrefix = styles::kStaticLeft | styles::kStaticNoPrefix;
constexpr std::uint32_t kBox = styles::kGroupBox;
constexpr std::uint32_t kRadio = styles::kAutoRadioButton;
constexpr std::uint32_t kDropDown = styles::kComboDropDownList;

struct Case {
    const char* layout;
    std::vector<Placed> controls;
    // Per control: its name, then " / " and its description when it has one.
    std::vector<std::string> announced;
};

std::vector<std::string> Announced(const std::vector<Placed>& placed) {
    std::vector<DialogControl> controls;
    for (const Placed& p : placed) {
        controls.push_back({p.class_name, p.text, 100 + static_cast<int>(controls.size()), p.style,
                            0, p.x, p.y, p.width, p.height, 0});
    }
    // clang-format off
    const DialogTemplate dialog{DialogForm::kDialogEx, 0, 0, 0, 0, 200, 200, 0, "",
        ResourceName(0), "", 0, "", 0, false, 0, controls.data(), static_cast<int>(controls.size())};
    // clang-format on
    std::vector<std::string> announced;
    for (const AccessibleText& text : AccessibleTexts(dialog)) {
        announced.push_back(text.description.empty() ? text.name
                                                     : text.name + " / " + text.description);
    }
    return announced;
}

TEST(AccessibleNames, FieldsAreNamedByTheLabelsAroundThemAndDescribedByTheirGroupBox) {
    const Case cases[] = {
        {"a label on the left, its mnemonic mark and colon unspoken",
         {{"STATIC", "&Hours:", kLabel, 5, 10, 30, 8}, {"EDIT", "", 0, 40, 8, 40, 12}},
         {"Hours", "Hours"}},
        {"'&&' is one '&', a last '&' is kept, a mark before the last letter is dropped",
         {{"BUTTON", "Heat && cool", 0, 5, 5, 50, 14},
          {"BUTTON", "Zone &B", 0, 5, 25, 50, 14},
          {"BUTTON", "Tone&", 0, 5, 45, 50, 14}},
         {"Heat & cool", "Zone B", "Tone&"}},
        {"a label that shows its '&' as written",
         {{"STATIC", "Heat & cool:", kNoPrefix, 5, 10, 40, 8}, {"EDIT", "", 0, 50, 8, 40, 12}},
         {"Heat & cool", "Heat & cool"}},
        {"outside a box the unit on the right names the field alone",
         {{"STATIC", "Energy:", kLabel, 5, 10, 30, 8},
          {"EDIT", "", 0, 40, 8, 40, 12},
          {"STATIC", "kWh", kLabel, 85, 10, 20, 8}},
         {"Energy", "kWh", "kWh"}},
        {"a label 12 units right of the field is still its own, at 13 no longer",
         {{"STATIC", "Rate", kLabel, 5, 10, 30, 8},
          {"EDIT", "", 0, 40, 8, 40, 12},
          {"STATIC", "%", kLabel, 92, 10, 10, 8},
          {"STATIC", "Cost", kLabel, 5, 40, 30, 8},
          {"EDIT", "", 0, 40, 38, 40, 12},
          {"STATIC", "$", kLabel, 93, 40, 10, 8}},
         {"Rate", "%", "%", "Cost", "Cost", "$"}},
        {"a unit that touches the field's right edge is its own, before it in the template too",
         {{"STATIC", "kWh", kLabel, 45, 10, 20, 8}, {"EDIT", "", 0, 5, 8, 40, 12}},
         {"kWh", "kWh"}},
        {"of two labels on the right the nearer one names the field",
         {{"EDIT", "", 0, 5, 8, 40, 12},
          {"STATIC", "per year", kLabel, 54, 10, 30, 8},
          {"STATIC", "$", kLabel, 47, 10, 6, 8}},
         {"$", "per year", "$"}},
        {"a label between two fields, nearer the second, names the second",
         {{"STATIC", "From", kLabel, 5, 10, 20, 8},
          {"EDIT", "", 0, 28, 8, 30, 12},
          {"STATIC", "to", kLabel, 66, 10, 10, 8},
          {"EDIT", "", 0, 78, 8, 30, 12}},
         {"From", "From", "to", "to"}},
        {"the nearest label on the left, and a radio button before its field",
         {{"STATIC", "Rates", kLabel, 5, 10, 20, 8},
          {"BUTTON", "&Fixed rate", kRadio, 30, 10, 50, 10},
          {"EDIT", "", 0, 85, 8, 30, 12}},
         {"Rates", "Fixed rate", "Fixed rate"}},
        {"rows that only touch are different rows",
         {{"STATIC", "Above", kLabel, 5, 0, 30, 8}, {"EDIT", "", 0, 40, 8, 40, 12}},
         {"Above", ""}},
        {"the nearest column heading above, then the row label",
         {{"STATIC", "Costs", kLabel, 40, 0, 40, 8},
          {"STATIC", "Cooling", kLabel, 40, 10, 40, 8},
          {"STATIC", "June", kLabel, 5, 22, 30, 8},
          {"EDIT", "", 0, 40, 20, 40, 12},
          {"EDIT", "", 0, 90, 20, 40, 12}},
         {"Costs", "Cooling", "June", "Cooling, June", "June"}},
        {"a heading beside the field's column overlaps it not",
         {{"STATIC", "Heating", kLabel, 80, 0, 30, 8}, {"EDIT", "", 0, 40, 20, 40, 12}},
         {"Heating", ""}},
        {"in a group box: its title describes, labels outside it do not count",
         {{"STATIC", "Outside", kLabel, 5, 30, 20, 8},
          {"BUTTON", "&Summer", kBox, 30, 20, 100, 40},
          {"STATIC", "Peak", kLabel, 35, 30, 20, 8},
          {"STATIC", "price:", kLabel, 57, 30, 20, 8},
          {"EDIT", "", 0, 80, 28, 30, 12}},
         {"Outside", "Summer", "Peak / Summer", "price / Summer", "Peak / Summer"}},
        {"in a group box the row's leading label comes before the unit on the right",
         {{"BUTTON", "Tariff", kBox, 0, 0, 150, 40},
          {"STATIC", "Rate:", kLabel, 5, 12, 30, 8},
          {"EDIT", "", 0, 40, 10, 40, 12},
          {"STATIC", "%/year", kLabel, 85, 12, 30, 8}},
         {"Tariff", "Rate / Tariff", "Rate, %/year / Tariff", "%/year / Tariff"}},
        {"a field outside every box ignores the labels inside one",
         {{"BUTTON", "Box", kBox, 0, 0, 60, 30},
          {"STATIC", "Inside", kLabel, 5, 12, 30, 8},
          {"EDIT", "", 0, 65, 10, 40, 12}},
         {"Box", "Inside / Box", ""}},
        {"nested boxes: the innermost one holds the field, whichever comes first",
         {{"BUTTON", "Inner", kBox, 10, 10, 100, 30},
          {"BUTTON", "Outer", kBox, 0, 0, 150, 100},
          {"EDIT", "", 0, 20, 20, 40, 12},
          {"BUTTON", "Other", kBox, 0, 110, 150, 100},
          {"BUTTON", "Nested", kBox, 10, 120, 100, 30},
          {"EDIT", "", 0, 20, 130, 40, 12}},
         {"Inner / Outer", "Outer", " / Inner", "Other", "Nested / Other", " / Nested"}},
        {"a field whose centre lies on a box's edge is not in it",
         {{"BUTTON", "Edge", kBox, 0, 0, 50, 50}, {"EDIT", "", 0, 40, 10, 20, 12}},
         {"Edge", ""}},
        {"a drop-down list is taken at its closed height, a simple combo box at its own",
         {{"COMBOBOX", "", kDropDown, 40, 8, 60, 80},
          {"STATIC", "Below", kLabel, 5, 40, 30, 8},
          {"COMBOBOX", "", styles::kComboSimple, 140, 8, 60, 80},
          {"STATIC", "List", kLabel, 105, 40, 30, 8}},
         {"", "Below", "List", "List"}},
        {"pictures, frames and empty labels name nothing",
         {{"STATIC", "", kLabel, 5, 10, 10, 8},
          {"STATIC", "icon", styles::kStaticIcon, 15, 10, 10, 8},
          {"STATIC", "", styles::kStaticEtchedFrame, 26, 10, 10, 8},
          {"INTEGEREDIT", "", 0, 40, 8, 40, 12},
          {"STATIC", "Speed", styles::kStaticLeftNoWordWrap, 5, 40, 30, 8},
          {"MSCTLS_TRACKBAR32", "", 0, 40, 38, 60, 12}},
         {"", "", "", "", "Speed", "Speed"}},
        {"centred, right-aligned and simple labels name fields too",
         {{"STATIC", "  North  ", styles::kStaticCentre, 5, 10, 30, 8},
          {"LISTBOX", "", 0, 40, 8, 40, 12},
          {"STATIC", "South :", styles::kStaticRight, 5, 30, 30, 8},
          {"REALEDIT", "", 0, 40, 28, 40, 12},
          {"STATIC", "East", styles::kStaticSimple, 5, 50, 30, 8},
          {"SYSTREEVIEW32", "", 0, 40, 48, 40, 12}},
         {"North", "North", "South", "South", "East", "East"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Announced(c.controls), c.announced) << c.layout;
    }
}

}  // namespace
}  // namespace windlass
