// The state outlines as the map of heatwise-cli compare --svg draws them under its dots.
#pragma once

#include <functional>
#include <utility>

#include "state_outlines.h"
#include "svg_document.h"

namespace heatwise::cli {

// The part of the map where a line is drawn: Alaska's and Hawaii's in their insets, every
// other state's in the map of the lower 48.
enum class OutlineArea { kLowerStates, kAlaska, kHawaii };

OutlineArea AreaOf(const OutlineLine& line);

// Where a position of an area lies in the picture.
using AreaProjection = std::function<std::pair<double, double>(OutlineArea, const GeoPosition& at)>;

// Draws every line through the projection of its area: borders between states thin and
// light, coasts and borders with other countries a shade darker, so that the country's shape
// reads first. Each line's title names the states it bounds, for viewers that show it.
void DrawStateOutlines(SvgDocument& svg, const StateOutlines& outlines,
                       const AreaProjection& project);

}  // namespace heatwise::cli
