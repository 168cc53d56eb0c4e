#include "engine/estimate_inputs.h"

namespace heatwise {

BinCalcInput MakeBinCalcInput(const EstimateInputs& inputs, const ClimateTables& tables) {
    BinCalcInput input;
    input.bin_hours = tables.bins.City(inputs.city);
    input.design = tables.design.City(inputs.city);
    input.mode = inputs.mode;
    input.fuel = inputs.fuel;
    input.thermostat_hours = inputs.thermostat_hours;
    input.summer_setpoint = inputs.summer_setpoint;
    input.winter_setpoint = inputs.winter_setpoint;
    input.cool_capacity = inputs.cool_capacity;
    input.heat_capacity = inputs.heat_capacity;
    input.heat_efficiency = inputs.heat_efficiency;
    input.electric_rate = inputs.electric_rate;
    input.fuel_price = inputs.fuel_price;
    input.cool_eer = inputs.cool_eer;
    return input;
}

}  // namespace heatwise
