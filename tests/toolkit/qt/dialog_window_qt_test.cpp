// A dialog window of its own beside the main window and its form, on the real Qt platform:
// loading, showing, reading and unloading it, and its buttons heard by the program.
#include <QLineEdit>

#include <string>

#include "form_on_qt.h"

namespace windlass::testing {
namespace {

constexpr int kForm = 500;
constexpr int kRateDialog = 600;
constexpr int kRate = 601;  // REALEDIT held to 0 to 1.
constexpr int kOk = 1;

class DialogWindowOnQt : public FormOnQt {
  protected:
    DialogWindowOnQt() { Open(kForm); }
};

TEST_F(DialogWindowOnQt, AShownDialogBecomesCurrentAndUnloadsBesideTheForm) {
    ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
    WDialogLoad(kRateDialog);
    EXPECT_EQ(CurrentDialogId(), kRateDialog);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, kRate, DIALOG_MODELESS);
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form()));
    EXPECT_EQ(Form()->windowTitle().toStdString(), "Rate");
    float rate = 0.0f;
    WDialogGetReal(kRate, rate);
    EXPECT_EQ(rate, 0.1f);
    WDialogUnload();
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Dialogs().count, 1);
    EXPECT_TRUE(Frame()->isVisible()) << "the main window and its form stay";
}

TEST_F(DialogWindowOnQt, ItsOkRefusesARateOutOfRangeThenReportsTheAcceptedOne) {
    WDialogLoad(kRateDialog);
    WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, kRate, DIALOG_MODELESS);
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form()));
    ASSERT_EQ(QApplication::focusWidget(), Widget(kRate));
    QTest::keyClicks(Widget(kRate), "2");
    TakeMessages();
    QTest::mouseClick(Widget(kOk), Qt::LeftButton);
    EXPECT_EQ(platform_->beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), Widget(kRate));
    EXPECT_TRUE(TakeMessages().empty());
    QTest::keyClicks(Widget(kRate), "0.5");
    QTest::mouseClick(Widget(kOk), Qt::LeftButton);
    EXPECT_EQ(platform_->beeps, 1);
    bool pressed = false;
    for (const TakenMessage& message : TakeMessages()) {
        if (message.type == MSG_BUTTON) {
            pressed = true;
            EXPECT_EQ(message.record.window, kRateDialog);
            EXPECT_EQ(message.record.data1, kOk);
        }
    }
    EXPECT_TRUE(pressed);
    float rate = 0.0f;
    WDialogGetReal(kRate, rate);
    EXPECT_EQ(rate, 0.5f);
}

}  // namespace
}  // namespace windlass::testing
