#include "cli.h"

#include <algorithm>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <string>

#include "bins_report.h"
#include "cli_help.h"
#include "climate_derivation.h"
#include "compare_report.h"
#include "engine/printable_text.h"
#include "estimate_chart.h"
#include "estimate_report.h"
#include "heat_pump_chart.h"
#include "heat_pump_climate.h"
#include "heat_pump_compare.h"
#include "heat_pump_report.h"
#include "heat_pump_text.h"
#include "inputs_text.h"
#include "output_file.h"
#include "rating_report.h"
#include "state_outlines.h"
#include "station_map.h"
#include "sweep_chart.h"
#include "sweep_report.h"
#include "weather_file.h"

namespace heatwise::cli {

namespace {

constexpr std::string_view kProgram = "heatwise-cli";

// The folder that the climate files were looked for in, and what named it, for the message
// about a file that is not there.
std::string FolderHint(const DataFolder& folder) {
    const std::string files = "the climate files and stations.csv are read from ";
    switch (folder.source) {
        case FolderSource::kOption:
            return files + folder.path.string() + ", the folder that --data-dir names";
        case FolderSource::kEnvironment:
            return files + folder.path.string() + ", the folder that " + kDataFolderVariable +
                   " names, as --data-dir is not given";
        case FolderSource::kWorkingFolder:
            break;
    }
    std::error_code ignored;
    return files + "the working folder, " + std::filesystem::current_path(ignored).string() +
           ", as neither --data-dir nor " + kDataFolderVariable + " names one";
}

int RunEstimate(std::span<const std::string_view> args, std::ostream& out, DataFolder& folder) {
    const EstimateOptions options = ParseEstimateOptions(args);
    folder = options.data_dir;
    const ClimateTables tables = LoadClimateTables(options.data_dir.path, MissingFile::kRefuse);
    const EstimateReport report = RunEstimate(options, tables);
    if (!options.svg_file.empty()) {
        WriteWholeFile(options.svg_file, EstimateChart(report));
    }
    PrintEstimate(report, out);
    return kExitSuccess;
}

// The outlines only help a reader find the places; the map is right without them, as it is
// for climate files copied from an installation that had none.
StateOutlines OutlinesOrWarn(const DataFolder& folder, std::ostream& err) {
    std::optional<StateOutlines> outlines = ReadStateOutlines(folder.path);
    if (!outlines) {
        err << kProgram
            << ": warning: " << PrintableText((folder.path / kStateOutlineFileName).string())
            << " is not there" << (folder.path.empty() ? " in the working folder" : "")
            << "; the map is drawn without state outlines\n";
    }
    return outlines.value_or(StateOutlines{});
}

int RunHeatPumpCompare(const CompareOptions& options, std::ostream& out, std::ostream& err) {
    const HeatPumpClimate climate = LoadHeatPumpClimate(options.data_dir.path);
    const std::vector<CompareRow> rows = CompareHeatPumps(options, climate);
    if (!options.svg_file.empty()) {
        const CityPositions positions = ReadCityPositions(options.data_dir.path);
        const StateOutlines outlines = OutlinesOrWarn(options.data_dir, err);
        WriteWholeFile(options.svg_file,
                       StationMap(rows, positions, outlines, MappedCost::kSavings,
                                  UnitSummary(options.heat_pump, options.inputs)));
    }
    PrintHeatPumpComparison(rows, options, out);
    return kExitSuccess;
}

int RunCompare(std::span<const std::string_view> args, std::ostream& out, std::ostream& err,
               DataFolder& folder) {
    const CompareOptions options = ParseCompareOptions(args);
    folder = options.data_dir;
    if (options.pricing == Pricing::kHeatPump) {
        return RunHeatPumpCompare(options, out, err);
    }
    const ClimateTables tables = LoadClimateTables(options.data_dir.path, MissingFile::kRefuse);
    const std::vector<CompareRow> rows = CompareCities(options.inputs, tables, options.order);
    if (!options.svg_file.empty()) {
        const bool heating = options.order == CompareOrder::kHeating;
        const CityPositions positions = ReadCityPositions(options.data_dir.path);
        const StateOutlines outlines = OutlinesOrWarn(options.data_dir, err);
        // The map's subtitle names the inputs of the cost it shows only.
        WriteWholeFile(options.svg_file,
                       StationMap(rows, positions, outlines,
                                  heating ? MappedCost::kHeating : MappedCost::kCooling,
                                  InputsSummary(options.inputs, heating ? InputsSeason::kHeating
                                                                        : InputsSeason::kCooling)));
    }
    PrintComparison(rows, options.inputs, options.format, out);
    return kExitSuccess;
}

int RunSweep(std::span<const std::string_view> args, std::ostream& out, DataFolder& folder) {
    const SweepOptions options = ParseSweepOptions(args);
    folder = options.data_dir;
    SweepReport report;
    if (options.pricing == Pricing::kHeatPump) {
        report = RunHeatPumpSweep(options, LoadHeatPumpClimate(options.data_dir.path));
    } else {
        report = RunSweep(options, LoadClimateTables(options.data_dir.path, MissingFile::kRefuse));
    }
    if (!options.svg_file.empty()) {
        WriteWholeFile(options.svg_file, SweepChart(report));
    }
    PrintSweep(report, out);
    return kExitSuccess;
}

int RunHeatPump(std::span<const std::string_view> args, std::ostream& out, DataFolder& folder) {
    const HeatPumpOptions options = ParseHeatPumpOptions(args);
    folder = options.data_dir;
    const HeatPumpClimate climate = LoadHeatPumpClimate(options.data_dir.path);
    const std::unique_ptr<HeatPumpReport> report = RunHeatPump(options, climate);
    if (!options.svg_file.empty()) {
        WriteWholeFile(options.svg_file, HeatPumpChart(*report));
    }
    PrintHeatPump(*report, out);
    return kExitSuccess;
}

int RunRating(std::span<const std::string_view> args, std::ostream& out) {
    const RatingOptions options = ParseRatingOptions(args);
    PrintRating(options, RateHspf(options.input), out);
    return kExitSuccess;
}

int RunBins(std::span<const std::string_view> args, std::ostream& out) {
    const BinsOptions options = ParseBinsOptions(args);
    const climate::StationClimate station =
        climate::DeriveStationClimate(climate::ReadWeatherFile(options.weather_file));
    PrintBins(options.weather_file, station, options.format, out);
    return kExitSuccess;
}

// Prints a message of one or more lines, each with its unreadable bytes escaped, whatever text
// it quotes.
void Report(std::ostream& err, std::initializer_list<std::string> lines) {
    for (const std::string& line : lines) {
        err << PrintableText(line) << "\n";
    }
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
    const std::string program(kProgram);
    // The folder of the climate files, once the options have named it.
    DataFolder folder;
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
            return RunEstimate(rest, out, folder);
        }
        if (command == "compare") {
            if (help) {
                out << CompareHelp();
                return kExitSuccess;
            }
            return RunCompare(rest, out, err, folder);
        }
        if (command == "sweep") {
            if (help) {
                out << SweepHelp();
                return kExitSuccess;
            }
            return RunSweep(rest, out, folder);
        }
        if (command == "heat-pump") {
            if (help) {
                out << HeatPumpHelp();
                return kExitSuccess;
            }
            return RunHeatPump(rest, out, folder);
        }
        if (command == "rating") {
            if (help) {
                out << RatingHelp();
                return kExitSuccess;
            }
            return RunRating(rest, out);
        }
        if (command == "bins") {
            if (help) {
                out << BinsHelp();
                return kExitSuccess;
            }
            return RunBins(rest, out);
        }
        Report(err, {program + ": unknown command '" + std::string(command) +
                     "'; the commands are estimate, compare, sweep, heat-pump, rating and bins "
                     "(see heatwise-cli "
                     "--help)"});
        return kExitUsageError;
    } catch (const UsageError& error) {
        Report(err, {program + " " + std::string(command) + ": " + error.what(),
                     "Run 'heatwise-cli " + std::string(command) + " --help' for the options."});
        return kExitUsageError;
    } catch (const DataError& error) {
        std::error_code ignored;
        if (error.line() == 0 && !std::filesystem::exists(error.file(), ignored)) {
            Report(err, {program + ": " + error.what(), program + ": " + FolderHint(folder)});
        } else {
            Report(err, {program + ": " + error.what()});
        }
        return kExitDataError;
    } catch (const climate::WeatherFileError& error) {
        Report(err, {program + ": " + error.what()});
        return kExitDataError;
    } catch (const std::exception& error) {
        // A station table or a picture that cannot be read or written.
        Report(err, {program + ": " + error.what()});
        return kExitDataError;
    }
}

}  // namespace heatwise::cli
