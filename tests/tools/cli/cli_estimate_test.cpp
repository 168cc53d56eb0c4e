// heatwise-cli estimate: the worked examples through the command line, and the table, JSON and
// CSV forms of its output.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_test_support.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::RunCommand;

const std::vector<std::string> kHeatingExample = {"--mode", "heating",  "--hours",
                                                  "8,8,4",  "--winter", "65,60,75"};

std::vector<std::string> Estimate(const fs::path& folder, std::vector<std::string> options) {
    std::vector<std::string> args = {"estimate", "--data-dir", folder.string()};
    args.insert(args.end(), options.begin(), options.end());
    return args;
}

std::string Member(const std::string& json, const std::string& key) {
    for (const auto& [name, value] : testing::JsonMembers(json)) {
        if (name == key) {
            return value;
        }
    }
    return "(absent)";
}

TEST(cli_Estimate, JsonHoldsExactlyTheResultKeys) {
    const fs::path folder = testing::WriteExampleClimate();
    const CliRun run =
        RunCommand(Estimate(folder, {"--city", std::to_string(testing::kExampleCity), "--json"}));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;

    std::vector<std::string> keys;
    for (const auto& member : testing::JsonMembers(run.out)) {
        keys.push_back(member.first);
    }
    EXPECT_EQ(keys, (std::vector<std::string>{"city", "mode", "fuel", "scaled_hours",
                                              "percent_calcd", "degree_days", "summer_design",
                                              "winter_design", "cooling_cost", "heating_cost"}));
    EXPECT_EQ(Member(run.out, "city"), "{\"index\": 7, \"name\": \"barrow\"}");
    EXPECT_EQ(Member(run.out, "mode"), "\"cooling\"");
    EXPECT_EQ(Member(run.out, "fuel"), "\"electricity\"");
    const std::vector<long long> hours = testing::JsonNumbers(Member(run.out, "scaled_hours"));
    ASSERT_EQ(hours.size(), 63u);
    EXPECT_EQ(hours[21 + 2], 100);  // Shift 2, bin 90/94.
    EXPECT_EQ(hours[42 + 3], 80);   // Shift 3, bin 85/89.
    const std::vector<long long> percent = testing::JsonNumbers(Member(run.out, "percent_calcd"));
    ASSERT_EQ(percent.size(), 21u);
    EXPECT_EQ(percent[2], 57);
    EXPECT_EQ(percent[3], 42);
    EXPECT_EQ(Member(run.out, "degree_days"), "1707");
    EXPECT_EQ(Member(run.out, "summer_design"), "97");
    EXPECT_EQ(Member(run.out, "winter_design"), "28");
    EXPECT_EQ(Member(run.out, "cooling_cost"), "20");
    EXPECT_EQ(Member(run.out, "heating_cost"), "0");
}

TEST(cli_Estimate, EveryFuelSideBySide) {
    const fs::path folder = testing::WriteExampleClimate();
    std::vector<std::string> options = kHeatingExample;
    options.insert(options.end(), {"--city", "7", "--fuel", "all", "--json"});
    const CliRun run = RunCommand(Estimate(folder, options));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(Member(run.out, "fuel"), "\"all\"");
    EXPECT_EQ(Member(run.out, "heating_cost"), "null");
    EXPECT_EQ(Member(run.out, "heating_cost_by_fuel"),
              "{\"electricity\": 121, \"oil\": 142, \"propane\": 216, \"gas\": 20115}");

    options.back() = "--csv";
    const CliRun csv = RunCommand(Estimate(folder, options));
    const std::vector<std::string> lines = testing::Lines(csv.out);
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<std::string> header = testing::CsvFields(lines[0]);
    const std::vector<std::string> row = testing::CsvFields(lines[1]);
    ASSERT_EQ(header.size(), row.size());
    EXPECT_EQ(
        std::vector<std::string>(header.end() - 5, header.end()),
        (std::vector<std::string>{"heating_cost", "heating_cost_electricity", "heating_cost_oil",
                                  "heating_cost_propane", "heating_cost_gas"}));
    EXPECT_EQ(std::vector<std::string>(row.end() - 5, row.end()),
              (std::vector<std::string>{"", "121", "142", "216", "20115"}));

    options.pop_back();
    const CliRun table = RunCommand(Estimate(folder, options));
    EXPECT_NE(table.out.find("Heating, Propane"), std::string::npos) << table.out;
    EXPECT_NE(table.out.find("$216"), std::string::npos) << table.out;
}

