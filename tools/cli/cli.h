// heatwise-cli: the bin-method estimator on the command line. The whole program lives here so
// that tests and benchmarks can run it without starting a process.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace heatwise::cli {

inline constexpr int kExitSuccess = 0;
// A climate data file, a station table or a weather file that cannot be used, or a picture or
// the standard output that cannot be written.
inline constexpr int kExitDataError = 1;
// A command line that cannot be carried out; nothing was computed.
inline constexpr int kExitUsageError = 2;

// Runs one command line; `args` are the arguments after the program's name. Results go to
// `out`, messages to `err`; returns the exit status.
int RunCli(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace heatwise::cli
