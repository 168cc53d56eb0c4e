// Dialogs made from templates on the offscreen platform: the kind and look of every control,
// labels narrowed to fit their room, and no dialog made from a plan that does not fit its
// template.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "qt/qt_controls.h"
#include "qt/qt_numeric_edit.h"
#include "qt/qt_text_fit.h"
#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using QtDialogLayout = QtTestDialog;
using QtFormLayout = QtDialogTest;

TEST_F(QtDialogLayout, EveryControlIsMadeInTemplateOrderAsItsClassAndStyleSay) {
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
    EXPECT_TRUE(As<QPushButton>(1)->isDefault());
    EXPECT_FALSE(As<QPushButton>(2)->isDefault());
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

}  // namespace
}  // namespace windlass::testing
