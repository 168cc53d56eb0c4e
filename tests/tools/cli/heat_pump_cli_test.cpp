// heatwise-cli's heat-pump and rating commands: their refusals, the worked rating example, and
// one city's heat pump worked by hand from its ratings on a climate of one bin.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "cli.h"
#include "cli_options.h"
#include "cli_run.h"
#include "engine/climate_data.h"
#include "estimate_report.h"
#include "heat_pump_climate.h"
#include "heat_pump_report.h"
#include "svg_elements.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// Every city has 100 hours in bin 30/34 (midpoint 32 °F) of shift 1 and no others, the winter
// design temperature 28 °F, and no hours below 0 °F.
std::string OneBinClimate() {
    const fs::path folder = ScratchFolder("one-bin");
    std::ofstream bins(folder / kBinFileName);
    std::ofstream design(folder / kDesignFileName);
    std::ofstream cold(folder / "coldbins.dat");
    for (int city = 1; city <= kCityCount; ++city) {
        for (int k = 0; k < kBinValueCount; ++k) {
            bins << (k == 0 ? "" : " ") << (k == BinValueIndex(1, 15) ? 100 : 0);
        }
        bins << "\n";
        design << "28 1700 97\n";
        for (int k = 0; k < kColdBinValueCount; ++k) {
            cold << (k == 0 ? "" : " ") << 0;
        }
        cold << "\n";
    }
    return folder.string();
}

// Where the label of a tick stands along its axis; a dollar tick's label stands 4 units below
// its line.
double TickAt(const SvgElements& chart, const std::string& label) {
    for (const SvgElement& text : chart.Named("text")) {
        if (text.text == label) {
            const bool dollars = label.starts_with("$") || label.starts_with("-$");
            return dollars ? text.Number("y") - 4 : text.Number("x");
        }
    }
    ADD_FAILURE() << "no tick " << label;
    return 0;
}

// How light the first line drawn across at the height `y` is (a grid line, drawn before the
// axes): the sum of its colour's red, green and blue.
int LightnessOfLineAt(const SvgElements& chart, double y) {
    for (const SvgElement& line : chart.Named("line")) {
        const std::string stroke = line.Attribute("stroke");
        if (line.Attribute("fill") == "none" && stroke.size() == 7 &&
            line.Number("y1") == line.Number("y2") && std::abs(line.Number("y1") - y) < 0.01) {
            return std::stoi(stroke.substr(1, 2), nullptr, 16) +
                   std::stoi(stroke.substr(3, 2), nullptr, 16) +
                   std::stoi(stroke.substr(5, 2), nullptr, 16);
        }
    }
    ADD_FAILURE() << "no line across at " << y;
    return 0;
}

const std::string kData = HEATWISE_SOURCE_DIR "/data";
const std::string kUnit = " --capacity47 36000 --cop47 3.6 --capacity17 18000 --cop17 2";

