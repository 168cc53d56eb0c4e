#include "heat_pump_climate.h"

namespace heatwise::cli {

HeatPumpClimate LoadHeatPumpClimate(const std::filesystem::path& folder) {
    HeatPumpClimate climate;
    climate.tables = LoadClimateTables(folder, MissingFile::kRefuse);
    climate.cold = LoadColdBins(folder, climate.tables.bins, MissingFile::kRefuse);
    return climate;
}

HeatPumpInput MakeHeatPumpInput(const EstimateInputs& inputs, const HeatPumpSettings& unit,
                                const HeatPumpClimate& climate) {
    HeatPumpInput input;
    input.form = MakeBinCalcInput(inputs, climate.tables);
    input.cold_hours = climate.cold.City(inputs.city);
    input.unit = unit;
    return input;
}

}  // namespace heatwise::cli
