// The names and descriptions a screen reader announces for the controls of a dialog, found
// from the labels placed around each field, on small templates laid out in different ways.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dialog/accessible_names.h"

namespace windlass::testing {
namespace {

DialogControl Label(int id, const char* text, int x, int y, int width) {
    return {"STATIC", text, id, 0x50000000, 0, x, y, width, 8, 0};
}
DialogControl Edit(int id, int x, int y, int width) {
    return {"INTEGEREDIT", "", id, 0x50010005, 0, x, y, width, 12, 0};
}
DialogControl Box(int id, const char* text, int x, int y, int width, int height) {
    return {"BUTTON", text, id, 0x50000007, 0, x, y, width, height, 0};
}
// A label drawn without mnemonic prefixes.
DialogControl Plain(DialogControl label) {
    label.style |= 0x80;
    return label;
}

// Every control's name and description, as "name|description".
std::vector<std::string> TextsOf(const std::vector<DialogControl>& controls) {
    DialogTemplate dialog{DialogForm::kDialog, 0,   0,     0, 0,       300, 200, 0, "", 0, "", 8,
                          "MS Sans Serif",     400, false, 0, nullptr, 0};
    dialog.controls = controls.data();
    dialog.control_count = static_cast<int>(controls.size());
    std::vector<std::string> texts;
    for (const AccessibleText& text : AccessibleTexts(dialog)) {
        texts.push_back(text.name + "|" + text.description);
    }
    return texts;
}

TEST(AccessibleNames, EachControlIsNamedByTheLabelsAroundIt) {
    struct Case {
        const char* what;
        std::vector<DialogControl> controls;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        // "Hours:" is 10 units right of the rate field but 2 units left of its own; the
        // mnemonic mark and the colon are not read out.
        {"labels left of their fields",
         {Label(1, "Electric &rate:", 7, 9, 48), Edit(2, 58, 7, 40), Label(3, "Hours:", 108, 9, 24),
          Edit(4, 134, 7, 30)},
         {"Electric rate|", "Electric rate|", "Hours|", "Hours|"}},
        // The field's row runs on past its box; the label beyond the box is another box's. A
        // group box is named by its own text and does not lie in itself.
        {"labels count within their own group box",
         {Box(1, "Summer", 0, 0, 100, 40), Label(2, "Start", 6, 14, 30), Edit(3, 40, 12, 50),
          Box(4, "Winter", 100, 0, 100, 40), Label(5, "End", 102, 14, 14), Edit(6, 140, 12, 40)},
         {"Summer|", "Start|Summer", "Start|Summer", "Winter|", "End|Winter", "End|Winter"}},
        {"a field in a table is named by its column heading and its row",
         {Label(1, "Rate", 50, 0, 40), Label(2, "Summer", 0, 20, 30), Edit(3, 50, 18, 40)},
         {"Rate|", "Summer|", "Rate, Summer|"}},
        {"a field without labels has no name",
         {Edit(1, 10, 10, 40), Label(2, "Far away", 200, 10, 40)},
         {"|", "Far away|"}},
        {"a label without prefixes keeps its ampersands",
         {Edit(2, 10, 8, 36), Plain(Label(1, "R&D", 50, 10, 20))},
         {"R&D|", "R&D|"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextsOf(c.controls), c.texts) << c.what;
    }
}

}  // namespace
}  // namespace windlass::testing
