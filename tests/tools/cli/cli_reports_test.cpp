// heatwise-cli estimate and compare: the worked examples through the command line, every city in
// one run with each season in its own mode, and the table, JSON and CSV forms of their output.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "city_list.h"
#include "cli.h"
#include "cli_test_support.h"
#include "compare_report.h"
#include "form_inputs.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;
using testing::CliRun;
using testing::Estimate;
using testing::JsonMember;
using testing::Lines;

const std::vector<std::string> kHeatingExample = {"--mode", "heating",  "--hours",
                                                  "8,8,4",  "--winter", "65,60,75"};

std::vector<std::string> HeatingExample(std::vector<std::string> more) {
    more.insert(more.begin(), kHeatingExample.begin(), kHeatingExample.end());
    return more;
}

TEST(cli_Estimate, JsonHoldsExactlyTheResultKeys) {
    const CliRun run = Estimate({"--city", "7", "--json"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    std::string keys;
    for (const std::string& line : Lines(run.out)) {
        std::smatch key;
        keys +=
            std::regex_search(line, key, std::regex("^  \"(\\w+)\":")) ? key[1].str() + " " : "";
    }
    EXPECT_EQ(keys,
              "city mode fuel scaled_hours percent_calcd degree_days summer_design winter_design "
              "cooling_cost heating_cost ");
    EXPECT_EQ(JsonMember(run.out, "city"), "{\"index\": 7, \"name\": \"barrow\"}");
    EXPECT_EQ(JsonMember(run.out, "mode"), "\"cooling\"");
    EXPECT_EQ(JsonMember(run.out, "fuel"), "\"electricity\"");
    const std::vector<long long> hours = testing::JsonNumbers(JsonMember(run.out, "scaled_hours"));
    ASSERT_EQ(hours.size(), 63u);
    EXPECT_EQ(hours[21 + 2], 100);  // Shift 2, bin 90/94.
    EXPECT_EQ(hours[42 + 3], 80);   // Shift 3, bin 85/89.
    const std::vector<long long> percent =
        testing::JsonNumbers(JsonMember(run.out, "percent_calcd"));
    ASSERT_EQ(percent.size(), 21u);
    EXPECT_EQ(percent[2], 57);
    EXPECT_EQ(percent[3], 42);
    EXPECT_EQ(JsonMember(run.out, "degree_days"), "1707");
    EXPECT_EQ(JsonMember(run.out, "summer_design"), "97");
    EXPECT_EQ(JsonMember(run.out, "winter_design"), "28");
    EXPECT_EQ(JsonMember(run.out, "cooling_cost"), "20");
    EXPECT_EQ(JsonMember(run.out, "heating_cost"), "0");
}

TEST(cli_Estimate, WorkedExamplesThroughTheOptions) {
    // City 1 has twice the hours of the worked examples, city 110 (the second springfield) its
    // own design record.
    const std::tuple<std::vector<std::string>, const char*, const char*> cases[] = {
        {{"--city", "1"}, "cooling_cost", "41"},
        {{"--city", "110"}, "city", "{\"index\": 110, \"name\": \"springfield\"}"},
        {{"--city", "110"}, "degree_days", "1810"},
        {HeatingExample({"--fuel", "oil", "--fuel-price", "4.0"}), "heating_cost", "142"},
        {HeatingExample({"--fuel", "propane"}), "heating_cost", "216"},
        {HeatingExample({}), "heating_cost", "121"},
        {HeatingExample({}), "cooling_cost", "0"},
        {{"--rate", "0.16"}, "cooling_cost", "41"},
        {{"--eer", "13"}, "cooling_cost", "10"},  // A doubled EER halves the cost.
        {HeatingExample({"--fuel", "all"}), "heating_cost", "null"},
        {HeatingExample({"--fuel", "all"}), "heating_cost_by_fuel",
         "{\"electricity\": 121, \"oil\": 142, \"propane\": 216, \"gas\": 20115}"},
    };
    for (auto [options, key, value] : cases) {
        if (std::ranges::find(options, "--city") == options.end()) {
            options.insert(options.end(), {"--city", "7"});
        }
        options.push_back("--json");
        const CliRun run = Estimate(options);
        ASSERT_EQ(run.status, kExitSuccess) << run.err;
        EXPECT_EQ(JsonMember(run.out, key), value) << options[1] << " " << options[3];
    }
}

TEST(cli_Estimate, CsvIsAHeaderAndOneRow) {
    const CliRun run = Estimate({"--csv"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].starts_with("city_index,city_name,mode,fuel,scaled_hours_1,")) << lines[0];
    EXPECT_NE(lines[0].find(",scaled_hours_63,percent_calcd_1,"), std::string::npos) << lines[0];
    EXPECT_TRUE(lines[0].ends_with(",heating_cost")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("1,\"austin, TX\",cooling,electricity,")) << lines[1];
    EXPECT_EQ(std::ranges::count(lines[0], ','), 4 + 63 + 21 + 5 - 1);
    EXPECT_EQ(std::ranges::count(lines[1], ','), 4 + 63 + 21 + 5);  // One in the city's name.

    const CliRun all = Estimate(HeatingExample({"--city", "7", "--fuel", "all", "--csv"}));
    EXPECT_TRUE(all.out.find(",heating_cost,heating_cost_electricity,heating_cost_oil,"
                             "heating_cost_propane,heating_cost_gas\n") != std::string::npos)
        << all.out;
    EXPECT_TRUE(all.out.ends_with(",,121,142,216,20115\n")) << all.out;
}

TEST(cli_Estimate, TableShowsBinsDesignDataAndCosts) {
    const CliRun run = Estimate({"--city", "austin"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    for (const char* text :
         {"City 1: austin, TX", "% calc'd", "100/104", "90/94", "0/4", "Heating Degree Days",
          "1701", "Summer Design Temp.", "Winter Design Temp.", "$41"}) {
        EXPECT_NE(run.out.find(text), std::string::npos) << text << "\n" << run.out;
    }
    EXPECT_EQ(Lines(run.out).size(), 5u + 1u + 1u + 21u + 1u + 3u + 1u + 3u);
    const CliRun propane = Estimate(HeatingExample({"--city", "7", "--fuel", "all"}));
    EXPECT_NE(propane.out.find("Heating, Propane"), std::string::npos) << propane.out;
    EXPECT_NE(propane.out.find("$216"), std::string::npos) << propane.out;
}

// The messages for faults inside the data files are checked on the reader, in
// tests/app/climate_data_test.cpp; the command reports every one the same way.
TEST(cli_Estimate, DataFileFaultsStopWithTheirMessage) {
    const fs::path folder = testing::WriteExampleClimate();
    fs::remove(folder / "cities.dat");
    const CliRun run = testing::RunCommand({"estimate", "--data-dir", folder.string()});
    EXPECT_EQ(run.status, kExitDataError);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "heatwise-cli: " + (folder / "cities.dat").string() +
                           ": line 1: end of file before the 3 values of city 1\n");
}

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower;
}

TEST(cli_Compare, EachSeasonIsCostedInItsOwnModeInTheOrderAsked) {
    const ClimateTables tables = LoadClimateTables(testing::WriteExampleClimate());
    const std::vector<CompareRow> listed = CompareCities(FormInputs{}, tables, CompareOrder::kList);
    ASSERT_EQ(listed.size(), static_cast<std::size_t>(kCityCount));
    for (int city = 1; city <= kCityCount; ++city) {
        EXPECT_EQ(listed[city - 1].city, city);
        EXPECT_EQ(listed[city - 1].name, CityName(city));
        EXPECT_EQ(listed[city - 1].design.degree_days, 1700 + city);
    }
    // City 7 holds the worked examples' hours once and city 1 twice. Heating at the form's
    // thermostat hours 8, 8, 8 has 11150 degree-hours in bin 30/34: 170.82 dollars at the
    // electric rate, where the worked example (8, 8, 4) costs 121.
    EXPECT_EQ(listed[6].cooling_cost, 20);
    EXPECT_EQ(listed[6].heating_cost, 170);
    EXPECT_EQ(listed[0].cooling_cost, 41);
    EXPECT_EQ(listed[0].heating_cost, 341);

    // Each order puts the larger cost or the name first, and the list order between equals.
    const auto key = [](CompareOrder order, const CompareRow& row) {
        return order == CompareOrder::kCooling   ? std::to_string(999999 - row.cooling_cost)
               : order == CompareOrder::kHeating ? std::to_string(999999 - row.heating_cost)
               : order == CompareOrder::kName    ? Lower(row.name)
                                                 : std::string();
    };
    for (const CompareOrder order :
         {CompareOrder::kCooling, CompareOrder::kHeating, CompareOrder::kName}) {
        std::vector<CompareRow> expected = listed;
        std::ranges::stable_sort(expected, [&](const CompareRow& a, const CompareRow& b) {
            return key(order, a) < key(order, b);
        });
        const std::vector<CompareRow> rows = CompareCities(FormInputs{}, tables, order);
        ASSERT_EQ(rows.size(), expected.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].city, expected[i].city) << "order " << static_cast<int>(order);
        }
    }
}

