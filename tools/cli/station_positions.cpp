#include "station_positions.h"

#include "station_table.h"

namespace heatwise::cli {

CityPositions ReadCityPositions(const std::filesystem::path& data_dir) {
    CityPositions positions{};
    for (const climate::StationEntry& entry : climate::ReadStationTable(
             data_dir / kStationFileName,
             {climate::StationColumn::kLatitude, climate::StationColumn::kLongitude})) {
        positions[static_cast<std::size_t>(entry.index - 1)] = {entry.latitude, entry.longitude};
    }
    return positions;
}

}  // namespace heatwise::cli
