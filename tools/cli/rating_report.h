// A heat pump's HSPF by the rating procedure's bins, as heatwise-cli rating prints it.
#pragma once

#include <ostream>

#include "cli_options.h"
#include "engine/hspf_rating.h"

namespace heatwise::cli {

// The region's bins, the load, the unit and its energy in each, then the HSPF: as a table, or
// as JSON with `hspf` unrounded.
void PrintRating(const RatingOptions& options, const HspfRating& rating, std::ostream& out);

}  // namespace heatwise::cli
