// The map of the 211 cities that heatwise-cli compare --svg draws.
#pragma once

#include <string>
#include <vector>

#include "compare_report.h"
#include "state_outlines.h"
#include "station_positions.h"

namespace heatwise::cli {

// What colours the dots: a cost of the form, or the yearly saving of a heat pump over the furnace.
enum class MappedCost { kCooling, kHeating, kSavings };

// Every city as a dot at its station's position, coloured by the chosen cost on a sequential
// scale, or by the saving on a diverging one, with its colour bar; the lower 48 states in an
// equirectangular projection whose longitudes are shrunk by the cosine of the middle latitude,
// Alaska, Hawaii and any other station outside them in insets; the state outlines under the dots,
// in the same projections (none when `outlines` is empty); the five costliest and five cheapest
// places numbered on the map and named beside it.
std::string StationMap(const std::vector<CompareRow>& rows, const CityPositions& positions,
                       const StateOutlines& outlines, MappedCost cost,
                       std::string_view inputs_summary);

}  // namespace heatwise::cli
