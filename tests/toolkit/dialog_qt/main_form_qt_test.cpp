// The program's own form embedded in the main window on the real Qt platform: its companion
// text applied to the real widgets, the window sized to the form, and the form unloaded with
// the window.
#include <QComboBox>
#include <QLineEdit>

#include <string>

#include "app/form_ids.h"
#include "form_on_qt.h"

namespace windlass::testing {
namespace {

using MainFormOnQt = FormOnQt;

TEST_F(MainFormOnQt, OpeningTheWindowWithTheFormMakesItTheCurrentDialog) {
    EXPECT_EQ(CurrentDialogId(), 0);
    Open(DLG_MAIN);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialogId(), DLG_MAIN);
    EXPECT_EQ(Form()->parentWidget(),
              qt::ToWidget(ThePlatform().ClientArea(Windows().by_slot[kMainWindowSlot].frame)));
    EXPECT_TRUE(Form()->isVisible());
}

TEST_F(MainFormOnQt, TheCompanionTextReachesTheRealControls) {
    Open(DLG_MAIN);
    auto* city = qobject_cast<QComboBox*>(Widget(FLD_CITY));
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->count(), 211);
    EXPECT_EQ(city->currentText().toStdString(), "austin, TX");
    int chosen = 0;
    std::string name(12, '?');
    WDialogGetMenu1(FLD_CITY, chosen, name);
    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(name, "austin, TX  ");
    int mode = 0;
    WDialogGetRadioButton(FLD_MODE_HEATING, mode);
    EXPECT_EQ(mode, 1);
    int fuel = 0;
    WDialogGetRadioButton(FLD_FUEL_GAS, fuel);
    EXPECT_EQ(fuel, 1);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(MainFormOnQt, TheWindowsClientAreaIsTheFormsSize) {
    Open(DLG_MAIN);
    Platform& platform = ThePlatform();
    PixelSize client = platform.ClientAreaSize(Windows().by_slot[kMainWindowSlot].frame);
    PixelSize form = platform.DialogSize(Dialogs().Current()->window);
    EXPECT_GT(form.width, 0);
    EXPECT_EQ(client.width, form.width);
    EXPECT_EQ(client.height, form.height);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
    EXPECT_EQ(Form()->size(), Form()->parentWidget()->size());
}

TEST_F(MainFormOnQt, ARateWrittenInItsFormatShowsInTheRealField) {
    Open(DLG_MAIN);
    WDialogPutReal(FLD_ELECTRIC_RATE, 0.08f, "(F4.2)");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(qobject_cast<QLineEdit*>(Widget(FLD_ELECTRIC_RATE))->text().toStdString(), "0.08");
    WDialogPutReal(FLD_ELECTRIC_RATE, 6.5f, "(F4.2)");
    EXPECT_EQ(qobject_cast<QLineEdit*>(Widget(FLD_ELECTRIC_RATE))->text().toStdString(), "6.50");
}

TEST_F(MainFormOnQt, ClosingTheWindowUnloadsTheForm) {
    Open(DLG_MAIN);
    ASSERT_EQ(CurrentDialogId(), DLG_MAIN);
    WindowClose();
    EXPECT_EQ(CurrentDialogId(), 0);
    EXPECT_EQ(Dialogs().count, 0);
    int value = 5;
    WDialogGetInteger(FLD_ELECTRIC_RATE, value);
    EXPECT_EQ(InfoError(1), ERR_NO_DIALOG);
    EXPECT_EQ(value, 5);
}

}  // namespace
}  // namespace windlass::testing
