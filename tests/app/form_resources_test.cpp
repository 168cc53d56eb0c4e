// The form's resources agree with the calculation: the fuel buttons read the names and units of
// the fuels the calculation prices, and the city list offers the calculation's cities.
#include <gtest/gtest.h>

#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "engine/city_list.h"
#include "engine/climate_data.h"
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

// Both are made from data/stations.csv; whatever the build makes of it, the list the user picks
// from and the texts the estimator prints and searches are the same 211, in the same order.
TEST(FormResources, TheCityListOffersTheCalculationsCities) {
    const auto companion = windlass::FindData(windlass::kTypeRcData, DLG_MAIN);
    ASSERT_TRUE(companion.has_value());
    std::istringstream text(std::string(companion->begin(), companion->end()));
    std::vector<std::string> entries;
    int wanted = -1;
    for (std::string line; std::getline(text, line);) {
        if (wanted > 0) {
            entries.push_back(line);
            --wanted;
        } else if (line.starts_with(std::to_string(FLD_CITY) + " ")) {
            std::istringstream numbers(line.substr(line.find(' ')));
            numbers >> wanted;
        }
    }
    ASSERT_EQ(entries.size(), CityNames().size());
    for (int city = 1; city <= kCityCount; ++city) {
        EXPECT_EQ(entries[static_cast<std::size_t>(city - 1)], CityName(city)) << "entry " << city;
    }
}

}  // namespace
}  // namespace heatwise
