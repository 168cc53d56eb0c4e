// The climate a heat pump is worked out on: the two climate files and coldbins.dat, the hours
// below 0 °F, read from one folder, and the model's input for one city.
#pragma once

#include <filesystem>

#include "engine/climate_data.h"
#include "engine/cold_bins.h"
#include "engine/estimate_inputs.h"
#include "engine/heat_pump_inputs.h"

namespace heatwise::cli {

struct HeatPumpClimate {
    ClimateTables tables;
    ColdBinTable cold;
};

// Reads bindata2.dat, cities.dat and coldbins.dat from `folder`, refusing a missing file.
// Throws DataError on the first fault.
HeatPumpClimate LoadHeatPumpClimate(const std::filesystem::path& folder);

// The model's input for the city of `inputs`: its bin hours, design record and hours below
// 0 °F with the form's inputs and the unit. The unit was checked with the form's inputs when the
// command line was read, and the reader of coldbins.dat refuses hours that the city's 0/4 °F bin
// cannot hold, so the input is one the model is defined for.
HeatPumpInput MakeHeatPumpInput(const EstimateInputs& inputs, const HeatPumpSettings& unit,
                                const HeatPumpClimate& climate);

}  // namespace heatwise::cli
