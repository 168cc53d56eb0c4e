#include "init/command_line.h"

#include <algorithm>
#include <optional>

#include "platform/platform.h"

namespace windlass {
namespace {

// The platform hands over zero-terminated texts: what follows a NUL is not part of them.
std::string CutAtNul(std::string text, std::size_t limit) {
    text.resize(std::min(text.find('\0'), text.size()));
    if (text.size() > limit) {
        text.resize(limit);
    }
    return text;
}

// Takes the next word from position at, moving at past it; nothing when only blanks remain.
std::optional<std::string> NextWord(std::string_view line, std::size_t& at) {
    at = line.find_first_not_of(' ', at);
    if (at == std::string_view::npos) {
        at = line.size();
        return std::nullopt;
    }
    char delimiter = ' ';
    if (line[at] == '"') {
        delimiter = '"';
        ++at;
    }
    std::size_t end = line.find(delimiter, at);
    if (end == std::string_view::npos) {
        end = line.size();
    }
    std::string word(line.substr(at, end - at));
    at = end == line.size() ? end : end + 1;
    return word;
}

}  // namespace

const CapturedCommandLine& CommandLine() {
    auto& captured = CommandLineCopy();
    if (!captured) {
        OsServices& platform = ThePlatform().Os();
        captured = CapturedCommandLine{CutAtNul(platform.CommandLine(), kCommandLineLimit),
                                       CutAtNul(platform.ExecutablePath(), kExecutablePathLimit)};
    }
    return *captured;
}

std::vector<std::string> SplitArguments(std::string_view line) {
    std::size_t at = 0;
    // The first word is the program name.
    NextWord(line, at);
    std::vector<std::string> arguments;
    while (auto word = NextWord(line, at)) {
        arguments.push_back(std::move(*word));
    }
    return arguments;
}

int ArgumentCount() {
    return static_cast<int>(SplitArguments(CommandLine().line).size());
}

std::string Argument(int n) {
    if (n == 0) {
        return CommandLine().executable;
    }
    std::vector<std::string> arguments = SplitArguments(CommandLine().line);
    if (n < 0 || n > static_cast<int>(arguments.size())) {
        return {};
    }
    return arguments[static_cast<std::size_t>(n - 1)];
}

}  // namespace windlass
