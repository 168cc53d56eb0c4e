// The temperature bin method: scaled bin hours, the "% calc'd" column and the yearly cooling and
// heating cost of one city for one set of inputs.
#pragma once

#include <array>
#include <cstdint>

#include "engine/climate_data.h"
#include "engine/fuels.h"

namespace heatwise {

// The season the "% calc'd" column and the costs are worked out for. Values other than the two
// named ones (the form reads -999 when no button is selected) behave as Heating.
enum class CalcMode : std::int32_t { kCooling = 1, kHeating = 2 };

// Everything one run takes: the selected city's climate and the user's inputs. The computation
// is defined for any values, not only those the form lets through.
struct BinCalcInput {
    CityBinHours bin_hours{};  // the city's unscaled hours, flat order
    DesignRecord design{};     // the city's design temperatures and degree days
    CalcMode mode = CalcMode::kCooling;
    HeatingFuel fuel = HeatingFuel::kElectricity;
    std::array<std::int32_t, kShiftCount> thermostat_hours{};  // 0..8 hours of each shift
    std::array<std::int32_t, kShiftCount> summer_setpoint{};   // °F
    std::array<std::int32_t, kShiftCount> winter_setpoint{};   // °F
    std::int32_t cool_capacity = 0;                            // BTU per hour
    std::int32_t heat_capacity = 0;                            // BTU per hour
    std::int32_t heat_efficiency = 0;                          // percent
    float electric_rate = 0.0f;                                // dollars per kWh
    float fuel_price = 0.0f;                                   // dollars per gallon or cubic foot
    float cool_eer = 0.0f;                                     // BTU per watt-hour
};

// Everything one run produces.
struct BinCalcResult {
    std::array<std::int32_t, kBinValueCount> scaled_hours{};  // flat order
    std::array<std::int32_t, kBinCount> percent_calcd{};      // bin 1 (100/104) first
    std::int32_t degree_days = 0;
    std::int32_t summer_design = 0;
    std::int32_t winter_design = 0;
    std::int32_t cooling_degree_hours = 0;
    std::int32_t heating_degree_hours = 0;
    std::int32_t cooling_cost = 0;  // whole dollars per year
    std::int32_t heating_cost = 0;  // whole dollars per year
    // The unrounded heating cost to hand to the next run: the one value that outlives a run.
    double carried_heating_cost = 0.0;
};

// Midpoint in °F of bin 1..21: 102 for 100/104 down to 2 for 0/4.
constexpr int BinMidpoint(int bin) {
    return 107 - 5 * bin;
}

// The bins bin 1..21 a winter setpoint counts for heating, from `first` down to `last`; every
// row ends at 0/4 °F. A setpoint outside 40 to 84 °F counts the bins from 35/39 °F down.
struct HeatingBins {
    int first;
    int last;
};
HeatingBins HeatingBinsOf(std::int32_t winter_setpoint);

// A table's hours in one bin scaled by the thermostat hours of its shift: the product divided by
// the 8 hours of a shift, truncated toward zero, in 32-bit arithmetic that wraps.
inline constexpr std::int32_t kHoursPerShift = 8;
// The product is formed in 64 bits and wrapped back, which is what 32-bit two's-complement
// arithmetic gives, without undefined behaviour.
constexpr std::int32_t ScaledBinHours(std::int32_t table_hours, std::int32_t thermostat_hours) {
    return static_cast<std::int32_t>(std::int64_t{table_hours} * thermostat_hours) / kHoursPerShift;
}

// Million BTU per year that `degree_hours` of heating take on the input's load line, the heating
// capacity over 64 °F less the winter design temperature; 0 when the winter design is 64 °F or
// more.
double HeatingLoadMillionBtu(const BinCalcInput& input, double degree_hours);

// Whether the input can price heat: a known fuel and an efficiency other than 0.
bool CanPriceHeating(const BinCalcInput& input);

// Dollars that `million_btu` of heat costs from the input's fuel at its efficiency, the way the
// form prices heating: the fuel's units per million BTU times its price (the electric rate for
// Electricity), over the efficiency in percent. Defined only where CanPriceHeating holds.
double HeatingCostOf(const BinCalcInput& input, double million_btu);

// Converts a cost in dollars to whole dollars, truncating toward zero. Costs beyond the 32-bit
// range (reachable only at the far corners of the inputs, or with an EER of 0, which divides by
// zero) are held at the nearest end of the range; a cost that is not a number at all (an EER of
// 0 with no degree-hours gives 0 × infinity) shows as 0.
std::int32_t WholeDollars(double cost);

// The whole-dollar cooling cost that ComputeBinCosts works out for the input in mode Cooling,
// whatever its mode, without the rest of the run: for a caller that needs the cooling cost alone,
// once per city.
std::int32_t CoolingCostOf(const BinCalcInput& input);

// Runs the bin method once. `previous_heating_cost` is the carried HeatingCost of the last run
// (0 at program start); the result holds the new one, which equals the previous one when the
// efficiency is 0 or no fuel is chosen.
BinCalcResult ComputeBinCosts(const BinCalcInput& input, double previous_heating_cost);

}  // namespace heatwise
