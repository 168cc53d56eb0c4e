#include "numeric_inputs.h"

#include "value_parsing.h"

namespace heatwise::cli {

namespace {

constexpr ShiftInput kShiftInputs[] = {
    {"hours", &EstimateInputs::thermostat_hours, kThermostatHoursRange},
    {"summer", &EstimateInputs::summer_setpoint, kSummerSetpointRange},
    {"winter", &EstimateInputs::winter_setpoint, kWinterSetpointRange},
};

constexpr SingleInput kSingleInputs[] = {
    {"cool-capacity", ValueKind::kWholeNumber,
     [](EstimateInputs& in, std::string_view option, std::string_view text) {
         in.cool_capacity = ParseWholeNumber(option, text, kCapacityRange);
     }},
    {"heat-capacity", ValueKind::kWholeNumber,
     [](EstimateInputs& in, std::string_view option, std::string_view text) {
         in.heat_capacity = ParseWholeNumber(option, text, kCapacityRange);
     }},
    {"heat-eff", ValueKind::kWholeNumber,
     [](EstimateInputs& in, std::string_view option, std::string_view text) {
         in.heat_efficiency = ParseWholeNumber(option, text, kHeatEfficiencyRange);
     }},
    {"rate", ValueKind::kReal,
     [](EstimateInputs& in, std::string_view option, std::string_view text) {
         in.electric_rate = ParseReal(option, text, kElectricRateRange);
     }},
    {"fuel-price", ValueKind::kReal,
     [](EstimateInputs& in, std::string_view option, std::string_view text) {
         in.fuel_price = ParseReal(option, text, kFuelPriceRange);
     }},
    {"eer", ValueKind::kReal,
     [](EstimateInputs& in, std::string_view option, std::string_view text) {
         in.cool_eer = ParseReal(option, text, kCoolEerRange);
     }},
};

}  // namespace

std::span<const ShiftInput> ShiftInputs() {
    return kShiftInputs;
}

std::span<const SingleInput> SingleInputs() {
    return kSingleInputs;
}

}  // namespace heatwise::cli
