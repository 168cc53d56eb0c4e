#include "command_line.h"

#include <cctype>
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

// A negative number, such as -1 or -.5, as opposed to an option such as -x or --json.
bool IsNegativeNumber(std::string_view text) {
    if (!text.starts_with('-')) {
        return false;
    }
    text.remove_prefix(text.starts_with("-.") ? 2 : 1);
    return !text.empty() && std::isdigit(static_cast<unsigned char>(text.front()));
}

}  // namespace

CommandLine::CommandLine() {
    // "--help" is answered before the options are read.
    app_.set_help_flag();
    // Arguments CLI11 does not know are reported below, in the program's words.
    app_.allow_extras();
    app_.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
}

void CommandLine::AddValue(const std::string& name, ValueShape shape, ValueReader read) {
    shapes_[name] = shape;
    app_.add_option_function<std::string>(
        name, [name, read = std::move(read)](const std::string& text) { read(name, text); });
}

void CommandLine::AddFlag(const std::string& name, bool& given) {
    app_.add_flag(name, given)->disable_flag_override();
}

void CommandLine::CheckValues(std::span<const std::string_view> args) const {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view argument = args[i];
        // Everything after "--" is an argument, however it begins.
        if (argument == "--") {
            return;
        }
        const std::size_t equals = argument.find('=');
        const auto shape = shapes_.find(argument.substr(0, equals));
        if (!argument.starts_with("--") || shape == shapes_.end()) {
            continue;
        }
        const bool attached = equals != std::string_view::npos;
        if (!attached && i + 1 == args.size()) {
            return;  // CLI11 says that the value is missing.
        }
        const std::string_view value = attached ? argument.substr(equals + 1) : args[++i];
        if (!value.starts_with('-') ||
            (shape->second == ValueShape::kNumber && IsNegativeNumber(value))) {
            continue;
        }
        std::string message = shape->first + (attached ? ": '" : " needs a value: '") +
                              std::string(value) + "' looks like an option, not a value";
        if (shape->second == ValueShape::kFile) {
            message +=
                " (a file whose name begins with a dash is named ./" + std::string(value) + ")";
        }
        throw UsageError(message);
    }
}

void CommandLine::Parse(std::span<const std::string_view> args,
                        const PositionalReader& positional) {
    CheckValues(args);
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app_.parse(reversed);
    } catch (const CLI::ParseError& error) {
        throw UsageError(PlainMessage(error));
    }
    bool options_ended = false;
    for (const std::string& argument : app_.remaining()) {
        // After "--" every argument is taken as it is, even one that begins with a dash.
        if (argument == "--" && !options_ended) {
            options_ended = true;
            continue;
        }
        if (!options_ended && argument.starts_with("-") && argument != "-" &&
            !IsNegativeNumber(argument)) {
            throw UsageError("unknown option '" + argument.substr(0, argument.find('=')) + "'");
        }
        if (!positional) {
            throw UsageError("unexpected argument '" + argument + "'");
        }
        positional(argument);
    }
}

}  // namespace heatwise::cli
