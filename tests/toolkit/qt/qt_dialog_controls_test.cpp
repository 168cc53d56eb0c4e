// Dialogs made from templates on the offscreen platform, and their controls read and written
// through the platform: the kind and look of every control, labels narrowed to fit their room,
// no dialog made from a plan that does not fit its template, texts and the modified flag, the
// selections of combo and list boxes, enabling, and what a screen reader hears.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "qt/qt_controls.h"
#include "qt/qt_numeric_edit.h"
#include "qt/qt_text_fit.h"
#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using ::testing::ElementsAre;
using QtDialogControls = QtTestDialog;
using QtFormLayout = QtDialogTest;

TEST_F(QtDialogControls, EveryControlIsMadeInTemplateOrderAsItsClassAndStyleSay) {
    ASSERT_EQ(Controls().ControlCount(dialog_), template_->control_count);
    EXPECT_EQ(Controls().Control(dialog_, template_->control_count), nullptr);
    EXPECT_FALSE(Dialog()->isVisible()) << "made hidden";
    EXPECT_EQ(Dialog()->windowTitle(), "Heating and cooling inputs");

    EXPECT_NE(As<qt::StaticText>(100), nullptr);
    EXPECT_NE(As<qt::GroupBox>(120), nullptr);
    EXPECT_NE(As<QPlainTextEdit>(153), nullptr);

    // Numeric fields: the arrows of the spin classes, the alignment.
    struct Numeric {
        int id;
        bool spin;
        Qt::Alignment across;
    };
    for (Numeric n : {Numeric{101, false, Qt::AlignHCenter}, Numeric{103, false, Qt::AlignHCenter},
                      Numeric{106, true, Qt::AlignHCenter}, Numeric{107, true, Qt::AlignHCenter},
                      Numeric{108, false, Qt::AlignRight}, Numeric{109, true, Qt::AlignLeft}}) {
        auto* field = As<qt::NumericEdit>(n.id);
        ASSERT_NE(field, nullptr) << n.id;
        EXPECT_EQ(field->has_spin(), n.spin) << n.id;
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, n.across) << n.id;
        EXPECT_TRUE(field->hasFrame()) << n.id;
    }

    EXPECT_TRUE(As<QLineEdit>(112)->isReadOnly());
    EXPECT_FALSE(As<QLineEdit>(111)->isReadOnly());
    EXPECT_FALSE(As<QComboBox>(141)->isEditable()) << "a drop-down list";
    EXPECT_TRUE(As<QComboBox>(142)->isEditable());
    EXPECT_EQ(As<QListWidget>(143)->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(As<QListWidget>(144)->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_TRUE(As<QCheckBox>(133)->isTristate());
    EXPECT_FALSE(As<QCheckBox>(131)->isTristate());
    EXPECT_FALSE(As<QRadioButton>(121)->autoExclusive()) << "groups are the template's";

    for (int id : {104, 123, 152, 9}) {
        EXPECT_FALSE(Widget(id)->isEnabled()) << id;
    }
    for (int id : {101, 121, 1}) {
        EXPECT_TRUE(Widget(id)->isEnabled()) << id;
    }
    EXPECT_TRUE(Widget(154)->isHidden()) << "no visible style";
    EXPECT_FALSE(Widget(1)->isHidden());
}

// A label of one line whose text is wider than its room is drawn in a narrower cut of the
// dialog's face, down to the narrowest; a text that fits, a label with room for a second line
// (which wraps) and a frame (which shows no text) keep the dialog's own width of the face.
TEST_F(QtFormLayout, ALabelOfOneLineTooLongForItsRoomIsNarrowed) {
    ASSERT_NE(Open(204), nullptr);
    ShowActive();
    for (int id = 1; id <= 7; ++id) {
        const bool narrowed = id <= 4;
        const QFont font = Widget(id)->font();
        EXPECT_EQ((font.resolveMask() & QFont::StretchResolved) != 0, narrowed) << id;
        if (narrowed) {
            EXPECT_GE(font.stretch(), qt::kNarrowestStretch) << id;
            EXPECT_LT(font.stretch(), 100) << id;
        }
    }
}

// The toolkit's plan names the kind of every control, one entry per control of the template.
TEST_F(QtFormLayout, NoDialogIsMadeFromAPlanThatDoesNotFitItsTemplate) {
    const DialogTemplate* dialog = FindDialog(203);
    ASSERT_NE(dialog, nullptr);
    const ControlPlan one_short[] = {{ControlKind::Label, TakesFocus::No, DefaultLook::Plain}};
    EXPECT_EQ(Controls().CreateDialog(*dialog, one_short, nullptr, listener_), nullptr);
}

TEST_F(QtDialogControls, EveryKindOfControlHasItsText) {
    struct Case {
        int id;
        const char* initial;
    };
    for (Case c : {Case{100, "Electric &rate:"}, Case{101, "0.08"}, Case{104, "1700"},
                   Case{111, ""}, Case{120, "Mode"}, Case{121, "Cooling"}, Case{131, "Weekends"},
                   Case{141, ""}, Case{153, ""}, Case{1, "OK"}}) {
        EXPECT_EQ(TextOf(c.id), c.initial) << c.id;
    }
    for (int id : {100, 101, 104, 111, 112, 120, 121, 131, 142, 143, 153, 1}) {
        std::string text = "Ann Arbor " + std::to_string(id);
        EXPECT_TRUE(Controls().SetControlText(Handle(id), text)) << id;
        EXPECT_EQ(TextOf(id), text) << id;
    }
    EXPECT_FALSE(Controls().SetControlText(Handle(141), "typed"))
        << "a drop-down list has no text of its own";
    EXPECT_EQ(TextOf(141), "");
}

TEST_F(QtDialogControls, TypingSetsTheModifiedFlagAndWritingClearsIt) {
    ShowActive();
    for (int id : {101, 111, 142, 153}) {
        EXPECT_FALSE(ModifiedOf(id)) << id;
        Focus(id);
        Type("7");
        EXPECT_TRUE(ModifiedOf(id)) << id;
        Controls().SetControlText(Handle(id), "8");
        EXPECT_FALSE(ModifiedOf(id)) << id;
        Controls().SetModified(Handle(id), true);
        EXPECT_TRUE(ModifiedOf(id)) << id;
        Controls().SetModified(Handle(id), false);
        EXPECT_FALSE(ModifiedOf(id)) << id;
    }
    EXPECT_FALSE(ModifiedOf(121)) << "a button has no modified flag";
}

// A field's typing limit holds for what the user types, in a numeric field, a line edit and a
// multi-line edit alike, also over a longer text the program wrote, which may be shortened but
// not lengthened again; what the program writes is never cut.
TEST_F(QtDialogControls, TypingStopsAtTheLimitWhatTheProgramWritesDoesNot) {
    ShowActive();
    for (int id : {103, 111, 153}) {
        Controls().SetTextLimit(Handle(id), 11);
        Controls().SetControlText(Handle(id), "123456789012345");
        EXPECT_EQ(TextOf(id), "123456789012345") << id;
        Focus(id);
        Press(Qt::Key_End);
        Type("6");
        EXPECT_EQ(TextOf(id), "123456789012345") << id;
        Press(Qt::Key_Backspace);
        Type("7");
        EXPECT_EQ(TextOf(id), "12345678901234") << id;
        Focus(id);  // With the whole text selected.
        Type("1234567890123");
        EXPECT_EQ(TextOf(id), "12345678901") << id;
    }
}

TEST_F(QtDialogControls, SelectionsAndTheExactSearch) {
    for (int id : {141, 143}) {
        for (const char* city : {"austin, TX", "springfield", "Springfield", "brunswick"}) {
            Controls().AddEntry(Handle(id), city);
        }
        EXPECT_TRUE(Controls().Select(Handle(id), 3)) << id;
        EXPECT_EQ(SelectionOf(id), 3) << id;
        EXPECT_FALSE(Controls().Select(Handle(id), 4)) << id;
        EXPECT_EQ(SelectionOf(id), -1) << "past the end clears it";
        EXPECT_TRUE(Controls().Select(Handle(id), 0)) << id;
        EXPECT_TRUE(Controls().Select(Handle(id), -1)) << id;
        EXPECT_EQ(SelectionOf(id), -1) << id;
        struct Search {
            const char* text;
            int found;
        };
        for (Search search : {Search{"AUSTIN, tx", 0}, Search{"Springfield", 1},
                              Search{"austin", -1}, Search{"brunswick ", -1}, Search{"", -1}}) {
            EXPECT_EQ(Controls().FindExactEntry(Handle(id), search.text), search.found)
                << id << " '" << search.text << "'";
        }
    }
    Controls().Select(Handle(141), 1);
    EXPECT_EQ(TextOf(141), "springfield");
    EXPECT_THAT(listener_.Notices(), ElementsAre()) << "the program's selections are no notices";
    for (int id : {1, 111}) {
        EXPECT_EQ(Controls().EntryCount(Handle(id)), 0);
        EXPECT_EQ(SelectionOf(id), -1);
        EXPECT_FALSE(Controls().Select(Handle(id), 0));
        EXPECT_EQ(Controls().FindExactEntry(Handle(id), "OK"), -1);
    }
}

TEST_F(QtDialogControls, TypingOverAComboBoxsTextEndsItsSelectionUnlessItNamesThatEntry) {
    ShowActive();
    for (const char* city : {"austin, TX", "Barrow"}) {
        Controls().AddEntry(Handle(142), city);
    }
    ASSERT_TRUE(Controls().Select(Handle(142), 1));
    Focus(142);
    Type("Bar");
    EXPECT_EQ(SelectionOf(142), -1);
    EXPECT_EQ(TextOf(142), "Bar");
    Type("row");
    EXPECT_EQ(SelectionOf(142), 1);
}

TEST_F(QtDialogControls, EnablingWorksForControlsDialogsAndFrames) {
    ShowActive();
    Controls().EnableWindow(Handle(104), Enable::Yes);
    EXPECT_TRUE(Widget(104)->isEnabled());
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), 104) << "an enabled tab stop is visited";
    Controls().EnableWindow(Handle(104), Enable::No);
    EXPECT_FALSE(Widget(104)->isEnabled());
    EXPECT_NE(FocusedId(), 104) << "the focus left the disabled field";
    Controls().EnableWindow(dialog_, Enable::No);
    EXPECT_FALSE(Widget(101)->isEnabled());
    EXPECT_FALSE(Controls().CanFocus(dialog_)) << "a disabled dialog is out of reach, though shown";
    Controls().EnableWindow(dialog_, Enable::Yes);
    EXPECT_TRUE(Widget(101)->isEnabled());
    EXPECT_FALSE(Widget(104)->isEnabled()) << "a control keeps its own state";

    QuietFrame frame_listener;
    FrameRequest request;
    request.client_width = 100;
    request.client_height = 50;
    WindowHandle frame = platform_->Windowing().CreateFrame(request, frame_listener);
    Controls().EnableWindow(frame, Enable::No);
    EXPECT_FALSE(qt::ToWidget(frame)->isEnabled());
    platform_->Windowing().DestroyFrame(frame);

    Controls().SetDialogTitle(dialog_, "Thermostat");
    EXPECT_EQ(Dialog()->windowTitle(), "Thermostat");
}

