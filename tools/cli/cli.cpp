#include "cli.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <string>

#include "bins_report.h"
#include "climate_derivation.h"
#include "compare_report.h"
#include "engine/season_costs.h"
#include "estimate_chart.h"
#include "estimate_report.h"
#include "output_file.h"
#include "station_map.h"
#include "sweep_chart.h"
#include "sweep_report.h"
#include "weather_file.h"

namespace heatwise::cli {

namespace {

constexpr std::string_view kProgram = "heatwise-cli";

std::string GeneralHelp() {
    return R"(Usage: heatwise-cli COMMAND [OPTIONS]

Estimates the yearly cost of cooling and heating a building by the temperature bin method.

Commands:
  estimate   one city's scaled bin hours, "% calc'd" column and yearly costs
  compare    the yearly costs of all 211 cities side by side
  sweep      one city's yearly costs while one input steps through a range
  bins FILE  the bin hours, the hours below 0 F and the design values of a TMY3 or EPW
             weather file, as records of bindata2.dat, coldbins.dat and cities.dat

Run heatwise-cli COMMAND --help for the options of a command.
Exit status: 0 done, 1 a data, weather or picture file cannot be read or written, 2 a bad
command line.
)";
}

// One option of the form's inputs: its help line, then its accepted values and default.
std::string InputOption(std::string_view usage, std::string_view meaning, std::string_view range,
                        std::string_view default_value) {
    std::string line = "  " + std::string(usage);
    line.resize(23, ' ');
    return line + std::string(meaning) + "\n                       " + std::string(range) +
           " (default " + std::string(default_value) + ")\n";
}

std::string InputOptionsHelp() {
    return InputOption("--hours H1,H2,H3", "thermostat hours of the shifts 1-8, 9-16, 17-24",
                       "each " + DescribeRange(kThermostatHoursRange), "8,8,8") +
           InputOption("--summer S1,S2,S3", "summer setpoints of the shifts, F",
                       "each " + DescribeRange(kSummerSetpointRange), "85,85,78") +
           InputOption("--winter W1,W2,W3", "winter setpoints of the shifts, F",
                       "each " + DescribeRange(kWinterSetpointRange), "65,60,75") +
           InputOption("--cool-capacity N", "cooling equipment rating, BTUh",
                       DescribeRange(kCapacityRange), "20000") +
           InputOption("--heat-capacity N", "heating equipment rating, BTUh",
                       DescribeRange(kCapacityRange), "20000") +
           InputOption("--heat-eff N", "heating efficiency, percent (the form's COP)",
                       DescribeRange(kHeatEfficiencyRange), "85") +
           InputOption("--rate R", "electric rate, $/kWh",
                       DescribeRange(kElectricRateRange, RangeDetail::kWords), "0.08") +
           InputOption("--fuel-price P", "price of oil or propane per gallon, of gas per cu.ft.",
                       DescribeRange(kFuelPriceRange, RangeDetail::kWords), "4.00") +
           InputOption("--eer E", "cooling efficiency, EER",
                       DescribeRange(kCoolEerRange, RangeDetail::kWords), "6.50") +
           "  --data-dir DIR       folder of bindata2.dat, cities.dat and stations.csv\n"
           "                       (default: the folder HEATWISE_DATA_DIR names, else the\n"
           "                       working folder; a missing climate file is created empty, as\n"
           "                       the application does, and then reported)\n"
           "  --json               print JSON instead of a table\n"
           "  --csv                print a CSV header line and data instead of a table\n"
           "  --help               print this help\n\n"
           "Real values are compared with the form's single-precision limits, so a rate of 0.05\n"
           "is refused exactly as the form refuses it, while 0.06 is accepted.\n";
}

std::string EstimateHelp() {
    return "Usage: heatwise-cli estimate [OPTIONS]\n\n"
           "Works out one city's scaled bin hours, \"% calc'd\" column, design data and yearly\n"
           "cooling and heating cost, as the form shows them. Every option defaults to the form's\n"
           "default.\n\n"
           "  --city N|TEXT        city number 1 to 211, or its list text ignoring case, whole\n"
           "                       or before its comma (\"austin\" finds \"austin, TX\"); a text\n"
           "                       shared by several cities is refused (default 1)\n"
           "  --mode cooling|heating  the season of the \"% calc'd\" column and of the cost; the\n"
           "                       other season costs 0 (default cooling)\n"
           "  --fuel electricity|oil|propane|gas|all  heating fuel; all prints the heating cost\n"
           "                       of each fuel side by side, and then JSON gives heating_cost as\n"
           "                       null and adds heating_cost_by_fuel (default electricity)\n"
           "  --svg FILE           also draw the year as an SVG picture: each bin's scaled hours\n"
           "                       shift by shift, the \"% calc'd\" column, the design\n"
           "                       temperatures, and both seasons' costs in the title\n" +
           InputOptionsHelp();
}

std::string CompareHelp() {
    return "Usage: heatwise-cli compare [OPTIONS]\n\n"
           "Works out the yearly costs of all 211 cities from the same inputs, one row per city\n"
           "with its design data. Each season is reported in its own mode: the cooling cost is\n"
           "worked out in mode Cooling and the heating cost in mode Heating, so both are shown\n"
           "(on the form, the mode not chosen always costs 0). --city and --mode do not apply.\n\n"
           "  --fuel electricity|oil|propane|gas  heating fuel (default electricity)\n"
           "  --sort list|cooling|heating|name  list order (default), costliest cooling or\n"
           "                       heating first, or by city text\n"
           "  --svg FILE           also draw a map of the cities coloured by the heating cost\n"
           "                       with --sort heating, else by the cooling cost; it needs\n"
           "                       stations.csv beside the climate files\n" +
           InputOptionsHelp();
}

std::string SweepHelp() {
    return "Usage: heatwise-cli sweep --vary NAME=FROM:TO:STEP [OPTIONS]\n\n"
           "Works out one city's yearly costs again and again while one input steps from FROM\n"
           "to TO, each step's value being FROM + i x STEP; the steps must land on TO. As in\n"
           "compare, the cooling cost is worked out in mode Cooling and the heating cost in mode\n"
           "Heating. Every other input is as its option gives it, else the form's default; a\n"
           "step outside the input's range is refused as estimate refuses that value.\n\n"
           "  --vary NAME=FROM:TO:STEP  the input to vary: rate, fuel-price, eer, heat-eff,\n"
           "                       cool-capacity, heat-capacity; summer, winter or hours for all\n"
           "                       three shifts at once; summer1, winter2, hours3 and so on for\n"
           "                       one shift; at most " +
           std::to_string(kMaxSweepSteps) +
           " steps (example: winter=72:62:-1)\n"
           "  --city N|TEXT        as for estimate (default 1)\n"
           "  --fuel electricity|oil|propane|gas  heating fuel (default electricity)\n"
           "  --svg FILE           also draw both costs against the varied input as an SVG\n"
           "                       picture\n" +
           InputOptionsHelp();
}

std::string BinsHelp() {
    return "Usage: heatwise-cli bins FILE [--json|--records]\n\n"
           "Reads a year of hourly dry-bulb temperatures from a TMY3 CSV or EnergyPlus EPW file,\n"
           "repairs the hours no weather makes (single hours and short runs that jump at least\n"
           "9 C away from both hours around them and back, away from the usual weather; see\n"
           "data/README.md) and prints, by the rules heatwise-derive uses for the climate files:\n"
           "  the hours in each 5 F bin for the shifts 1-8, 9-16 and 17-24 (a record of\n"
           "  bindata2.dat, whose bin 0/4 holds every hour below 0 F), the hours below 0 F in\n"
           "  ten bins of their own (a record of coldbins.dat, -50/-46 holding every hour\n"
           "  colder), the winter design temperature, heating degree days and summer design\n"
           "  temperature (a record of cities.dat), and each repaired hour with the\n"
           "  temperature read and the one used.\n\n"
           "  --json               print JSON: bin_hours and cold_bin_hours as three arrays, one\n"
           "                       per shift, with the bins' labels, the design values and the\n"
           "                       repairs\n"
           "  --records            print only the three records as the files hold them, one a\n"
           "                       line: bindata2.dat, cities.dat, then coldbins.dat\n"
           "  --help               print this help\n";
}

int RunEstimate(std::span<const std::string_view> args, std::ostream& out) {
    const EstimateOptions options = ParseEstimateOptions(args);
    const ClimateTables tables = LoadClimateTables(options.data_dir, MissingFile::kRefuse);
    const EstimateReport report = RunEstimate(options, tables);
    if (!options.svg_file.empty()) {
        WriteWholeFile(options.svg_file,
                       EstimateChart(report, CostsOfBothSeasons(options.inputs, tables)));
    }
    PrintEstimate(report, out);
    return kExitSuccess;
}

int RunCompare(std::span<const std::string_view> args, std::ostream& out) {
    const CompareOptions options = ParseCompareOptions(args);
    const ClimateTables tables = LoadClimateTables(options.data_dir, MissingFile::kRefuse);
    const std::vector<CompareRow> rows = CompareCities(options.inputs, tables, options.order);
    if (!options.svg_file.empty()) {
        const MappedCost cost =
            options.order == CompareOrder::kHeating ? MappedCost::kHeating : MappedCost::kCooling;
        WriteWholeFile(options.svg_file, StationMap(rows, ReadCityPositions(options.data_dir), cost,
                                                    InputsSummary(options.inputs)));
    }
    PrintComparison(rows, options.format, out);
    return kExitSuccess;
}

int RunSweep(std::span<const std::string_view> args, std::ostream& out) {
    const SweepOptions options = ParseSweepOptions(args);
    const ClimateTables tables = LoadClimateTables(options.data_dir, MissingFile::kRefuse);
    const SweepReport report = RunSweep(options, tables);
    if (!options.svg_file.empty()) {
        WriteWholeFile(options.svg_file, SweepChart(report));
    }
    PrintSweep(report, out);
    return kExitSuccess;
}

int RunBins(std::span<const std::string_view> args, std::ostream& out) {
    const BinsOptions options = ParseBinsOptions(args);
    const climate::StationClimate station =
        climate::DeriveStationClimate(climate::ReadWeatherFile(options.weather_file));
    PrintBins(options.weather_file, station, options.format, out);
    return kExitSuccess;
}

}  // namespace

