// The station table, the derivation of both data files from it, the heatwise-derive command,
// and the committed data files as a fresh derivation gives them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "climate_derivation.h"
#include "station_table.h"
#include "weather_samples.h"

namespace heatwise::climate {
namespace {

namespace fs = std::filesystem;
using samples::ReadText;
using ::testing::HasSubstr;

// A station table whose 211 entries all use one station file, with the columns in another order
// than usual and a list text holding a comma.
std::vector<std::string> TableLines(const std::string& weather_file) {
    std::vector<std::string> lines = {"file,usaf,list_name,index,note"};
    for (int index = 1; index <= kCityCount; ++index) {
        lines.push_back(weather_file + ",722540,\"city " + std::to_string(index) + ", TX\"," +
                        std::to_string(index) + ",");
    }
    return lines;
}

// A folder holding a station table and one good station file "tmy3/good.csv".
fs::path MakeStationFolder(const std::string& name, const std::vector<std::string>& table) {
    const fs::path folder = fs::absolute(name);
    fs::remove_all(folder);
    fs::create_directories(folder / "tmy3");
    samples::WriteLines((folder / "tmy3/good.csv").string(),
                        samples::Tmy3Lines(samples::MakeYear([](int i) { return i % 400 - 100; })));
    samples::WriteLines((folder / "stations.csv").string(), table);
    return folder;
}

std::string TableErrorOf(const std::function<void()>& action) {
    return samples::ErrorOf<StationTableError>(action);
}

TEST(StationTable, ReadsTheEntriesWithTheirFilesBesideTheTable) {
    const fs::path folder = MakeStationFolder("table_ok", TableLines("tmy3/good.csv"));
    const std::vector<StationEntry> entries = ReadStationTable(folder / "stations.csv");
    ASSERT_EQ(entries.size(), 211u);
    EXPECT_EQ(entries[0].line, 2);
    EXPECT_EQ(entries[0].list_name, "city 1, TX");
    EXPECT_EQ(entries[210].index, 211);
    EXPECT_EQ(entries[210].weather_file, folder / "tmy3/good.csv");
}

TEST(StationTable, FaultsNameTheLineAndTheField) {
    const std::pair<std::function<void(std::vector<std::string>&)>, std::string> cases[] = {
        {[](auto& l) { std::swap(l[4], l[5]); },
         "line 5: field 'index': '5' should be 4; the entries run from 1 to 211 in the order of "
         "the city list"},
        {[](auto& l) { l[1] = "tmy3/good.csv,722540,austin,one,"; },
         "line 2: field 'index': 'one' should be 1; the entries run from 1 to 211 in the order of "
         "the city list"},
        {[](auto& l) { l[0] = "file,usaf,name,index,note"; },
         "line 1: no column 'list_name' in the header line"},
        {[](auto& l) { l.pop_back(); },
         "line 211: the table ends after 210 entries; the city list has 211"},
        {[](auto& l) { l.push_back("tmy3/good.csv,1,extra,212,"); },
         "line 213: an entry after the 211th; the city list has exactly 211 entries"},
        {[](auto& l) { l[3] = ",722540,city,3,"; },
         "line 4: field 'file' is empty; every entry names its hourly weather file"},
        {[](auto& l) { l[3] = "tmy3/good.csv,722540"; },
         "line 4: the row has 2 fields; the columns index, list_name and file need at least 4"},
    };
    for (const auto& [change, message] : cases) {
        std::vector<std::string> lines = TableLines("tmy3/good.csv");
        change(lines);
        const fs::path folder = MakeStationFolder("table_fault", lines);
        EXPECT_EQ(TableErrorOf([&] { ReadStationTable(folder / "stations.csv"); }),
                  "stations.csv: " + message);
    }
}

TEST(StationTable, AFaultyStationNamesTheCityAndItsFile) {
    std::vector<std::string> lines = TableLines("tmy3/good.csv");
    lines[5] = "tmy3/absent.csv,722540,\"fort smith\",5,";
    const fs::path folder = MakeStationFolder("derive_fault", lines);
    EXPECT_EQ(TableErrorOf([&] { DeriveClimateFiles(folder / "stations.csv"); }),
              "stations.csv: line 6: city 5 \"fort smith\", weather file " +
                  (folder / "tmy3/absent.csv").string() +
                  ": absent.csv: cannot be opened for reading");
}

// Runs heatwise-derive with the arguments, its output going to derive.log; gives the exit status.
int RunDerive(const std::string& arguments) {
    const std::string command =
        std::string("\"") + HEATWISE_DERIVE_PROGRAM + "\" " + arguments + " >derive.log 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(DeriveCommand, WritesBothFilesOnlyWhenEveryStationDerives) {
    const fs::path good = MakeStationFolder("command_good", TableLines("tmy3/good.csv"));
    std::vector<std::string> bad_lines = TableLines("tmy3/good.csv");
    bad_lines[211] = "tmy3/absent.csv,722540,last,211,";
    const fs::path bad = MakeStationFolder("command_bad", bad_lines);
    const fs::path out = fs::absolute("command_out");
    fs::remove_all(out);

    // Every city of the table names the same station, so each file is its record 211 times.
    const StationClimate climate = DeriveStationClimate(ReadWeatherFile(good / "tmy3/good.csv"));
    std::string bin_data, design_data;
    for (int city = 1; city <= kCityCount; ++city) {
        bin_data += FormatBinRecord(climate);
        design_data += FormatDesignRecord(climate);
    }
    ASSERT_EQ(RunDerive((good / "stations.csv").string() + " " + out.string()), 0)
        << ReadText("derive.log");
    EXPECT_EQ(ReadText((out / "bindata2.dat").string()), bin_data);
    EXPECT_EQ(ReadText((out / "cities.dat").string()), design_data);

    // A failed run leaves the files of the last good run as they were, and no scraps beside them.
    samples::WriteLines((out / "cities.dat").string(), {"28 1700 97"});
    EXPECT_EQ(RunDerive((bad / "stations.csv").string() + " " + out.string()), 1);
    EXPECT_THAT(ReadText("derive.log"),
                HasSubstr("heatwise-derive: stations.csv: line 212: city 211"));
    EXPECT_EQ(ReadText((out / "bindata2.dat").string()), bin_data);
    EXPECT_EQ(ReadText((out / "cities.dat").string()), "28 1700 97\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(out), fs::directory_iterator()), 2);

    EXPECT_EQ(RunDerive((good / "stations.csv").string()), 2);
    EXPECT_THAT(ReadText("derive.log"),
                HasSubstr("usage: heatwise-derive STATIONS_CSV OUTPUT_DIR"));
}

// The committed data files must be exactly what the derivation gives for the shared hourly
// weather, so that nobody edits them by hand and nobody changes the rules without re-deriving.
TEST(DataFiles, CommittedFilesMatchAFreshDerivation) {
    const fs::path climate_dir = HEATWISE_CLIMATE_DIR;
    if (!fs::exists(climate_dir / "stations.csv")) {
        GTEST_SKIP() << "The hourly weather folder " << climate_dir << " is absent.";
    }
    const ClimateFiles files = DeriveClimateFiles(climate_dir / "stations.csv");
    const std::string data_dir = std::string(HEATWISE_SOURCE_DIR) + "/data/";
    EXPECT_TRUE(files.bin_data == ReadText(data_dir + "bindata2.dat"))
        << "data/bindata2.dat differs from a fresh derivation; re-derive it with heatwise-derive";
    EXPECT_TRUE(files.design_data == ReadText(data_dir + "cities.dat"))
        << "data/cities.dat differs from a fresh derivation; re-derive it with heatwise-derive";
    EXPECT_TRUE(ReadText((climate_dir / "stations.csv").string()) ==
                ReadText(data_dir + "stations.csv"))
        << "data/stations.csv differs from the shared station table";
}

}  // namespace
}  // namespace heatwise::climate
