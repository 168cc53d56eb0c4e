#include "cli_options.h"

#include <algorithm>

#include "command_line.h"
#include "option_groups.h"

namespace heatwise::cli {

namespace {

constexpr Named<CalcMode> kModes[] = {{"cooling", CalcMode::kCooling},
                                      {"heating", CalcMode::kHeating}};

constexpr Named<CompareOrder> kOrders[] = {{"list", CompareOrder::kList},
                                           {"cooling", CompareOrder::kCooling},
                                           {"heating", CompareOrder::kHeating},
                                           {"name", CompareOrder::kName}};

// With the heat pump the rows are ordered by its saving; the form's two costs are not shown.
constexpr Named<CompareOrder> kHeatPumpOrders[] = {{"list", CompareOrder::kList},
                                                   {"savings", CompareOrder::kSavings},
                                                   {"name", CompareOrder::kName}};

// Whether the command line asks for the heat pump, which decides the options it takes; an
// argument after "--" is not an option.
Pricing PricingOf(std::span<const std::string_view> args) {
    const auto end = std::ranges::find(args, "--");
    return std::find(args.begin(), end, "--heat-pump") != end ? Pricing::kHeatPump : Pricing::kForm;
}

void AddCity(CommandLine& command_line, EstimateInputs& inputs) {
    command_line.AddValue("--city", ValueShape::kNumber,
                          [&inputs](std::string_view option, std::string_view v) {
                              inputs.city = ParseCity(option, v);
                          });
}

// --heat-pump itself, and the heat pump's options, or their refusal without it.
void AddPricing(CommandLine& command_line, Pricing pricing, bool& flag,
                HeatPumpOptionValues& values, std::string_view command) {
    command_line.AddFlag("--heat-pump", flag);
    if (pricing == Pricing::kHeatPump) {
        AddHeatPumpOptions(command_line, values, HeatPumpOptionSet::kUnitAndBackup);
    } else {
        RefuseHeatPumpOptions(command_line, command);
    }
}

}  // namespace

std::string_view FuelKey(HeatingFuel fuel) {
    for (const Named<HeatingFuel>& named : kFuelChoices) {
        if (named.choice == fuel) {
            return named.name;
        }
    }
    return "none";
}

std::string_view ModeKey(CalcMode mode) {
    return mode == CalcMode::kCooling ? "cooling" : "heating";
}

EstimateOptions ParseEstimateOptions(std::span<const std::string_view> args) {
    EstimateOptions options;
    CommandLine command_line;
    OutputFlags output;
    AddInputs(command_line, options.inputs, options.data_dir);
    output.Add(command_line);
    AddCity(command_line, options.inputs);
    command_line.AddValue("--mode", ValueShape::kWord,
                          [&options](std::string_view option, std::string_view v) {
                              options.inputs.mode = ParseChoice<CalcMode>(option, v, kModes);
                          });
    command_line.AddValue(
        "--fuel", ValueShape::kWord, [&options](std::string_view option, std::string_view v) {
            if (Lower(v) == "all") {
                options.fuels = FuelSelection::kAll;
                return;
            }
            options.fuels = FuelSelection::kChosen;
            options.inputs.fuel = ParseChoice<HeatingFuel>(option, v, kFuelChoices);
        });
    AddSvgFile(command_line, options.svg_file);
    command_line.Parse(args);
    TakeFolderFromEnvironment(options.data_dir);
    options.format = output.Chosen();
    return options;
}

CompareOptions ParseCompareOptions(std::span<const std::string_view> args) {
    CompareOptions options;
    options.pricing = PricingOf(args);
    const bool heat_pump = options.pricing == Pricing::kHeatPump;
    CommandLine command_line;
    OutputFlags output;
    bool flag = false;
    AddInputs(command_line, options.inputs, options.data_dir);
    output.Add(command_line);
    AddFuel(command_line, options.inputs);
    AddPricing(command_line, options.pricing, flag, options.heat_pump_given, "compare");
    command_line.AddValue(
        "--sort", ValueShape::kWord,
        [&options, heat_pump](std::string_view option, std::string_view v) {
            if (!heat_pump && Lower(v) == "savings") {
                throw UsageError(std::string(option) +
                                 ": savings are those of a heat pump; give --heat-pump and its "
                                 "ratings");
            }
            options.order = heat_pump ? ParseChoice<CompareOrder>(option, v, kHeatPumpOrders)
                                      : ParseChoice<CompareOrder>(option, v, kOrders);
        });
    command_line.AddValue("--city", ValueShape::kNumber, [](std::string_view, std::string_view) {
        throw UsageError("--city: compare covers all 211 cities; use estimate for one city");
    });
    RefuseMode(command_line, "compare");
    AddSvgFile(command_line, options.svg_file);
    command_line.Parse(args);
    TakeFolderFromEnvironment(options.data_dir);
    options.format = output.Chosen();
    if (heat_pump) {
        options.heat_pump = MakeHeatPumpSettings(options.heat_pump_given, options.inputs);
    }
    return options;
}

SweepOptions ParseSweepOptions(std::span<const std::string_view> args) {
    SweepOptions options;
    options.pricing = PricingOf(args);
    CommandLine command_line;
    OutputFlags output;
    EstimateInputs inputs;
    HeatPumpOptionValues heat_pump;
    bool flag = false;
    std::string vary;
    AddInputs(command_line, inputs, options.data_dir);
    output.Add(command_line);
    AddPricing(command_line, options.pricing, flag, heat_pump, "sweep");
    command_line.AddValue("--vary", ValueShape::kWord,
                          [&vary](std::string_view, std::string_view v) { vary = v; });
    AddCity(command_line, inputs);
    AddFuel(command_line, inputs);
    RefuseMode(command_line, "sweep");
    AddSvgFile(command_line, options.svg_file);
    command_line.Parse(args);
    if (vary.empty()) {
        throw UsageError(
            "sweep needs --vary NAME=FROM:TO:STEP, the input to vary and its range, such as "
            "--vary winter=72:62:-1");
    }
    // The steps start from every other input as given, whatever the order of the options.
    options.range = ParseSweepRange("--vary", vary, inputs, options.pricing, heat_pump);
    TakeFolderFromEnvironment(options.data_dir);
    options.format = output.Chosen();
    return options;
}

HeatPumpOptions ParseHeatPumpOptions(std::span<const std::string_view> args) {
    HeatPumpOptions options;
    CommandLine command_line;
    OutputFlags output;
    AddInputs(command_line, options.inputs, options.data_dir);
    output.Add(command_line);
    AddCity(command_line, options.inputs);
    AddFuel(command_line, options.inputs);
    AddHeatPumpOptions(command_line, options.given, HeatPumpOptionSet::kUnitAndBackup);
    RefuseMode(command_line, "heat-pump");
    AddSvgFile(command_line, options.svg_file);
    command_line.Parse(args);
    TakeFolderFromEnvironment(options.data_dir);
    options.format = output.Chosen();
    options.unit = MakeHeatPumpSettings(options.given, options.inputs);
    return options;
}

RatingOptions ParseRatingOptions(std::span<const std::string_view> args) {
    RatingOptions options;
    CommandLine command_line;
    bool json = false;
    std::optional<int> region;
    AddHeatPumpOptions(command_line, options.given, HeatPumpOptionSet::kUnit);
    command_line.AddValue("--region", ValueShape::kNumber,
                          [&region](std::string_view option, std::string_view v) {
                              region = ParseWholeNumber(option, v, kHeatPumpRanges.region);
                          });
    command_line.AddValue(
        "--dhr", ValueShape::kNumber, [&options](std::string_view option, std::string_view v) {
            options.input.design_heating_requirement =
                ParseWholeNumber(option, v, kHeatPumpRanges.design_heating_requirement);
        });
    command_line.AddFlag("--json", json);
    command_line.Parse(args);
    if (!region) {
        throw UsageError(
            "rating needs --region N, the climate region 1 to 6 of the rating "
            "(IV, --region 4, is the one certificates quote)");
    }
    options.input.region = *region;
    options.input.ratings = MakeRatings(options.given);
    options.input.cycling_degradation = options.given.cycling_degradation;
    options.input.cutout = options.given.cutout;
    if (const std::optional<HeatPumpProblem> problem = CheckHspfRatingInput(options.input)) {
        throw UsageError(std::string(OptionOf(problem->field)) + ": " + problem->message);
    }
    options.format = json ? OutputFormat::kJson : OutputFormat::kTable;
    return options;
}

BinsOptions ParseBinsOptions(std::span<const std::string_view> args) {
    BinsOptions options;
    bool named = false;
    bool json = false;
    bool records = false;
    CommandLine command_line;
    command_line.AddFlag("--json", json);
    command_line.AddFlag("--records", records);
    command_line.Parse(args, [&](std::string_view file) {
        if (named) {
            throw UsageError("bins takes one weather file, not also '" + std::string(file) + "'");
        }
        options.weather_file = std::filesystem::path(file);
        named = true;
    });
    if (!named) {
        throw UsageError("bins needs the weather file to read (a TMY3 CSV or EPW file)");
    }
    if (json && records) {
        throw UsageError("--json and --records cannot be combined");
    }
    options.format = json      ? BinsFormat::kJson
                     : records ? BinsFormat::kRecords
                               : BinsFormat::kReport;
    return options;
}

}  // namespace heatwise::cli
