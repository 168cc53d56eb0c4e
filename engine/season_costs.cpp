#include "engine/season_costs.h"

#include "engine/bin_calc.h"

namespace heatwise {

SeasonCosts CostsOfBothSeasons(const EstimateInputs& inputs, const ClimateTables& tables) {
    BinCalcInput input = MakeBinCalcInput(inputs, tables);
    input.mode = CalcMode::kCooling;
    const std::int32_t cooling = ComputeBinCosts(input, 0.0).cooling_cost;
    input.mode = CalcMode::kHeating;
    return {input.design, cooling, ComputeBinCosts(input, 0.0).heating_cost};
}

}  // namespace heatwise
