// The names and descriptions a screen reader announces for the controls of a dialog, found
// from the labels placed around each field: on the program's own form as it is compiled into
// the program, and on small forms laid out in other ways.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form_ids.h"
#include "dialog/accessible_names.h"
#include "dialog/control_class.h"
#include "main_form_accessible_names.h"
#include "resources/resource_lookup.h"

namespace windlass::testing {
namespace {

int PositionOf(const DialogTemplate& dialog, int id) {
    for (int position = 0; position < dialog.control_count; ++position) {
        if (dialog.controls[position].id == id) {
            return position;
        }
    }
    ADD_FAILURE() << "the form has no control " << id;
    return 0;
}

class FormNames : public ::testing::Test {
  protected:
    FormNames() : form_(FindDialog(DLG_MAIN)) {}

    void SetUp() override {
        ASSERT_NE(form_, nullptr) << "form " << DLG_MAIN << " is compiled into the test";
        texts_ = AccessibleTexts(*form_);
        ASSERT_EQ(texts_.size(), static_cast<std::size_t>(form_->control_count));
    }

    const AccessibleText& Of(int id) const {
        return texts_[static_cast<std::size_t>(PositionOf(*form_, id))];
    }

    const DialogTemplate* form_;
    std::vector<AccessibleText> texts_;
};

TEST_F(FormNames, EachFieldIsNamedByTheLabelsAroundIt) {
    for (const ExpectedName& expected : kMainFormNames) {
        SCOPED_TRACE("field " + std::to_string(expected.id));
        EXPECT_EQ(Of(expected.id).name, expected.name);
        EXPECT_EQ(Of(expected.id).description, expected.description);
    }
}

TEST_F(FormNames, EveryBinFieldIsNamedByItsColumnAndItsBin) {
    // Rows run from 100/104 at the top down to 0/4, in steps of 5 degrees.
    const char* columns[] = {"1 - 8", "9 - 16", "17 - 24", "% calc'd"};
    for (int column = 0; column < 4; ++column) {
        for (int bin = 1; bin <= 21; ++bin) {
            int id = 1027 + 21 * column + bin;
            std::string row = std::to_string(105 - 5 * bin) + "/" + std::to_string(109 - 5 * bin);
            EXPECT_EQ(Of(id).name, std::string(columns[column]) + ", " + row) << "field " << id;
            EXPECT_EQ(Of(id).description, "") << "field " << id;
        }
    }
}

TEST_F(FormNames, NoFieldOrButtonIsLeftWithoutAName) {
    for (int position = 0; position < form_->control_count; ++position) {
        const DialogControl& control = form_->controls[position];
        ControlClass control_class = ClassOf(control.class_name);
        if (IsEditLike(control_class) || control_class == ControlClass::ComboBox ||
            control_class == ControlClass::Button) {
            EXPECT_FALSE(texts_[static_cast<std::size_t>(position)].name.empty())
                << "control " << control.id;
        }
    }
}

TEST_F(FormNames, LabelsAndGroupBoxesAreNamedByTheirOwnTexts) {
    EXPECT_EQ(Of(1140).name, "Electric Rate, $/kwh");
    EXPECT_EQ(Of(1143).name, "Heating Fuel");
    EXPECT_EQ(Of(1143).description, "") << "a group box does not lie in itself";
    EXPECT_EQ(Of(1148).description, "Heating Fuel");
}

// Small forms laid out otherwise, each control given as a template gives it.
DialogControl Label(int id, const char* text, int x, int y, int width) {
    return {"STATIC", text, id, 0x50000000, 0, x, y, width, 8, 0};
}
DialogControl Edit(int id, int x, int y, int width) {
    return {"INTEGEREDIT", "", id, 0x50010005, 0, x, y, width, 12, 0};
}
DialogControl Box(int id, const char* text, int x, int y, int width, int height) {
    return {"BUTTON", text, id, 0x50000007, 0, x, y, width, height, 0};
}

DialogTemplate TemplateOf(const std::vector<DialogControl>& controls) {
    DialogTemplate dialog{DialogForm::kDialog, 0,   0,     0, 0,       300, 200, 0, "", 0, "", 8,
                          "MS Sans Serif",     400, false, 0, nullptr, 0};
    dialog.controls = controls.data();
    dialog.control_count = static_cast<int>(controls.size());
    return dialog;
}

std::vector<std::string> NamesOf(const std::vector<DialogControl>& controls) {
    std::vector<std::string> names;
    for (const AccessibleText& text : AccessibleTexts(TemplateOf(controls))) {
        names.push_back(text.name);
    }
    return names;
}

TEST(AccessibleNames, LabelsLeftOfTheirFieldsNameThemEvenWhenCloseToTheFieldBefore) {
    // "Hours:" is 10 units right of the rate field but 2 units left of its own.
    std::vector<DialogControl> controls = {
        Label(1, "Electric &rate:", 7, 9, 48),
        Edit(2, 58, 7, 40),
        Label(3, "Hours:", 108, 9, 24),
        Edit(4, 134, 7, 30),
    };
    std::vector<std::string> names = NamesOf(controls);
    EXPECT_EQ(names[1], "Electric rate") << "mnemonic mark and colon are not read out";
    EXPECT_EQ(names[3], "Hours");
}

TEST(AccessibleNames, LabelsCountOnlyWithinTheirOwnGroupBox) {
    // The field's row runs on past its box; the label beyond the box is another box's.
    std::vector<DialogControl> controls = {
        Box(1, "Summer", 0, 0, 100, 40),   Label(2, "Start", 6, 14, 30), Edit(3, 40, 12, 50),
        Box(4, "Winter", 100, 0, 100, 40), Label(5, "End", 102, 14, 14), Edit(6, 140, 12, 40),
    };
    std::vector<AccessibleText> texts = AccessibleTexts(TemplateOf(controls));
    EXPECT_EQ(texts[2].name, "Start");
    EXPECT_EQ(texts[2].description, "Summer");
    EXPECT_EQ(texts[5].name, "End") << "the label just right of the first box is the second's";
    EXPECT_EQ(texts[5].description, "Winter");
}

TEST(AccessibleNames, AFieldInATableIsNamedByItsColumnHeadingAndItsRow) {
    // The heading is the first control of the dialog.
    std::vector<DialogControl> controls = {
        Label(1, "Rate", 50, 0, 40),
        Label(2, "Summer", 0, 20, 30),
        Edit(3, 50, 18, 40),
    };
    EXPECT_EQ(NamesOf(controls)[2], "Rate, Summer");
}

TEST(AccessibleNames, AFieldWithoutLabelsHasNoName) {
    std::vector<DialogControl> controls = {Edit(1, 10, 10, 40), Label(2, "Far away", 200, 10, 40)};
    EXPECT_EQ(NamesOf(controls)[0], "");
    EXPECT_EQ(NamesOf(controls)[1], "Far away");
}

TEST(AccessibleNames, ALabelWithoutPrefixesKeepsItsAmpersands) {
    DialogControl plain = Label(1, "R&D", 50, 10, 20);
    plain.style |= 0x80;
    std::vector<DialogControl> controls = {Edit(2, 10, 8, 36), plain};
    EXPECT_EQ(NamesOf(controls)[0], "R&D");
}

}  // namespace
}  // namespace windlass::testing
