// The default of every input of an estimate and the range it is accepted in, shared by the
// program's form and the command-line estimator so that both accept exactly the same values.
#pragma once

#include <array>
#include <cstdint>

#include "engine/bin_calc.h"
#include "engine/climate_data.h"

namespace heatwise {

// An inclusive range of a whole-number field.
struct IntegerRange {
    std::int32_t minimum;
    std::int32_t maximum;

    constexpr bool Contains(std::int64_t value) const {
        return value >= minimum && value <= maximum;
    }
};

// An inclusive range of a real field. The bounds are single-precision values; a typed value is
// read in double precision and compared with the bounds widened exactly to double. So 0.05f,
// which lies just above 0.05, refuses the typed 0.05 itself, while bounds such as 4.0 are exact.
struct RealRange {
    float minimum;
    float maximum;

    constexpr bool Contains(double value) const {
        return value >= static_cast<double>(minimum) && value <= static_cast<double>(maximum);
    }
};

inline constexpr int kDefaultCity = 1;
inline constexpr CalcMode kDefaultMode = CalcMode::kCooling;
inline constexpr HeatingFuel kDefaultFuel = HeatingFuel::kElectricity;
inline constexpr std::array<std::int32_t, kShiftCount> kDefaultThermostatHours = {8, 8, 8};
inline constexpr std::array<std::int32_t, kShiftCount> kDefaultSummerSetpoints = {85, 85, 78};
inline constexpr std::array<std::int32_t, kShiftCount> kDefaultWinterSetpoints = {65, 60, 75};
inline constexpr std::int32_t kDefaultCoolCapacity = 20000;
inline constexpr std::int32_t kDefaultHeatCapacity = 20000;
inline constexpr std::int32_t kDefaultHeatEfficiency = 85;
inline constexpr float kDefaultElectricRate = 0.08f;
inline constexpr float kDefaultFuelPrice = 4.0f;
inline constexpr float kDefaultCoolEer = 6.5f;

inline constexpr IntegerRange kCityRange = {1, kCityCount};
inline constexpr IntegerRange kThermostatHoursRange = {0, 8};
inline constexpr IntegerRange kSummerSetpointRange = {65, 94};
inline constexpr IntegerRange kWinterSetpointRange = {40, 84};
inline constexpr IntegerRange kCapacityRange = {0, 240000};
inline constexpr IntegerRange kHeatEfficiencyRange = {50, 250};
inline constexpr RealRange kElectricRateRange = {0.05f, 0.35f};
inline constexpr RealRange kFuelPriceRange = {0.0f, 10.0f};
inline constexpr RealRange kCoolEerRange = {4.0f, 15.0f};

}  // namespace heatwise
