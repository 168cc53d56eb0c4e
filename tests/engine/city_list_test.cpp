// The lookup of a city by its text in the city list.
#include <gtest/gtest.h>

#include <vector>

#include "engine/city_list.h"

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

}  // namespace
}  // namespace heatwise
