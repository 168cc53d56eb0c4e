// What the user sets for an estimate (the city, the season, the schedule, the equipment and the
// prices), and the calculation input they make for one city.
#pragma once

#include <array>
#include <cstdint>

#include "engine/bin_calc.h"
#include "engine/climate_data.h"
#include "engine/input_defaults.h"

namespace heatwise {

// What the user sets on the form; a default-constructed value holds the form's defaults.
struct EstimateInputs {
    int city = kDefaultCity;
    CalcMode mode = kDefaultMode;
    HeatingFuel fuel = kDefaultFuel;
    std::array<std::int32_t, kShiftCount> thermostat_hours = kDefaultThermostatHours;
    std::array<std::int32_t, kShiftCount> summer_setpoint = kDefaultSummerSetpoints;
    std::array<std::int32_t, kShiftCount> winter_setpoint = kDefaultWinterSetpoints;
    std::int32_t cool_capacity = kDefaultCoolCapacity;
    std::int32_t heat_capacity = kDefaultHeatCapacity;
    std::int32_t heat_efficiency = kDefaultHeatEfficiency;
    float electric_rate = kDefaultElectricRate;
    float fuel_price = kDefaultFuelPrice;
    float cool_eer = kDefaultCoolEer;
};

// The calculation input for the inputs' city (1..211), taking that city's bin hours and design
// record from the tables; the design temperatures are always the city's own.
BinCalcInput MakeBinCalcInput(const EstimateInputs& inputs, const ClimateTables& tables);

}  // namespace heatwise
