// One command's options, read with CLI11: each option's text goes to a reader that checks it
// the form's way, and every fault becomes a UsageError that names the option.
#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace heatwise::cli {

// What an option's value may be, which decides what a value that begins with a dash means.
// Such a value is taken for the next option, the value forgotten, and refused; only a number
// may begin with a minus sign (the reader then says whether the number is in its range), and a
// file whose name begins with a dash is named ./-name.
enum class ValueShape { kWord, kNumber, kFile };

class CommandLine {
  public:
    // Reads the text of an option that takes a value; `option` is its name with the dashes.
    using ValueReader = std::function<void(std::string_view option, std::string_view text)>;
    // Takes an argument that is not an option, such as the weather file of bins.
    using PositionalReader = std::function<void(std::string_view argument)>;

    CommandLine();

    void AddValue(const std::string& name, ValueShape shape, ValueReader read);
    void AddFlag(const std::string& name, bool& given);

    // Reads the arguments after the command's name. An option given twice keeps its last
    // value. Without `positional` an argument that is not an option is refused.
    void Parse(std::span<const std::string_view> args, const PositionalReader& positional = {});

  private:
    // Refuses a value, given after its option or after an equals sign, that looks like an
    // option.
    void CheckValues(std::span<const std::string_view> args) const;

    CLI::App app_;
    std::map<std::string, ValueShape, std::less<>> shapes_;
};

}  // namespace heatwise::cli
