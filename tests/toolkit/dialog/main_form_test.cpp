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
    // The platform checks the clicked button and unchecks the other.
    Control(FLD_MODE_COOLING).check = 0;
    Control(FLD_MODE_HEATING).check = 1;
    backend::Click(platform(), Field(FLD_MODE_HEATING));
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

}  // namespace
}  // namespace windlass::testing
