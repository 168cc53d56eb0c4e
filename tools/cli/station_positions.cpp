#include "station_positions.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "engine/printable_text.h"
#include "line_reader.h"
#include "text_fields.h"

namespace heatwise::cli {

namespace {

// The line reader's faults, as the climate files' own: the command stops with exit status 1.
class StationFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

double Degrees(const climate::LineReader<StationFileError>& reader, const std::string& text,
               std::string_view column, double limit) {
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !(std::abs(value) <= limit)) {
        reader.Fail("field '" + std::string(column) + "': '" + PrintableText(text) +
                    "' is not a number of degrees from -" + std::to_string(int(limit)) + " to " +
                    std::to_string(int(limit)));
    }
    return value;
}

}  // namespace

CityPositions ReadCityPositions(const std::filesystem::path& data_dir) {
    // A table that cannot be opened is named by its path as given, with the reason, as a
    // missing climate file is.
    const std::filesystem::path file = data_dir / kStationFileName;
    std::error_code ignored;
    errno = 0;
    if (!std::filesystem::is_directory(file, ignored) && !std::ifstream(file, std::ios::binary)) {
        const int reason = errno;
        throw DataError(file, std::string("cannot be opened for reading") +
                                  (reason != 0 ? ": " + std::string(std::strerror(reason)) : ""));
    }
    climate::LineReader<StationFileError> reader(file, "a station table");
    std::string line;
    if (!reader.NextLine(line)) {
        reader.FailWholeFile(
            "the file is empty; expected a header line naming index, latitude "
            "and longitude");
    }
    const std::vector<std::string> header = climate::SplitCsvLine(line);
    const std::size_t columns[] = {climate::FindColumn(reader, header, "index", " line"),
                                   climate::FindColumn(reader, header, "latitude", " line"),
                                   climate::FindColumn(reader, header, "longitude", " line")};
    CityPositions positions{};
    int city = 0;
    while (reader.NextLine(line)) {
        if (climate::TrimBlanks(line).empty()) {
            continue;
        }
        const std::vector<std::string> fields = climate::SplitCsvLine(line);
        if (fields.size() <= std::max({columns[0], columns[1], columns[2]})) {
            reader.Fail("the row has " + std::to_string(fields.size()) +
                        " fields; the columns index, latitude and longitude need more");
        }
        if (++city > kCityCount || climate::ParseWholeNumber(fields[columns[0]]) != city) {
            reader.Fail("field 'index': '" + PrintableText(fields[columns[0]]) + "' should be " +
                        std::to_string(city) + "; the entries run from 1 to 211 in list order");
        }
        positions[static_cast<std::size_t>(city - 1)] = {
            Degrees(reader, fields[columns[1]], "latitude", 90),
            Degrees(reader, fields[columns[2]], "longitude", 180)};
    }
    if (city != kCityCount) {
        reader.Fail("the table ends after " + std::to_string(city) +
                    " entries; the city list has 211");
    }
    return positions;
}

}  // namespace heatwise::cli
