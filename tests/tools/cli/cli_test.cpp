// heatwise-cli: its command lines with their exit statuses and refusals, the worked examples
// through its options, and the table, JSON and CSV forms of its reports. The climate files it
// reads are written into a scratch folder under the test's temporary folder.
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "city_list.h"
#include "cli.h"
#include "climate_data.h"
#include "compare_report.h"
#include "form_inputs.h"
#include "value_parsing.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs heatwise-cli in-process on arguments separated by single blanks.
CliRun Cli(const std::string& command_line) {
    std::vector<std::string> args;
    for (std::size_t start = 0, end = 0; end != std::string::npos && !command_line.empty();
         start = end + 1) {
        end = command_line.find(' ', start);
        args.push_back(command_line.substr(start, end - start));
    }
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(views, out, err);
    return {status, out.str(), err.str()};
}

// The scratch folders of this run of the tests, under the test's temporary folder; they go
// when the tests end.
fs::path ScratchRoot() {
    return fs::path(::testing::TempDir()) / ("heatwise-cli-" + std::to_string(getpid()));
}
struct RemoveScratch : ::testing::Environment {
    void TearDown() override { fs::remove_all(ScratchRoot()); }
};
[[maybe_unused]] ::testing::Environment* const kRemoveScratch =
    ::testing::AddGlobalTestEnvironment(new RemoveScratch);

// A fresh folder of the running test.
fs::path Scratch() {
    const fs::path folder =
        ScratchRoot() / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

// Climate files in which city k has m = k % 7 + 1 times the hours of both worked examples (the
// cooling one in bins 90/94 and 85/89, the heating one in bin 30/34) and the design record
// 28, 1700 + k, 97. City 1 (m = 2) and city 7 (m = 1) therefore differ, and city 7 costs
// exactly the worked examples.
std::string ExampleClimate() {
    const fs::path folder = Scratch();
    std::ofstream bins(folder / kBinFileName);
    std::ofstream design(folder / kDesignFileName);
    for (int city = 1; city <= kCityCount; ++city) {
        CityBinHours hours{};
        const int m = city % 7 + 1;
        hours[BinValueIndex(2, 3)] = 100 * m;
        hours[BinValueIndex(3, 3)] = 20 * m;
        hours[BinValueIndex(2, 4)] = 200 * m;
        hours[BinValueIndex(3, 4)] = 80 * m;
        hours[BinValueIndex(1, 15)] = 100 * m;
        hours[BinValueIndex(2, 15)] = 50 * m;
        hours[BinValueIndex(3, 15)] = 150 * m;
        for (std::size_t k = 0; k < hours.size(); ++k) {
            bins << (k == 0 ? "" : " ") << hours[k];
        }
        bins << "\n";
        design << "28 " << 1700 + city << " 97\n";
    }
    return folder.string();
}

// The raw text of the top-level member `key` of the estimator's JSON object, which writes each
// member on a line of its own; "(absent)" when there is none.
std::string JsonMember(const std::string& json, const std::string& key) {
    std::istringstream lines(json);
    const std::string start = "  \"" + key + "\": ";
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with(start)) {
            return line.substr(start.size(), line.size() - start.size() - line.ends_with(","));
        }
    }
    return "(absent)";
}

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::ranges::count(text, '\n'));
}

