// heatwise-icon's work, run by its main and, in process, by its tests.
#pragma once

#include <iosfwd>
#include <span>

namespace heatwise::icon {

// Runs heatwise-icon with its arguments, the program's name left out, and returns its exit
// status: 0 when every file is written, 1 when a file or folder cannot be, 2 for a wrong command
// line; what went wrong is written to `errors`.
int RunIconTool(std::span<const char* const> arguments, std::ostream& errors);

}  // namespace heatwise::icon
