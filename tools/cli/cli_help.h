// The help texts of heatwise-cli and of each of its commands. The inputs' ranges and defaults
// come from the calculation's own, so that the help says what the command accepts.
#pragma once

#include <string>

namespace heatwise::cli {

std::string GeneralHelp();
std::string EstimateHelp();
std::string CompareHelp();
std::string SweepHelp();
std::string HeatPumpHelp();
std::string RatingHelp();
std::string BinsHelp();

}  // namespace heatwise::cli