// Help goes to the output; a refusal goes to the error output and prints nothing else. An
// estimate or compare gets the example climate unless the row names a folder itself.
TEST(cli_CommandLine, StatusAndMessageOfEachCommandLine) {
    const std::string data = ExampleClimate();
    std::ofstream(data + "/short.csv") << "722540,\"AUSTIN\",TX,-6.0,30.290,-97.740,213\n"
                                       << "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb (C)\n"
                                       << "01/01/1988,01:00,5.0\n";
    const std::pair<std::string, std::string> refusals[] = {
        {"estimate --rate 0.05",
         "--rate: '0.05' is outside the accepted range above 0.05 and below 0.35 "
         "(single-precision limits 0.0500000007 and 0.349999994)\n"},
        {"estimate --rate 0.35", "--rate: '0.35' is outside"},
        {"estimate --fuel-price 10.000001",
         "--fuel-price: '10.000001' is outside the accepted range 0 to 10\n"},
        {"estimate --fuel-price -0.01", "--fuel-price: '-0.01' is outside"},
        {"estimate --eer 3.99", "--eer: '3.99' is outside the accepted range 4 to 15\n"},
        {"estimate --eer 1e999", "--eer: '1e999' is outside"},
        {"estimate --rate abc", "--rate: 'abc' is not a number"},
        {"estimate --rate 0.06x", "--rate: '0.06x' is not a number"},
        {"estimate --rate nan", "--rate: 'nan' is not a number"},
        {"estimate --eer inf", "--eer: 'inf' is not a number"},
        {"estimate --rate ", "--rate: '' is not a number"},
        {"estimate --hours 8,9,8", "--hours (shift 2): '9' is outside the accepted range 0 to 8"},
        {"estimate --hours 8,8", "--hours: '8,8' is not three whole numbers"},
        {"estimate --hours 8,8,8,8", "--hours: '8,8,8,8' is not three whole numbers"},
        {"estimate --hours 8,,8", "--hours (shift 2): '' is not a whole number"},
        {"estimate --hours 8,7.5,8", "--hours (shift 2): '7.5' is not a whole number"},
        {"estimate --summer 64,85,78",
         "--summer (shift 1): '64' is outside the accepted range 65 to 94"},
        {"estimate --winter 65,60,85",
         "--winter (shift 3): '85' is outside the accepted range 40 to 84"},
        {"estimate --cool-capacity 240001",
         "--cool-capacity: '240001' is outside the accepted range 0 to 240000"},
        {"estimate --heat-capacity -1", "--heat-capacity: '-1' is outside"},
        {"estimate --heat-capacity 99999999999999999999999",
         "is outside the accepted range 0 to 240000"},
        {"estimate --heat-eff 49", "--heat-eff: '49' is outside the accepted range 50 to 250"},
        {"estimate --heat-eff 85.0", "--heat-eff: '85.0' is not a whole number"},
        {"estimate --city 0", "--city: '0' is outside the accepted range 1 to 211"},
        {"estimate --city 212", "--city: '212' is outside"},
        {"estimate --city springfield",
         "--city: 'springfield' names several cities: 67 (springfield), 110 (springfield)"},
        {"estimate --city atlantis", "--city: 'atlantis' is not in the city list"},
        {"estimate --mode cold", "--mode: 'cold' is not one of cooling, heating"},
        {"estimate --fuel coal", "--fuel: 'coal' is not one of electricity, oil, propane, gas"},
        {"estimate --colour red", "unknown option '--colour'"},
        {"estimate --sort name", "unknown option '--sort'"},
        {"estimate --rate", "--rate needs a value"},
        {"estimate --json=yes", "--json takes no value"},
        {"estimate --json --csv", "--json and --csv cannot be combined"},
        {"estimate austin", "unexpected argument 'austin'"},
        // A refused command line touches no climate file.
        {"estimate --data-dir nowhere --rate 0.05", "heatwise-cli estimate: --rate: '0.05'"},
        {"compare --city 1", "--city: compare covers all 211 cities"},
        {"compare --mode heating", "--mode: compare works out the cooling cost in mode"},
        {"compare --fuel all", "--fuel: 'all' is not one of"},
        {"compare --sort price", "--sort: 'price' is not one of list, cooling, heating"},
        {"compare --rate 0.05", "--rate: '0.05' is outside"},
        {"", "Usage: heatwise-cli COMMAND"},
        {"estimat", "unknown command 'estimat'"},
        {"bins", "bins needs the weather file to read"},
        {"bins a.csv b.csv", "bins takes one weather file"},
        {"bins --eer 5", "unknown option '--eer'"},
    };
    const std::tuple<std::string, int, std::string> others[] = {
        // The accepted command lines stand at the edges of the form's ranges.
        {"estimate --rate 0.06", kExitSuccess, "$"},
        {"estimate --rate=0.34", kExitSuccess, "$"},
        {"estimate --rate 0.0500000008", kExitSuccess, "$"},
        {"estimate --fuel-price 0", kExitSuccess, "$"},
        {"estimate --fuel-price 10.0", kExitSuccess, "$"},
        {"estimate --eer 4", kExitSuccess, "$"},
        {"estimate --eer 15 --hours 0,4,8 --summer 65,94,80 --winter 40,84,60", kExitSuccess, "$"},
        {"estimate --cool-capacity 240000 --heat-eff 50", kExitSuccess, "$"},
        {"estimate --heat-eff 250 --city 211", kExitSuccess, "City 211"},
        {"estimate --city AUSTIN", kExitSuccess, "City 1: austin, TX"},
        {"estimate --mode Heating --fuel gas", kExitSuccess, "heating fuel Natural Gas"},
        {"--help", kExitSuccess, "Usage: heatwise-cli COMMAND"},
        {"estimate --help", kExitSuccess, "--rate R"},
        {"estimate --rate 0.05 --help", kExitSuccess, "Usage: heatwise-cli estimate"},
        {"compare --help", kExitSuccess, "cooling cost is\nworked out in mode Cooling"},
        {"bins --help", kExitSuccess, "Usage: heatwise-cli bins FILE"},
        {"bins absent.csv", kExitDataError, "absent.csv: cannot be opened"},
        {"bins " + data + "/short.csv", kExitDataError, "short.csv: line 3: the file ends"},
    };
    std::vector<std::tuple<std::string, int, std::string>> cases(std::begin(others),
                                                                 std::end(others));
    for (const auto& [line, message] : refusals) {
        cases.emplace_back(line, kExitUsageError, message);
    }
    for (auto [line, status, text] : cases) {
        const bool reads_data = line.starts_with("estimate") || line.starts_with("compare");
        if (reads_data && line.find("--data-dir") == std::string::npos) {
            line.insert(line.find(' ') == std::string::npos ? line.size() : line.find(' '),
                        " --data-dir " + data);
        }
        const CliRun run = Cli(line);
        EXPECT_EQ(run.status, status) << line << ": " << run.err;
        EXPECT_NE((status == kExitSuccess ? run.out : run.err).find(text), std::string::npos)
            << line << ": " << run.out << run.err;
        EXPECT_EQ(status == kExitSuccess ? run.err : run.out, "") << line;
    }
}

