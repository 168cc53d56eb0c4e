// The committed climate files: exactly what a fresh derivation gives from the shared hourly
// weather, and, counted here again from the hourly files themselves, the cold bins are the part
// of bin 21 below 0 °F.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "engine/climate_data.h"
#include "engine/cold_bins.h"
#include "station_table.h"

namespace heatwise::climate {
namespace {

namespace fs = std::filesystem;

const fs::path kDataDir = fs::path(HEATWISE_SOURCE_DIR) / "data";
const fs::path kClimateDir = HEATWISE_CLIMATE_DIR;

std::string ReadText(const fs::path& name) {
    std::ostringstream text;
    text << std::ifstream(name, std::ios::binary).rdbuf();
    return text.str();
}

std::vector<std::string> Split(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream stream(line);
    for (std::string field; std::getline(stream, field, separator);) {
        fields.push_back(field);
    }
    return fields;
}

// The committed files must be exactly what the derivation gives for the shared hourly weather,
// so that nobody edits them by hand and nobody changes the rules without re-deriving.
TEST(DataFiles, CommittedFilesMatchAFreshDerivation) {
    if (!fs::exists(kClimateDir / "stations.csv")) {
        GTEST_SKIP() << "The hourly weather folder " << kClimateDir << " is absent.";
    }
    const ClimateFiles files = DeriveClimateFiles(kClimateDir / "stations.csv");
    const std::pair<const std::string*, const char*> committed[] = {
        {&files.bin_data, kBinFileName},
        {&files.design_data, kDesignFileName},
        {&files.cold_bin_data, kColdBinFileName},
        {&files.repairs, "repairs.csv"}};
    for (const auto& [derived, name] : committed) {
        EXPECT_TRUE(*derived == ReadText(kDataDir / name))
            << "data/" << name << " differs from a fresh derivation; re-derive it with "
            << "heatwise-derive";
    }
    EXPECT_TRUE(ReadText(kClimateDir / "stations.csv") == ReadText(kDataDir / "stations.csv"))
        << "data/stations.csv differs from the shared station table";
}

// For each city and shift, bin 21 (0/4 °F) of bindata2.dat holds the hours from 0 to 4 °F and
// the hours below 0 °F that coldbins.dat splits into its ten bins. The hours from 0 to 4 °F are
// counted here from the hourly files, with the repairs of repairs.csv, each of which must name
// an hour of its station's file and the value the file reads there.
TEST(DataFiles, ColdBinsAreThePartOfBinTwentyOneBelowZero) {
    if (!fs::exists(kClimateDir / "stations.csv")) {
        GTEST_SKIP() << "The hourly weather folder " << kClimateDir << " is absent.";
    }
    const ClimateTables tables = LoadClimateTables(kDataDir, MissingFile::kRefuse);
    const ColdBinTable cold = LoadColdBins(kDataDir, tables.bins);
    // repairs.csv: index,usaf,date,time,read_c,used_c.
    std::map<std::string, std::pair<std::string, std::string>> repairs;
    std::istringstream repair_lines(ReadText(kDataDir / "repairs.csv"));
    std::string line;
    std::getline(repair_lines, line);
    ASSERT_EQ(line, "index,usaf,date,time,read_c,used_c");
    while (std::getline(repair_lines, line)) {
        const std::vector<std::string> f = Split(line, ',');
        ASSERT_EQ(f.size(), 6u) << line;
        repairs[f[0] + " " + f[2] + " " + f[3]] = {f[4], f[5]};
    }
    std::size_t repairs_found = 0;
    for (const StationEntry& station :
         ReadStationTable(kClimateDir / "stations.csv", {StationColumn::kFile})) {
        const std::string city = std::to_string(station.index);
        std::array<int, kShiftCount> zero_to_four{};
        std::istringstream hours(ReadText(station.weather_file));
        std::getline(hours, line);
        std::getline(hours, line);
        while (std::getline(hours, line)) {
            const std::vector<std::string> f = Split(line, ',');
            ASSERT_EQ(f.size(), 3u) << station.weather_file << ": " << line;
            std::string celsius = f[2];
            if (auto repair = repairs.find(city + " " + f[0] + " " + f[1]);
                repair != repairs.end()) {
                EXPECT_EQ(repair->second.first, celsius) << "city " << city << " " << line;
                celsius = repair->second.second;
                ++repairs_found;
            }
            const double fahrenheit = std::floor(std::stod(celsius) * 1.8 + 32 + 0.5 + 1e-9);
            if (fahrenheit >= 0 && fahrenheit <= 4) {
                ++zero_to_four[(std::stoi(f[1]) - 1) / 8];
            }
        }
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            const auto first =
                cold.City(station.index).begin() + ColdBinValueIndex(shift, kFirstColdBin);
            const int below_zero = std::accumulate(first, first + kColdBinCount, 0);
            EXPECT_EQ(tables.bins.Hours(station.index, shift, kBinCount),
                      zero_to_four[shift - 1] + below_zero)
                << "city " << city << ", shift " << shift;
        }
    }
    EXPECT_EQ(repairs_found, repairs.size()) << "a repair names no hour of its station";

    // Barrow and Fairbanks spend 3174 and 1585 hours of the year below 0 °F.
    const auto hours_below_zero = [&cold](int city) {
        return std::accumulate(cold.City(city).begin(), cold.City(city).end(), 0);
    };
    EXPECT_EQ(hours_below_zero(7), 3174);
    EXPECT_EQ(hours_below_zero(8), 1585);
    // Barbers Point, Hawaii, no longer has the ten faulty hours of a July morning in 15/19 °F.
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        EXPECT_EQ(tables.bins.Hours(59, shift, 18), 0) << "shift " << shift;
    }
}

}  // namespace
}  // namespace heatwise::climate
