// One command's options, read with CLI11: each option's text goes to a reader that checks it
// the form's way, and every fault becomes a UsageError that names the option.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace heatwise::cli {

class CommandLine {
  public:
    // Reads the text of an option that takes a value; `option` is its name with the dashes.
    using ValueReader = std::function<void(std::string_view option, std::string_view text)>;
    // Takes an argument that is not an option, such as the weather file of bins.
    using PositionalReader = std::function<void(std::string_view argument)>;

    CommandLine();

    void AddValue(const std::string& name, ValueReader read);
    void AddFlag(const std::string& name, bool& given);
    // A folder option whose default is the folder that the environment variable names.
    void AddFolder(const std::string& name, const std::string& variable, std::string& folder);

    // Reads the arguments after the command's name. An option given twice keeps its last
    // value. Without `positional` an argument that is not an option is refused.
    void Parse(std::span<const std::string_view> args, const PositionalReader& positional = {});

  private:
    CLI::App app_;
};

}  // namespace heatwise::cli
