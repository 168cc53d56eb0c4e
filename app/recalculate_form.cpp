#include "recalculate_form.h"

#include <array>
#include <cstddef>

#include "engine/bin_calc.h"
#include "form_ids.h"

namespace heatwise {
namespace {

constexpr std::array<int, kShiftCount> kSummerSetpointFields = {
    FLD_TSTAT_SUMMER_1, FLD_TSTAT_SUMMER_2, FLD_TSTAT_SUMMER_3};
constexpr std::array<int, kShiftCount> kWinterSetpointFields = {
    FLD_TSTAT_WINTER_1, FLD_TSTAT_WINTER_2, FLD_TSTAT_WINTER_3};
constexpr std::array<int, kShiftCount> kThermostatHoursFields = {
    FLD_TSTAT_HOURS_1, FLD_TSTAT_HOURS_2, FLD_TSTAT_HOURS_3};

// The city, the mode and the thermostat schedule: all that the bin columns depend on.
void ReadSchedule(FormFields& form, EstimateInputs& inputs) {
    int city = inputs.city;
    form.GetMenu1(FLD_CITY, city);
    // The drop-down list always has a selection, so this holds; should it ever be empty, the
    // city of the last pass is costed rather than a record the files do not have.
    if (kCityRange.Contains(city)) {
        inputs.city = city;
    }
    auto mode = static_cast<int>(inputs.mode);
    form.GetRadioButton(FLD_MODE_COOLING, mode);
    inputs.mode = static_cast<CalcMode>(mode);
    for (std::size_t shift = 0; shift < kShiftCount; ++shift) {
        form.GetInteger(kSummerSetpointFields[shift], inputs.summer_setpoint[shift]);
    }
    for (std::size_t shift = 0; shift < kShiftCount; ++shift) {
        form.GetInteger(kWinterSetpointFields[shift], inputs.winter_setpoint[shift]);
    }
    for (std::size_t shift = 0; shift < kShiftCount; ++shift) {
        form.GetInteger(kThermostatHoursFields[shift], inputs.thermostat_hours[shift]);
    }
}

void WriteBinColumns(FormFields& form, const BinCalcResult& result) {
    for (int k = 1; k <= kBinValueCount; ++k) {
        form.PutInteger(FLD_HOURS_1_8 + k - 1,
                        result.scaled_hours[static_cast<std::size_t>(k - 1)]);
    }
    for (int bin = 1; bin <= kBinCount; ++bin) {
        form.PutInteger(FLD_PCT_CALCD + bin - 1,
                        result.percent_calcd[static_cast<std::size_t>(bin - 1)]);
    }
    form.PutInteger(FLD_DEGREE_DAYS, result.degree_days);
    form.PutInteger(FLD_SUMMER_DESIGN, result.summer_design);
    form.PutInteger(FLD_WINTER_DESIGN, result.winter_design);
}

// The equipment, the prices and the fuel: what the two costs need besides the bins.
void ReadEquipmentAndPrices(FormFields& form, EstimateInputs& inputs) {
    form.GetInteger(FLD_COOL_CAPACITY, inputs.cool_capacity);
    form.GetInteger(FLD_HEAT_CAPACITY, inputs.heat_capacity);
    form.GetInteger(FLD_HEAT_EFF, inputs.heat_efficiency);
    form.GetReal(FLD_ELECTRIC_RATE, inputs.electric_rate);
    form.GetReal(FLD_FUEL_PRICE, inputs.fuel_price);
    form.GetReal(FLD_COOL_EER, inputs.cool_eer);
    auto fuel = static_cast<int>(inputs.fuel);
    form.GetRadioButton(FLD_FUEL_ELECTRIC, fuel);
    inputs.fuel = static_cast<HeatingFuel>(fuel);
}

}  // namespace

void RecalculateForm(const ClimateTables& climate, CarriedValues& carried, FormFields& form) {
    EstimateInputs& inputs = carried.inputs;
    ReadSchedule(form, inputs);
    // The bin columns and the city's values are written before the equipment and prices are
    // read. They depend on nothing read later, so the run that gives them may take the other
    // inputs as the last pass left them; its costs are not used.
    WriteBinColumns(form, ComputeBinCosts(MakeBinCalcInput(inputs, climate), carried.heating_cost));

    ReadEquipmentAndPrices(form, inputs);
    const BinCalcResult result =
        ComputeBinCosts(MakeBinCalcInput(inputs, climate), carried.heating_cost);
    form.PutInteger(FLD_COST_COOLING, result.cooling_cost);
    form.PutInteger(FLD_COST_HEATING, result.heating_cost);
    carried.heating_cost = result.carried_heating_cost;
}

}  // namespace heatwise
