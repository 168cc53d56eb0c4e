// One city's estimate, as heatwise-cli estimate works it out and prints it.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "cli_options.h"
#include "engine/bin_calc.h"
#include "engine/climate_data.h"
#include "engine/season_costs.h"

namespace heatwise::cli {

struct EstimateReport {
    EstimateOptions options;
    // The run in the chosen mode, as the form shows it: the other season costs 0.
    BinCalcResult result;
    // Each season's cost in its own mode, the heating cost for the chosen fuel.
    SeasonCosts own_modes;
    // With all fuels: the heating cost of each fuel of kHeatingFuels, in that order, in mode
    // Heating whatever the chosen mode, since mode Cooling prices no heating.
    std::array<std::int32_t, kHeatingFuels.size()> heating_cost_by_fuel{};
};

// Runs the bin method for the options' city in the chosen mode and each season in its own
// mode, each run starting, as the application does at start, from a carried heating cost of 0.
// With all fuels the heating cost is worked out once per fuel from the same inputs.
EstimateReport RunEstimate(const EstimateOptions& options, const ClimateTables& tables);

void PrintEstimate(const EstimateReport& report, std::ostream& out);

// "Cooling" or "Heating", as the form names its modes.
std::string_view ModeName(CalcMode mode);

}  // namespace heatwise::cli
