// The committed data files must be exactly what the derivation gives for the shared hourly
// weather, so that nobody edits them by hand and nobody changes the rules without re-deriving.
#include <gtest/gtest.h>

#include <filesystem>

#include "station_table.h"
#include "weather_samples.h"

namespace heatwise::climate {
namespace {

TEST(DataFiles, CommittedFilesMatchAFreshDerivation) {
    const std::filesystem::path climate_dir = HEATWISE_CLIMATE_DIR;
    if (!std::filesystem::exists(climate_dir / "stations.csv")) {
        GTEST_SKIP() << "The hourly weather folder " << climate_dir
                     << " is absent; the data files cannot be re-derived here.";
    }
    const ClimateFiles files = DeriveClimateFiles(climate_dir / "stations.csv");
    const std::string data_dir = std::string(HEATWISE_SOURCE_DIR) + "/data/";
    EXPECT_TRUE(files.bin_data == samples::ReadText(data_dir + "bindata2.dat"))
        << "data/bindata2.dat differs from a fresh derivation; re-derive it with heatwise-derive";
    EXPECT_TRUE(files.design_data == samples::ReadText(data_dir + "cities.dat"))
        << "data/cities.dat differs from a fresh derivation; re-derive it with heatwise-derive";
}

TEST(DataFiles, CommittedStationTableIsTheSharedOne) {
    const std::filesystem::path climate_dir = HEATWISE_CLIMATE_DIR;
    if (!std::filesystem::exists(climate_dir / "stations.csv")) {
        GTEST_SKIP() << "The hourly weather folder " << climate_dir << " is absent.";
    }
    EXPECT_TRUE(samples::ReadText((climate_dir / "stations.csv").string()) ==
                samples::ReadText(std::string(HEATWISE_SOURCE_DIR) + "/data/stations.csv"));
}

}  // namespace
}  // namespace heatwise::climate
