#include "station_table.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "climate_derivation.h"
#include "engine/climate_data.h"
#include "engine/printable_text.h"
#include "line_reader.h"
#include "text_fields.h"
#include "weather_file.h"

namespace heatwise::climate {

namespace {

using TableReader = LineReader<StationTableError>;

constexpr std::string_view kIndexColumn = "index";

std::string_view ColumnName(StationColumn column) {
    switch (column) {
        case StationColumn::kListName:
            return "list_name";
        case StationColumn::kUsaf:
            return "usaf";
        case StationColumn::kLatitude:
            return "latitude";
        case StationColumn::kLongitude:
            return "longitude";
        case StationColumn::kFile:
            return "file";
    }
    return {};
}

// "index, latitude and longitude": the columns a reader needs, for its messages.
std::string ColumnList(std::initializer_list<StationColumn> columns) {
    std::string list(kIndexColumn);
    for (std::size_t i = 0; i < columns.size(); ++i) {
        list += i + 1 == columns.size() ? " and " : ", ";
        list += ColumnName(columns.begin()[i]);
    }
    return list;
}

// What an empty text field would leave out.
std::string_view WhatItNames(StationColumn column) {
    switch (column) {
        case StationColumn::kListName:
            return "every entry names its city";
        case StationColumn::kUsaf:
            return "every entry names its station";
        default:
            return "every entry names its hourly weather file";
    }
}

double Degrees(const TableReader& reader, const std::string& text, std::string_view column,
               double limit) {
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

void TakeField(const TableReader& reader, StationColumn column, const std::string& text,
               const std::filesystem::path& folder, StationEntry& entry) {
    switch (column) {
        case StationColumn::kLatitude:
            entry.latitude = Degrees(reader, text, ColumnName(column), 90);
            return;
        case StationColumn::kLongitude:
            entry.longitude = Degrees(reader, text, ColumnName(column), 180);
            return;
        default:
            break;
    }
    if (text.empty()) {
        reader.Fail("field '" + std::string(ColumnName(column)) + "' is empty; " +
                    std::string(WhatItNames(column)));
    }
    if (column == StationColumn::kListName) {
        entry.list_name = text;
    } else if (column == StationColumn::kUsaf) {
        entry.usaf = text;
    } else {
        entry.weather_file = folder / text;
    }
}

}  // namespace

std::vector<StationEntry> ReadStationTable(const std::filesystem::path& path,
                                           std::initializer_list<StationColumn> columns) {
    TableReader reader(path, "a station table");
    std::string line;
    const std::string names = ColumnList(columns);
    if (!reader.NextLine(line)) {
        reader.FailWholeFile("the file is empty; expected a header line naming " + names);
    }
    const std::vector<std::string> header = SplitCsvLine(line);
    const std::size_t index_column = FindColumn(reader, header, kIndexColumn, " line");
    std::vector<std::size_t> positions;
    for (StationColumn column : columns) {
        positions.push_back(FindColumn(reader, header, ColumnName(column), " line"));
    }
    const std::size_t needed =
        std::max(index_column, positions.empty() ? 0 : *std::ranges::max_element(positions)) + 1;

    const std::filesystem::path folder = path.parent_path();
    std::vector<StationEntry> entries;
    while (reader.NextLine(line)) {
        if (TrimBlanks(line).empty()) {
            continue;
        }
        const std::vector<std::string> fields = SplitCsvLine(line);
        if (fields.size() < needed) {
            reader.Fail("the row has " + std::to_string(fields.size()) + " fields; the columns " +
                        names + " need at least " + std::to_string(needed));
        }
        const int expected = static_cast<int>(entries.size()) + 1;
        if (expected > kCityCount) {
            reader.Fail("an entry after the 211th; the city list has exactly 211 entries");
        }
        const std::string& index_text = fields[index_column];
        if (ParseWholeNumber(index_text) != expected) {
            reader.Fail("field 'index': '" + PrintableText(index_text) + "' should be " +
                        std::to_string(expected) +
                        "; the entries run from 1 to 211 in the order of the city list");
        }
        StationEntry entry;
        entry.index = expected;
        entry.line = reader.line_number();
        for (std::size_t i = 0; i < columns.size(); ++i) {
            TakeField(reader, columns.begin()[i], fields[positions[i]], folder, entry);
        }
        entries.push_back(std::move(entry));
    }
    if (entries.size() != static_cast<std::size_t>(kCityCount)) {
        reader.Fail("the table ends after " + std::to_string(entries.size()) +
                    " entries; the city list has 211");
    }
    return entries;
}

ClimateFiles DeriveClimateFiles(const std::filesystem::path& stations_csv) {
    ClimateFiles files;
    files.repairs = kRepairsHeader;
    const std::string table_name = PrintableText(stations_csv.string());
    for (const StationEntry& entry :
         ReadStationTable(stations_csv,
                          {StationColumn::kListName, StationColumn::kUsaf, StationColumn::kFile})) {
        try {
            const StationClimate climate =
                DeriveStationClimate(ReadWeatherFile(entry.weather_file));
            files.bin_data += FormatBinRecord(climate);
            files.design_data += FormatDesignRecord(climate);
            files.cold_bin_data += FormatColdBinRecord(climate);
            for (const RepairedHour& repair : climate.repairs) {
                files.repairs += std::to_string(entry.index) + "," + entry.usaf + "," +
                                 repair.date + "," + repair.time + "," +
                                 FormatTenths(repair.read_c10) + "," +
                                 FormatTenths(repair.used_c10) + "\n";
            }
        } catch (const WeatherFileError& error) {
            throw StationTableError(table_name + ": line " + std::to_string(entry.line) +
                                    ": city " + std::to_string(entry.index) + " \"" +
                                    PrintableText(entry.list_name) + "\": " + error.what());
        }
    }
    return files;
}

}  // namespace heatwise::climate
