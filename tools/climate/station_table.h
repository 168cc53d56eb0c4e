// The station table that maps each entry of the city list to an hourly weather file, and the
// derivation of both climate data files from it.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace heatwise::climate {

inline constexpr int kCityCount = 211;

// A station table or a station in it that cannot be used; the message says where and why.
class StationTableError : public std::runtime_error {
  public:
    explicit StationTableError(const std::string& message) : std::runtime_error(message) {}
};

// One entry of the city list: its position, its text and its weather file (already joined to
// the folder of the station table).
struct StationEntry {
    int index;
    int line;
    std::string list_name;
    std::filesystem::path weather_file;
};

// Reads the station table, a CSV file whose header names at least the columns index, list_name
// and file. The entries must be the 211 of the city list, indices 1 to 211 in order.
std::vector<StationEntry> ReadStationTable(const std::filesystem::path& path);

// The complete contents of bindata2.dat and cities.dat, one record per city in list order.
struct ClimateFiles {
    std::string bin_data;
    std::string design_data;
};

// Reads the station table and every station's weather and derives both files. Any fault,
// in the table or in any weather file, throws with a message naming the city and the file.
ClimateFiles DeriveClimateFiles(const std::filesystem::path& stations_csv);

}  // namespace heatwise::climate
