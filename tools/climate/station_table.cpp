#include "station_table.h"

#include <algorithm>

#include "climate_derivation.h"
#include "line_reader.h"
#include "text_fields.h"
#include "weather_file.h"

namespace heatwise::climate {

namespace {

constexpr std::string_view kIndexColumn = "index";
constexpr std::string_view kListNameColumn = "list_name";
constexpr std::string_view kFileColumn = "file";

using TableReader = LineReader<StationTableError>;

}  // namespace

std::vector<StationEntry> ReadStationTable(const std::filesystem::path& path) {
    TableReader reader(path, "a station table");
    std::string line;
    if (!reader.NextLine(line)) {
        reader.FailWholeFile(
            "the file is empty; expected a header line naming index, list_name and file");
    }
    const std::vector<std::string> header = SplitCsvLine(line);
    const std::size_t index_column = FindColumn(reader, header, kIndexColumn, " line");
    const std::size_t name_column = FindColumn(reader, header, kListNameColumn, " line");
    const std::size_t file_column = FindColumn(reader, header, kFileColumn, " line");
    const std::size_t needed = std::max({index_column, name_column, file_column}) + 1;

    const std::filesystem::path folder = path.parent_path();
    std::vector<StationEntry> entries;
    while (reader.NextLine(line)) {
        if (TrimBlanks(line).empty()) {
            continue;
        }
        const std::vector<std::string> fields = SplitCsvLine(line);
        if (fields.size() < needed) {
            reader.Fail("the row has " + std::to_string(fields.size()) + " fields; the columns " +
                        "index, list_name and file need at least " + std::to_string(needed));
        }
        const int expected = static_cast<int>(entries.size()) + 1;
        if (expected > kCityCount) {
            reader.Fail("an entry after the 211th; the city list has exactly 211 entries");
        }
        const std::string& index_text = fields[index_column];
        if (ParseWholeNumber(index_text) != expected) {
            reader.Fail("field 'index': '" + index_text + "' should be " +
                        std::to_string(expected) +
                        "; the entries run from 1 to 211 in the order of the city list");
        }
        if (fields[name_column].empty()) {
            reader.Fail("field 'list_name' is empty; every entry names its city");
        }
        if (fields[file_column].empty()) {
            reader.Fail("field 'file' is empty; every entry names its hourly weather file");
        }
        entries.push_back(StationEntry{expected, reader.line_number(), fields[name_column],
                                       folder / fields[file_column]});
    }
    if (entries.size() != static_cast<std::size_t>(kCityCount)) {
        reader.Fail("the table ends after " + std::to_string(entries.size()) +
                    " entries; the city list has 211");
    }
    return entries;
}

ClimateFiles DeriveClimateFiles(const std::filesystem::path& stations_csv) {
    ClimateFiles files;
    const std::string table_name = stations_csv.filename().string();
    for (const StationEntry& entry : ReadStationTable(stations_csv)) {
        try {
            const StationClimate climate =
                DeriveStationClimate(ReadWeatherFile(entry.weather_file));
            files.bin_data += FormatBinRecord(climate);
            files.design_data += FormatDesignRecord(climate);
        } catch (const WeatherFileError& error) {
            throw StationTableError(table_name + ": line " + std::to_string(entry.line) +
                                    ": city " + std::to_string(entry.index) + " \"" +
                                    entry.list_name + "\", weather file " +
                                    entry.weather_file.string() + ": " + error.what());
        }
    }
    return files;
}

}  // namespace heatwise::climate
