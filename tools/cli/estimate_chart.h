// The picture of one city's year that heatwise-cli estimate --svg draws.
#pragma once

#include <string>

#include "engine/season_costs.h"
#include "estimate_report.h"

namespace heatwise::cli {

// The scaled hours of each bin for the three shifts as grouped bars, temperature running from
// cold on the left to hot on the right; the "% calc'd" column as a line on its own axis; the
// design temperatures marked; the city and both seasons' costs, each worked out in its own
// mode, in the title.
std::string EstimateChart(const EstimateReport& report, const SeasonCosts& costs);

}  // namespace heatwise::cli