TEST(cli_Estimate, JsonHoldsExactlyTheResultKeys) {
    const CliRun run = Cli("estimate --data-dir " + ExampleClimate() + " --city 7 --json");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    std::string keys;
    std::smatch key;
    for (auto it = run.out.cbegin();
         std::regex_search(it, run.out.cend(), key, std::regex("\n  \"(\\w+)\":"));
         it = key.suffix().first) {
        keys += key[1].str() + " ";
    }
    EXPECT_EQ(keys,
              "city mode fuel scaled_hours percent_calcd degree_days summer_design winter_design "
              "cooling_cost heating_cost ");
    // Shift by shift, the hours of bins 90/94 and 85/89 (cooling) and 30/34 (heating).
    const std::pair<const char*, std::string> members[] = {
        {"city", "{\"index\": 7, \"name\": \"barrow\"}"},
        {"mode", "\"cooling\""},
        {"fuel", "\"electricity\""},
        {"scaled_hours",
         "[0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 100, 0, 0, 0, 0, 0, 0, 0, 0, 100, 200, 0, 0, "
         "0, 0, 0, 0, 0, 0, 0, 0, 50, 0, 0, 0, 0, 0, 0, 0, 0, 20, 80, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
         "0, 150, 0, 0, 0, 0, 0, 0]"},
        {"percent_calcd", "[0, 0, 57, 42, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0]"},
        {"degree_days", "1707"},
        {"summer_design", "97"},
        {"winter_design", "28"},
        {"cooling_cost", "20"},
        {"heating_cost", "0"},
    };
    for (const auto& [name, value] : members) {
        EXPECT_EQ(JsonMember(run.out, name), value) << name;
    }
}

