// The city list texts and the lookup of a city by its text.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "city_list.h"
#include "climate_data.h"

namespace heatwise {
namespace {

TEST(engine_CityList, HoldsTheListTextsInListOrder) {
    ASSERT_EQ(CityNames().size(), static_cast<std::size_t>(kCityCount));
    struct Case {
        int city;
        const char* text;
    };
    const Case cases[] = {{1, "austin, TX"},      {6, "mitchell field, AK"},
                          {67, "springfield"},    {92, "kinchloe AFB, MICH"},
                          {93, "K I Sawyer AFB"}, {110, "springfield"},
                          {133, "albany,NY"},     {178, "amarillo, TX"},
                          {205, "green bay, WS"}, {211, "sheridan"}};
    for (const Case& c : cases) {
        EXPECT_EQ(CityName(c.city), c.text) << "entry " << c.city;
        EXPECT_EQ(CityNames()[static_cast<std::size_t>(c.city - 1)], c.text);
    }
}

TEST(engine_CityList, FindsEntriesByWholeTextOrPlaceIgnoringCase) {
    struct Case {
        const char* text;
        std::vector<int> found;
    };
    const Case cases[] = {
        {"austin", {1}},
        {"AUSTIN, tx", {1}},
        {"  Austin  ", {1}},
        {"springfield", {67, 110}},
        {"Brunswick", {54, 85}},
        {"albany", {133}},
        {"albany,ny", {133}},
        {"k i sawyer afb", {93}},
        {"TX", {}},    // The state is not a place.
        {"aust", {}},  // Nor is part of a name.
        {"fort", {}},
        {"austin, TX, USA", {}},
        {"", {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FindCities(c.text), c.found) << "'" << c.text << "'";
    }
}

}  // namespace
}  // namespace heatwise
