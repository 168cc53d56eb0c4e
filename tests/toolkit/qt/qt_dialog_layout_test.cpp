// Dialogs made from templates on the offscreen platform: the font, dialog units in pixels, the
// kind and look of every control.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "qt/qt_controls.h"
#include "qt/qt_numeric_edit.h"
#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using QtDialogLayout = QtTestDialog;
using QtFormLayout = QtDialogTest;

// The base units as dialog units define them: the average width of the 52 letters, rounded,
// and the height of the font.
struct Units {
    int x;
    int y;
};

Units UnitsOf(const QFont& font) {
    QFontMetrics metrics(font);
    int letters = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return {(letters + 26) / 52, metrics.height()};
}

int Rounded(int value, int base, int divisor) {
    return (value * base + divisor / 2) / divisor;
}

TEST_F(QtDialogLayout, DialogUnitsBecomePixelsOfTheFont) {
    Units units = UnitsOf(Dialog()->font());
    EXPECT_GE(units.x, 5);
    EXPECT_LE(units.x, 8);
    EXPECT_GE(units.y, 11);
    EXPECT_LE(units.y, 15);
    PixelSize size = Controls().DialogSize(dialog_);
    EXPECT_EQ(size.width, Rounded(280, units.x, 4));
    EXPECT_EQ(size.height, Rounded(206, units.y, 8));
    EXPECT_EQ(Dialog()->size(), QSize(size.width, size.height));
    struct Case {
        int id, x, y, width, height;
    };
    for (Case c : {Case{101, 58, 7, 40, 12}, Case{106, 58, 23, 40, 12}, Case{121, 14, 70, 60, 10},
                   Case{120, 7, 58, 84, 66}, Case{143, 7, 130, 84, 44}, Case{1, 106, 186, 50, 14},
                   Case{153, 190, 142, 80, 32}}) {
        QRect expected(Rounded(c.x, units.x, 4), Rounded(c.y, units.y, 8),
                       Rounded(c.width, units.x, 4), Rounded(c.height, units.y, 8));
        EXPECT_EQ(Widget(c.id)->geometry(), expected) << "control " << c.id;
    }
}

TEST_F(QtDialogLayout, EveryControlIsMadeInTemplateOrderAsItsClassAndStyleSay) {
    ASSERT_EQ(Controls().ControlCount(dialog_), template_->control_count);
    EXPECT_EQ(Controls().Control(dialog_, template_->control_count), nullptr);
    EXPECT_FALSE(Dialog()->isVisible()) << "made hidden";
    EXPECT_EQ(Dialog()->windowTitle(), "Heating and cooling inputs");

    EXPECT_NE(As<qt::StaticText>(100), nullptr);
    EXPECT_NE(As<qt::GroupBox>(120), nullptr);
    EXPECT_NE(As<QPlainTextEdit>(153), nullptr);

    // Numeric fields: the number class, the arrows of the spin classes, the alignment.
    struct Numeric {
        int id;
        qt::NumericClass number_class;
        bool spin;
        Qt::Alignment across;
    };
    for (Numeric n : {Numeric{101, qt::NumericClass::Real, false, Qt::AlignHCenter},
                      Numeric{103, qt::NumericClass::Integer, false, Qt::AlignHCenter},
                      Numeric{106, qt::NumericClass::Integer, true, Qt::AlignHCenter},
                      Numeric{107, qt::NumericClass::Real, true, Qt::AlignHCenter},
                      Numeric{108, qt::NumericClass::Double, false, Qt::AlignRight},
                      Numeric{109, qt::NumericClass::Double, true, Qt::AlignLeft}}) {
        auto* field = As<qt::NumericEdit>(n.id);
        ASSERT_NE(field, nullptr) << n.id;
        EXPECT_EQ(field->number_class(), n.number_class) << n.id;
        EXPECT_EQ(field->has_spin(), n.spin) << n.id;
        EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, n.across) << n.id;
        EXPECT_TRUE(field->hasFrame()) << n.id;
    }
    EXPECT_EQ(As<qt::NumericEdit>(106)->spin_maximum(), 31073);
    EXPECT_EQ(As<qt::NumericEdit>(107)->spin_maximum(), 100);

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

TEST_F(QtFormLayout, AChildFormFitsItsParentWithBorderlessCentredFields) {
    auto parent = std::make_unique<QWidget>();
    ASSERT_NE(Open(201, qt::ToHandle(parent.get())), nullptr);
    EXPECT_EQ(Dialog()->parentWidget(), parent.get());
    EXPECT_FALSE(Dialog()->isWindow());
    auto* field = As<QLineEdit>(3);
    EXPECT_FALSE(field->hasFrame()) << "no border style";
    EXPECT_EQ(field->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter)
        << "centred, and one line whatever the multi-line bit says";
    parent->show();
    EXPECT_FALSE(Dialog()->isVisible()) << "hidden until shown, though its parent is shown";
    Controls().MoveDialog(dialog_, 5, 7);
    Controls().ShowDialog(dialog_, DialogShowMode::Modeless);
    EXPECT_TRUE(Dialog()->isVisible());
    EXPECT_EQ(Dialog()->pos(), QPoint(5, 7));
    Controls().HideDialog(dialog_);
    EXPECT_FALSE(Dialog()->isVisible());
    Controls().DestroyDialog(dialog_);
    dialog_ = nullptr;
    EXPECT_TRUE(parent->findChildren<QLineEdit*>().isEmpty()) << "destroyed with its controls";
}

TEST_F(QtFormLayout, ADialogWithAClassThePlatformHasNotGotIsNotMade) {
    EXPECT_EQ(Open(202), nullptr);
    dialog_ = nullptr;
}

}  // namespace
}  // namespace windlass::testing
