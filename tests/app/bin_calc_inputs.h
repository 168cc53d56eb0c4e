// Engine inputs for the bin method's tests: the form's defaults, with the city's hours left for
// each case to set.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bin_calc.h"
#include "form_defaults.h"

namespace heatwise::testing {

// The form's defaults with no hours in any bin, and the design record of the form's first
// display (28 °F winter, 1700 degree days, 97 °F summer).
inline BinCalcInput FormDefaultsWithoutHours() {
    BinCalcInput input;
    input.mode = kDefaultMode;
    input.fuel = kDefaultFuel;
    input.thermostat_hours = kDefaultThermostatHours;
    input.summer_setpoint = kDefaultSummerSetpoints;
    input.winter_setpoint = kDefaultWinterSetpoints;
    input.design = DesignRecord{28, 1700, 97};
    input.cool_capacity = kDefaultCoolCapacity;
    input.heat_capacity = kDefaultHeatCapacity;
    input.heat_efficiency = kDefaultHeatEfficiency;
    input.electric_rate = kDefaultElectricRate;
    input.fuel_price = kDefaultFuelPrice;
    input.cool_eer = kDefaultCoolEer;
    return input;
}

// The hours of one bin (1 for 100/104 °F) in one shift (1 to 3).
inline std::int32_t& HoursAt(BinCalcInput& input, int shift, int bin) {
    return input.bin_hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
}

}  // namespace heatwise::testing
