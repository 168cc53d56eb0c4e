// The groups of options that several commands share: the form's inputs and the climate files'
// folder, the picture, the output format, and the choices that are read by their names.
#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "cli_options.h"
#include "command_line.h"
#include "engine/estimate_inputs.h"
#include "value_parsing.h"

namespace heatwise::cli {

std::string Lower(std::string_view text);

// A choice of an option and the word that names it on the command line.
template <typename Choice>
struct Named {
    std::string_view name;
    Choice choice;
};

// The choice that `text` names, ignoring case, or a UsageError that lists the words accepted.
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

inline constexpr Named<HeatingFuel> kFuelChoices[] = {{"electricity", HeatingFuel::kElectricity},
                                                      {"oil", HeatingFuel::kFuelOil},
                                                      {"propane", HeatingFuel::kPropane},
                                                      {"gas", HeatingFuel::kNaturalGas}};

// The inputs of the form, shared by estimate, compare, sweep and heat-pump, and the climate
// files' folder.
void AddInputs(CommandLine& command_line, EstimateInputs& inputs, DataFolder& data_dir);

// --fuel with one of the four fuels.
void AddFuel(CommandLine& command_line, EstimateInputs& inputs);

// Without --data-dir the climate files come from the folder that HEATWISE_DATA_DIR names, as
// the installed launcher sets it to the installation's own folder, else from the working
// folder, where the application itself reads them.
void TakeFolderFromEnvironment(DataFolder& data_dir);

void AddSvgFile(CommandLine& command_line, std::filesystem::path& svg_file);

// Compare, sweep and heat-pump work out each season in its own mode.
void RefuseMode(CommandLine& command_line, std::string_view command);

// The output options; the chosen format is known once every option has been read.
struct OutputFlags {
    bool json = false;
    bool csv = false;

    void Add(CommandLine& command_line);
    OutputFormat Chosen() const;
};

}  // namespace heatwise::cli
