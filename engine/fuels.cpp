#include "engine/fuels.h"

namespace heatwise {

namespace {

struct FuelFacts {
    HeatingFuel fuel;
    std::string_view name;
    std::string_view unit;
    // Heat content in million BTU per unit.
    float million_btu_per_unit;
};

constexpr std::array<FuelFacts, kHeatingFuels.size()> kFuelFacts = {{
    {HeatingFuel::kElectricity, "Electricity", "kWh", 0.003413f},
    {HeatingFuel::kFuelOil, "Fuel Oil", "gal", 0.145f},
    {HeatingFuel::kPropane, "Propane", "gal", 0.0955f},
    {HeatingFuel::kNaturalGas, "Natural Gas", "cu.ft.", 0.00103f},
}};

const FuelFacts* FactsOf(HeatingFuel fuel) {
    for (const FuelFacts& facts : kFuelFacts) {
        if (facts.fuel == fuel) {
            return &facts;
        }
    }
    return nullptr;
}

}  // namespace

bool IsKnownFuel(HeatingFuel fuel) {
    return FactsOf(fuel) != nullptr;
}

float FuelUnitsPerMillionBtu(HeatingFuel fuel) {
    const FuelFacts* facts = FactsOf(fuel);
    return facts == nullptr ? 0.0f : 1.0f / facts->million_btu_per_unit;
}

std::string_view FuelName(HeatingFuel fuel) {
    const FuelFacts* facts = FactsOf(fuel);
    return facts == nullptr ? "none" : facts->name;
}

std::string_view FuelUnit(HeatingFuel fuel) {
    const FuelFacts* facts = FactsOf(fuel);
    return facts == nullptr ? std::string_view() : facts->unit;
}

}  // namespace heatwise
