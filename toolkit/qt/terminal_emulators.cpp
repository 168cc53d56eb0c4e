#include "qt/terminal_emulators.h"

#include <array>
#include <string_view>

namespace windlass::qt {
namespace {

// How each emulator is told the program to run, by the words that stand before the program and
// its arguments. Those that take one text to be split by a shell are left out: the command's
// words must reach the program as they are.
struct Convention {
    std::string_view emulator;
    std::string_view before;  // Empty: the command follows the emulator's name directly.
};

// x-terminal-emulator first, then the common emulators in the order they are looked for.
constexpr std::array<Convention, 11> kEmulators = {{
    {"x-terminal-emulator", "-e"},
    {"gnome-terminal", "--"},
    {"konsole", "-e"},
    {"xfce4-terminal", "-x"},
    {"mate-terminal", "-x"},
    {"alacritty", "-e"},
    {"kitty", ""},
    {"foot", ""},
    {"terminator", "-x"},
    {"urxvt", "-e"},
    {"xterm", "-e"},
}};

std::string_view BaseName(std::string_view path) {
    std::size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// An emulator the list does not know, as TERMINAL may name one, is told with "-e", the word
// most emulators take.
std::string_view BeforeCommandOf(std::string_view emulator) {
    for (const Convention& convention : kEmulators) {
        if (convention.emulator == BaseName(emulator)) {
            return convention.before;
        }
    }
    return "-e";
}

std::vector<std::string> Wrapped(const std::string& emulator,
                                 const std::vector<std::string>& command) {
    std::vector<std::string> words{emulator};
    std::string_view before = BeforeCommandOf(emulator);
    if (!before.empty()) {
        words.emplace_back(before);
    }
    words.insert(words.end(), command.begin(), command.end());
    return words;
}

}  // namespace

std::optional<std::vector<std::string>> InTerminal(const std::vector<std::string>& command,
                                                   const std::string& terminal_variable,
                                                   const IsInstalled& installed) {
    // A TERMINAL that names no installed program is passed over, as the other choices are.
    if (!terminal_variable.empty() && installed(terminal_variable)) {
        return Wrapped(terminal_variable, command);
    }
    for (const Convention& convention : kEmulators) {
        std::string emulator(convention.emulator);
        if (installed(emulator)) {
            return Wrapped(emulator, command);
        }
    }
    return std::nullopt;
}

}  // namespace windlass::qt
