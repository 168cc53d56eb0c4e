#include "option_groups.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "numeric_inputs.h"

namespace heatwise::cli {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

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

void AddFuel(CommandLine& command_line, EstimateInputs& inputs) {
    command_line.AddValue("--fuel", ValueShape::kWord,
                          [&inputs](std::string_view option, std::string_view v) {
                              inputs.fuel = ParseChoice<HeatingFuel>(option, v, kFuelChoices);
                          });
}

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

void RefuseMode(CommandLine& command_line, std::string_view command) {
    command_line.AddValue(
        "--mode", ValueShape::kWord, [command](std::string_view, std::string_view) {
            throw UsageError("--mode: " + std::string(command) +
                             " works out the cooling cost in mode cooling and the heating cost in "
                             "mode heating");
        });
}

void OutputFlags::Add(CommandLine& command_line) {
    command_line.AddFlag("--json", json);
    command_line.AddFlag("--csv", csv);
}

OutputFormat OutputFlags::Chosen() const {
    if (json && csv) {
        throw UsageError("--json and --csv cannot be combined; choose one");
    }
    return json ? OutputFormat::kJson : csv ? OutputFormat::kCsv : OutputFormat::kTable;
}

}  // namespace heatwise::cli
