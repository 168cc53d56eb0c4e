// The dialog manager on Qt's offscreen platform, with the main window holding form 200 of
// test_dialogs.rc and dialogs of their own shown over it, driven with real key and mouse
// events and with windows activated as a window manager activates them: which dialog is
// active, where the focus goes as dialogs come and go, and the numeric fields' check when
// another window is brought forward.
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include "dialog/dialog_manager.h"
#include "dialog/dialog_table.h"
#include "qt/qt_platform.h"
#include "support/counting_qt_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass::testing {
namespace {

constexpr int kForm = 200;
constexpr int kSettings = 300;  // Field 301 whole numbers 0 to 8, at 1; its first stop.
constexpr int kNote = 310;

class DialogsOnQt : public ::testing::Test {
  protected:
    DialogsOnQt() {
        ResetToolkitState();
        auto platform = std::make_unique<CountingQtPlatform>();
        platform_ = platform.get();
        previous_ = InstallPlatform(std::move(platform));
        InstallDialogManager();
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm, "Heatwise");
        frame_ = qt::ToWidget(Windows().by_slot[kMainWindowSlot].frame);
        EXPECT_TRUE(QTest::qWaitForWindowActive(frame_));
    }
    ~DialogsOnQt() override {
        WindowClose();
        UnloadAllDialogs();
        QCoreApplication::processEvents();
        ResetToolkitState();
        InstallPlatform(std::move(previous_));
    }

    static DialogRecord* Loaded(int dialog) { return Dialogs().AtSlot(Dialogs().SlotOf(dialog)); }
    static QWidget* WindowOf(int dialog) { return qt::ToWidget(Loaded(dialog)->window); }
    static QWidget* Field(int dialog, int id) {
        return qt::ToWidget(Loaded(dialog)->Find(id)->handle);
    }
    // Loads and shows a dialog of its own with no focus field named, and waits until it is the
    // active window.
    static QWidget* ShowActive(int dialog) {
        WDialogLoad(dialog);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED);
        QWidget* window = WindowOf(dialog);
        EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << dialog;
        return window;
    }
    // The dialog and the field that have the keyboard focus; 0 and 0 for none.
    static std::pair<int, int> Focused() {
        ControlRef focused = Dialogs().FindControl(ThePlatform().Controls().FocusedControl());
        return focused ? std::make_pair(focused.dialog->id, focused.control->id)
                       : std::make_pair(0, 0);
    }
    static void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    CountingQtPlatform* platform_ = nullptr;
    QWidget* frame_ = nullptr;

  private:
    std::unique_ptr<Platform> previous_;
};

// A dialog shown while another is active belongs to it. The user closes that one first, then
// this one: the focus goes back to the main window's form, past the dialog that is gone.
TEST_F(DialogsOnQt, ADialogWhoseOwnerWasUnloadedGivesTheFocusBackToTheForm) {
    for (bool unload : {false, true}) {
        ShowActive(kSettings);
        ShowActive(kNote);
        WDialogSelect(kSettings);
        WDialogUnload();
        WDialogSelect(kNote);
        unload ? WDialogUnload() : WDialogHide();
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame_)) << unload;
        EXPECT_EQ(Focused().first, kForm) << unload;
        if (!unload) {
            WDialogUnload();
        }
    }
}

// Clicking a field of the form brings the main window forward and makes its form the active
// dialog again: the next dialog shown belongs to the form and hands the focus back to it.
TEST_F(DialogsOnQt, ClickingBackIntoTheFormMakesItTheActiveDialog) {
    ShowActive(kSettings);
    QTest::mouseClick(Field(kForm, 204), Qt::LeftButton);
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_));
    EXPECT_EQ(Dialogs().active, Loaded(kForm)->window);
    ShowActive(kNote);
    EXPECT_EQ(Loaded(kNote)->owner, Loaded(kForm)->window);
    WDialogHide();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_));
    EXPECT_EQ(Focused(), std::make_pair(kForm, 204));
}

// A value out of range cannot escape by the window manager bringing another of the program's
// dialogs forward: the field beeps, takes the focus back with its text selected, and its window
// is active again. The main window is exempt, as it always is.
TEST_F(DialogsOnQt, AnotherDialogBroughtForwardIsRefusedWhileAFieldIsOutOfRange) {
    QWidget* note = ShowActive(kNote);
    QWidget* settings = ShowActive(kSettings);
    Type("9");
    const int beeps = platform_->beeps;
    note->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return platform_->beeps > beeps; }));
    ASSERT_TRUE(QTest::qWaitForWindowActive(settings));
    EXPECT_EQ(platform_->beeps, beeps + 1);
    EXPECT_EQ(Focused().second, 301);
    auto* field = dynamic_cast<QLineEdit*>(Field(kSettings, 301));
    EXPECT_EQ(field->selectedText().toStdString(), "9");
    frame_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame_));
    EXPECT_EQ(platform_->beeps, beeps + 1);
}

}  // namespace
}  // namespace windlass::testing
