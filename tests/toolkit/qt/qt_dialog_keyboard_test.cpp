// The notices of a dialog in the order the toolkit expects them, and its keyboard: the keys
// that move the focus or press buttons reported to the toolkit and the focus moved where it
// says, Escape, Space and F1.
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using ::testing::ElementsAre;
using QtDialogKeyboard = QtTestDialog;

TEST_F(QtDialogKeyboard, TheNavigationKeysAreReportedWithTheFocusedControl) {
    ShowActive(101);
    listener_.navigation = [](int, NavigationKey) { return KeyVerdict::Taken; };
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down,
                        Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        Press(key);
    }
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    Press(Qt::Key_Tab, Qt::ShiftModifier);
    // Shift and Control leave Return what it is; other keys with Control or Alt are the
    // control's, as is F1 the help's.
    Press(Qt::Key_Return, Qt::ControlModifier);
    Press(Qt::Key_Tab, Qt::ControlModifier);
    Press(Qt::Key_Down, Qt::AltModifier);
    Press(Qt::Key_Return, Qt::AltModifier);
    Press(Qt::Key_Escape, Qt::ControlModifier);
    Press(Qt::Key_F1);
    EXPECT_THAT(listener_.keys, ElementsAre("tab 101", "left 101", "up 101", "right 101",
                                            "down 101", "return 101", "return 101", "escape 101",
                                            "backtab 101", "backtab 101", "return 101"));
    EXPECT_EQ(FocusedId(), 101) << "the toolkit moved nothing";
    EXPECT_THAT(listener_.Notices(), ElementsAre());
    EXPECT_THAT(listener_.Only({"help"}), ElementsAre("help"));
}

TEST_F(QtDialogKeyboard, TheFocusGoesWhereTheToolkitSendsIt) {
    ShowActive(101);
    listener_.navigation = [this](int, NavigationKey) {
        Controls().FocusControl(Handle(111), SelectText::All);
        return KeyVerdict::Taken;
    };
    Controls().SetControlText(Handle(111), "nome");
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), 111);
    EXPECT_THAT(listener_.log, ElementsAre("leaving 101 to 111", "focus 111"));
    Type("x");
    EXPECT_EQ(TextOf(111), "x") << "the field was entered selected";

    // A key the toolkit leaves to the control reaches it; a key it takes does not.
    for (const char* city : {"nome", "juneau", "kodiak"}) {
        Controls().AddEntry(Handle(143), city);
    }
    Controls().Select(Handle(143), 0);
    Focus(143);
    listener_.log.clear();
    listener_.navigation = [](int, NavigationKey) { return KeyVerdict::Taken; };
    Press(Qt::Key_Down);
    EXPECT_EQ(SelectionOf(143), 0);
    listener_.navigation = [](int, NavigationKey) { return KeyVerdict::ToControl; };
    Press(Qt::Key_Down);
    EXPECT_EQ(SelectionOf(143), 1);
    EXPECT_THAT(listener_.Notices(), ElementsAre("selection 143"));
}

TEST_F(QtDialogKeyboard, EscapeAndTheCloseBoxPressCancelAndSpacePressesAButton) {
    ShowActive(111);
    Press(Qt::Key_Escape);
    Dialog()->close();
    EXPECT_TRUE(Dialog()->isVisible()) << "the program decides whether the dialog goes";
    Focus(1);
    Press(Qt::Key_Space);
    EXPECT_THAT(listener_.keys, ElementsAre("escape 111", "escape 111"));
    EXPECT_THAT(listener_.Notices(), ElementsAre("pressed 2", "pressed 2", "focus 1", "pressed 1"));
}

// A press on a push button that the mouse takes off the button before its release presses
// nothing and is reported, so that a field left for the button can take the focus back; a
// release on the button is a plain press, and other mouse buttons are never reported.
TEST_F(QtDialogKeyboard, ALeftButtonReleasedOffAPushButtonIsReportedAndPressesNothing) {
    ShowActive();
    QWidget* button = Widget(2);
    const QPoint off_it(-4, -4);
    QTest::mousePress(button, Qt::LeftButton, {}, button->rect().center());
    QTest::mouseRelease(button, Qt::LeftButton, {}, off_it);
    QTest::mousePress(button, Qt::RightButton, {}, button->rect().center());
    QTest::mouseRelease(button, Qt::RightButton, {}, off_it);
    Click(2);
    EXPECT_THAT(listener_.Only({"released-outside", "pressed"}),
                ElementsAre("released-outside 2", "pressed 2"));
}

TEST_F(QtDialogKeyboard, AShownDialogIsActivatedWithItsFirstTabStopFocusedAndF1AsksForHelp) {
    Controls().ShowDialog(dialog_, DialogShowMode::Modeless);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog()));
    EXPECT_EQ(FocusedId(), 101);
    EXPECT_THAT(listener_.log, ::testing::Contains("activate"));
    EXPECT_THAT(listener_.Notices(), ElementsAre("focus 101"));
    Focus(131);
    Press(Qt::Key_F1);
    EXPECT_THAT(listener_.Only({"help"}), ElementsAre("help"));
}

TEST_F(QtDialogKeyboard, AModalShowReturnsWhenTheToolkitEndsIt) {
    listener_.on_press = [this](int) { Controls().EndModalDialog(dialog_); };
    QTimer::singleShot(0, [this] {
        ASSERT_TRUE(QTest::qWaitForWindowActive(Dialog()));
        EXPECT_EQ(Dialog()->windowModality(), Qt::ApplicationModal);
        Click(2);
    });
    Controls().ShowDialog(dialog_, DialogShowMode::Modal);
    EXPECT_THAT(listener_.Notices(), ElementsAre("focus 101", "focus 2", "pressed 2"));
    EXPECT_FALSE(Dialog()->isVisible());

    // Destroyed while its button's press is being heard, the dialog goes once that is over.
    listener_.on_press = [this](int) {
        Controls().EndModalDialog(dialog_);
        Controls().DestroyDialog(dialog_);
    };
    QPointer<QWidget> watched(Dialog());
    QTimer::singleShot(0, [this] { Click(1); });
    Controls().ShowDialog(dialog_, DialogShowMode::Modal);
    dialog_ = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
}

}  // namespace
}  // namespace windlass::testing
