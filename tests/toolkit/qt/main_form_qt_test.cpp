// The program's own form embedded in the main window on the real Qt platform: the window's
// client area made the form's size.
#include <QWidget>

#include "app/form_ids.h"
#include "form_on_qt.h"

namespace windlass::testing {
namespace {

using MainFormOnQt = FormOnQt;

TEST_F(MainFormOnQt, TheFormBecomesTheCurrentDialogAndFillsTheWindowsClientArea) {
    EXPECT_EQ(CurrentDialogId(), 0);
    Open(DLG_MAIN);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialogId(), DLG_MAIN);
    Platform& platform = ThePlatform();
    WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    EXPECT_EQ(Form()->parentWidget(), qt::ToWidget(platform.Windowing().ClientArea(frame)));
    EXPECT_TRUE(Form()->isVisible());
    PixelSize client = platform.Windowing().ClientAreaSize(frame);
    PixelSize form = platform.Controls().DialogSize(Dialogs().Current()->window);
    EXPECT_GT(form.width, 0);
    EXPECT_EQ(client.width, form.width);
    EXPECT_EQ(client.height, form.height);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    EXPECT_EQ(Form()->size(), Form()->parentWidget()->size());
}

}  // namespace
}  // namespace windlass::testing
