#include "engine/climate_data.h"

#include <sstream>

#include "engine/printable_text.h"
#include "engine/record_reader.h"

namespace heatwise {

namespace {

namespace fs = std::filesystem;

std::string Describe(const fs::path& file, int line, const std::string& problem) {
    return file.string() + ": line " + std::to_string(line) + ": " + problem;
}

void ReadBinHours(const fs::path& file, std::istream& stream, CityBinTable& table) {
    RecordReader reader(file, stream);
    for (int city = 1; city <= kCityCount; ++city) {
        reader.ReadRecord(city, table.City(city));
    }
}

void ReadDesignRecords(const fs::path& file, std::istream& stream, CityDesignTable& table) {
    RecordReader reader(file, stream);
    for (int city = 1; city <= kCityCount; ++city) {
        std::array<std::int32_t, kDesignValueCount> values{};
        reader.ReadRecord(city, values);
        table.City(city) = DesignRecord{values[0], values[1], values[2]};
    }
}

}  // namespace

// The message shows a NUL or a control character of the file's text or of its name escaped, so
// that it is whole and cannot play tricks on a terminal.
DataError::DataError(const fs::path& file, int line, const std::string& problem)
    : std::runtime_error(PrintableText(Describe(file, line, problem))), file_(file), line_(line) {}

DataError::DataError(const fs::path& file, const std::string& problem)
    : std::runtime_error(PrintableText(file.string() + ": " + problem)), file_(file), line_(0) {}

ClimateTables LoadClimateTables(const fs::path& directory, MissingFile missing) {
    ClimateTables tables;
    // Each file is closed before the next is opened: its stream goes out of scope first.
    {
        const fs::path file = directory / kBinFileName;
        std::ifstream stream = OpenClimateFile(file, missing);
        ReadBinHours(file, stream, tables.bins);
    }
    {
        const fs::path file = directory / kDesignFileName;
        std::ifstream stream = OpenClimateFile(file, missing);
        ReadDesignRecords(file, stream, tables.design);
    }
    return tables;
}

ClimateTables ParseClimateTables(std::string_view bin_text, std::string_view design_text) {
    ClimateTables tables;
    std::istringstream bin_stream{std::string(bin_text)};
    ReadBinHours(kBinFileName, bin_stream, tables.bins);
    std::istringstream design_stream{std::string(design_text)};
    ReadDesignRecords(kDesignFileName, design_stream, tables.design);
    return tables;
}

}  // namespace heatwise