int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (args.empty()) {
        err << GeneralHelp();
        return kExitUsageError;
    }
    const std::string_view command = args.front();
    const std::span<const std::string_view> rest = args.subspan(1);
    const bool help = std::ranges::find(rest, "--help") != rest.end();
    try {
        if (command == "--help" || command == "help") {
            out << GeneralHelp();
            return kExitSuccess;
        }
        if (command == "estimate") {
            if (help) {
                out << EstimateHelp();
                return kExitSuccess;
            }
            return RunEstimate(rest, out);
        }
        if (command == "compare") {
            if (help) {
                out << CompareHelp();
                return kExitSuccess;
            }
            return RunCompare(rest, out);
        }
        if (command == "sweep") {
            if (help) {
                out << SweepHelp();
                return kExitSuccess;
            }
            return RunSweep(rest, out);
        }
        if (command == "bins") {
            if (help) {
                out << BinsHelp();
                return kExitSuccess;
            }
            return RunBins(rest, out);
        }
        err << kProgram << ": unknown command '" << command
            << "'; the commands are estimate, compare, sweep and bins (see heatwise-cli --help)\n";
        return kExitUsageError;
    } catch (const UsageError& error) {
        err << kProgram << " " << command << ": " << error.what() << "\n"
            << "Run 'heatwise-cli " << command << " --help' for the options.\n";
        return kExitUsageError;
    } catch (const DataError& error) {
        err << kProgram << ": " << error.what() << "\n";
        if (error.line() == 0 && !std::filesystem::exists(error.file())) {
            err << kProgram << ": the climate files are read from the folder that --data-dir "
                << "names, else from the one that HEATWISE_DATA_DIR names, else from the working "
                << "folder\n";
        }
        return kExitDataError;
    } catch (const climate::WeatherFileError& error) {
        err << kProgram << ": " << error.what() << "\n";
        return kExitDataError;
    } catch (const std::exception& error) {
        err << kProgram << ": " << error.what() << "\n";
        return kExitDataError;
    }
}

}  // namespace heatwise::cli
