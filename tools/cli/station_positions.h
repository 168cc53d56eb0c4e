// Where each city of the list lies: the latitude and longitude of the weather station that
// stands for it, from stations.csv beside the climate files.
#pragma once

#include <array>
#include <filesystem>

#include "engine/climate_data.h"

namespace heatwise::cli {

inline constexpr const char* kStationFileName = "stations.csv";

struct GeoPosition {
    double latitude = 0.0;   // degrees north
    double longitude = 0.0;  // degrees east; the United States lie west, below 0
};

// Position k - 1 is city k's.
using CityPositions = std::array<GeoPosition, kCityCount>;

// Reads the columns index, latitude and longitude of the station table in `data_dir` with the
// table's one reader (tools/climate/station_table.h); the table must list the 211 cities in
// order. A fault throws a std::runtime_error naming the file and the line, which the command
// reports with exit status 1.
CityPositions ReadCityPositions(const std::filesystem::path& data_dir);

}  // namespace heatwise::cli
