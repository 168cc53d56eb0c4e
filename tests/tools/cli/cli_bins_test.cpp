// heatwise-cli bins: one station's records of both climate files from its hourly weather.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_test_support.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::RunCommand;

std::string FirstLine(const fs::path& file) {
    std::ifstream stream(file);
    std::string line;
    std::getline(stream, line);
    return line;
}

TEST(cli_Bins, GivesTheCommittedRecordsOfTheFirstCity) {
    // City 1, austin, TX, stands for the station whose hourly weather is tmy3/722540.csv.
    const fs::path weather = fs::path(HEATWISE_CLIMATE_DIR) / "tmy3" / "722540.csv";
    const fs::path data = fs::path(HEATWISE_SOURCE_DIR) / "data";
    if (!fs::exists(weather) || !fs::exists(data / "bindata2.dat") ||
        !fs::exists(data / "cities.dat")) {
        GTEST_SKIP() << "no hourly weather or no committed climate files";
    }
    const CliRun run = RunCommand({"bins", weather.string()});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::vector<std::string> lines = testing::Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], FirstLine(data / "bindata2.dat"));
    EXPECT_EQ(lines[1], FirstLine(data / "cities.dat"));
}

TEST(cli_Bins, Faults) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string message;
    };
    fs::create_directories("cli_Bins");
    {
        std::ofstream short_file("cli_Bins/short.csv");
        short_file << "722540,\"AUSTIN\",TX,-6.0,30.290,-97.740,213\n"
                   << "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb (C)\n"
                   << "01/01/1988,01:00,5.0\n";
    }
    const Case cases[] = {
        {{"bins"}, kExitUsageError, "bins needs the weather file to read"},
        {{"bins", "a.csv", "b.csv"}, kExitUsageError, "bins takes one weather file"},
        {{"bins", "--eer", "5"}, kExitUsageError, "unknown option '--eer'"},
        {{"bins", "cli_Bins/absent.csv"}, kExitDataError, "absent.csv: cannot be opened"},
        {{"bins", "cli_Bins/short.csv"}, kExitDataError, "short.csv: line 3: the file ends"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.back());
        const CliRun run = RunCommand(c.args);
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace heatwise::cli
