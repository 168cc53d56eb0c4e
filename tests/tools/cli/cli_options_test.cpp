// heatwise-cli's command line: the form's ranges with their single-precision limits, city
// lookup, option syntax, commands and exit statuses. A refused command line computes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_test_support.h"
#include "value_parsing.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::RunCommand;

// The options of an estimate, separated by single blanks.
CliRun EstimateWith(const std::string& options) {
    std::vector<std::string> args;
    for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
        end = options.find(' ', start);
        args.push_back(options.substr(start, end - start));
    }
    return testing::Estimate(args);
}

// The accepted command lines stand at the edges of the form's ranges.
TEST(cli_Options, AreAcceptedAsTheFormWould) {
    for (const char* options :
         {"--rate 0.06", "--rate=0.34", "--rate 0.0500000008", "--fuel-price 0",
          "--fuel-price 10.0", "--eer 4", "--eer 15", "--hours 0,4,8", "--summer 65,94,80",
          "--winter 40,84,60", "--cool-capacity 240000", "--heat-eff 50", "--heat-eff 250",
          "--city 211", "--city AUSTIN", "--mode Heating --fuel gas"}) {
        const CliRun run = EstimateWith(options);
        EXPECT_EQ(run.status, kExitSuccess) << options << ": " << run.err;
        EXPECT_NE(run.out, "") << options;
    }
}

TEST(cli_Options, AreRefusedAsTheFormWould) {
    const std::pair<const char*, const char*> cases[] = {
        {"--rate 0.05",
         "--rate: '0.05' is outside the accepted range above 0.05 and below 0.35 "
         "(single-precision limits 0.0500000007 and 0.349999994)\n"},
        {"--rate 0.35", "--rate: '0.35' is outside"},
        {"--fuel-price 10.000001",
         "--fuel-price: '10.000001' is outside the accepted range 0 to 10\n"},
        {"--fuel-price -0.01", "--fuel-price: '-0.01' is outside"},
        {"--eer 3.99", "--eer: '3.99' is outside the accepted range 4 to 15\n"},
        {"--eer 1e999", "--eer: '1e999' is outside"},
        {"--rate abc", "--rate: 'abc' is not a number"},
        {"--rate 0.06x", "--rate: '0.06x' is not a number"},
        {"--rate nan", "--rate: 'nan' is not a number"},
        {"--eer inf", "--eer: 'inf' is not a number"},
        {"--rate ", "--rate: '' is not a number"},
        {"--hours 8,9,8", "--hours (shift 2): '9' is outside the accepted range 0 to 8"},
        {"--hours 8,8", "--hours: '8,8' is not three whole numbers"},
        {"--hours 8,8,8,8", "--hours: '8,8,8,8' is not three whole numbers"},
        {"--hours 8,,8", "--hours (shift 2): '' is not a whole number"},
        {"--hours 8,7.5,8", "--hours (shift 2): '7.5' is not a whole number"},
        {"--summer 64,85,78", "--summer (shift 1): '64' is outside the accepted range 65 to 94"},
        {"--winter 65,60,85", "--winter (shift 3): '85' is outside the accepted range 40 to 84"},
        {"--cool-capacity 240001",
         "--cool-capacity: '240001' is outside the accepted range 0 to 240000"},
        {"--heat-capacity -1", "--heat-capacity: '-1' is outside"},
        {"--heat-capacity 99999999999999999999999", "is outside the accepted range 0 to 240000"},
        {"--heat-eff 49", "--heat-eff: '49' is outside the accepted range 50 to 250"},
        {"--heat-eff 85.0", "--heat-eff: '85.0' is not a whole number"},
        {"--city 0", "--city: '0' is outside the accepted range 1 to 211"},
        {"--city 212", "--city: '212' is outside"},
        {"--city springfield",
         "--city: 'springfield' names several cities: 67 (springfield), 110 (springfield)"},
        {"--city atlantis", "--city: 'atlantis' is not in the city list"},
        {"--mode cold", "--mode: 'cold' is not one of cooling, heating"},
        {"--fuel coal", "--fuel: 'coal' is not one of electricity, oil, propane, gas"},
        {"--colour red", "unknown option '--colour'"},
        {"--sort name", "unknown option '--sort'"},
        {"--rate", "--rate needs a value"},
        {"--json=yes", "--json takes no value"},
        {"--json --csv", "--json and --csv cannot be combined"},
        {"austin", "unexpected argument 'austin'"},
    };
    for (const auto& [options, message] : cases) {
        const CliRun run = EstimateWith(options);
        EXPECT_EQ(run.status, kExitUsageError) << options;
        EXPECT_NE(run.err.find(message), std::string::npos) << options << ": " << run.err;
        EXPECT_EQ(run.out, "") << options << ": a refused command line printed a result";
    }
}

