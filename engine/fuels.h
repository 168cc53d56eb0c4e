// The four energies that can heat the building: their heat content, their units and their names.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace heatwise {

// The energy that heats the building. Values outside 1..4 (-999 when no button is selected)
// leave the heating cost as it was.
enum class HeatingFuel : std::int32_t {
    kElectricity = 1,
    kFuelOil = 2,
    kPropane = 3,
    kNaturalGas = 4
};

// The four fuels in the order of the form's buttons.
inline constexpr std::array<HeatingFuel, 4> kHeatingFuels = {
    HeatingFuel::kElectricity, HeatingFuel::kFuelOil, HeatingFuel::kPropane,
    HeatingFuel::kNaturalGas};

// Whether `fuel` is one of the four (the form reads -999 when no button is selected).
bool IsKnownFuel(HeatingFuel fuel);

// Units of each fuel per million BTU, the single-precision reciprocal of its heat content; 0 for
// a value that is not a fuel.
float FuelUnitsPerMillionBtu(HeatingFuel fuel);

// The fuel's name as people say it: "Electricity", "Fuel Oil", "Propane", "Natural Gas"; "none"
// for a value that is not a fuel.
std::string_view FuelName(HeatingFuel fuel);

// The unit the fuel is sold in and its price is given per: "kWh", "gal" or "cu.ft."; empty for
// a value that is not a fuel.
std::string_view FuelUnit(HeatingFuel fuel);

}  // namespace heatwise
