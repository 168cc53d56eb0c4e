// What heatwise-cli bins prints of a weather file: the station's records of the three climate
// files, labelled, as JSON or bare, and the faulty hours repaired before they were counted.
#pragma once

#include <filesystem>
#include <ostream>

#include "cli_options.h"
#include "climate_derivation.h"

namespace heatwise::cli {

void PrintBins(const std::filesystem::path& weather_file, const climate::StationClimate& station,
               BinsFormat format, std::ostream& out);

}  // namespace heatwise::cli
