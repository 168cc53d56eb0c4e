// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The terminal emulator that a program whose desktop entry says Terminal=true is started in,
// as desktops start one: the emulator the user names in TERMINAL, else the system's choice
// x-terminal-emulator, else the first of a short list of common ones that is installed. Plain
// text handling, without Qt; the backend says which programs are installed.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace windlass::qt {

// Whether a program of this name is installed (found as a path or on the PATH).
using IsInstalled = std::function<bool(const std::string& program)>;

// The command that runs `command` in the user's terminal emulator: the emulator, the words by
// which it is told what to run (such as "-e" or "--"), then the command. `terminal_variable` is
// the value of TERMINAL, empty when unset. Nothing when no terminal emulator is installed.
std::optional<std::vector<std::string>> InTerminal(const std::vector<std::string>& command,
                                                   const std::string& terminal_variable,
                                                   const IsInstalled& installed);

}  // namespace windlass::qt
