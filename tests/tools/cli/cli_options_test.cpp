// heatwise-cli's command line: the form's ranges with their single-precision limits, city
// lookup, option syntax and exit statuses. A refused command line computes nothing.
#include <gtest/gtest.h>

#include <filesystem>
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

struct OptionCase {
    std::vector<std::string> options;
    int status;
    std::string message;  // part of the error output; empty when accepted
};

void PrintTo(const OptionCase& c, std::ostream* os) {
    for (const std::string& option : c.options) {
        *os << option << " ";
    }
}

OptionCase Accepted(std::vector<std::string> options) {
    return {std::move(options), kExitSuccess, ""};
}
OptionCase Refused(std::vector<std::string> options, std::string message) {
    return {std::move(options), kExitUsageError, std::move(message)};
}

class cli_Options : public ::testing::TestWithParam<OptionCase> {};

TEST_P(cli_Options, AreAcceptedOrRefusedAsTheFormWould) {
    const OptionCase& c = GetParam();
    const fs::path folder = testing::WriteExampleClimate();
    std::vector<std::string> args = {"estimate", "--data-dir", folder.string()};
    args.insert(args.end(), c.options.begin(), c.options.end());
    const CliRun run = RunCommand(args);
    EXPECT_EQ(run.status, c.status) << run.err;
    if (c.status == kExitSuccess) {
        EXPECT_EQ(run.err, "");
        EXPECT_NE(run.out, "");
    } else {
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "") << "a refused command line printed a result";
    }
}

INSTANTIATE_TEST_SUITE_P(
    RealLimits, cli_Options,
    ::testing::Values(
        Refused({"--rate", "0.05"},
                "--rate: '0.05' is outside the accepted range above 0.05 and below 0.35 "
                "(single-precision limits 0.0500000007 and 0.349999994)\n"),
        Accepted({"--rate", "0.06"}), Accepted({"--rate=0.34"}),
        Refused({"--rate", "0.35"}, "--rate: '0.35' is outside"),
        Accepted({"--rate", "0.0500000008"}), Accepted({"--fuel-price", "0"}),
        Accepted({"--fuel-price", "10.0"}),
        Refused({"--fuel-price", "10.000001"},
                "--fuel-price: '10.000001' is outside the accepted range 0 to 10\n"),
        Refused({"--fuel-price", "-0.01"}, "outside the accepted range"), Accepted({"--eer", "4"}),
        Accepted({"--eer", "15"}),
        Refused({"--eer", "3.99"}, "--eer: '3.99' is outside the accepted range 4 to 15\n"),
        Refused({"--eer", "0"}, "--eer: '0' is outside"),
        Refused({"--rate", "abc"}, "--rate: 'abc' is not a number"),
        Refused({"--rate", "0.06x"}, "--rate: '0.06x' is not a number"),
        Refused({"--rate", "nan"}, "--rate: 'nan' is not a number"),
        Refused({"--eer", "inf"}, "--eer: 'inf' is not a number"),
        Refused({"--eer", "1e999"}, "--eer: '1e999' is outside"),
        Refused({"--rate", ""}, "--rate: '' is not a number")));

INSTANTIATE_TEST_SUITE_P(
    WholeNumberLimits, cli_Options,
    ::testing::Values(
        Accepted({"--hours", "0,4,8"}),
        Refused({"--hours", "8,9,8"},
                "--hours (shift 2): '9' is outside the accepted range 0 to 8"),
        Refused({"--hours", "8,8"}, "--hours: '8,8' is not three"),
        Refused({"--hours", "8,8,8,8"}, "is not three whole numbers"),
        Refused({"--hours", "8,,8"}, "--hours (shift 2): '' is not a whole number"),
        Refused({"--hours", "8,7.5,8"}, "'7.5' is not a whole number"),
        Accepted({"--summer", "65,94,80"}),
        Refused({"--summer", "64,85,78"},
                "--summer (shift 1): '64' is outside the accepted range 65 to 94"),
        Accepted({"--winter", "40,84,60"}),
        Refused({"--winter", "65,60,85"},
                "--winter (shift 3): '85' is outside the accepted range 40 to 84"),
        Accepted({"--cool-capacity", "240000"}),
        Refused({"--cool-capacity", "240001"},
                "--cool-capacity: '240001' is outside the accepted range 0 to 240000"),
        Refused({"--heat-capacity", "-1"}, "--heat-capacity: '-1' is outside"),
        Refused({"--heat-capacity", "99999999999999999999999"},
                "is outside the accepted range 0 to 240000"),
        Accepted({"--heat-eff", "50"}), Accepted({"--heat-eff", "250"}),
        Refused({"--heat-eff", "49"}, "--heat-eff: '49' is outside the accepted range 50 to 250"),
        Refused({"--heat-eff", "85.0"}, "'85.0' is not a whole number")));

