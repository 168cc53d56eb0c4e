// The layout of heatwise-cli's JSON: each member of the outer object or array on its own line,
// everything inside a member on that line, so that a report reads well and greps well.
#pragma once

#include <nlohmann/json.hpp>

#include <ostream>

namespace heatwise::cli {

// Members keep the order in which they were added, as the reports list them.
using JsonDocument = nlohmann::ordered_json;

void PrintJsonDocument(const JsonDocument& document, std::ostream& out);

}  // namespace heatwise::cli
