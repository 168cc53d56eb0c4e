// Lines of heatwise-cli's CSV output.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace heatwise::cli {

// The text as one CSV field: quoted when it holds a comma, a quote or a line end.
std::string CsvField(std::string_view text);

// The fields, already made CSV fields, as one line.
void PrintCsvLine(const std::vector<std::string>& fields, std::ostream& out);

}  // namespace heatwise::cli
