// The form's resources agree with the calculation: the fuel buttons read the names and units of
// the fuels the calculation prices.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "engine/fuels.h"
#include "form_ids.h"
#include "resources/resource_lookup.h"

namespace heatwise {
namespace {

const windlass::DialogControl* ControlOfForm(int id) {
    const windlass::DialogTemplate* form = windlass::FindDialog(DLG_MAIN);
    if (form == nullptr) {
        return nullptr;
    }
    for (const windlass::DialogControl& control : std::span(form->controls, form->control_count)) {
        if (control.id == id) {
            return &control;
        }
    }
    return nullptr;
}

// Electricity is priced at the electric rate, which has a field of its own; each other fuel's
// button says what its price is per.
TEST(FormResources, TheFuelButtonsNameTheFuelsAndTheirUnits) {
    const struct {
        int id;
        HeatingFuel fuel;
    } buttons[] = {{FLD_FUEL_ELECTRIC, HeatingFuel::kElectricity},
                   {FLD_FUEL_OIL, HeatingFuel::kFuelOil},
                   {FLD_FUEL_PROPANE, HeatingFuel::kPropane},
                   {FLD_FUEL_GAS, HeatingFuel::kNaturalGas}};
    for (const auto& button : buttons) {
        const windlass::DialogControl* control = ControlOfForm(button.id);
        ASSERT_NE(control, nullptr) << "button " << button.id;
        std::string expected(FuelName(button.fuel));
        if (button.fuel != HeatingFuel::kElectricity) {
            expected += ", $/" + std::string(FuelUnit(button.fuel));
        }
        EXPECT_EQ(control->text, expected);
        EXPECT_EQ(button.id - FLD_FUEL_ELECTRIC + 1, static_cast<int>(button.fuel))
            << "the buttons stand in the order of the fuels";
    }
}

}  // namespace
}  // namespace heatwise
