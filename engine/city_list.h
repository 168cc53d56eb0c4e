// The texts of the form's city list. Entry k is city k of the climate files; a city is
// identified by its entry number, never by its text, since some texts occur twice.
#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace heatwise {

// The 211 list texts in list order: element k - 1 is entry k. The texts are those of
// data/stations.csv, made into this table when the build is configured
// (cmake/HeatwiseCityList.cmake). The list runs state by state; within a state only the first
// entry carries the state's abbreviation, and entry 1 stands apart from the other Texas
// entries.
std::span<const std::string_view> CityNames();

// The text of entry `city` (1..211).
std::string_view CityName(int city);

// The entries (1-based, ascending) whose text matches `text`, ignoring letter case and the
// blanks around it: either the whole list text or the part before its comma matches, so
// "austin" finds "austin, TX" and "springfield" finds entries 67 and 110.
std::vector<int> FindCities(std::string_view text);

}  // namespace heatwise
