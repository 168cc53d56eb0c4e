// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windlass {

// The longest command line and executable path the toolkit keeps.
inline constexpr std::size_t kCommandLineLimit = 1024;
inline constexpr std::size_t kExecutablePathLimit = 255;

// The program's command line, copied from the platform on first use and kept for the life of
// the process.
struct CapturedCommandLine {
    std::string line;
    std::string executable;
};

const CapturedCommandLine& CommandLine();

// The copy itself: empty until the first use of CommandLine().
std::optional<CapturedCommandLine>& CommandLineCopy();

// The arguments of a command line: the blank-delimited words after the program name. A word
// that begins with a double quote runs to the next double quote, quotes excluded, or to the
// end of the line when none follows.
std::vector<std::string> SplitArguments(std::string_view line);

// The number of arguments after the program name.
int ArgumentCount();

// Argument n: 0 is the full path of the executable, 1 to ArgumentCount() the words of the
// command line; any other n gives an empty text.
std::string Argument(int n);

}  // namespace windlass