TEST(cli_Estimate, WorkedExamplesThroughTheOptions) {
    // City 1 has twice the hours of the worked examples, city 110 (the second springfield) its
    // own design record; the rest are city 7 with exactly the worked examples' hours.
    const std::string heating = "--mode heating --hours 8,8,4 --winter 65,60,75";
    const std::tuple<std::string, const char*, const char*> cases[] = {
        {"--city 1", "cooling_cost", "41"},
        {"--city 110", "city", "{\"index\": 110, \"name\": \"springfield\"}"},
        {"--city 110", "degree_days", "1810"},
        {heating + " --fuel oil --fuel-price 4.0", "heating_cost", "142"},
        {heating + " --fuel propane", "heating_cost", "216"},
        {heating, "heating_cost", "121"},
        {heating, "cooling_cost", "0"},
        {"--rate 0.16", "cooling_cost", "41"},
        {"--eer 13", "cooling_cost", "10"},  // A doubled EER halves the cost.
        {heating + " --fuel all", "heating_cost", "null"},
        {heating + " --fuel all", "heating_cost_by_fuel",
         "{\"electricity\": 121, \"oil\": 142, \"propane\": 216, \"gas\": 20115}"},
    };
    const std::string data = ExampleClimate();
    for (const auto& [options, key, value] : cases) {
        const std::string city = options.find("--city") == std::string::npos ? " --city 7" : "";
        const CliRun run = Cli("estimate --data-dir " + data + " " + options + city + " --json");
        ASSERT_EQ(run.status, kExitSuccess) << options << ": " << run.err;
        EXPECT_EQ(JsonMember(run.out, key), value) << options;
    }
}

TEST(cli_Estimate, CsvAndTableForms) {
    const std::string data = ExampleClimate();
    const std::vector<std::string> csv = [&] {
        std::istringstream text(Cli("estimate --data-dir " + data + " --csv").out);
        std::vector<std::string> lines;
        for (std::string line; std::getline(text, line);) {
            lines.push_back(line);
        }
        return lines;
    }();
    ASSERT_EQ(csv.size(), 2u);
    EXPECT_TRUE(csv[0].starts_with("city_index,city_name,mode,fuel,scaled_hours_1,")) << csv[0];
    EXPECT_NE(csv[0].find(",scaled_hours_63,percent_calcd_1,"), std::string::npos) << csv[0];
    EXPECT_TRUE(csv[0].ends_with(",heating_cost")) << csv[0];
    EXPECT_TRUE(csv[1].starts_with("1,\"austin, TX\",cooling,electricity,")) << csv[1];
    EXPECT_TRUE(csv[1].ends_with(",97,28,41,0")) << csv[1];
    EXPECT_EQ(std::ranges::count(csv[0], ','), 4 + 63 + 21 + 5 - 1);
    EXPECT_EQ(std::ranges::count(csv[1], ','), 4 + 63 + 21 + 5);  // One in the city's name.
    const std::string heating = " --mode heating --hours 8,8,4 --winter 65,60,75 --city 7";
    const CliRun all = Cli("estimate --data-dir " + data + heating + " --fuel all --csv");
    EXPECT_NE(all.out.find(",heating_cost,heating_cost_electricity,heating_cost_oil,"
                           "heating_cost_propane,heating_cost_gas\n"),
              std::string::npos)
        << all.out;
    EXPECT_TRUE(all.out.ends_with(",,121,142,216,20115\n")) << all.out;

    const CliRun table = Cli("estimate --data-dir " + data + " --city austin");
    for (const char* text :
         {"City 1: austin, TX", "% calc'd", "100/104", "90/94", "0/4", "Heating Degree Days",
          "1701", "Summer Design Temp.", "Winter Design Temp.", "$41"}) {
        EXPECT_NE(table.out.find(text), std::string::npos) << text << "\n" << table.out;
    }
    EXPECT_EQ(LineCount(table.out), 5u + 1u + 1u + 21u + 1u + 3u + 1u + 3u);
    const CliRun propane = Cli("estimate --data-dir " + data + heating + " --fuel all");
    EXPECT_NE(propane.out.find("Heating, Propane"), std::string::npos) << propane.out;
    EXPECT_NE(propane.out.find("$216"), std::string::npos) << propane.out;
}

