// One city's estimate, as heatwise-cli estimate works it out and prints it.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string>

#include "cli_options.h"
#include "engine/bin_calc.h"
#include "engine/climate_data.h"

namespace heatwise::cli {

struct EstimateReport {
    EstimateOptions options;
    BinCalcResult result;
    // With all fuels: the heating cost of each fuel of kHeatingFuels, in that order.
    std::array<std::int32_t, kHeatingFuels.size()> heating_cost_by_fuel{};
};

// Runs the bin method once for the options' city, starting, as the application does at start,
// from a carried heating cost of 0. With all fuels the heating cost is worked out once per fuel
// from the same inputs.
EstimateReport RunEstimate(const EstimateOptions& options, const ClimateTables& tables);

void PrintEstimate(const EstimateReport& report, std::ostream& out);

// The fuel, rates and efficiencies in one line, as the pictures name them under their titles.
std::string InputsSummary(const EstimateInputs& inputs);

}  // namespace heatwise::cli
