// Texts written into JSON and CSV output.
#pragma once

#include <string>
#include <string_view>

namespace heatwise::cli {

// The text as a JSON string, quotes included.
std::string JsonString(std::string_view text);

// The text as one CSV field: quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);

}  // namespace heatwise::cli