INSTANTIATE_TEST_SUITE_P(
    Cities, cli_Options,
    ::testing::Values(
        Accepted({"--city", "211"}), Accepted({"--city", "AUSTIN"}),
        Refused({"--city", "0"}, "--city: '0' is outside the accepted range 1 to 211"),
        Refused({"--city", "212"}, "--city: '212' is outside"),
        Refused({"--city", "springfield"},
                "--city: 'springfield' names several cities: 67 (springfield), 110 "
                "(springfield)"),
        Refused({"--city", "Brunswick"}, "54 (brunswick), 85 (brunswick)"),
        Refused({"--city", "atlantis"}, "--city: 'atlantis' is not in the city list")));

INSTANTIATE_TEST_SUITE_P(
    Syntax, cli_Options,
    ::testing::Values(Accepted({"--mode", "Heating", "--fuel", "gas"}),
                      Refused({"--mode", "cold"}, "--mode: 'cold' is not one of cooling, heating"),
                      Refused({"--fuel", "coal"},
                              "--fuel: 'coal' is not one of electricity, oil, propane, gas"),
                      Refused({"--colour", "red"}, "unknown option '--colour'"),
                      Refused({"--rate"}, "--rate needs a value"),
                      Refused({"--json=yes"}, "--json takes no value"),
                      Refused({"--json", "--csv"}, "--json and --csv cannot be combined"),
                      Refused({"austin"}, "unexpected argument 'austin'"),
                      Refused({"--sort", "name"}, "unknown option '--sort'")));

TEST(cli_Refusal, ComesBeforeTheClimateFilesAreTouched) {
    const fs::path folder = "cli_Refusal.untouched";
    fs::remove_all(folder);
    const CliRun run = RunCommand({"estimate", "--data-dir", folder.string(), "--rate", "0.05"});
    EXPECT_EQ(run.status, kExitUsageError);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_NE(run.err.find("heatwise-cli estimate: --rate: '0.05'"), std::string::npos) << run.err;
}

TEST(cli_Commands, HelpAndUnknownCommands) {
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    };
    const Case cases[] = {
        {{"--help"}, kExitSuccess, "Usage: heatwise-cli COMMAND", ""},
        {{"estimate", "--help"}, kExitSuccess, "--rate R", ""},
        {{"estimate", "--rate", "0.05", "--help"},
         kExitSuccess,
         "Usage: heatwise-cli estimate",
         ""},
        {{"compare", "--help"}, kExitSuccess, "cooling cost is\nworked out in mode Cooling", ""},
        {{"bins", "--help"}, kExitSuccess, "Usage: heatwise-cli bins FILE", ""},
        {{}, kExitUsageError, "", "Usage: heatwise-cli COMMAND"},
        {{"estimat"}, kExitUsageError, "", "unknown command 'estimat'"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCommand(c.args);
        SCOPED_TRACE(c.args.empty() ? "(nothing)" : c.args.front());
        EXPECT_EQ(run.status, c.status);
        EXPECT_NE(run.out.find(c.out), std::string::npos) << run.out;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
    }
}

// The form's own ranges are described, to the end of the line, in the messages of the
// cli_Options rows above.
TEST(cli_Ranges, DescribeTheirSinglePrecisionLimits) {
    EXPECT_EQ(DescribeRange(RealRange{0.1f, 0.5f}),
              "above 0.1 and up to 0.5 (single-precision limits 0.100000001 and 0.5)");
    EXPECT_EQ(DescribeRange(RealRange{0.7f, 1.0f}),
              "from 0.7 and up to 1 (single-precision limits 0.699999988 and 1)");
}

}  // namespace
}  // namespace heatwise::cli
