// The command line of heatwise-cli: its commands, their options and what they read into.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "engine/estimate_inputs.h"
#include "engine/heat_pump_inputs.h"
#include "engine/hspf_rating.h"
#include "heat_pump_options.h"
#include "sweep_range.h"
#include "value_parsing.h"

namespace heatwise::cli {

enum class OutputFormat { kTable, kJson, kCsv };

// Whether the heating cost is worked out for the chosen fuel only or for all four side by side.
enum class FuelSelection { kChosen, kAll };

// The order of the comparison's rows: list order, costliest first, by list text, or with the
// heat pump its largest saving first.
enum class CompareOrder { kList, kCooling, kHeating, kName, kSavings };

// The environment variable that names the climate files' folder when --data-dir does not.
inline constexpr const char* kDataFolderVariable = "HEATWISE_DATA_DIR";

// What named the folder of the climate files, for the messages about a file missing there.
enum class FolderSource { kWorkingFolder, kOption, kEnvironment };

struct DataFolder {
    std::filesystem::path path;  // empty: the working folder
    FolderSource source = FolderSource::kWorkingFolder;
};

struct EstimateOptions {
    EstimateInputs inputs;
    FuelSelection fuels = FuelSelection::kChosen;
    DataFolder data_dir;
    OutputFormat format = OutputFormat::kTable;
    std::filesystem::path svg_file;  // empty: no picture
};

struct CompareOptions {
    EstimateInputs inputs;
    Pricing pricing = Pricing::kForm;
    HeatPumpOptionValues heat_pump_given;
    HeatPumpSettings heat_pump;  // with Pricing::kHeatPump
    DataFolder data_dir;
    OutputFormat format = OutputFormat::kTable;
    CompareOrder order = CompareOrder::kList;
    std::filesystem::path svg_file;
};

struct SweepOptions {
    SweepRange range;  // every step's inputs, the other options applied
    Pricing pricing = Pricing::kForm;
    DataFolder data_dir;
    OutputFormat format = OutputFormat::kTable;
    std::filesystem::path svg_file;
};

// One city's heat pump against the furnace.
struct HeatPumpOptions {
    EstimateInputs inputs;
    HeatPumpOptionValues given;
    HeatPumpSettings unit;
    DataFolder data_dir;
    OutputFormat format = OutputFormat::kTable;
    std::filesystem::path svg_file;
};

// The HSPF of a unit by the rating procedure.
struct RatingOptions {
    HeatPumpOptionValues given;
    HspfRatingInput input;
    OutputFormat format = OutputFormat::kTable;
};

// What bins prints: a labelled report, JSON, or the bare records of the three climate files.
enum class BinsFormat { kReport, kJson, kRecords };

struct BinsOptions {
    std::filesystem::path weather_file;
    BinsFormat format = BinsFormat::kReport;
};

// Each reads the arguments after the command's name ("--help" is answered before them). Every
// input not given keeps the form's default. Throw UsageError on the first fault.
EstimateOptions ParseEstimateOptions(std::span<const std::string_view> args);
CompareOptions ParseCompareOptions(std::span<const std::string_view> args);
SweepOptions ParseSweepOptions(std::span<const std::string_view> args);
HeatPumpOptions ParseHeatPumpOptions(std::span<const std::string_view> args);
RatingOptions ParseRatingOptions(std::span<const std::string_view> args);
BinsOptions ParseBinsOptions(std::span<const std::string_view> args);

// Option names of the fuels and modes, as the command line and the JSON output write them.
std::string_view FuelKey(HeatingFuel fuel);
std::string_view ModeKey(CalcMode mode);

}  // namespace heatwise::cli
