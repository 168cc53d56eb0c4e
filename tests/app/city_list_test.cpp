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
    const std::pair<int, const char*> cases[] = {{1, "austin, TX"},      {6, "mitchell field, AK"},
                                                 {67, "springfield"},    {92, "kinchloe AFB, MICH"},
                                                 {93, "K I Sawyer AFB"}, {110, "springfield"},
                                                 {133, "albany,NY"},     {178, "amarillo, TX"},
                                                 {205, "green bay, WS"}, {211, "sheridan"}};
    for (const auto& [city, text] : cases) {
        EXPECT_EQ(CityName(city), text) << "entry " << city;
        EXPECT_EQ(CityNames()[static_cast<std::size_t>(city - 1)], text);
    }
}

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

}  // namespace
}  // namespace heatwise