TEST(cli_Compare, CommandLineAndCsv) {
    const std::string folder = testing::WriteExampleClimate().string();
    const CliRun run = testing::RunCommand(
        {"compare", "--data-dir", folder, "--sort", "cooling", "--csv", "--fuel", "oil"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 1u + kCityCount);
    EXPECT_EQ(lines[0],
              "city_index,city_name,winter_design,degree_days,summer_design,cooling_cost,"
              "heating_cost");
    // Cities with seven times the hours (k % 7 == 6) come first, in list order: 6, 13, ...
    // Their cooling costs 7 × 20.92 dollars.
    EXPECT_TRUE(lines[1].starts_with("6,\"mitchell field, AK\",28,1706,97,146,")) << lines[1];

    const CliRun by_name = testing::RunCommand({"compare", "--data-dir", folder, "--sort", "name"});
    ASSERT_EQ(by_name.status, kExitSuccess) << by_name.err;
    // The table's columns: the city in 34 characters, then the design data in 8 each.
    const std::size_t first_springfield =
        by_name.out.find(" 67 springfield" + std::string(19, ' ') + "      28    1767      97");
    ASSERT_NE(first_springfield, std::string::npos) << by_name.out;
    EXPECT_LT(first_springfield, by_name.out.find("110 springfield"));
    EXPECT_NE(by_name.out.find("mode Cooling"), std::string::npos);
}

TEST(cli_Compare, RefusesWhatDoesNotApply) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"compare", "--city", "1"}, "--city: compare covers all 211 cities"},
        {{"compare", "--mode", "heating"}, "--mode: compare works out the cooling cost in mode"},
        {{"compare", "--fuel", "all"}, "--fuel: 'all' is not one of"},
        {{"compare", "--sort", "price"}, "--sort: 'price' is not one of list, cooling, heating"},
        {{"compare", "--rate", "0.05"}, "--rate: '0.05' is outside"},
    };
    for (const auto& [args, message] : cases) {
        const CliRun run = testing::RunCommand(args);
        EXPECT_EQ(run.status, kExitUsageError);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace heatwise::cli