// The messages for faults inside the data files are checked on the reader, in
// tests/app/climate_data_test.cpp; the command reports every one the same way.
TEST(cli_Estimate, DataFileFaultsStopWithTheirMessage) {
    const fs::path folder = ExampleClimate();
    fs::remove(folder / "cities.dat");
    const CliRun run = Cli("estimate --data-dir " + folder.string());
    EXPECT_EQ(run.status, kExitDataError);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "heatwise-cli: " + (folder / "cities.dat").string() +
                           ": line 1: end of file before the 3 values of city 1\n");
}

TEST(cli_Compare, EachSeasonIsCostedInItsOwnModeInTheOrderAsked) {
    const ClimateTables tables = LoadClimateTables(ExampleClimate());
    const std::vector<CompareRow> listed = CompareCities(FormInputs{}, tables, CompareOrder::kList);
    ASSERT_EQ(listed.size(), static_cast<std::size_t>(kCityCount));
    EXPECT_EQ(listed[210].city, 211);
    EXPECT_EQ(listed[210].name, CityName(211));
    EXPECT_EQ(listed[210].design.degree_days, 1911);
    // City 7 holds the worked examples' hours once and city 1 twice. Heating at the form's
    // thermostat hours 8, 8, 8 has 11150 degree-hours in bin 30/34: 170.82 dollars at the
    // electric rate, where the worked example (8, 8, 4) costs 121.
    EXPECT_EQ(listed[6].cooling_cost, 20);
    EXPECT_EQ(listed[6].heating_cost, 170);
    EXPECT_EQ(listed[0].cooling_cost, 41);
    EXPECT_EQ(listed[0].heating_cost, 341);

    // Each order puts the larger cost or the name first, and the list order between equals.
    const auto key = [](CompareOrder order, const CompareRow& row) {
        std::string name(row.name);
        std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::tolower(c); });
        return order == CompareOrder::kCooling   ? std::to_string(999999 - row.cooling_cost)
               : order == CompareOrder::kHeating ? std::to_string(999999 - row.heating_cost)
                                                 : name;
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

TEST(cli_Compare, CsvAndTableForms) {
    const std::string data = ExampleClimate();
    const CliRun run = Cli("compare --data-dir " + data + " --sort cooling --csv --fuel oil");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    EXPECT_EQ(LineCount(run.out), 1u + kCityCount);
    // Cities with seven times the hours (k % 7 == 6) come first, in list order: 6, 13, ...
    // Their cooling costs 7 × 20.92 dollars.
    EXPECT_TRUE(
        run.out.starts_with("city_index,city_name,winter_design,degree_days,"
                            "summer_design,cooling_cost,heating_cost\n"
                            "6,\"mitchell field, AK\",28,1706,97,146,"))
        << run.out;

    const CliRun by_name = Cli("compare --data-dir " + data + " --sort name");
    ASSERT_EQ(by_name.status, kExitSuccess) << by_name.err;
    // The table's columns: the city in 34 characters, then the design data in 8 each.
    const std::size_t first_springfield =
        by_name.out.find(" 67 springfield" + std::string(19, ' ') + "      28    1767      97");
    ASSERT_NE(first_springfield, std::string::npos) << by_name.out;
    EXPECT_LT(first_springfield, by_name.out.find("110 springfield"));
    EXPECT_NE(by_name.out.find("mode Cooling"), std::string::npos);
}

TEST(cli_Bins, GivesTheCommittedRecordsOfTheFirstCity) {
    // City 1, austin, TX, stands for the station whose hourly weather is tmy3/722540.csv.
    const fs::path weather = fs::path(HEATWISE_CLIMATE_DIR) / "tmy3" / "722540.csv";
    const fs::path data = fs::path(HEATWISE_SOURCE_DIR) / "data";
    if (!fs::exists(weather)) {
        GTEST_SKIP() << "no hourly weather";
    }
    const CliRun run = Cli("bins " + weather.string());
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