// Each refusal names the option, the value or what is missing, and why.
TEST(cli_HeatPump, RefusedCommandLines) {
    const std::pair<std::string, std::string> cases[] = {
        {"heat-pump", "--capacity47, --cop47, --capacity17 and --cop17 are missing"},
        {"heat-pump --capacity47 36000 --cop47 3 --cop17 2", "--capacity17 is missing"},
        {"heat-pump --capacity47 0 --cop47 3 --capacity17 18000 --cop17 2",
         "--capacity47: '0' is not above 0: a unit that heats at a rating point has a capacity "
         "above 0 there; the accepted range is 1000 to 240000"},
        {"heat-pump" + kUnit + " --cop17 -2", "--cop17: '-2' is not above 0"},
        {"heat-pump" + kUnit + " --capacity47 240001",
         "--capacity47: '240001' is outside the accepted range 1000 to 240000"},
        {"heat-pump" + kUnit + " --cop47 11",
         "--cop47: '11' is outside the accepted range 1 to 10"},
        {"heat-pump" + kUnit + " --capacity35 27000",
         "--capacity35 is given without --cop35: a rating point is a capacity and a COP together"},
        {"heat-pump" + kUnit + " --cop5 1.5", "--cop5 is given without --capacity5"},
        {"heat-pump" + kUnit + " --cd 0.6", "--cd: '0.6' is outside the accepted range 0 to 0.5"},
        {"heat-pump" + kUnit + " --cutout 14,10",
         "--cutout: the compressor cut-out at 14 °F is above its cut-in at 10 °F"},
        {"heat-pump" + kUnit + " --cutout 5", "--cutout: '5' is not two temperatures T_OFF,T_ON"},
        {"heat-pump" + kUnit + " --cutout 5,70",
         "--cutout (cut-in): '70' is outside the accepted range -50 to 65"},
        {"heat-pump" + kUnit + " --switchover 5",
         "--switchover: a switchover needs the furnace as backup heat"},
        {"heat-pump" + kUnit + " --backup fuel --switchover warm",
         "--switchover: 'warm' is neither a temperature, F, nor auto"},
        {"heat-pump" + kUnit + " --backup fuel --switchover 66",
         "--switchover: '66' is outside the accepted range -50 to 65"},
        {"heat-pump" + kUnit + " --backup gas", "--backup: 'gas' is not one of electric, fuel"},
        {"heat-pump" + kUnit + " --mode heating", "--mode: heat-pump works out"},
        {"heat-pump" + kUnit + " --winter 65,60,39",
         "--winter (shift 3): '39' is outside the accepted range 40 to 84"},
        {"compare --sort savings", "--sort: savings are those of a heat pump; give --heat-pump"},
        {"compare" + kUnit, "--capacity47: compare prices a heat pump only with --heat-pump"},
        {"compare --heat-pump --sort cooling" + kUnit,
         "--sort: 'cooling' is not one of list, savings, name"},
        {"compare --heat-pump --capacity47 36000", "--cop47, --capacity17 and --cop17 are missing"},
        {"sweep --vary cop47=3:4:0.5" + kUnit,
         "--capacity47: sweep prices a heat pump only with --heat-pump"},
        {"sweep --vary cop47=3:4:0.5", "'cop47' is an input of the heat pump"},
        {"sweep --heat-pump --vary cop47=3:11:1" + kUnit,
         "--cop47: '11' is outside the accepted range 1 to 10"},
        {"sweep --heat-pump --vary rate=0.1:0.2:0.1 --svg" + kUnit, "--svg needs a value"},
        {"rating" + kUnit, "rating needs --region N"},
        {"rating" + kUnit + " --region 7", "--region: '7' is outside the accepted range 1 to 6"},
        {"rating" + kUnit + " --region 4 --dhr 4999",
         "--dhr: '4999' is outside the accepted range 5000 to 130000"},
        {"rating" + kUnit + " --region 4 --backup fuel", "unknown option '--backup'"},
    };
    for (const auto& [command, message] : cases) {
        SCOPED_TRACE(command);
        // The rating reads no climate files.
        const bool climate = !command.starts_with("rating");
        const CliRun run = Cli(command + (climate ? " --data-dir " + kData : ""));
        EXPECT_EQ(run.status, kExitUsageError);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    }
}

// The rating procedure's worked example: Q47 36,000 BTU/h at 3,000 W, Q17 22,000 BTU/h at
// 2,600 W, region IV, DHR 35,000 BTU/h, HSPF 8.18; with a cut-out at 10 °F, back on at 14 °F,
// 7.65. The COPs are those powers' Q / (3.412 P).
TEST(cli_Rating, WorkedExample) {
    const std::string unit = "rating --region 4 --dhr 35000 --capacity47 36000 --cop47 " +
                             std::to_string(36000.0 / (3.412 * 3000.0)) +
                             " --capacity17 22000 --cop17 " +
                             std::to_string(22000.0 / (3.412 * 2600.0));
    const CliRun table = Cli(unit);
    EXPECT_EQ(table.status, kExitSuccess) << table.err;
    EXPECT_NE(table.out.find("\nHSPF 8.18 BTU/Wh\n"), std::string::npos) << table.out;
    const CliRun json = Cli(unit + " --cutout 10,14 --json");
    ASSERT_EQ(json.status, kExitSuccess) << json.err;
    const Json document = Json::parse(json.out);
    EXPECT_NEAR(document["hspf"].get<double>(), 7.65, 0.005);
    EXPECT_EQ(document["bins"].size(), 15u);  // region IV: 62 down to -8 °F
    EXPECT_EQ(document["design_heating_requirement"].get<double>(), 35000.0);
}

