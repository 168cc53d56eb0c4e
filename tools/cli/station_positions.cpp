#include "station_positions.h"

#include <cerrno>
#include <fstream>
#include <system_error>

#include "station_table.h"

namespace heatwise::cli {

CityPositions ReadCityPositions(const std::filesystem::path& data_dir) {
    // A table that cannot be opened is reported as a missing climate file is, by its path as
    // given, with the reason and where the files are looked for.
    const std::filesystem::path file = data_dir / kStationFileName;
    std::error_code ignored;
    errno = 0;
    if (!std::filesystem::is_directory(file, ignored) && !std::ifstream(file, std::ios::binary)) {
        const int reason = errno;
        throw DataError(file, "cannot be opened for reading" +
                                  (reason != 0 ? ": " + std::generic_category().message(reason)
                                               : std::string()));
    }
    CityPositions positions{};
    for (const climate::StationEntry& entry : climate::ReadStationTable(
             file, {climate::StationColumn::kLatitude, climate::StationColumn::kLongitude})) {
        positions[static_cast<std::size_t>(entry.index - 1)] = {entry.latitude, entry.longitude};
    }
    return positions;
}

}  // namespace heatwise::cli
