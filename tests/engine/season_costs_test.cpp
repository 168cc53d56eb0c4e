// The lookup of a city by its text in the city list, one city's costs of both seasons, each in
// its own mode, and the facts of the four fuels.
#include <gtest/gtest.h>

#include <vector>

#include "engine/city_list.h"
#include "engine/fuels.h"
#include "engine/season_costs.h"

namespace heatwise {
namespace {

// A city is found by its whole text or its place, whatever the case and the blanks around;
// neither the state nor part of a name finds one.
TEST(engine_CityList, FindsEntriesByWholeTextOrPlaceIgnoringCase) {
    const std::pair<const char*, std::vector<int>> cases[] = {{"austin", {1}},
                                                              {"AUSTIN, tx", {1}},
                                                              {"  Austin  ", {1}},
                                                              {"springfield", {67, 110}},
                                                              {"albany,ny", {133}},
                                                              {"k i sawyer afb", {93}},
                                                              {"TX", {}},
                                                              {"aust", {}},
                                                              {"austin, TX, USA", {}},
                                                              {"", {}}};
    for (const auto& [text, found] : cases) {
        EXPECT_EQ(FindCities(text), found) << "'" << text << "'";
    }
}

// The units per million BTU of each fuel, as the reciprocals of the heat contents 0.003413 MBTU
// per kWh, 0.145 per gallon of oil, 0.0955 per gallon of propane and 0.00103 per cubic foot.
TEST(engine_Fuels, HeatContentNamesAndUnits) {
    struct Row {
        HeatingFuel fuel;
        float units_per_million_btu;
        const char* name;
        const char* unit;
    };
    const Row rows[] = {
        {HeatingFuel::kElectricity, 292.9974f, "Electricity", "kWh"},
        {HeatingFuel::kFuelOil, 6.896552f, "Fuel Oil", "gal"},
        {HeatingFuel::kPropane, 10.47120f, "Propane", "gal"},
        {HeatingFuel::kNaturalGas, 970.8737f, "Natural Gas", "cu.ft."},
        {static_cast<HeatingFuel>(-999), 0.0f, "none", ""},
        {static_cast<HeatingFuel>(5), 0.0f, "none", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_FLOAT_EQ(FuelUnitsPerMillionBtu(row.fuel), row.units_per_million_btu);
        EXPECT_EQ(FuelName(row.fuel), row.name);
        EXPECT_EQ(FuelUnit(row.fuel), row.unit);
        EXPECT_EQ(IsKnownFuel(row.fuel), row.units_per_million_btu > 0.0f);
    }
}

// City 2 holds both worked examples' bins at once: 0, 100 and 20 hours in 90/94 and 0, 200 and
// 80 in 85/89 (shifts 1 to 3), and 100, 50 and 150 in 30/34; 28 °F winter and 97 °F summer
// design. With the defaults (8 thermostat hours in every shift, summer 85, 85, 78, winter 65,
// 60, 75) cooling gives 1700 degree-hours, $20.92, and heating 3300 + 1400 + 6450 = 11150,
// a load of 20000 × 11150 × 1e-6 / 36 = 6.194444 million BTU.
TEST(engine_SeasonCosts, EachSeasonInItsOwnMode) {
    ClimateTables climate;
    climate.design.City(2) = DesignRecord{28, 1700, 97};
    CityBinHours& hours = climate.bins.City(2);
    const auto at = [&hours](int shift, int bin) -> std::int32_t& {
        return hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
    };
    at(2, 3) = 100;
    at(3, 3) = 20;
    at(2, 4) = 200;
    at(3, 4) = 80;
    at(1, 15) = 100;
    at(2, 15) = 50;
    at(3, 15) = 150;

    struct Row {
        CalcMode mode;
        HeatingFuel fuel;
        std::int32_t heating_cost;
    };
    // Electricity: 6.194444 × 292.9974 × 0.08 × 100 / 85 = 170.82; oil at $4.00:
    // 6.194444 × 6.896552 × 4 × 100 / 85 = 201.04. The mode the inputs name plays no part.
    const Row rows[] = {
        {CalcMode::kCooling, HeatingFuel::kElectricity, 170},
        {CalcMode::kHeating, HeatingFuel::kElectricity, 170},
        {CalcMode::kCooling, HeatingFuel::kFuelOil, 201},
    };
    for (const Row& row : rows) {
        EstimateInputs inputs;
        inputs.city = 2;
        inputs.mode = row.mode;
        inputs.fuel = row.fuel;
        const SeasonCosts costs = CostsOfBothSeasons(inputs, climate);
        EXPECT_EQ(costs.cooling_cost, 20);
        EXPECT_EQ(costs.heating_cost, row.heating_cost);
        EXPECT_EQ(costs.design.winter_design, 28);
        EXPECT_EQ(costs.design.summer_design, 97);
    }
}

}  // namespace
}  // namespace heatwise
