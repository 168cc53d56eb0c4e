// One city's cooling and heating cost side by side, each worked out for its own season.
#pragma once

#include <cstdint>

#include "engine/climate_data.h"
#include "engine/estimate_inputs.h"

namespace heatwise {

// The city's cooling cost worked out in mode Cooling and its heating cost in mode Heating, each
// starting from a carried heating cost of 0. In one mode the other season's cost is always 0,
// so a report of both seasons needs both runs.
struct SeasonCosts {
    DesignRecord design;
    std::int32_t cooling_cost = 0;
    std::int32_t heating_cost = 0;
};

SeasonCosts CostsOfBothSeasons(const EstimateInputs& inputs, const ClimateTables& tables);

}  // namespace heatwise