// 100 hours at 32 °F in shift 1, load line 36,000 / (64 - 28) = 1,000 BTU/h per °F, so 33,000
// BTU/h at the setpoint 65 °F. The unit's 17-35 °F line gives Q(32) = 18,000 + 9,000 × 15/18 =
// 25,500 BTU/h, below the load: X = 1, PLF = 1, backup 7,500 BTU/h. P17 = 18,000 / (3.412 × 2)
// and P35 = 27,000 / (3.412 × 2.5) W. Each shift's balance point is where 9,500 + 500 T =
// 1,000 (W - T): 37 °F at 65, 40.33 at 70, 33.67 at 60.
TEST(cli_HeatPump, OneBinWorkedByHand) {
    const std::string data = OneBinClimate();
    const std::string command = "heat-pump --data-dir " + data +
                                " --city 1 --winter 65,70,60 --heat-capacity 36000 --rate 0.1" +
                                kUnit + " --capacity35 27000 --cop35 2.5";
    const CliRun run = Cli(command + " --json");
    ASSERT_EQ(run.status, kExitSuccess) << run.err;
    const Json r = Json::parse(run.out);
    const double p17 = 18000.0 / (3.412 * 2.0);
    const double p35 = 27000.0 / (3.412 * 2.5);
    const double p32 = p17 + (p35 - p17) * 15.0 / 18.0;
    const double heat_pump_kwh = p32 * 100.0 / 1000.0;
    const double backup_kwh = 7500.0 * 100.0 / 3.412 / 1000.0;
    EXPECT_NEAR(r["heat_needed_mmbtu"].get<double>(), 3.3, 1e-12);
    EXPECT_NEAR(r["heat_pump_heat_mmbtu"].get<double>(), 2.55, 1e-12);
    EXPECT_NEAR(r["backup_heat_mmbtu"].get<double>(), 0.75, 1e-12);
    EXPECT_NEAR(r["heat_pump_kwh"].get<double>(), heat_pump_kwh, 1e-9);
    EXPECT_NEAR(r["backup_kwh"].get<double>(), backup_kwh, 1e-9);
    EXPECT_NEAR(r["backup_share"].get<double>(), 0.75 / 3.3, 1e-12);
    EXPECT_NEAR(r["seasonal_cop"].get<double>(), 2.55e6 / (3412.0 * heat_pump_kwh), 1e-9);
    EXPECT_NEAR(r["hspf"].get<double>(), 3.3e3 / (heat_pump_kwh + backup_kwh), 1e-9);
    ASSERT_EQ(r["balance_points"].size(), 3u);
    EXPECT_NEAR(r["balance_points"][0].get<double>(), 37.0, 1e-9);
    EXPECT_NEAR(r["balance_points"][1].get<double>(), 121.0 / 3.0, 1e-9);
    EXPECT_NEAR(r["balance_points"][2].get<double>(), 101.0 / 3.0, 1e-9);
    EXPECT_EQ(r["switchover"], 32);
    // 0.1 $/kWh × 527.55 kWh, truncated; the electric furnace at 85 % heats the 3.3 MMBtu for
    // 3.3e6 / 3412 × 0.1 / 0.85 = $113.78.
    EXPECT_EQ(r["heat_pump_cost"], 52);
    EXPECT_EQ(r["furnace_cost"], 113);
    EXPECT_EQ(r["savings"], 61);
    EXPECT_TRUE(r["break_even_rate"].is_null());  // the furnace burns electricity too
    EXPECT_EQ(r["cooling_cost"], 0);
    std::size_t heated = 0;
    for (const Json& bin : r["bins"]) {
        heated += bin["hours"].get<int>() > 0 ? 1 : 0;
    }
    EXPECT_EQ(heated, 1u);

    // Against gas at 0.012 $/cu.ft. and 85 %, 13.71 $/MMBtu, the heat pump's 0.1e6 / (3412 ×
    // COP(32) 2.4286) = 12.07 $/MMBtu is cheaper and it runs; at 0.01 $/cu.ft., 11.42 $/MMBtu,
    // the furnace carries the bin whole and the heat pump runs nowhere.
    const std::string gas = command + " --fuel gas --backup fuel --switchover auto --json";
    const Json runs = Json::parse(Cli(gas + " --fuel-price 0.012").out);
    EXPECT_EQ(runs["switchover"], 32);
    EXPECT_NEAR(runs["heat_pump_heat_mmbtu"].get<double>(), 2.55, 1e-12);
    const Json furnace = Json::parse(Cli(gas + " --fuel-price 0.01").out);
    EXPECT_TRUE(furnace["switchover"].is_null());
    EXPECT_EQ(furnace["heat_pump_heat_mmbtu"].get<double>(), 0.0);
    EXPECT_EQ(furnace["heat_pump_cost"], furnace["furnace_cost"]);

    // The table says the same figures in words.
    const CliRun table = Cli(command);
    EXPECT_NE(table.out.find("\n    1    30/34    100    33000     25500  2.43      2.550     "
                             "0.750      307.7      219.8  runs\n"),
              std::string::npos)
        << table.out;
    EXPECT_NE(table.out.find("  Balance points by shift        37.0 F, 40.3 F, 33.7 F\n"),
              std::string::npos);
    // The CSV is the bin table, a line for each of the JSON's bins, the one with hours worked as
    // above: 33,000 BTUh of load at X = 1, 2.55 and 0.75 million BTU, the heat pump's P(32) × 100
    // Wh and the resistance's 750,000 / 3.412 Wh.
    const CliRun csv = Cli(command + " --csv");
    ASSERT_EQ(csv.status, kExitSuccess) << csv.err;
    std::vector<std::string> lines;
    std::istringstream in(csv.out);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), r["bins"].size() + 1);
    EXPECT_EQ(lines[0],
              "city_index,city_name,fuel,backup,shift,midpoint,hours,difference,load,capacity,cop,"
              "part_load,part_load_factor,compressor_factor,state,heat_pump_heat_btu,"
              "backup_heat_btu,heat_pump_wh,backup_energy");
    EXPECT_TRUE(lines[1].starts_with("1,\"austin, TX\",electricity,electric,")) << lines[1];
    std::vector<std::string> bin;  // from the shift on
    for (const std::string& line : lines) {
        if (const std::size_t at = line.find(",1,32,100,"); at != std::string::npos) {
            std::istringstream fields(line.substr(at + 1));
            for (std::string field; std::getline(fields, field, ',');) {
                bin.push_back(field);
            }
        }
    }
    ASSERT_EQ(bin.size(), 15u) << csv.out;
    EXPECT_EQ(std::vector(bin.begin(), bin.begin() + 6),
              (std::vector<std::string>{"1", "32", "100", "33", "33000", "25500"}));
    EXPECT_NEAR(std::stod(bin[6]), 25500.0 / (3.412 * p32), 1e-12);
    EXPECT_EQ(bin[7] + "," + bin[8] + "," + bin[9] + "," + bin[10], "1,1,1,runs");
    EXPECT_NEAR(std::stod(bin[11]), 2.55e6, 1e-6);
    EXPECT_NEAR(std::stod(bin[12]), 0.75e6, 1e-6);
    EXPECT_NEAR(std::stod(bin[13]), p32 * 100.0, 1e-6);
    EXPECT_NEAR(std::stod(bin[14]), 0.75e6 / 3.412, 1e-6);

    // The picture marks the three balance points and says the saving in its title.
    const fs::path picture = kScratch / "heat-pump.svg";
    ASSERT_EQ(Cli(command + " --svg " + picture.string()).status, kExitSuccess);
    const std::string svg = FileText(picture);
    for (const char* text : {"balance point 37.0 °F", "balance point 40.3 °F",
                             "balance point 33.7 °F", "saves $61 a year", "from resistance backup",
                             "Outdoor temperature, °F", "Heat, MMBtu a year", ">COP<"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    }
}

