// The line chart that heatwise-cli sweep --svg draws.
#pragma once

#include <string>

#include "sweep_report.h"

namespace heatwise::cli {

// The cooling and heating cost against the varied input, which runs from its smallest value on
// the left to its largest on the right, with ticks and labels on both axes.
std::string SweepChart(const SweepReport& report);

}  // namespace heatwise::cli
