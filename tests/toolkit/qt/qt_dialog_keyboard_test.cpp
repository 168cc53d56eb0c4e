// The notices of a dialog in the order the toolkit expects them, and its keyboard: the keys
// that move the focus or press buttons reported to the toolkit and the focus moved where it
// says, the default look, Space, F1, and no key reaching the window behind.
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "qt/qt_client_area.h"
#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using ::testing::ElementsAre;
using QtDialogKeyboard = QtTestDialog;
using QtFormKeyboard = QtDialogTest;

TEST_F(QtDialogKeyboard, ClickingARadioButtonFromAFieldGivesItTheFocusThenTheClick) {
    Controls().SetCheckState(Handle(121), 1);
    ShowActive();
    Focus(103);
    listener_.log.clear();
    Click(122);
    EXPECT_THAT(listener_.log, ElementsAre("leaving 103 to 122", "focus 122", "clicked 122"));
    EXPECT_EQ(CheckOf(121), 0) << "the group's other button is unchecked";
    EXPECT_EQ(CheckOf(122), 1);
    EXPECT_EQ(FocusedId(), 122);
}

TEST_F(QtDialogKeyboard, ManualButtonsKeepTheirStateWhenClickedAndAutomaticOnesChangeIt) {
    ShowActive();
    Click(125);
    Click(132);
    EXPECT_THAT(listener_.Notices(),
                ElementsAre("focus 125", "clicked 125", "focus 132", "clicked 132"));
    EXPECT_EQ(CheckOf(125), 0);
    EXPECT_EQ(CheckOf(132), 0);

    for (int id : {125, 132, 133, 1}) {
        Controls().MakeButtonAutomatic(Handle(id));
    }
    Controls().SetCheckState(Handle(133), 2);
    EXPECT_EQ(CheckOf(133), 1) << "two states from now on";
    listener_.log.clear();
    std::vector<int> states;
    for (int id : {125, 132, 132, 133, 133}) {
        Click(id);
        states.push_back(CheckOf(id));
    }
    EXPECT_THAT(states, ElementsAre(1, 1, 0, 0, 1));
    Click(1);
    EXPECT_THAT(listener_.Only({"pressed"}), ElementsAre("pressed 1")) << "push buttons stay";
}

