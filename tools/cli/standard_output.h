// The standard output of heatwise-cli, written once the command is done, so that a report that
// cannot be written is reported rather than lost.
#pragma once

#include <ostream>
#include <string_view>

namespace heatwise::cli {

// Writes `text` to the standard output (file descriptor 1) and returns `status`, or, when the
// text cannot all be written (a full disk, a closed output), says so on `err` with the reason
// and returns the exit status of a file that cannot be written.
int WriteStandardOutput(std::string_view text, int status, std::ostream& err);

}  // namespace heatwise::cli
