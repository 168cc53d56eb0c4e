#include "command_line.h"

#include <vector>

#include "value_parsing.h"

namespace heatwise::cli {

namespace {

// CLI11's own words for a missing value and a flag given a value read "--rate: 1 required TEXT
// missing" and "json was given a disallowed flag override"; the form's users get plainer ones.
std::string PlainMessage(const CLI::ParseError& error) {
    const std::string message = error.what();
    const std::size_t colon = message.find(": ");
    if (message.ends_with(" missing") && colon != std::string::npos) {
        return message.substr(0, colon) + " needs a value";
    }
    const std::size_t override_at = message.find(" was given a disallowed flag override");
    if (override_at != std::string::npos) {
        return "--" + message.substr(0, override_at) + " takes no value";
    }
    return message;
}

}  // namespace

CommandLine::CommandLine() {
    // "--help" is answered before the options are read.
    app_.set_help_flag();
    // Arguments CLI11 does not know are reported below, in the program's words.
    app_.allow_extras();
    app_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void CommandLine::AddValue(const std::string& name, ValueReader read) {
    app_.add_option_function<std::string>(
        name, [name, read = std::move(read)](const std::string& text) { read(name, text); });
}

void CommandLine::AddFlag(const std::string& name, bool& given) {
    app_.add_flag(name, given)->disable_flag_override();
}

void CommandLine::AddFolder(const std::string& name, const std::string& variable,
                            std::string& folder) {
    app_.add_option(name, folder)->envname(variable);
}

void CommandLine::Parse(std::span<const std::string_view> args,
                        const PositionalReader& positional) {
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app_.parse(reversed);
    } catch (const CLI::ParseError& error) {
        throw UsageError(PlainMessage(error));
    }
    for (const std::string& argument : app_.remaining()) {
        if (argument.starts_with("--")) {
            throw UsageError("unknown option '" + argument.substr(0, argument.find('=')) + "'");
        }
        if (!positional) {
            throw UsageError("unexpected argument '" + argument + "'");
        }
        positional(argument);
    }
}

}  // namespace heatwise::cli
