// The picture of one city's year that heatwise-cli estimate --svg draws.
#pragma once

#include <string>

#include "estimate_report.h"

namespace heatwise::cli {

// The scaled hours of each bin for the three shifts as grouped bars, temperature running from
// cold on the left to hot on the right; the "% calc'd" column as a line on its own axis; the
// design temperatures marked, their labels clear of each other, and one outside the axis's 0 to
// 105 °F marked at the axis's end with its value; the city and both seasons' costs, each
// worked out in its own mode and saying so, in the title.
std::string EstimateChart(const EstimateReport& report);

}  // namespace heatwise::cli
