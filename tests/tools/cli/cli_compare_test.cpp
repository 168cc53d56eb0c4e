// heatwise-cli compare: every city in one run, each season in its own mode, in the order asked.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <set>
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
using testing::RunCommand;

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower;
}

TEST(cli_Compare, EachSeasonIsCostedInItsOwnMode) {
    const fs::path folder = testing::WriteExampleClimate();
    const std::vector<CompareRow> rows =
        CompareCities(FormInputs{}, LoadClimateTables(folder), CompareOrder::kList);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(kCityCount));
    for (int city = 1; city <= kCityCount; ++city) {
        const CompareRow& row = rows[static_cast<std::size_t>(city - 1)];
        EXPECT_EQ(row.city, city);
        EXPECT_EQ(row.name, CityName(city));
        EXPECT_EQ(row.design.degree_days, 1700 + city);
    }
    // City 7 holds the worked examples' hours once and city 1 twice. Heating at the form's
    // thermostat hours 8, 8, 8 has 11150 degree-hours in bin 30/34: 170.82 dollars at the
    // electric rate, where the worked example (8, 8, 4) costs 121.
    EXPECT_EQ(rows[6].cooling_cost, 20);
    EXPECT_EQ(rows[6].heating_cost, 170);
    EXPECT_EQ(rows[0].cooling_cost, 41);
    EXPECT_EQ(rows[0].heating_cost, 341);
}

TEST(cli_Compare, SortOrders) {
    const fs::path folder = testing::WriteExampleClimate();
    const ClimateTables tables = LoadClimateTables(folder);
    for (const CompareOrder order : {CompareOrder::kList, CompareOrder::kCooling,
                                     CompareOrder::kHeating, CompareOrder::kName}) {
        SCOPED_TRACE(static_cast<int>(order));
        const std::vector<CompareRow> rows = CompareCities(FormInputs{}, tables, order);
        std::set<int> cities;
        for (const CompareRow& row : rows) {
            cities.insert(row.city);
        }
        EXPECT_EQ(cities.size(), static_cast<std::size_t>(kCityCount));
        for (std::size_t i = 1; i < rows.size(); ++i) {
            const CompareRow& a = rows[i - 1];
            const CompareRow& b = rows[i];
            switch (order) {
                case CompareOrder::kList:
                    EXPECT_LT(a.city, b.city);
                    break;
                case CompareOrder::kCooling:
                    EXPECT_TRUE(a.cooling_cost > b.cooling_cost ||
                                (a.cooling_cost == b.cooling_cost && a.city < b.city))
                        << a.city << " before " << b.city;
                    break;
                case CompareOrder::kHeating:
                    EXPECT_TRUE(a.heating_cost > b.heating_cost ||
                                (a.heating_cost == b.heating_cost && a.city < b.city))
                        << a.city << " before " << b.city;
                    break;
                case CompareOrder::kName:
                    EXPECT_TRUE(Lower(a.name) < Lower(b.name) ||
                                (Lower(a.name) == Lower(b.name) && a.city < b.city))
                        << a.name << " before " << b.name;
                    break;
            }
        }
    }
}

TEST(cli_Compare, CommandLineAndCsv) {
    const fs::path folder = testing::WriteExampleClimate();
    const CliRun run = RunCommand(
        {"compare", "--data-dir", folder.string(), "--sort", "cooling", "--csv", "--fuel", "oil"});
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const std::vector<std::string> lines = testing::Lines(run.out);
    ASSERT_EQ(lines.size(), 1u + kCityCount);
    EXPECT_EQ(lines[0],
              "city_index,city_name,winter_design,degree_days,summer_design,cooling_cost,"
              "heating_cost");
    // Cities with seven times the hours (k % 7 == 6) come first, in list order: 6, 13, ...
    const std::vector<std::string> first = testing::CsvFields(lines[1]);
    ASSERT_EQ(first.size(), 7u);
    EXPECT_EQ(first[0], "6");
    EXPECT_EQ(first[1], "mitchell field, AK");
    EXPECT_EQ(first[5], "146");  // 7 × 20.92 dollars.

    const CliRun by_name = RunCommand({"compare", "--data-dir", folder.string(), "--sort", "name"});
    ASSERT_EQ(by_name.status, kExitSuccess) << by_name.err;
    const std::size_t first_springfield = by_name.out.find(" 67 springfield");
    const std::size_t second_springfield = by_name.out.find("110 springfield");
    ASSERT_NE(first_springfield, std::string::npos) << by_name.out;
    EXPECT_LT(first_springfield, second_springfield);
    EXPECT_NE(by_name.out.find("mode Cooling"), std::string::npos);
}

TEST(cli_Compare, RefusesWhatDoesNotApply) {
    struct Case {
        std::vector<std::string> args;
        std::string message;
    };
    const Case cases[] = {
        {{"compare", "--city", "1"}, "--city: compare covers all 211 cities"},
        {{"compare", "--mode", "heating"}, "--mode: compare works out the cooling cost in mode"},
        {{"compare", "--fuel", "all"}, "--fuel: 'all' is not one of"},
        {{"compare", "--sort", "price"}, "--sort: 'price' is not one of list, cooling, heating"},
        {{"compare", "--rate", "0.05"}, "--rate: '0.05' is outside"},
    };
    for (const Case& c : cases) {
        const CliRun run = RunCommand(c.args);
        EXPECT_EQ(run.status, kExitUsageError);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

}  // namespace
}  // namespace heatwise::cli
