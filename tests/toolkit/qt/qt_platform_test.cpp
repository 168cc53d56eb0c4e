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

// What the box looked like while it was up.
struct SeenBox {
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton default_button = QMessageBox::NoButton;
    QWidget* parent = nullptr;
};

QMessageBox* OpenBox() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// Once the box is up, records it and presses the button; looks again a little later while
// it is not up yet.
void AnswerWhenShown(SeenBox& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(10, [&seen, press] {
        QMessageBox* box = OpenBox();
        if (box == nullptr) {
            AnswerWhenShown(seen, press);
            return;
        }
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.default_button = box->standardButton(box->defaultButton());
        seen.parent = box->parentWidget();
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
        bool owned = &c == &cases.back();
        MessageBoxRequest request;
        request.owner = owned ? qt::ToHandle(&owner) : nullptr;
        request.buttons = c.buttons;
        request.icon = c.icon;
        request.default_button = c.default_button;
        request.text = "Error=1006:Invalid field identifier <b>not bold</b>";
        request.title = "Library Error";
        SeenBox seen;
        AnswerWhenShown(seen, c.press);
        EXPECT_EQ(platform.Windowing().ShowMessageBox(request), c.answer);
        EXPECT_EQ(seen.title, "Library Error");
        EXPECT_EQ(seen.text, "Error=1006:Invalid field identifier <b>not bold</b>");
        EXPECT_EQ(seen.format, Qt::PlainText);
        EXPECT_EQ(seen.icon, c.qt_icon);
        EXPECT_EQ(seen.buttons, c.qt_buttons);
        EXPECT_EQ(seen.default_button, c.qt_default);
        EXPECT_EQ(seen.parent, owned ? &owner : nullptr);
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
