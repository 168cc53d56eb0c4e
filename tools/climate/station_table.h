// The station table, stations.csv, that maps each entry of the city list to its weather station:
// its one reader, for the derivation of the climate files and for heatwise-cli's map, and the
// derivation of the climate files from it.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace heatwise::climate {

// A station table or a station in it that cannot be used; the message says where and why.
class StationTableError : public std::runtime_error {
  public:
    explicit StationTableError(const std::string& message) : std::runtime_error(message) {}
};

// The columns a reader may need besides `index`, which every reader checks.
enum class StationColumn { kListName, kUsaf, kLatitude, kLongitude, kFile };

// One entry of the city list: its position, the line of the table it stands on, and the columns
// asked for (the others stay empty or 0). The weather file is already joined to the folder of
// the station table; latitude is in degrees north, longitude in degrees east (the United States
// lie west, below 0).
struct StationEntry {
    int index = 0;
    int line = 0;
    std::string list_name;
    std::string usaf;
    double latitude = 0.0;
    double longitude = 0.0;
    std::filesystem::path weather_file;
};

// Reads the station table, a CSV file whose header names the column index and the columns
// asked for, in any order among others. The entries must be the 211 of the city list, indices
// 1 to 211 in order; a text column asked for may not be empty, a latitude lies within ±90 and
// a longitude within ±180 degrees. Throws StationTableError naming the file as given, the line,
// the field and the value.
std::vector<StationEntry> ReadStationTable(const std::filesystem::path& path,
                                           std::initializer_list<StationColumn> columns);

// The complete contents of bindata2.dat, cities.dat and coldbins.dat, one record per city in
// list order, and of repairs.csv, the list of the faulty hours repaired, with its header.
struct ClimateFiles {
    std::string bin_data;
    std::string design_data;
    std::string cold_bin_data;
    std::string repairs;
};

// The header of repairs.csv: the city's index, its station, the date and time as the hourly
// file writes them, and the temperature read and the one used, in °C with one decimal.
inline constexpr const char* kRepairsHeader = "index,usaf,date,time,read_c,used_c\n";

// Reads the station table and every station's weather and derives the files. Any fault, in the
// table or in any weather file, throws with a message naming the city and the file.
ClimateFiles DeriveClimateFiles(const std::filesystem::path& stations_csv);

}  // namespace heatwise::climate