TEST(cli_Estimate, WorkedExamplesThroughTheOptions) {
    struct Case {
        const char* what;
        std::vector<std::string> options;
        std::string cooling_cost;
        std::string heating_cost;
    };
    std::vector<std::string> oil = kHeatingExample;
    oil.insert(oil.end(), {"--fuel", "oil", "--fuel-price", "4.0"});
    std::vector<std::string> propane = kHeatingExample;
    propane.insert(propane.end(), {"--fuel", "propane"});
    const Case cases[] = {
        {"twice the hours cost twice", {"--city", "1"}, "41", "0"},
        {"oil", oil, "0", "142"},
        {"propane", propane, "0", "216"},
        {"electricity", kHeatingExample, "0", "121"},
        {"cooling at a higher rate", {"--rate", "0.16"}, "41", "0"},
        {"a doubled EER halves the cost", {"--eer", "13"}, "10", "0"},
    };
    const fs::path folder = testing::WriteExampleClimate();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> options = c.options;
        if (std::ranges::find(options, "--city") == options.end()) {
            options.insert(options.end(), {"--city", "7"});
        }
        options.push_back("--json");
        const CliRun run = RunCommand(Estimate(folder, options));
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
        EXPECT_EQ(Member(run.out, "cooling_cost"), c.cooling_cost);
        EXPECT_EQ(Member(run.out, "heating_cost"), c.heating_cost);
    }
}

TEST(cli_Estimate, SecondSpringfieldShowsItsOwnRecord) {
    const fs::path folder = testing::WriteExampleClimate();
    const CliRun run = RunCommand(Estimate(folder, {"--city", "110", "--json"}));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(Member(run.out, "city"), "{\"index\": 110, \"name\": \"springfield\"}");
    EXPECT_EQ(Member(run.out, "degree_days"), "1810");
}

TEST(cli_Estimate, CsvIsAHeaderAndOneRow) {
    const fs::path folder = testing::WriteExampleClimate();
    const CliRun run = RunCommand(Estimate(folder, {"--csv"}));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::vector<std::string> lines = testing::Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    const std::vector<std::string> header = testing::CsvFields(lines[0]);
    const std::vector<std::string> row = testing::CsvFields(lines[1]);
    ASSERT_EQ(header.size(), 4u + 63u + 21u + 5u);
    ASSERT_EQ(row.size(), header.size());
    EXPECT_EQ(header[0], "city_index");
    EXPECT_EQ(header[1], "city_name");
    EXPECT_EQ(header[4], "scaled_hours_1");
    EXPECT_EQ(header[4 + 62], "scaled_hours_63");
    EXPECT_EQ(header[4 + 63], "percent_calcd_1");
    EXPECT_EQ(header.back(), "heating_cost");
    EXPECT_EQ(row[0], "1");
    EXPECT_EQ(row[1], "austin, TX");
    EXPECT_EQ(row[2], "cooling");
    EXPECT_EQ(row[3], "electricity");
    EXPECT_EQ(row[4 + 63 + 2], "57");
}

TEST(cli_Estimate, TableShowsBinsDesignDataAndCosts) {
    const fs::path folder = testing::WriteExampleClimate();
    const CliRun run = RunCommand(Estimate(folder, {"--city", "austin"}));
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    for (const char* text :
         {"City 1: austin, TX", "% calc'd", "100/104", "90/94", "0/4", "Heating Degree Days",
          "1701", "Summer Design Temp.", "Winter Design Temp.", "$41"}) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
    }
    EXPECT_EQ(testing::Lines(run.out).size(), 5u + 1u + 1u + 21u + 1u + 3u + 1u + 3u);
}

// The messages for faults inside the data files are checked on the reader, in
// tests/app/climate_load_failures_test.cpp; the command reports every one the same way.
TEST(cli_Estimate, DataFileFaultsStopWithTheirMessage) {
    const fs::path folder = testing::WriteExampleClimate();
    fs::remove(folder / "cities.dat");
    const CliRun missing = RunCommand(Estimate(folder, {}));
    EXPECT_EQ(missing.status, kExitDataError);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "heatwise-cli: " + (folder / "cities.dat").string() +
                               ": line 1: end of file before the 3 values of city 1\n");
    EXPECT_TRUE(fs::exists(folder / "cities.dat"));
}

}  // namespace
}  // namespace heatwise::cli
