// The program's own form (dialog 102 with its companion text) in the main window, read and
// written through the field procedures as the program does.
#include <gtest/gtest.h>

#include <string>

#include "app/form_ids.h"
#include "dialog_test.h"

namespace windlass::testing {
namespace {

class MainForm : public DialogTest {
  protected:
    MainForm() {
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, MENU_MAIN, {}, DLG_MAIN, "Heatwise");
    }
};

TEST_F(MainForm, TheCityListStartsAtItsFirstEntry) {
    int city = 0;
    std::string name(20, '?');
    WDialogGetMenu1(FLD_CITY, city, name);
    EXPECT_EQ(city, 1);
    EXPECT_EQ(name, "austin, TX          ");
    EXPECT_EQ(Control(FLD_CITY).entries.size(), 211u);
    WDialogGetMenu1(FLD_MODE_COOLING, city);
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

TEST_F(MainForm, EitherButtonOfARadioGroupGivesItsPosition) {
    int mode = 0;
    int same = 0;
    WDialogGetRadioButton(FLD_MODE_COOLING, mode);
    WDialogGetRadioButton(FLD_MODE_HEATING, same);
    EXPECT_EQ(mode, 1);
    EXPECT_EQ(same, 1);
    platform().UserClick(Field(FLD_MODE_HEATING));
    WDialogGetRadioButton(FLD_MODE_COOLING, mode);
    EXPECT_EQ(mode, 2);
    // The fuel group runs from Electricity to Natural Gas; the label after it starts another.
    int fuel = 0;
    for (int button : {FLD_FUEL_ELECTRIC, FLD_FUEL_OIL, FLD_FUEL_PROPANE, FLD_FUEL_GAS}) {
        WDialogGetRadioButton(button, fuel);
        EXPECT_EQ(fuel, 1) << button;
    }
    WDialogPutRadioButton(FLD_FUEL_GAS);
    WDialogGetRadioButton(FLD_FUEL_ELECTRIC, fuel);
    EXPECT_EQ(fuel, 4);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(MainForm, TheRealInputsTakeTheProgramsFormatAndTheRateItsRange) {
    WDialogPutReal(FLD_ELECTRIC_RATE, 0.08f, "(F4.2)");
    WDialogPutReal(FLD_FUEL_PRICE, 4.0f, "(F4.2)");
    EXPECT_EQ(Control(FLD_ELECTRIC_RATE).text, "0.08");
    EXPECT_EQ(Control(FLD_FUEL_PRICE).text, "4.00");
    WDialogRangeReal(FLD_ELECTRIC_RATE, 0.05f, 0.35f);
    WMessageEnable(MSG_FIELD, 1);
    ASSERT_TRUE(platform().UserFocus(Field(FLD_ELECTRIC_RATE)));
    TakeMessages();
    platform().UserType(
        "\x01"
        "0.05");
    EXPECT_FALSE(platform().UserTab());
    EXPECT_EQ(platform().beeps, 1);
    EXPECT_TRUE(TakeMessages().empty());
    platform().UserType(
        "\x01"
        "0.06");
    EXPECT_TRUE(platform().UserTab());
    ASSERT_EQ(TakeMessages().size(), 1u);
    float rate = 0.0f;
    WDialogGetReal(FLD_ELECTRIC_RATE, rate);
    EXPECT_EQ(rate, 0.06f);
}

}  // namespace
}  // namespace windlass::testing
