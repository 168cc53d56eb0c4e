// The Qt backend on Qt's offscreen platform: the real message box, the keys of accelerators, and
// the end of the process while the application lives.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <vector>

#include "platform/platform.h"
#include "qt/qt_application.h"
#include "qt/qt_keys.h"
#include "qt/qt_platform.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

QMessageBox* OpenBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// What the box should look like while it is up.
struct ExpectedBox {
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button;
    QWidget* parent;
};

// Once the box is up, checks it and presses the button; looks again a little later while it is
// not up yet. `shown` counts the boxes seen.
void AnswerWhenShown(const ExpectedBox& expected, QMessageBox::StandardButton press, int& shown) {
    QTimer::singleShot(10, [expected, press, &shown] {
        QMessageBox* box = OpenBox();
        if (box == nullptr) {
            AnswerWhenShown(expected, press, shown);
            return;
        }
        ++shown;
        EXPECT_EQ(box->windowTitle(), "Library Error");
        EXPECT_EQ(box->text(), "Error=1006:Invalid field identifier <b>not bold</b>");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), expected.icon);
        EXPECT_EQ(box->standardButtons(), expected.buttons);
        EXPECT_EQ(box->standardButton(box->defaultButton()), expected.default_button);
        EXPECT_EQ(box->parentWidget(), expected.parent);
        box->button(press)->click();
    });
}

TEST(QtMessageBox, ShowsTitleTextButtonsAndDefaultOverItsOwnerAndReportsThePressedButton) {
    struct Case {
        BoxButtons buttons;
        BoxIcon icon;
        int default_button;
        QMessageBox::StandardButtons qt_buttons;
        QMessageBox::Icon qt_icon;
        QMessageBox::StandardButton qt_default;
        QMessageBox::StandardButton press;
        BoxAnswer answer;
    };
    using B = BoxButtons;
    using I = BoxIcon;
    using Q = QMessageBox;
    const std::vector<Case> cases = {
        {B::Ok, I::Information, 0, Q::Ok, Q::Information, Q::Ok, Q::Ok, BoxAnswer::Ok},
        {B::OkCancel, I::Exclamation, 0, Q::Ok | Q::Cancel, Q::Warning, Q::Ok, Q::Cancel,
         BoxAnswer::Cancel},
        {B::RetryCancel, I::Stop, 1, Q::Retry | Q::Cancel, Q::Critical, Q::Cancel, Q::Retry,
         BoxAnswer::Retry},
        {B::YesNo, I::Question, 1, Q::Yes | Q::No, Q::Question, Q::No, Q::No, BoxAnswer::No},
        {B::YesNoCancel, I::None, 2, Q::Yes | Q::No | Q::Cancel, Q::NoIcon, Q::Cancel, Q::Yes,
         BoxAnswer::Yes},
        {B::AbortRetryIgnore, I::Stop, 1, Q::Abort | Q::Retry | Q::Ignore, Q::Critical, Q::Retry,
         Q::Ignore, BoxAnswer::Ignore},
    };
    qt::QtPlatform platform;
    qt::Application();
    // The last box belongs to a window of the program.
    QWidget owner;
    owner.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.buttons));
        bool owned = &c == &cases.back();
        MessageBoxRequest request;
        request.owner = owned ? qt::ToHandle(&owner) : nullptr;
        request.buttons = c.buttons;
        request.icon = c.icon;
        request.default_button = c.default_button;
        request.text = "Error=1006:Invalid field identifier <b>not bold</b>";
        request.title = "Library Error";
        int shown = 0;
        AnswerWhenShown({c.qt_icon, c.qt_buttons, c.qt_default, owned ? &owner : nullptr}, c.press,
                        shown);
        EXPECT_EQ(platform.Windowing().ShowMessageBox(request), c.answer);
        EXPECT_EQ(shown, 1);
    }
}

// An accelerator table names a key by its virtual-key code (letters and digits by themselves,
// F1 = 0x70 to F24 = 0x87, keypad digits from 0x60) or by the character it types, a control
// character standing for Ctrl with its letter; Qt is given the same key with the same modifiers.
TEST(QtAccelerators, EachKeyOfATableIsTheKeySequenceQtMatches) {
    using Kind = AcceleratorKey::Kind;
    struct Case {
        Kind kind;
        int key;
        Held shift, ctrl, alt;
        const char* sequence;
    };
    const Held no = Held::No;
    const Held yes = Held::Yes;
    const Case cases[] = {
        {Kind::VirtualKey, 'A', no, yes, no, "Ctrl+A"},
        {Kind::VirtualKey, 'Z', yes, no, no, "Shift+Z"},
        {Kind::VirtualKey, '0', no, yes, no, "Ctrl+0"},
        {Kind::VirtualKey, '9', no, yes, no, "Ctrl+9"},
        {Kind::VirtualKey, 0x70, no, no, no, "F1"},
        {Kind::VirtualKey, 0x74, yes, no, no, "Shift+F5"},
        {Kind::VirtualKey, 0x87, no, no, yes, "Alt+F24"},
        {Kind::VirtualKey, 0x60, no, yes, no, "Ctrl+0"},
        {Kind::VirtualKey, 0x69, no, yes, no, "Ctrl+9"},
        {Kind::VirtualKey, 0x2E, no, yes, yes, "Ctrl+Alt+Del"},
        {Kind::VirtualKey, 0x0D, no, no, no, "Return"},
        // No key of Qt's answers to the first code past F24 or the one before the letters.
        {Kind::VirtualKey, 0x88, no, yes, no, ""},
        {Kind::VirtualKey, '@', no, yes, no, ""},
        {Kind::Character, 1, no, no, no, "Ctrl+A"},
        {Kind::Character, 26, no, no, no, "Ctrl+Z"},
        {Kind::Character, 'g', no, no, no, "G"},
        {Kind::Character, '?', no, no, no, "?"},
    };
    for (const Case& c : cases) {
        AcceleratorKey accelerator;
        accelerator.kind = c.kind;
        accelerator.key = c.key;
        accelerator.shift = c.shift;
        accelerator.ctrl = c.ctrl;
        accelerator.alt = c.alt;
        EXPECT_EQ(qt::KeySequenceOf(accelerator).toString(QKeySequence::PortableText).toStdString(),
                  c.sequence)
            << "key " << c.key;
    }
}

TEST(QtProcessExit, EndsWithTheCodeWhileTheApplicationLives) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ThePlatform().Windowing().Display();
            IOsExitProgram("", 3);
        },
        ::testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace windlass