// Which controls take the focus, which push button looks like the default and which radio
// buttons a click unchecks are the toolkit's to say; the platform only answers and obeys.
TEST_F(QtDialogControls, FocusLooksAndGroupsAreTheToolkitsToSay) {
    ShowActive();
    struct Reach {
        int id;
        bool can;
    };
    for (Reach reach : {Reach{100, true}, Reach{120, true}, Reach{101, true}, Reach{104, false},
                        Reach{154, false}}) {
        EXPECT_EQ(Controls().CanFocus(Handle(reach.id)), reach.can) << reach.id;
    }
    Focus(2);
    EXPECT_EQ(Controls().LookOf(Handle(1)), DefaultLook::Default) << "as the plan made it";
    EXPECT_EQ(Controls().LookOf(Handle(2)), DefaultLook::Plain);
    Controls().SetDefaultLook(Handle(2), DefaultLook::Default);
    Controls().SetDefaultLook(Handle(1), DefaultLook::Plain);
    EXPECT_TRUE(As<QPushButton>(2)->isDefault());
    EXPECT_FALSE(As<QPushButton>(1)->isDefault());
    Controls().SetCheckState(Handle(121), 1);
    Click(122);
    EXPECT_EQ(CheckOf(122), 1) << "an automatic button checks itself";
    EXPECT_EQ(CheckOf(121), 1);
    EXPECT_THAT(listener_.Notices(), ::testing::Contains("clicked 122"));
}

// A combo box is named by its label, not by the city it shows, which is its value.
TEST_F(QtDialogControls, AScreenReaderHearsWhatAChoiceControlShows) {
    Controls().SetAccessibleText(Handle(141), "City", "");
    Controls().AddEntry(Handle(141), "austin, TX");
    Controls().Select(Handle(141), 0);
    QAccessibleInterface* city = QAccessible::queryAccessibleInterface(Widget(141));
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->role(), QAccessible::ComboBox);
    EXPECT_EQ(city->text(QAccessible::Name), "City");
    EXPECT_EQ(city->text(QAccessible::Value), "austin, TX");
    // A radio button is one, named by its own text.
    QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(Widget(121));
    EXPECT_EQ(radio->role(), QAccessible::RadioButton);
    EXPECT_EQ(radio->text(QAccessible::Name), "Cooling");
}

}  // namespace
}  // namespace windlass::testing
