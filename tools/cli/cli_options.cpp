#include "cli_options.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "command_line.h"
#include "numeric_inputs.h"

namespace heatwise::cli {

namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

template <typename Choice>
struct Named {
    std::string_view name;
    Choice choice;
};

template <typename Choice>
Choice ParseChoice(std::string_view option, std::string_view text,
                   std::span<const Named<Choice>> choices) {
    const std::string wanted = Lower(text);
    std::string accepted;
    for (const Named<Choice>& named : choices) {
        if (wanted == named.name) {
            return named.choice;
        }
        accepted += (accepted.empty() ? "" : ", ") + std::string(named.name);
    }
    throw UsageError(std::string(option) + ": '" + std::string(text) + "' is not one of " +
                     accepted);
}

constexpr Named<CalcMode> kModes[] = {{"cooling", CalcMode::kCooling},
                                      {"heating", CalcMode::kHeating}};

constexpr Named<HeatingFuel> kFuels[] = {{"electricity", HeatingFuel::kElectricity},
                                         {"oil", HeatingFuel::kFuelOil},
                                         {"propane", HeatingFuel::kPropane},
                                         {"gas", HeatingFuel::kNaturalGas}};

constexpr Named<CompareOrder> kOrders[] = {{"list", CompareOrder::kList},
                                           {"cooling", CompareOrder::kCooling},
                                           {"heating", CompareOrder::kHeating},
                                           {"name", CompareOrder::kName}};

// The inputs of the form, shared by estimate, compare and sweep, and the climate files' folder.
void AddInputs(CommandLine& command_line, EstimateInputs& inputs, DataFolder& data_dir) {
    for (const ShiftInput& input : ShiftInputs()) {
        command_line.AddValue("--" + std::string(input.name), ValueShape::kNumber,
                              [&inputs, &input](std::string_view option, std::string_view v) {
                                  inputs.*input.values = ParseShiftTriple(option, v, input.range);
                              });
    }
    for (const SingleInput& input : SingleInputs()) {
        command_line.AddValue("--" + std::string(input.name), ValueShape::kNumber,
                              [&inputs, &input](std::string_view option, std::string_view v) {
                                  input.read(inputs, option, v);
                              });
    }
    command_line.AddValue("--data-dir", ValueShape::kFile,
                          [&data_dir](std::string_view, std::string_view v) {
                              data_dir = {std::filesystem::path(v), FolderSource::kOption};
                          });
}

// Without --data-dir the climate files come from the folder that HEATWISE_DATA_DIR names, as
// the installed launcher sets it to the installation's own folder, else from the working
// folder, where the application itself reads them.
void TakeFolderFromEnvironment(DataFolder& data_dir) {
    const char* named = std::getenv(kDataFolderVariable);
    if (data_dir.source == FolderSource::kWorkingFolder && named != nullptr && *named != '\0') {
        data_dir = {std::filesystem::path(named), FolderSource::kEnvironment};
    }
}

void AddSvgFile(CommandLine& command_line, std::filesystem::path& svg_file) {
    command_line.AddValue(
        "--svg", ValueShape::kFile, [&svg_file](std::string_view option, std::string_view v) {
            if (v.empty()) {
                throw UsageError(std::string(option) + " needs the name of the picture to write");
            }
            svg_file = std::filesystem::path(v);
        });
}

// Compare and sweep work out each season in its own mode.
void RefuseMode(CommandLine& command_line, std::string_view command) {
    command_line.AddValue(
        "--mode", ValueShape::kWord, [command](std::string_view, std::string_view) {
            throw UsageError("--mode: " + std::string(command) +
                             " works out the cooling cost in mode cooling and the heating cost in "
                             "mode heating");
        });
}

// The output options; the chosen format is known once every option has been read.
struct OutputFlags {
    bool json = false;
    bool csv = false;

    void Add(CommandLine& command_line) {
        command_line.AddFlag("--json", json);
        command_line.AddFlag("--csv", csv);
    }

