// The program's form without a display. Its resources agree with the calculation: the fuel
// buttons read the names and units of the fuels the calculation prices, and the city list offers
// the calculation's cities. The recalculation pass, against a form in memory, carries a value
// from one pass to the next when a field gives it nothing to use. That each output field shows
// the bin method's result for the inputs on the form is checked on the real widgets, in the
// random-use test.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "engine/bin_calc.h"
#include "engine/city_list.h"
#include "engine/climate_data.h"
#include "engine/fuels.h"
#include "form_fields.h"
#include "form_ids.h"
#include "recalculate_form.h"
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

// A form in memory. Reads give the values set here, or -999 as the toolkit reads an empty
// field; a field in `unreadable` leaves the variable as it was.
class RecordingForm final : public FormFields {
  public:
    void GetMenu1(int field, int& entry) override { Read(field, integers, entry); }
    void GetRadioButton(int first, int& position) override { Read(first, integers, position); }
    void GetInteger(int field, int& value) override { Read(field, integers, value); }
    void GetReal(int field, float& value) override { Read(field, reals, value); }
    void PutInteger(int field, int value) override { shown[field] = value; }

    std::map<int, int> integers;
    std::map<int, float> reals;
    std::set<int> unreadable;
    std::map<int, int> shown;

  private:
    template <typename T>
    void Read(int field, const std::map<int, T>& values, T& value) {
        if (unreadable.count(field) == 0) {
            auto found = values.find(field);
            value = found != values.end() ? found->second : T{-999};
        }
    }
};

// The form as the user first sees it, in Cooling mode with Electricity.
RecordingForm DefaultForm() {
    RecordingForm form;
    // clang-format off
    form.integers = {{FLD_CITY, 1}, {FLD_MODE_COOLING, 1}, {FLD_FUEL_ELECTRIC, 1},
        {FLD_TSTAT_HOURS_1, 8}, {FLD_TSTAT_HOURS_2, 8}, {FLD_TSTAT_HOURS_3, 8},
        {FLD_TSTAT_SUMMER_1, 85}, {FLD_TSTAT_SUMMER_2, 85}, {FLD_TSTAT_SUMMER_3, 78},
        {FLD_TSTAT_WINTER_1, 65}, {FLD_TSTAT_WINTER_2, 60}, {FLD_TSTAT_WINTER_3, 75},
        {FLD_COOL_CAPACITY, 20000}, {FLD_HEAT_CAPACITY, 20000}, {FLD_HEAT_EFF, 85}};
    // clang-format on
    form.reals = {{FLD_ELECTRIC_RATE, 0.08f}, {FLD_FUEL_PRICE, 4.0f}, {FLD_COOL_EER, 6.5f}};
    return form;
}

// A field that cannot be read, a list or a radio group without a selection, or an efficiency
// of 0 leaves the value of the last pass in the calculation: the inputs it read, and the
// heating cost it showed. City 1 holds the cooling example of the bin method (0, 100 and 20
// hours in bin 90/94, 0, 200 and 80 in bin 85/89), city 2 the heating one (100, 50 and 150
// hours in bin 30/34, a winter design temperature of 28).
TEST(RecalculateForm, AFieldThatGivesNothingKeepsTheValueOfTheLastPass) {
    ClimateTables climate;
    // clang-format off
    for (const auto& [city, shift, bin, hours] : {std::array{1, 2, 3, 100}, {1, 3, 3, 20},
             {1, 2, 4, 200}, {1, 3, 4, 80}, {2, 1, 15, 100}, {2, 2, 15, 50}, {2, 3, 15, 150}}) {
        climate.bins.City(city)[BinValueIndex(shift, bin)] = hours;
    }
    // clang-format on
    climate.design.City(1) = {40, 1234, 97};
    climate.design.City(2) = {28, 4321, 70};
    RecordingForm form = DefaultForm();
    CarriedValues carried;
    RecalculateForm(climate, carried, form);
    ASSERT_EQ(form.shown[FLD_COST_COOLING], 20);

    form.integers[FLD_COOL_CAPACITY] = 40000;
    form.unreadable.insert(FLD_COOL_CAPACITY);
    form.integers[FLD_CITY] = 2;
    form.unreadable.insert(FLD_CITY);
    RecalculateForm(climate, carried, form);
    EXPECT_EQ(form.shown[FLD_COST_COOLING], 20) << "still 20000 BTU per hour";
    EXPECT_EQ(form.shown[FLD_SUMMER_DESIGN], 97) << "still city 1";

    form.unreadable.clear();
    form.integers[FLD_COOL_CAPACITY] = 20000;
    form.integers[FLD_MODE_COOLING] = 2;
    form.integers[FLD_TSTAT_HOURS_3] = 4;
    form.integers[FLD_FUEL_ELECTRIC] = 2;
    RecalculateForm(climate, carried, form);
    ASSERT_EQ(form.shown[FLD_WINTER_DESIGN], 28) << "city 2";
    ASSERT_EQ(form.shown[FLD_COST_HEATING], 142) << "fuel oil";

    form.integers.erase(FLD_CITY);
    form.integers.erase(FLD_FUEL_ELECTRIC);
    form.integers[FLD_HEAT_CAPACITY] = 40000;
    RecalculateForm(climate, carried, form);
    EXPECT_EQ(form.shown[FLD_WINTER_DESIGN], 28) << "still city 2";
    EXPECT_EQ(form.shown[FLD_COST_HEATING], 142) << "no fuel: the last heating cost";

    form.integers[FLD_FUEL_ELECTRIC] = 3;
    form.integers[FLD_HEAT_EFF] = 0;
    RecalculateForm(climate, carried, form);
    EXPECT_EQ(form.shown[FLD_COST_HEATING], 142) << "no efficiency: the last heating cost";

    form.integers[FLD_HEAT_EFF] = 85;
    RecalculateForm(climate, carried, form);
    EXPECT_EQ(form.shown[FLD_COST_HEATING], 433) << "propane, twice the capacity";
}

}  // namespace
}  // namespace heatwise