TEST(cli_Refusal, ComesBeforeTheClimateFilesAreTouched) {
    const fs::path folder = "cli_Refusal.untouched";
    fs::remove_all(folder);
    const CliRun run = RunCommand({"estimate", "--data-dir", folder.string(), "--rate", "0.05"});
    EXPECT_EQ(run.status, kExitUsageError);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_NE(run.err.find("heatwise-cli estimate: --rate: '0.05'"), std::string::npos) << run.err;
}

TEST(cli_Commands, HelpUnknownCommandsAndBins) {
    std::ofstream("short.csv") << "722540,\"AUSTIN\",TX,-6.0,30.290,-97.740,213\n"
                               << "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb (C)\n"
                               << "01/01/1988,01:00,5.0\n";
    const std::tuple<std::vector<std::string>, int, const char*> cases[] = {
        {{"--help"}, kExitSuccess, "Usage: heatwise-cli COMMAND"},
        {{"estimate", "--help"}, kExitSuccess, "--rate R"},
        {{"estimate", "--rate", "0.05", "--help"}, kExitSuccess, "Usage: heatwise-cli estimate"},
        {{"compare", "--help"}, kExitSuccess, "cooling cost is\nworked out in mode Cooling"},
        {{"bins", "--help"}, kExitSuccess, "Usage: heatwise-cli bins FILE"},
        {{}, kExitUsageError, "Usage: heatwise-cli COMMAND"},
        {{"estimat"}, kExitUsageError, "unknown command 'estimat'"},
        {{"bins"}, kExitUsageError, "bins needs the weather file to read"},
        {{"bins", "a.csv", "b.csv"}, kExitUsageError, "bins takes one weather file"},
        {{"bins", "--eer", "5"}, kExitUsageError, "unknown option '--eer'"},
        {{"bins", "absent.csv"}, kExitDataError, "absent.csv: cannot be opened"},
        {{"bins", "short.csv"}, kExitDataError, "short.csv: line 3: the file ends"},
    };
    for (const auto& [args, status, text] : cases) {
        SCOPED_TRACE(args.empty() ? "(nothing)" : args.back());
        const CliRun run = RunCommand(args);
        EXPECT_EQ(run.status, status);
        // Help goes to the output; a refusal goes to the error output and prints nothing else.
        EXPECT_NE((status == kExitSuccess ? run.out : run.err).find(text), std::string::npos)
            << run.out << run.err;
        EXPECT_EQ(status == kExitSuccess ? run.err : run.out, "");
    }
}

TEST(cli_Bins, GivesTheCommittedRecordsOfTheFirstCity) {
    // City 1, austin, TX, stands for the station whose hourly weather is tmy3/722540.csv.
    const fs::path weather = fs::path(HEATWISE_CLIMATE_DIR) / "tmy3" / "722540.csv";
    const fs::path data = fs::path(HEATWISE_SOURCE_DIR) / "data";
    if (!fs::exists(weather)) {
        GTEST_SKIP() << "no hourly weather";
    }
    const CliRun run = RunCommand({"bins", weather.string()});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    std::string bins_line, design_line;
    std::getline(std::ifstream(data / "bindata2.dat"), bins_line);
    std::getline(std::ifstream(data / "cities.dat"), design_line);
    EXPECT_EQ(run.out, bins_line + "\n" + design_line + "\n");
}

// The form's own ranges are described, to the end of the line, in the messages above.
TEST(cli_Ranges, DescribeTheirSinglePrecisionLimits) {
    EXPECT_EQ(DescribeRange(RealRange{0.1f, 0.5f}),
              "above 0.1 and up to 0.5 (single-precision limits 0.100000001 and 0.5)");
    EXPECT_EQ(DescribeRange(RealRange{0.7f, 1.0f}),
              "from 0.7 and up to 1 (single-precision limits 0.699999988 and 1)");
}

}  // namespace
}  // namespace heatwise::cli
