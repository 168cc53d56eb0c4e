// The numeric edit fields: which characters go in, and the check that keeps the focus in a
// field whose text is not a number or lies outside its range, as a backend reports the user.
#include <gtest/gtest.h>

#include <string>

#include "dialog_test.h"
#include "numeric/focus_check.h"
#include "numeric/numeric_input.h"

namespace windlass::testing {
namespace {

using Kind = CharacterVerdict::Kind;

TEST(NumericCharacters, EachClassTakesTheCharactersOfItsNumbers) {
    Settings().bell_enabled = 1;
    struct Case {
        ControlClass control_class;
        const char* typed;
        const char* inserted;  // '_' for a dropped character.
    };
    const Case cases[] = {
        {ControlClass::IntegerEdit, "0123456789+-", "0123456789+-"},
        {ControlClass::IntegerEdit, ".eEdDa x,", "_________"},
        {ControlClass::IntegerSpin, "7-e", "7-_"},
        {ControlClass::RealEdit, "1.5e-3E+2", "1.5E-3E+2"},
        {ControlClass::RealSpin, "dD.", "__."},
        {ControlClass::DoubleEdit, "2.5d3D1e", "2.5D3D1E"},
        {ControlClass::DoubleSpin, "x/ ", "___"},
    };
    for (const Case& c : cases) {
        std::string inserted;
        for (const char* typed = c.typed; *typed != '\0'; ++typed) {
            CharacterVerdict verdict = NumericCharacterVerdict(c.control_class, *typed);
            EXPECT_EQ(verdict.beep, verdict.kind == Kind::Drop) << c.typed;
            inserted += verdict.kind == Kind::Insert ? static_cast<char>(verdict.character) : '_';
        }
        EXPECT_EQ(inserted, c.inserted) << c.typed;
    }
}

using NumericFields = FormInMainWindow<201>;

TEST_F(NumericFields, TypingOutOfRangeAndPressingTabKeepsTheFocusWithTheTextSelected) {
    // The companion text gave field 201 the range 0 to 8.
    TypeOver(Field(201), "9");
    EXPECT_FALSE(Tab());
    EXPECT_EQ(platform().beeps, 1);
    EXPECT_EQ(platform().focused, Field(201));
    EXPECT_EQ(Control(201).focused_with, SelectText::All);
    EXPECT_EQ(Control(201).text, "9");
    EXPECT_TRUE(TakeMessages().empty());
    // Put right, the field lets the focus go.
    TypeOver(Field(201), "8");
    EXPECT_TRUE(Tab());
    EXPECT_EQ(platform().focused, Field(202));
    EXPECT_EQ(TakeMessages(), std::vector<Posted>{FieldMessage(kForm, 201, 202)});
}

TEST_F(NumericFields, TheCheckAsAFieldLosesTheFocus) {
    struct Case {
        const char* what;
        int field;
        const char* text;
        bool range;
        bool refused;
    };
    const Case cases[] = {
        {"a number inside the range", 201, "8", true, false},
        {"a number outside the range", 201, "-1", true, true},
        {"not wholly a number, no range", 202, "12x", false, true},
        {"a number and no range", 202, "1e300", false, false},
        {"no digits at all is 0", 202, "-", false, false},
        {"emptied after having a value, with a range", 201, "", true, true},
        {"emptied after having a value, without a range", 202, "", false, false},
        {"empty and never a value, with a range", 203, "", true, false},
    };
    for (const Case& c : cases) {
        int beeps = platform().beeps;
        if (c.range) {
            WDialogRangeInteger(c.field, 0, 8);
        } else {
            WDialogRangeInteger(c.field, 1, 0);
        }
        ASSERT_TRUE(backend::Focus(platform(), Field(c.field))) << c.what;
        backend::Paste(platform(), Field(c.field), c.text);
        bool moved = backend::Focus(platform(), Field(204));
        EXPECT_EQ(moved, !c.refused) << c.what;
        EXPECT_EQ(platform().beeps - beeps, c.refused ? 1 : 0) << c.what;
        EXPECT_EQ(platform().focused, Field(c.refused ? c.field : 204)) << c.what;
        backend::Paste(platform(), Field(c.field), "1");
        ASSERT_TRUE(backend::Focus(platform(), Field(204))) << c.what;
    }
}

// A field the user only passes through is not changed: it keeps the value the program wrote,
// not the rounded one its text shows, as one the user never entered does.
TEST_F(NumericFields, AFieldEnteredAndLeftUntypedKeepsTheValueTheProgramWrote) {
    WDialogPutReal(202, 0.0349f, "(F4.2)");
    ASSERT_TRUE(backend::Focus(platform(), Field(202)));
    ASSERT_TRUE(backend::Focus(platform(), Field(204)));
    float real = 0.0f;
    WDialogGetReal(202, real);
    EXPECT_EQ(real, 0.0349f);
    EXPECT_EQ(Control(202).text, "0.03");
    EXPECT_FALSE(Control(202).modified);
}

TEST_F(NumericFields, SpinArrowsStepTheValueWithinTheRange) {
    // REALSPIN 251 starts at 1.0 with the range -2.5 to 2.5.
    struct Case {
        int field;
        int step;
        const char* text;
    };
    const Case cases[] = {
        {251, 1, "2.0000"},   {251, 5, "2.5000"}, {251, -5, "-2.5000"},
        {251, -1, "-2.5000"}, {252, 5, "8"},      {252, -1, "7"},
    };
    for (const Case& c : cases) {
        backend::Spin(platform(), Field(c.field), c.step);
        EXPECT_EQ(Control(c.field).text, c.text) << c.field << " " << c.step;
        EXPECT_FALSE(Control(c.field).modified);
        EXPECT_EQ(Record(c.field).has_value, 1);
    }
    // A typed text is taken first.
    backend::Paste(platform(), Field(251), "0.5");
    backend::Spin(platform(), Field(251), 1);
    EXPECT_EQ(Control(251).text, "1.5000");
    backend::Paste(platform(), Field(252), "31070");
    backend::Spin(platform(), Field(252), 5);
    EXPECT_EQ(Control(252).text, "31073");
    float real = 0.0f;
    WDialogGetReal(251, real);
    EXPECT_EQ(real, 1.5f);
}

// The settings dialog: 301 has the range 0 to 8; Apply (303), Cancel (2) and the default OK (1)
// are push buttons.
class PendingField : public DialogTest {
  protected:
    PendingField() {
        WDialogLoad(kSettings);
        WMessageEnable(MSG_FIELD, 1);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 301);
        TakeMessages();
        TypeOver(Field(301), "9");
    }
};

TEST_F(PendingField, APushButtonOtherThanOkDecidesAndPutsTheSavedTextBack) {
    backend::Click(platform(), Field(303));
    EXPECT_EQ(platform().beeps, 0);
    EXPECT_EQ(Control(301).text, "1");
    EXPECT_FALSE(Control(301).modified);
    EXPECT_EQ(Record(301).value, 1.0);
    EXPECT_EQ(platform().focused, Field(303));
    EXPECT_EQ(TakeMessages(), (std::vector<Posted>{FieldMessage(kSettings, 301, 303),
                                                   ButtonMessage(kSettings, 303, 301)}));
}

// Each field the user enters after leaving another with a good value keeps its own copy: the
// copy put back is the one taken as the pending field gained the focus, not the first field's.
TEST_F(PendingField, TheTextPutBackIsTheOneThePendingFieldHadAsItWasEntered) {
    TypeOver(Field(301), "5");
    ASSERT_TRUE(Tab());
    ASSERT_EQ(platform().focused, Field(302));
    backend::Paste(platform(), Field(302), "12x");
    backend::Click(platform(), Field(303));
    EXPECT_EQ(Control(302).text, "0.1");
    EXPECT_EQ(Control(301).text, "5");
}

TEST_F(PendingField, OkSendsTheUserBackToTheInvalidField) {
    backend::Click(platform(), Field(1));
    // Refused once as the focus went to OK, and once more as OK was pressed.
    EXPECT_EQ(platform().beeps, 2);
    EXPECT_EQ(platform().focused, Field(301));
    EXPECT_EQ(Control(301).focused_with, SelectText::All);
    EXPECT_EQ(Control(301).text, "9");
    EXPECT_TRUE(TakeMessages().empty());
}

TEST_F(PendingField, AFieldLeftByTabIsRefusedAtOnceEvenForAPushButton) {
    EXPECT_FALSE(Tab());
    EXPECT_FALSE(backend::Focus(platform(), Field(303)));
    EXPECT_EQ(platform().beeps, 2);
    EXPECT_EQ(platform().focused, Field(301));
}

TEST_F(PendingField, AButtonThatLosesTheFocusSendsItBackToThePendingField) {
    ASSERT_TRUE(backend::Focus(platform(), Field(303)));
    EXPECT_EQ(Validation().pending_invalid, Field(301));
    EXPECT_FALSE(Tab());
    EXPECT_EQ(platform().beeps, 1);
    EXPECT_EQ(platform().focused, Field(301));
    EXPECT_EQ(Control(301).focused_with, SelectText::All);
    // Left by the keyboard: the button keeps the default look, the default button loses it.
    EXPECT_EQ(Control(303).look, DefaultLook::Default);
    EXPECT_EQ(Control(1).look, DefaultLook::Plain);
}

}  // namespace
}  // namespace windlass::testing