TEST_F(QtDialogKeyboard, TheNavigationKeysAreReportedWithTheFocusedControl) {
    ShowActive();
    Focus(101);
    listener_.log.clear();
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
    ShowActive();
    Focus(101);
    listener_.log.clear();
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

TEST_F(QtDialogKeyboard, AFocusedControlDisabledOrHiddenIsReportedAsTab) {
    ShowActive();
    Focus(111);
    listener_.keys.clear();
    Controls().EnableWindow(Handle(111), Enable::No);
    EXPECT_THAT(listener_.keys, ElementsAre("tab 111"));
    EXPECT_EQ(FocusedId(), 112) << "where the toolkit's rules send it";
    listener_.keys.clear();
    Widget(112)->hide();
    EXPECT_THAT(listener_.keys, ElementsAre("tab 112"));
    EXPECT_EQ(FocusedId(), 121);
    // With nowhere to go the focus is no control's.
    listener_.keys.clear();
    listener_.navigation = [](int, NavigationKey) { return KeyVerdict::NowhereToGo; };
    Controls().EnableWindow(Handle(121), Enable::No);
    EXPECT_THAT(listener_.keys, ElementsAre("tab 121"));
    EXPECT_NE(FocusedId(), 121);
}

TEST_F(QtDialogKeyboard, TheDefaultLookFollowsTheFocusAndTheToolkitAsksForIt) {
    ShowActive();
    Focus(111);
    EXPECT_EQ(Controls().LookOf(Handle(1)), DefaultLook::Default);
    EXPECT_EQ(Controls().LookOf(Handle(2)), DefaultLook::Plain);
    Focus(2);
    EXPECT_TRUE(As<QPushButton>(2)->isDefault()) << "the focused push button looks default";
    EXPECT_EQ(Controls().LookOf(Handle(2)), DefaultLook::Default);
    EXPECT_EQ(Controls().LookOf(Handle(1)), DefaultLook::Plain);
    Focus(111);
    EXPECT_TRUE(As<QPushButton>(1)->isDefault()) << "back to the template's default";
    // What the toolkit asks of a control: whether the user can reach it now.
    EXPECT_TRUE(Controls().CanFocus(Handle(111)));
    EXPECT_FALSE(Controls().CanFocus(Handle(123))) << "disabled";
    EXPECT_FALSE(Controls().CanFocus(Handle(154))) << "hidden";

    // A multi-line field that wants Return gets a new line when the toolkit leaves it Return.
    Focus(153);
    Controls().SetControlText(Handle(153), "");
    listener_.log.clear();
    listener_.keys.clear();
    Type("a");
    Press(Qt::Key_Return);
    Type("b");
    EXPECT_EQ(TextOf(153), "a\nb");
    EXPECT_THAT(listener_.keys, ElementsAre("return 153"));
    EXPECT_THAT(listener_.Notices(), ElementsAre());
}

TEST_F(QtDialogKeyboard, EscapeAndTheCloseBoxPressCancelAndSpacePressesAButton) {
    ShowActive();
    Focus(111);
    listener_.log.clear();
    Press(Qt::Key_Escape);
    Dialog()->close();
    EXPECT_TRUE(Dialog()->isVisible()) << "the program decides whether the dialog goes";
    Focus(1);
    Press(Qt::Key_Space);
    EXPECT_THAT(listener_.keys, ElementsAre("escape 111", "escape 111"));
    EXPECT_THAT(listener_.Notices(), ElementsAre("pressed 2", "pressed 2", "focus 1", "pressed 1"));
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

TEST_F(QtDialogKeyboard, ListBoxesReportTheUsersSelectionsOnlyWhenAskedTo) {
    for (int id : {143, 144}) {
        for (const char* city : {"nome", "juneau", "kodiak"}) {
            Controls().AddEntry(Handle(id), city);
        }
    }
    Controls().Select(Handle(143), 0);
    ShowActive();
    EXPECT_THAT(listener_.Notices(), ElementsAre()) << "the program's selection is no notice";
    auto* list = As<QListWidget>(143);
    QPoint second = list->visualItemRect(list->item(1)).center();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
    EXPECT_THAT(listener_.Notices(), ElementsAre("focus 143", "selection 143", "double 143"));
    EXPECT_EQ(SelectionOf(143), 1);
    listener_.log.clear();
    Press(Qt::Key_Down);
    EXPECT_THAT(listener_.Notices(), ElementsAre("selection 143")) << "arrows belong to the list";
    // Without the notify style the list says nothing but that it took the focus.
    listener_.log.clear();
    auto* quiet = As<QListWidget>(144);
    QTest::mouseClick(quiet->viewport(), Qt::LeftButton, {},
                      quiet->visualItemRect(quiet->item(0)).center());
    EXPECT_THAT(listener_.Notices(), ElementsAre("focus 144"));
}

TEST_F(QtDialogKeyboard, APushButtonTellsOfLosingTheFocusAndOfAReleaseOutsideIt) {
    ShowActive();
    Focus(2);
    listener_.log.clear();
    Press(Qt::Key_Tab);
    EXPECT_THAT(listener_.log, ElementsAre("button-lost 2", "numeric-focus 101", "focus 101"));

    listener_.log.clear();
    QWidget* ok = Widget(1);
    QTest::mousePress(ok, Qt::LeftButton);
    QTest::mouseMove(ok, QPoint(ok->width() + 30, ok->height() / 2));
    QTest::mouseRelease(ok, Qt::LeftButton, {}, QPoint(ok->width() + 30, ok->height() / 2));
    EXPECT_THAT(listener_.Only({"pressed", "released-outside"}), ElementsAre("released-outside 1"));
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

TEST_F(QtFormKeyboard, AFormInTheClientAreaKeepsEveryKeyFromIt) {
    KeyCountingFrame frame_listener;
    WindowHandle frame = CreateFrame(frame_listener, 400, 200);
    ASSERT_NE(Open(201, platform_->Windowing().ClientArea(frame)), nullptr);
    Controls().AddEntry(Handle(2), "austin, TX");
    Controls().AddEntry(Handle(2), "barrow");
    Controls().ShowDialog(dialog_, DialogShowMode::Modeless);
    platform_->Windowing().ShowFrame(frame, FrameShow::Normal);
    ASSERT_TRUE(QTest::qWaitForWindowActive(qt::ToWidget(frame)));
    EXPECT_EQ(FocusedId(), 2) << "the window's focus goes to the form's first tab stop";
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_X, Qt::Key_Tab, Qt::Key_5, Qt::Key_Return,
                        Qt::Key_Escape, Qt::Key_F5, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Space}) {
        Press(key);
    }
    EXPECT_EQ(frame_listener.keys, 0);
    // The client area outside the form takes no focus of its own.
    qt::ClientArea* client =
        dynamic_cast<qt::ClientArea*>(qt::ToWidget(platform_->Windowing().ClientArea(frame)));
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(390, 190));
    EXPECT_NE(FocusedId(), 0) << "a control of the form keeps the focus";
    Press(Qt::Key_Z);
    EXPECT_EQ(frame_listener.keys, 0);
    Controls().DestroyDialog(dialog_);
    dialog_ = nullptr;
    platform_->Windowing().DestroyFrame(frame);
}

}  // namespace
}  // namespace windlass::testing
