// Fuzzes the readers of bindata2.dat, cities.dat and coldbins.dat.
//
// An input is the text of bindata2.dat, then a line "=== cities.dat ===" and the text of
// cities.dat; an input without that line is all bindata2.dat, with an empty cities.dat. A line
// "=== coldbins.dat ===" after them starts the text of coldbins.dat, which is read against the
// bin table of the first two when they load.
//
// Properties: the reader either returns 211 complete records of each file, holding the values
// the texts hold, or throws a DataError whose message names the file and a line of it; after a
// failure the tables the program already holds are exactly as they were. Cold bins that load
// hold the values of their text, each from 0 to 2920, no shift's more than its bin 21.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "engine/climate_data.h"
#include "engine/cold_bins.h"
#include "fuzz_check.h"

namespace {

using heatwise::ClimateTables;
using heatwise::fuzz::LineCount;
using heatwise::fuzz::Require;

constexpr std::string_view kSeparator = "=== cities.dat ===\n";
constexpr std::string_view kColdSeparator = "=== coldbins.dat ===\n";

// The tables as the program holds them before a load: the committed data when it is there,
// else a pattern in which every value differs.
ClimateTables& HeldTables() {
    static ClimateTables tables;
    return tables;
}

ClimateTables& Snapshot() {
    static ClimateTables tables;
    return tables;
}

bool SameTables(const ClimateTables& a, const ClimateTables& b) {
    for (int city = 1; city <= heatwise::kCityCount; ++city) {
        const heatwise::DesignRecord& x = a.design.City(city);
        const heatwise::DesignRecord& y = b.design.City(city);
        if (a.bins.City(city) != b.bins.City(city) || x.winter_design != y.winter_design ||
            x.degree_days != y.degree_days || x.summer_design != y.summer_design) {
            return false;
        }
    }
    return true;
}

// The values of `count`-value records as a plain reading of the file format gives them: each
// record from the start of a line, words split at blanks, commas and line ends, the rest of the
// record's last line ignored. Used only on texts the reader accepted, so every word taken is a
// whole number within 32 bits.
std::vector<std::vector<long long>> PlainRecords(std::string_view text, int count) {
    std::vector<std::vector<long long>> records;
    std::size_t pos = 0;
    for (int city = 1; city <= heatwise::kCityCount; ++city) {
        std::vector<long long> values;
        while (static_cast<int>(values.size()) < count && pos <= text.size()) {
            std::size_t end = text.find('\n', pos);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            std::string_view line = text.substr(pos, end - pos);
            pos = end + 1;
            std::size_t at = 0;
            while (static_cast<int>(values.size()) < count) {
                at = line.find_first_not_of(" \t\r\f\v,", at);
                if (at == std::string_view::npos) {
                    break;
                }
                std::size_t word_end = line.find_first_of(" \t\r\f\v,", at);
                std::string word(line.substr(at, word_end == std::string_view::npos
                                                     ? std::string_view::npos
                                                     : word_end - at));
                values.push_back(std::strtoll(word.c_str(), nullptr, 10));
                at = word_end == std::string_view::npos ? line.size() : word_end;
            }
        }
        records.push_back(values);
    }
    return records;
}

void CheckLoaded(const ClimateTables& tables, std::string_view bins, std::string_view design) {
    const auto bin_records = PlainRecords(bins, heatwise::kBinValueCount);
    const auto design_records = PlainRecords(design, heatwise::kDesignValueCount);
    for (int city = 1; city <= heatwise::kCityCount; ++city) {
        const auto& expected_bins = bin_records[static_cast<std::size_t>(city - 1)];
        Require(expected_bins.size() == heatwise::kBinValueCount,
                "a loaded bindata2.dat holds 63 values for every city",
                "city " + std::to_string(city));
        for (int k = 0; k < heatwise::kBinValueCount; ++k) {
            Require(tables.bins.City(city)[static_cast<std::size_t>(k)] ==
                        expected_bins[static_cast<std::size_t>(k)],
                    "every bin hour is the value the text holds",
                    "city " + std::to_string(city) + ", value " + std::to_string(k + 1));
        }
        const auto& expected_design = design_records[static_cast<std::size_t>(city - 1)];
        Require(expected_design.size() == heatwise::kDesignValueCount,
                "a loaded cities.dat holds 3 values for every city",
                "city " + std::to_string(city));
        const heatwise::DesignRecord& record = tables.design.City(city);
        Require(record.winter_design == expected_design[0] &&
                    record.degree_days == expected_design[1] &&
                    record.summer_design == expected_design[2],
                "every design value is the value the text holds", "city " + std::to_string(city));
    }
}

void CheckColdBins(const heatwise::ColdBinTable& cold, const heatwise::CityBinTable& bins,
                   std::string_view text) {
    const auto records = PlainRecords(text, heatwise::kColdBinValueCount);
    for (int city = 1; city <= heatwise::kCityCount; ++city) {
        const auto& expected = records[static_cast<std::size_t>(city - 1)];
        Require(expected.size() == heatwise::kColdBinValueCount,
                "a loaded coldbins.dat holds 30 values for every city",
                "city " + std::to_string(city));
        for (int shift = 1; shift <= heatwise::kShiftCount; ++shift) {
            long long hours = 0;
            for (int bin = heatwise::kFirstColdBin; bin <= heatwise::kLastColdBin; ++bin) {
                const int k = heatwise::ColdBinValueIndex(shift, bin);
                const std::int32_t value = cold.Hours(city, shift, bin);
                Require(value == expected[static_cast<std::size_t>(k)],
                        "every cold-bin hour is the value the text holds",
                        "city " + std::to_string(city) + ", value " + std::to_string(k + 1));
                Require(value >= 0 && value <= heatwise::kShiftHoursPerYear,
                        "every cold-bin hour lies within a shift's hours");
                hours += value;
            }
            Require(hours <= bins.Hours(city, shift, heatwise::kBinCount),
                    "a shift's cold hours are no more than its bin 21",
                    "city " + std::to_string(city) + ", shift " + std::to_string(shift));
        }
    }
}

void CheckFailure(const heatwise::DataError& error, std::string_view bins, std::string_view design,
                  std::string_view cold = {}) {
    const std::string message = error.what();
    const std::string file = error.file().string();
    Require(file == heatwise::kBinFileName || file == heatwise::kDesignFileName ||
                file == heatwise::kColdBinFileName,
            "the error names one of the three files", message);
    const std::string_view text = file == heatwise::kBinFileName      ? bins
                                  : file == heatwise::kDesignFileName ? design
                                                                      : cold;
    // An end of file is reported at the line after the last one.
    Require(error.line() >= 1 && error.line() <= LineCount(text) + 1,
            "the error names a line of its file", message);
    const std::string prefix = file + ": line " + std::to_string(error.line()) + ": ";
    Require(message.starts_with(prefix) && message.size() > prefix.size(),
            "the message starts with file and line and says what is wrong", message);
    const bool at_end = message.find("end of file") != std::string::npos;
    Require(!at_end || error.line() == LineCount(text) + 1,
            "an end of file is reported after the last line", message);
    Require(SameTables(HeldTables(), Snapshot()),
            "a failed load leaves the held tables as they were");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    namespace fs = std::filesystem;
    const fs::path data = HEATWISE_DATA_DIR;
    // The load creates a missing file: it runs only when both files are there.
    if (fs::is_regular_file(data / heatwise::kBinFileName) &&
        fs::is_regular_file(data / heatwise::kDesignFileName)) {
        HeldTables() = heatwise::LoadClimateTables(data);
    } else {
        for (int city = 1; city <= heatwise::kCityCount; ++city) {
            for (int k = 0; k < heatwise::kBinValueCount; ++k) {
                HeldTables().bins.City(city)[static_cast<std::size_t>(k)] = city * 100 + k;
            }
            HeldTables().design.City(city) = {-city, city * 10, city};
        }
    }
    Snapshot() = HeldTables();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view bins = input;
    std::string_view design;
    std::string_view cold;
    bool with_cold = false;
    if (std::size_t at = input.find(kSeparator); at != std::string_view::npos) {
        bins = input.substr(0, at);
        design = input.substr(at + kSeparator.size());
    }
    if (std::size_t at = design.find(kColdSeparator); at != std::string_view::npos) {
        cold = design.substr(at + kColdSeparator.size());
        design = design.substr(0, at);
        with_cold = true;
    }
    try {
        // As the program does: the result replaces the held tables only when it comes back.
        HeldTables() = heatwise::ParseClimateTables(bins, design);
    } catch (const heatwise::DataError& error) {
        CheckFailure(error, bins, design);
        return 0;
    }
    CheckLoaded(HeldTables(), bins, design);
    const heatwise::CityBinTable loaded = HeldTables().bins;
    HeldTables() = Snapshot();
    if (with_cold) {
        try {
            CheckColdBins(heatwise::ParseColdBins(cold, loaded), loaded, cold);
        } catch (const heatwise::DataError& error) {
            CheckFailure(error, bins, design, cold);
        }
    }
    return 0;
}