    OutputFormat Chosen() const {
        if (json && csv) {
            throw UsageError("--json and --csv cannot be combined; choose one");
        }
        return json ? OutputFormat::kJson : csv ? OutputFormat::kCsv : OutputFormat::kTable;
    }
};

}  // namespace

std::string_view FuelKey(HeatingFuel fuel) {
    for (const Named<HeatingFuel>& named : kFuels) {
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
    command_line.AddValue("--city", ValueShape::kNumber,
                          [&options](std::string_view option, std::string_view v) {
                              options.inputs.city = ParseCity(option, v);
                          });
    command_line.AddValue("--mode", ValueShape::kWord,
                          [&options](std::string_view option, std::string_view v) {
                              options.inputs.mode = ParseChoice<CalcMode>(option, v, kModes);
                          });
    command_line.AddValue("--fuel", ValueShape::kWord,
                          [&options](std::string_view option, std::string_view v) {
                              if (Lower(v) == "all") {
                                  options.fuels = FuelSelection::kAll;
                                  return;
                              }
                              options.fuels = FuelSelection::kChosen;
                              options.inputs.fuel = ParseChoice<HeatingFuel>(option, v, kFuels);
                          });
    AddSvgFile(command_line, options.svg_file);
    command_line.Parse(args);
    TakeFolderFromEnvironment(options.data_dir);
    options.format = output.Chosen();
    return options;
}

CompareOptions ParseCompareOptions(std::span<const std::string_view> args) {
    CompareOptions options;
    CommandLine command_line;
    OutputFlags output;
    AddInputs(command_line, options.inputs, options.data_dir);
    output.Add(command_line);
    command_line.AddValue("--fuel", ValueShape::kWord,
                          [&options](std::string_view option, std::string_view v) {
                              options.inputs.fuel = ParseChoice<HeatingFuel>(option, v, kFuels);
                          });
    command_line.AddValue("--sort", ValueShape::kWord,
                          [&options](std::string_view option, std::string_view v) {
                              options.order = ParseChoice<CompareOrder>(option, v, kOrders);
                          });
    command_line.AddValue("--city", ValueShape::kNumber, [](std::string_view, std::string_view) {
        throw UsageError("--city: compare covers all 211 cities; use estimate for one city");
    });
    RefuseMode(command_line, "compare");
    AddSvgFile(command_line, options.svg_file);
    command_line.Parse(args);
    TakeFolderFromEnvironment(options.data_dir);
    options.format = output.Chosen();
    return options;
}

SweepOptions ParseSweepOptions(std::span<const std::string_view> args) {
    SweepOptions options;
    CommandLine command_line;
    OutputFlags output;
    EstimateInputs inputs;
    std::string vary;
    AddInputs(command_line, inputs, options.data_dir);
    output.Add(command_line);
    command_line.AddValue("--vary", ValueShape::kWord,
                          [&vary](std::string_view, std::string_view v) { vary = v; });
    command_line.AddValue("--city", ValueShape::kNumber,
                          [&inputs](std::string_view option, std::string_view v) {
                              inputs.city = ParseCity(option, v);
                          });
    command_line.AddValue("--fuel", ValueShape::kWord,
                          [&inputs](std::string_view option, std::string_view v) {
                              inputs.fuel = ParseChoice<HeatingFuel>(option, v, kFuels);
                          });
    RefuseMode(command_line, "sweep");
    AddSvgFile(command_line, options.svg_file);
    command_line.Parse(args);
    if (vary.empty()) {
        throw UsageError(
            "sweep needs --vary NAME=FROM:TO:STEP, the input to vary and its range, such as "
            "--vary winter=72:62:-1");
    }
    // The steps start from every other input as given, whatever the order of the options.
    options.range = ParseSweepRange("--vary", vary, inputs);
    TakeFolderFromEnvironment(options.data_dir);
    options.format = output.Chosen();
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
