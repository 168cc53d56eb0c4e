// heatwise-cli: its command lines with their exit statuses and refusals, the worked examples
// through its options, and the table, JSON and CSV forms of its reports. The climate files it
// reads are written into a scratch folder under the test's temporary folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"
#include "engine/climate_data.h"
#include "station_positions.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

// Climate files in which city k has m = k % 7 + 1 times the hours of both worked examples (the
// cooling one in bins 90/94 and 85/89, the heating one in bin 30/34) and the design record
// 28, 1700 + k, 97. City 1 (m = 2) and city 7 (m = 1) therefore differ, and city 7 costs
// exactly the worked examples.
std::string ExampleClimate() {
    const fs::path folder = ScratchFolder("example");
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

// The hours of city 7 shift by shift: bins 90/94 and 85/89 for cooling, 30/34 for heating.
const std::string kHours =
    "0,0,0,0,0,0,0,0,0,0,0,0,0,0,100,0,0,0,0,0,0,0,0,100,200,0,0,0,0,0,0,0,0,0,0,50,0,0,0,0,0,0,"
    "0,0,20,80,0,0,0,0,0,0,0,0,0,0,150,0,0,0,0,0,0";

// Refused command lines with their messages, each naming the option, the value and what the
// option accepts.
const std::pair<const char*, const char*> kRefusals[] = {
    // The whole message of a value outside its range is checked on the program, in
    // cli_Program.StatusAndMessagesOfTheRealProgram.
    {"estimate --fuel-price 10.000001",
     "--fuel-price: '10.000001' is outside the accepted range 0 to 10\n"},
    {"estimate --eer 1e999", "--eer: '1e999' is outside"},
    {"estimate --rate 0.06x", "--rate: '0.06x' is not a number"},
    {"estimate --rate nan", "--rate: 'nan' is not a number"},
    {"estimate --hours 8,9,8", "--hours (shift 2): '9' is outside the accepted range 0 to 8"},
    {"estimate --hours 8,8", "--hours: '8,8' is not three whole numbers"},
    {"estimate --hours 8,7.5,8", "--hours (shift 2): '7.5' is not a whole number"},
    {"estimate --summer 64,85,78",
     "--summer (shift 1): '64' is outside the accepted range 65 to 94"},
    {"estimate --winter 65,60,85",
     "--winter (shift 3): '85' is outside the accepted range 40 to 84"},
    {"estimate --cool-capacity 240001",
     "--cool-capacity: '240001' is outside the accepted range 0 to 240000"},
    {"estimate --heat-capacity -1", "--heat-capacity: '-1' is outside"},
    {"estimate --heat-eff 85.0", "--heat-eff: '85.0' is not a whole number"},
    {"estimate --city 0", "--city: '0' is outside the accepted range 1 to 211"},
    {"estimate --city springfield",
     "--city: 'springfield' names several cities: 67 (springfield), 110 (springfield)"},
    {"estimate --city atlantis", "--city: 'atlantis' is not in the city list"},
    {"estimate --fuel coal", "--fuel: 'coal' is not one of electricity, oil, propane, gas"},
    {"estimate --sort name", "unknown option '--sort'"},
    {"estimate --rate", "--rate needs a value"},
    // A value that begins with a dash is a forgotten value, and the option after it is not
    // taken for it; only a number may begin with a minus sign, the reader checking its range.
    {"estimate --svg --json",
     "--svg needs a value: '--json' looks like an option, not a value (a file whose name begins "
     "with a dash is named ./--json)\n"},
    {"estimate --city --json",
     "estimate: --city needs a value: '--json' looks like an option, not a value\n"},
    {"estimate --city=--json", "estimate: --city: '--json' looks like an option, not a value\n"},
    {"estimate --data-dir -d", "--data-dir needs a value: '-d' looks like an option"},
    {"estimate --rate -x", "--rate needs a value: '-x' looks like an option"},
    {"estimate --hours -1,8,8", "--hours (shift 1): '-1' is outside the accepted range 0 to 8"},
    {"estimate --rate -.5", "--rate: '-.5' is outside the accepted range"},
    {"sweep --vary --csv", "--vary needs a value: '--csv' looks like an option"},
    {"estimate -x", "unknown option '-x'"},
    {"estimate --json=yes", "--json takes no value"},
    {"estimate --json --csv", "--json and --csv cannot be combined"},
    {"estimate austin", "unexpected argument 'austin'"},
    // A refused command line touches no climate file.
    {"estimate --data-dir nowhere --rate 0.05", "heatwise-cli estimate: --rate: '0.05'"},
    {"compare --city 1", "--city: compare covers all 211 cities"},
    {"compare --mode heating", "--mode: compare works out the cooling cost in mode"},
    {"compare --fuel all", "--fuel: 'all' is not one of"},
    {"compare --sort price", "--sort: 'price' is not one of list, cooling, heating"},
    {"sweep", "sweep needs --vary NAME=FROM:TO:STEP"},
    {"sweep --vary winter=72:62", "--vary: 'winter=72:62' is not NAME=FROM:TO:STEP"},
    {"sweep --vary foo=1:2:1",
     "heatwise-cli sweep: --vary: 'foo=1:2:1': 'foo' is not an input that can vary; the inputs "
     "are cool-capacity, heat-capacity, heat-eff, rate, fuel-price, eer, hours, summer, winter, "
     "or one shift's hours1 to hours3, summer1 to summer3, winter1 to winter3\n"
     "Run 'heatwise-cli sweep --help' for the options.\n"},
    {"sweep --vary winter4=70:72:1", "'winter4' is not an input that can vary"},
    {"sweep --vary winter=72:x:1", "'x' is not a number"},
    {"sweep --vary winter=72:62:0", "a step of 0 never reaches 62"},
    {"sweep --vary winter=72:62:1", "a step of 1 from 72 moves away from 62"},
    {"sweep --vary winter=60:70:3", "steps of 3 from 60 pass 70 without landing on it"},
    {"sweep --vary eer=4:15:0.001", "more than 10000 steps"},
    // Steps finer than the calculation holds are refused, never cut to repeated rows that miss
    // TO. Near 0.3 single-precision values lie 2^-25 (about 3e-8) apart, and 0.300000001 rounds
    // to the same one as 0.3, 0.300000011920929.
    {"sweep --vary rate=0.06:0.06000000001:0.00000000001",
     "'0.06000000001' has 11 decimals; a sweep steps by at most 9"},
    {"sweep --vary rate=0.3:0.300000002:0.000000001",
     "the steps 0.300000000 and 0.300000001 are the same value, 0.300000012, in the single "
     "precision the calculation holds rate in; give a larger step\n"},
    {"sweep --vary rate=0.1:1e10:1", "'1e10' is larger than any input takes"},
    // Nine digits before the point and nine after it are numbers a sweep reads.
    {"sweep --vary rate=0.1:1000000000:1", "'1000000000' is larger than any input takes"},
    {"sweep --vary rate=0.1:999999999:1", "more than 10000 steps"},
    {"sweep --vary rate=0.1:0.000000001:1", "a step of 1 from 0.1 moves away from 0.000000001"},
    // Each step is refused as estimate refuses the same value of the same input.
    {"sweep --vary rate=0.05:0.1:0.01",
     "sweep: --rate: '0.05' is outside the accepted range above 0.05 and below 0.35"},
    {"sweep --vary fuel-price=3:-3:-3",
     "sweep: --fuel-price: '-3' is outside the accepted range 0 to 10"},
    {"sweep --vary winter1=86:80:-2",
     "--winter (shift 1): '86' is outside the accepted range 40 to 84"},
    {"sweep --vary winter=72:62:-0.5", "--winter: '71.5' is not a whole number"},
    {"sweep --vary winter=72:62:-1 --mode heating", "--mode: sweep works out the cooling cost"},
    {"", "Usage: heatwise-cli COMMAND"},
    {"estimat", "unknown command 'estimat'"},
    {"bins", "bins needs the weather file to read"},
    {"bins a.csv b.csv", "bins takes one weather file"},
    {"bins a.csv --json --records", "--json and --records cannot be combined"},
    {"bins a.csv --csv", "unknown option '--csv'"},
};

// Help goes to the output; a refusal goes to the error output and prints nothing else. An
// estimate or compare gets the example climate unless the row names a folder itself.
TEST(cli_CommandLine, StatusAndOutputOfEachCommandLine) {
    const std::string data = ExampleClimate();
    // City 7 costs exactly the worked examples, city 1 twice their hours, city 110 (the second
    // springfield) has its own design record. The compare command costs heating at the form's
    // thermostat hours 8, 8, 8: 11150 degree-hours in bin 30/34 are 170.82 dollars a time.
    const std::string heating = "estimate --city 7 --mode heating --hours 8,8,4 --winter 65,60,75";
    const int ok = kExitSuccess;
    const std::tuple<std::string, int, std::string> others[] = {
        // Where a range ends is the form's own rule, checked with the form; here each option
        // takes its value to its own field.
        {"estimate --rate=0.34 --fuel-price 10.0 --eer 15 --hours 0,4,8 --summer 65,94,80 --winter "
         "40,84,60 --cool-capacity 240000 --heat-capacity 0 --heat-eff 250 --city 211",
         ok,
         "City 211: sheridan\nCalculate Cooling, heating fuel Electricity\nThermostat hours 0 4 8, "
         "summer 65 94 80, winter 40 84 60 F\nCooling 240000 BTUh at EER 15.00; heating 0 BTUh at "
         "250 %\nElectric rate 0.34 $/kWh; fuel price 10.00 $/unit\n"},
        {"estimate --city AUSTIN", ok,
         "City 1: austin, TX\nCalculate Cooling, heating fuel Electricity\n"},
        {"estimate --mode Heating --fuel gas", ok, "Calculate Heating, heating fuel Natural Gas\n"},
        {"estimate --city 110 --json", ok, "\"degree_days\": 1810,"},
        // Each report gives the costs in the chosen mode, as the form shows them, and each
        // season's cost in its own mode: at thermostat hours 8, 8, 4 the cooling worked example
        // costs 14 dollars (its hours 9-16 count whole, its hours 17-24 half).
        {heating + " --json", ok,
         "\"cooling_cost\": 0,\n  \"heating_cost\": 121,\n  \"cooling_cost_in_mode_cooling\": 14,\n"
         "  \"heating_cost_in_mode_heating\": 121\n}"},
        {heating + " --fuel all --json", ok,
         "\"heating_cost\": null,\n  \"cooling_cost_in_mode_cooling\": 14,\n"
         "  \"heating_cost_in_mode_heating\": null,\n  \"heating_cost_by_fuel\": "
         "{\"electricity\": 121, \"oil\": 142, \"propane\": 216, \"gas\": 20115}\n}\n"},
        {heating + " --fuel all --csv", ok,
         "heating_cost,cooling_cost_in_mode_cooling,heating_cost_in_mode_heating,"
         "heating_cost_electricity,heating_cost_oil,heating_cost_propane,heating_cost_gas\n"},
        {heating + " --fuel all", ok,
         "Cost/Yr. in mode Heating\n  Cooling                    $0  (mode Heating prices no "
         "cooling)\n  Heating, Electricity       $121\n  Heating, Fuel Oil          $142\n"
         "  Heating, Propane           $216\n  Heating, Natural Gas       $20115\n"
         "Cost/Yr. in mode Cooling\n  Cooling                    $14\n"},
        {heating, ok,
         "Cost/Yr. in mode Heating\n  Cooling                    $0  (mode Heating prices no "
         "cooling)\n  Heating                    $121\nCost/Yr. in mode Cooling\n"
         "  Cooling                    $14\n"},
        // In mode Cooling every fuel's heating costs 0, so the fuels are priced in mode Heating.
        {"estimate --city 7 --hours 8,8,4 --fuel all --json", ok,
         "\"cooling_cost\": 14,\n  \"heating_cost\": 0,\n  \"cooling_cost_in_mode_cooling\": 14,\n"
         "  \"heating_cost_in_mode_heating\": null,\n  \"heating_cost_by_fuel\": "
         "{\"electricity\": 121, \"oil\": 142, \"propane\": 216, \"gas\": 20115}\n}\n"},
        {"estimate --city 7 --hours 8,8,4 --fuel all", ok,
         "Cost/Yr. in mode Cooling\n  Cooling                    $14\n  Heating                    "
         "$0  (mode Cooling prices no heating)\nCost/Yr. in mode Heating\n"
         "  Heating, Electricity       $121\n"},
        // The table runs from bin 100/104 right under its heading.
        {"estimate", ok,
         "Temperature     1 - 8    9 - 16   17 - 24  % calc'd\n"
         "    100/104         0         0         0         0\n"},
        {"estimate", ok,
         "      90/94         0       200        40        57\n"
         "      85/89         0       400       160        42\n"},
        {"estimate", ok,
         "        0/4         0         0         0         0\n\n"
         "Heating Degree Days      1701\nSummer Design Temp.        97\nWinter Design Temp.        "
         "28\n\nCost/Yr. in mode Cooling\n  Cooling                    $41\n"
         "  Heating                    $0  (mode Cooling prices no heating)\n"
         "Cost/Yr. in mode Heating\n  Heating                    $341\n"},
        // The inputs stand in columns of their own, the same on every row.
        {"compare --csv", ok,
         "city_index,city_name,winter_design,degree_days,summer_design,cooling_cost,heating_cost,"
         "fuel,electric_rate,fuel_price,eer,heat_efficiency,cool_capacity,heat_capacity,"
         "thermostat_hours_1,thermostat_hours_2,thermostat_hours_3,summer_setpoint_1,"
         "summer_setpoint_2,summer_setpoint_3,winter_setpoint_1,winter_setpoint_2,"
         "winter_setpoint_3\n1,\"austin, TX\",28,1701,97,41,341,electricity,0.08,4.00,6.50,85,"
         "20000,20000,8,8,8,85,85,78,65,60,75\n2,"},
        {"compare --csv --fuel gas --fuel-price 0.012 --rate 0.085 --hours 8,4,0", ok,
         ",gas,0.085,0.012,6.50,85,20000,20000,8,4,0,85,85,78,65,60,75\n"},
        // The table's inputs stand above it, each real value with the decimals it needs.
        {"compare --fuel gas --fuel-price 0.012 --rate 0.085 --heat-capacity 30000", ok,
         "Heating fuel Natural Gas\nThermostat hours 8 8 8, summer 85 85 78, winter 65 60 75 F\n"
         "Cooling 20000 BTUh at EER 6.50; heating 30000 BTUh at 85 %\n"
         "Electric rate 0.085 $/kWh; fuel price 0.012 $/unit\nCooling cost in mode Cooling, "
         "heating cost in mode Heating; design temperatures in F\nCity "},
        // Equal costs keep the list order.
        {"compare --sort heating --csv", ok,
         "\n6,\"mitchell field, AK\",28,1706,97,146,1195,electricity,"},
        {"compare --sort cooling --csv --fuel oil", ok,
         "\n6,\"mitchell field, AK\",28,1706,97,146,"},
        // The table's columns: the city in 34 characters, then the design data and costs.
        {"compare --sort name", ok,
         " 67 springfield                         28    1767      97       104       854\n"
         "110 springfield "},
        // A sweep costs each step as estimate and compare cost it: the heating worked example
        // at thermostat hours 8, 8, 4 and the compare command's 8, 8, 8.
        {"sweep --city 7 --vary hours3=8:4:-4 --csv", ok,
         "hours3,city_index,city_name,fuel,cooling_cost,heating_cost\n"
         "8,7,barrow,electricity,20,170\n4,7,barrow,electricity,14,121\n"},
        {"sweep --city 7 --vary heat-eff=85:85:1 --json", ok,
         "[\n  {\"heat-eff\": 85, \"city\": {\"index\": 7, \"name\": \"barrow\"}, \"fuel\": "
         "\"electricity\", \"cooling_cost\": 20, \"heating_cost\": 170}\n]\n"},
        {"sweep --city 7 --vary=hours3=8:4:-4 --csv", ok, "\n4,7,barrow,electricity,14,121\n"},
        {"sweep --vary winter=65:63:-1 --city 7", ok,
         "  winter   Cooling   Heating\n            $/year    $/year\n      65        20       "
         "151\n"},
        {"--help", ok, "Usage: heatwise-cli COMMAND"},
        {"estimate --rate 0.05 --help", ok, "Usage: heatwise-cli estimate"},
        {"bins --help", ok, "Usage: heatwise-cli bins FILE"},
        // The messages for faults inside the data files are checked on the reader, in
        // tests/engine/climate_data_test.cpp; the command reports every one the same way.
        // A missing climate file is refused, not created empty as the program does.
        {"estimate --data-dir .", kExitDataError,
         "heatwise-cli: ./bindata2.dat: cannot be opened for reading: No such file or "
         "directory\nheatwise-cli: the climate files and stations.csv are read from ., the "
         "folder that --data-dir names\n"},
        // A weather file is named as it was given, with the reason it cannot be read; each reason
        // is checked on the reader, in WeatherFile.FaultsNameTheFileLineFieldAndValue.
        {"bins absent.csv", kExitDataError,
         "heatwise-cli: absent.csv: cannot be opened for reading: No such file or directory\n"},
        // The map needs the stations' positions beside the climate files.
        {"compare --svg map.svg", kExitDataError,
         "heatwise-cli: " + data +
             "/stations.csv: cannot be opened for reading: No such file or "
             "directory\nheatwise-cli: the climate files and stations.csv are read from " +
             data + ", the folder that --data-dir names\n"},
        // Bytes that cannot be read are shown escaped, and the message goes on after a NUL.
        {"estimate --city \x01\xff\0x"s, kExitUsageError, "--city: '\\x01\\xFF\\x00x' is not in"},
    };
    std::vector<std::tuple<std::string, int, std::string>> cases(std::begin(others),
                                                                 std::end(others));
    for (const auto& [line, message] : kRefusals) {
        cases.emplace_back(line, kExitUsageError, message);
    }
    for (auto [line, status, text] : cases) {
        const bool reads_data = line.starts_with("estimate") || line.starts_with("compare") ||
                                line.starts_with("sweep");
        if (reads_data && line.find("--data-dir") == std::string::npos) {
            line.insert(line.find(' ') == std::string::npos ? line.size() : line.find(' '),
                        " --data-dir " + data);
        }
        const CliRun run = Cli(line);
        EXPECT_EQ(run.status, status) << line << ": " << run.err;
        EXPECT_NE((status == ok ? run.out : run.err).find(text), std::string::npos)
            << line << ": " << run.out << run.err;
        EXPECT_EQ(status == ok ? run.err : run.out, "") << line;
    }
    EXPECT_FALSE(std::filesystem::exists("bindata2.dat")) << "the estimator created a file";
}

// The whole JSON and CSV reports of the cooling worked example, with the heating worked example
// in mode Heating beside it.
TEST(cli_Estimate, JsonAndCsvReports) {
    const std::string data = ExampleClimate();
    std::string json_hours = kHours;
    for (std::size_t at = json_hours.find(','); at != std::string::npos;
         at = json_hours.find(',', at + 2)) {
        json_hours.insert(at + 1, " ");
    }
    EXPECT_EQ(Cli("estimate --data-dir " + data + " --city 7 --json").out,
              "{\n  \"city\": {\"index\": 7, \"name\": \"barrow\"},\n  \"mode\": \"cooling\",\n"
              "  \"fuel\": \"electricity\",\n  \"scaled_hours\": [" +
                  json_hours +
                  "],\n"
                  "  \"percent_calcd\": [0, 0, 57, 42, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
                  "0, 0, 0],\n"
                  "  \"degree_days\": 1707,\n  \"summer_design\": 97,\n  \"winter_design\": 28,\n"
                  "  \"cooling_cost\": 20,\n  \"heating_cost\": 0,\n"
                  "  \"cooling_cost_in_mode_cooling\": 20,\n  \"heating_cost_in_mode_heating\": "
                  "170\n}\n");
    std::string header = "city_index,city_name,mode,fuel";
    for (int i = 1; i <= 63; ++i) {
        header += ",scaled_hours_" + std::to_string(i);
    }
    for (int i = 1; i <= 21; ++i) {
        header += ",percent_calcd_" + std::to_string(i);
    }
    EXPECT_EQ(Cli("estimate --data-dir " + data + " --city 7 --csv").out,
              header +
                  ",degree_days,summer_design,winter_design,cooling_cost,heating_cost,"
                  "cooling_cost_in_mode_cooling,heating_cost_in_mode_heating\n"
                  "7,barrow,cooling,electricity," +
                  kHours + ",0,0,57,42,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1707,97,28,20,0,20,170\n");
}

// Steps are counted from FROM + i x STEP, not by adding STEP again and again, so a range of
// tenths or hundredths ends on TO exactly once.
TEST(cli_Sweep, RealStepsLandOnTheEndOfTheRange) {
    const std::string data = ExampleClimate();
    const std::string csv = Cli("sweep --data-dir " + data + " --vary rate=0.1:0.2:0.01 --csv").out;
    std::string rates;
    for (std::size_t line = csv.find('\n'); line + 1 < csv.size();
         line = csv.find('\n', line + 1)) {
        rates += csv.substr(line + 1, csv.find(',', line) - line - 1) + " ";
    }
    EXPECT_EQ(rates, "0.10 0.11 0.12 0.13 0.14 0.15 0.16 0.17 0.18 0.19 0.20 ");
}

// The map reads the stations' positions from their table's columns wherever the header puts
// them, with the one reader of the table; a table that does not hold them is refused with its
// path, line, field and value, the value's bytes escaped.
TEST(cli_Compare, StationTablesThatCannotBeRead) {
    const fs::path example = ExampleClimate();
    const fs::path dir = ScratchFolder("stations");
    for (const char* name : {kBinFileName, kDesignFileName}) {
        fs::copy_file(example / name, dir / name, fs::copy_options::overwrite_existing);
    }
    std::string beyond = "index,latitude,longitude\n";
    for (int city = 1; city <= kCityCount + 1; ++city) {
        beyond += std::to_string(city) + ",30.29,-97.74\n";
    }
    const std::pair<std::string, std::string> cases[] = {
        // Latitude is the last column, so a row of two fields is too short for it alone.
        {"index,longitude,latitude\n1,-97.74\n",
         "line 2: the row has 2 fields; the columns index, latitude and longitude need at "
         "least 3"},
        {"index,latitude\n", "line 1: no column 'longitude' in the header line"},
        {"latitude,longitude,index\n30.29,-97.74,2\n",
         "line 2: field 'index': '2' should be 1; the entries run from 1 to 211 in the order of "
         "the city list"},
        {"index,latitude,longitude\n1,30.29,-197.74\n",
         "line 2: field 'longitude': '-197.74' is not a number of degrees from -180 to 180"},
        {std::string("index,latitude,longitude\n1,3\0\x01,-97.74\n", 34),
         "line 2: field 'latitude': '3\\x00\\x01' is not a number of degrees from -90 to 90"},
        {beyond, "line 213: an entry after the 211th; the city list has exactly 211 entries"},
        {"", "the file is empty; expected a header line naming index, latitude and longitude"},
    };
    for (const auto& [table, message] : cases) {
        std::ofstream(dir / kStationFileName, std::ios::binary) << table;
        const CliRun run =
            Cli("compare --data-dir " + dir.string() + " --svg " + (dir / "map.svg").string());
        EXPECT_EQ(run.status, kExitDataError) << table;
        EXPECT_EQ(run.err,
                  "heatwise-cli: " + (dir / kStationFileName).string() + ": " + message + "\n")
            << table;
    }
}

// A year of hourly weather as a TMY3 file writes it: hours 1-8 at -21.1 C (-6 F: bin 21, and
// cold bin -10/-6), 9-16 at 10.0 C (50 F: 50/54, bin 11) and 17-24 at 20.0 C (68 F: 65/69), but for
// one faulty hour, 02/01 12:00, that reads -40.0 C. Its winter design temperature is -6 F, its
// summer one 68 F; each day's extremes, -21.1 and 20.0 C, average 29.01 F, 33.99 degree days
// a day and 12406 in the year.
std::string ColdYearFile() {
    const fs::path file = ScratchFolder("weather") / "cold year.csv";
    std::ofstream out(file, std::ios::binary);
    out << "999999,\"COLD FIELD\",XX,-6.0,60.0,-150.0,100\n"
        << "Date (MM/DD/YYYY),Time (HH:MM),Dry-bulb (C)\n";
    const int days_in_month[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month) {
        for (int day = 1; day <= days_in_month[month - 1]; ++day) {
            for (int hour = 1; hour <= 24; ++hour) {
                const char* c = hour <= 8 ? "-21.1" : hour <= 16 ? "10.0" : "20.0";
                if (month == 2 && day == 1 && hour == 12) {
                    c = "-40.0";
                }
                char row[64];
                std::snprintf(row, sizeof row, "%02d/%02d/1991,%02d:00,%s\n", month, day, hour, c);
                out << row;
            }
        }
    }
    return file.string();
}

// bins labels its three records and the repaired hour, gives them as JSON, or as the bare
// records of the three files.
TEST(cli_Bins, LabelledJsonAndRecords) {
    const std::string file = ColdYearFile();
    const auto run = [&file](std::vector<std::string> args) {
        args.insert(args.begin(), {"bins", file});
        const CliRun run = RunCliOn(args);
        EXPECT_EQ(run.status, kExitSuccess) << run.err;
        return run.out;
    };
    const std::string report = run({});
    const std::string json = run({"--json"});
    const std::pair<const std::string&, std::string> parts[] = {
        {report, "Weather file " + file + ": 1 faulty hour repaired\n"},
        {report,
         "Bin hours, as a record of bindata2.dat (0/4 holds every hour below 0 F)\n"
         "Temperature     1 - 8    9 - 16   17 - 24\n"
         "    100/104         0         0         0\n"},
        {report, "      65/69         0         0      2920\n"},
        {report, "      50/54         0      2920         0\n"},
        {report,
         "        0/4      2920         0         0\n\n"
         "Hours below 0 F, as a record of coldbins.dat (-50/-46 holds every hour "
         "colder)\nTemperature     1 - 8    9 - 16   17 - 24\n"
         "      -5/-1         0         0         0\n"
         "     -10/-6      2920         0         0\n"},
        {report,
         "    -50/-46         0         0         0\n\n"
         "Design values, as a record of cities.dat\n"
         "Winter Design Temp.        -6\nHeating Degree Days     12406\n"
         "Summer Design Temp.        68\n\n"
         "Repaired hours, as the file dates them: the temperature read and the "
         "one used, C\n  02/01/1991 12:00    -40.0     10.0\n"},
        {json, "  \"shifts\": [\"1-8\", \"9-16\", \"17-24\"],\n"},
        {json,
         "  \"cold_bins\": [\"-5/-1\", \"-10/-6\", \"-15/-11\", \"-20/-16\", "
         "\"-25/-21\", \"-30/-26\", \"-35/-31\", \"-40/-36\", \"-45/-41\", "
         "\"-50/-46\"],\n"},
        {json,
         "  \"cold_bin_hours\": [[0, 2920, 0, 0, 0, 0, 0, 0, 0, 0], [0, 0, 0, 0, "
         "0, 0, 0, 0, 0, 0], [0, 0, 0, 0, 0, 0, 0, 0, 0, 0]],\n"
         "  \"winter_design\": -6,\n  \"degree_days\": 12406,\n"
         "  \"summer_design\": 68,\n"
         "  \"repairs\": [{\"date\": \"02/01/1991\", \"time\": \"12:00\", "
         "\"read_c\": -40.0, \"used_c\": 10.0}]\n}\n"},
    };
    for (const auto& [output, part] : parts) {
        EXPECT_NE(output.find(part), std::string::npos) << part << "\nin\n" << output;
    }
    std::string records;
    for (int k = 1; k <= 63; ++k) {
        records += (k == 1 ? "" : " ") + std::string(k == 21 || k == 32 || k == 50 ? "2920" : "0");
    }
    records += "\n-6 12406 68\n0 2920";
    for (int k = 3; k <= 30; ++k) {
        records += " 0";
    }
    EXPECT_EQ(run({"--records"}), records + "\n");
}

// Each input option's help gives its range and its default; the default is what the command
// uses when the option is left out, and the manual page says the same range and default.
TEST(cli_Help, TheHelpAndTheManualSayWhatTheCommandTakes) {
    const std::string data = ExampleClimate();
    const std::string help = Cli("estimate --help").out;
    std::string manual = FileText(fs::path(HEATWISE_SOURCE_DIR) / "docs/man/heatwise-cli.1");
    for (std::size_t at = manual.find("\\-"); at != std::string::npos;
         at = manual.find("\\-", at)) {
        manual.replace(at, 2, "-");
    }
    const std::string plain = Cli("estimate --data-dir " + data).out;
    for (const std::string name : {"hours", "summer", "winter", "cool-capacity", "heat-capacity",
                                   "heat-eff", "rate", "fuel-price", "eer"}) {
        SCOPED_TRACE(name);
        const std::size_t option = help.find("\n  --" + name + " ");
        ASSERT_NE(option, std::string::npos);
        const std::size_t line = help.find('\n', option + 1) + 1;
        const std::string second = help.substr(line, help.find('\n', line) - line);
        const std::size_t open = second.find(" (default ");
        ASSERT_NE(open, std::string::npos) << second;
        const std::string range =
            second.substr(second.find_first_not_of(' '), open - second.find_first_not_of(' '));
        const std::string default_value = second.substr(open + 10, second.size() - open - 11);
        EXPECT_EQ(Cli("estimate --data-dir " + data + " --" + name + " " + default_value).out,
                  plain);
        const std::size_t entry = manual.find(".BI --" + name + " ");
        ASSERT_NE(entry, std::string::npos);
        std::string paragraph = manual.substr(entry, manual.find(".TP", entry) - entry);
        std::ranges::replace(paragraph, '\n', ' ');
        EXPECT_NE(paragraph.find(range), std::string::npos) << paragraph;
        EXPECT_NE(paragraph.find("Default: " + default_value + "."), std::string::npos)
            << paragraph;
    }
}

}  // namespace
}  // namespace heatwise::cli