// Every city of the one-bin climate is the same, so compare gives each the saving worked out
// above; a sweep of the electric rate scales the 527.55 kWh and the electric furnace's cost.
TEST(cli_HeatPump, CompareAndSweepOnTheOneBinClimate) {
    const std::string inputs = " --data-dir " + OneBinClimate() +
                               " --winter 65,70,60 --heat-capacity 36000 --heat-pump" + kUnit +
                               " --capacity35 27000 --cop35 2.5";
    const CliRun compare = Cli("compare --rate 0.1 --sort savings --json" + inputs);
    ASSERT_EQ(compare.status, kExitSuccess) << compare.err;
    const Json rows = Json::parse(compare.out);
    ASSERT_EQ(rows.size(), 211u);
    for (const Json& row : rows) {
        EXPECT_EQ(row["heat_pump_cost"], 52);
        EXPECT_EQ(row["furnace_cost"], 113);
        EXPECT_EQ(row["savings"], 61);
    }
    // Equal savings keep the list order.
    EXPECT_EQ(rows[0]["city"]["index"], 1);
    EXPECT_EQ(rows[210]["city"]["index"], 211);
    const CliRun table = Cli("compare --rate 0.1" + inputs);
    EXPECT_NE(table.out.find("\n  7 barrow                            2.43    22.7     40.3"
                             "         52       113        61\n"),
              std::string::npos)
        << table.out;

    const CliRun sweep = Cli("sweep --city 1 --vary rate=0.1:0.3:0.1 --json" + inputs);
    ASSERT_EQ(sweep.status, kExitSuccess) << sweep.err;
    const Json steps = Json::parse(sweep.out);
    ASSERT_EQ(steps.size(), 3u);
    // 527.55 kWh at 0.1, 0.2 and 0.3 $/kWh; the furnace's 967.17 kWh at 85 %.
    const int heat_pump[] = {52, 105, 158};
    const int furnace[] = {113, 227, 341};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(steps[i]["heat_pump_cost"], heat_pump[i]);
        EXPECT_EQ(steps[i]["furnace_cost"], furnace[i]);
    }
    // The map of the saving says which colour is which side.
    const fs::path map = kScratch / "saving-map.svg";
    ASSERT_EQ(
        Cli("compare --heat-pump --data-dir " + kData + kUnit + " --svg " + map.string()).status,
        kExitSuccess);
    const std::string svg = FileText(map);
    for (const char* text :
         {"Yearly saving of the heat pump over the furnace in the 211 cities",
          "blue: the heat pump saves", "red: the heat pump costs more", "Largest saving"}) {
        EXPECT_NE(svg.find(text), std::string::npos) << text;
    }

    // The chart of the sweep draws each step's costs where its axes put them: the heat pump's
    // $105 at 0.2 $/kWh stands 105 % of the way from the tick of $0 to that of $100, over the
    // tick of 0.200; the furnace's $227 and the saving of $122 stand over the same tick.
    const fs::path chart = kScratch / "rate-sweep.svg";
    const CliRun drawn =
        Cli("sweep --city 1 --vary rate=0.1:0.3:0.1 --json --svg " + chart.string() + inputs);
    ASSERT_EQ(drawn.status, kExitSuccess) << drawn.err;
    EXPECT_EQ(drawn.out, sweep.out);
    const std::string drawn_svg = FileText(chart);
    const SvgElements drawing = ReadSvgElements(drawn_svg);
    const std::vector<SvgElement> points = drawing.Named("circle");
    ASSERT_EQ(points.size(), 9u);  // three steps of three lines
    const double zero = TickAt(drawing, "$0");
    const double hundred = TickAt(drawing, "$100");
    const double rate = TickAt(drawing, "0.200");
    const double dollars[] = {105, 227, 122};
    for (std::size_t line = 0; line < 3; ++line) {
        const SvgElement& point = points[3 * line + 1];
        EXPECT_NEAR(point.Number("cx"), rate, 0.01) << line;
        EXPECT_NEAR(point.Number("cy"), zero + (hundred - zero) * dollars[line] / 100.0, 0.02)
            << line;
    }
    for (const char* text : {"austin, TX: yearly heating cost as rate goes from 0.1 to 0.3",
                             "electricity $0.1 to $0.3/kWh", "Heat pump and backup",
                             "Electricity furnace at 85 % alone", "Saving over the furnace",
                             "rate: electric rate, $/kWh", "Cost, $ a year"}) {
        EXPECT_NE(drawn_svg.find(text), std::string::npos) << text;
    }
    // Against gas at 0.012 $/cu.ft. and 85 %, 13.71 $/MMBtu, the furnace heats the 3.3 MMBtu for
    // $45 at every rate, less than the heat pump's $52 to $158: the saving falls from -$7 to
    // -$113. The dollar axis reaches below $0, its ticks there read "-$", and the line of $0 is
    // drawn darker than the rest of the grid, as it is not where no dollars fall below it.
    const fs::path gas_chart = kScratch / "gas-sweep.svg";
    ASSERT_EQ(Cli("sweep --city 1 --vary rate=0.1:0.3:0.1 --fuel gas --fuel-price 0.012 --svg " +
                  gas_chart.string() + inputs)
                  .status,
              kExitSuccess);
    const SvgElements gas = ReadSvgElements(FileText(gas_chart));
    const int grid = LightnessOfLineAt(gas, TickAt(gas, "$50"));
    EXPECT_EQ(LightnessOfLineAt(gas, TickAt(gas, "-$100")), grid);
    EXPECT_LT(LightnessOfLineAt(gas, TickAt(gas, "$0")), grid);
    EXPECT_EQ(LightnessOfLineAt(drawing, zero), LightnessOfLineAt(drawing, hundred));

    // A larger unit at 47 °F moves the 17-35 °F line through the frost default only where no
    // 35 °F point is given; here it is, so 32 °F is worked as before.
    const Json capacity =
        Json::parse(Cli("sweep --city 1 --vary capacity47=30000:40000:10000 --json" + inputs).out);
    ASSERT_EQ(capacity.size(), 2u);
    EXPECT_EQ(capacity[0]["heat_pump_heat_mmbtu"], capacity[1]["heat_pump_heat_mmbtu"]);
    // The table's heading gives the varied input by its range, not by the first step's value.
    const std::string heading =
        Cli("sweep --city 1 --vary capacity47=30000:40000:10000" + inputs).out;
    EXPECT_NE(heading.find("\nHeat pump 30000 to 40000 BTUh at COP "), std::string::npos)
        << heading;
}

// Every heat-pump option is in the command's help and in the manual page, and the commands in
// the general help.
TEST(cli_HeatPump, HelpAndManualNameEveryOption) {
    const std::string manual = FileText(fs::path(HEATWISE_SOURCE_DIR) / "docs/man/heatwise-cli.1");
    const std::string help = Cli("heat-pump --help").out;
    const std::string rating = Cli("rating --help").out;
    for (const std::string name :
         {"capacity47", "cop47", "capacity17", "cop17", "capacity35", "cop35", "capacity5", "cop5",
          "cd", "cutout", "backup", "switchover"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(help.find("--" + name + " "), std::string::npos);
        EXPECT_NE(manual.find("\\-\\-" + name), std::string::npos);
    }
    EXPECT_EQ(rating.find("--switchover"), std::string::npos);
    const std::string sweep = Cli("sweep --help").out;
    const std::string general = Cli("--help").out;
    // What sweep --heat-pump --svg draws and what heat-pump --csv prints are said in both.
    const std::pair<const std::string&, std::string> said[] = {
        {help, "(default 0.25)"},
        {sweep, "  --heat-pump  "},
        {sweep,
         "with --heat-pump, the heat pump's heating cost, the\n"
         "                       furnace's and the saving"},
        {help, "With --csv the bin table is printed, a line per shift and bin"},
        {manual,
         "draws the heat pump's yearly heating cost with its backup, the furnace's and the saving"},
        {manual, "prints that bin table, a line per shift and bin"},
        {rating, "--region N"},
        {general, "\n  heat-pump  "},
        {general, "\n  rating     "},
    };
    for (const auto& [text, part] : said) {
        EXPECT_NE(text.find(part), std::string::npos) << part;
    }
}

// For every station of the committed climate files without hours below 0 °F, the heat-pump
// command prices the furnace exactly as estimate prices heating.
TEST(cli_HeatPump, FurnaceCostIsEstimatesWhereNoHourIsBelowZero) {
    const HeatPumpClimate climate = LoadHeatPumpClimate(kData);
    int stations = 0;
    for (int city = 1; city <= kCityCount; ++city) {
        const CityColdBinHours& cold = climate.cold.City(city);
        if (std::any_of(cold.begin(), cold.end(), [](std::int32_t hours) { return hours > 0; })) {
            continue;
        }
        ++stations;
        const std::string inputs =
            "--city " + std::to_string(city) + " --fuel gas --fuel-price 0.012 --heat-eff 92";
        const std::vector<std::string> args = Words(inputs + kUnit);
        const std::vector<std::string> estimate_args = Words(inputs + " --mode heating");
        const std::unique_ptr<HeatPumpReport> report = RunHeatPump(
            ParseHeatPumpOptions(std::vector<std::string_view>(args.begin(), args.end())), climate);
        const EstimateReport estimate =
            RunEstimate(ParseEstimateOptions(std::vector<std::string_view>(estimate_args.begin(),
                                                                           estimate_args.end())),
                        climate.tables);
        SCOPED_TRACE(city);
        EXPECT_EQ(report->result.furnace_cost, estimate.result.heating_cost);
        EXPECT_EQ(report->result.cooling_cost, estimate.own_modes.cooling_cost);
    }
    EXPECT_GT(stations, 100);
}

}  // namespace
}  // namespace heatwise::cli
