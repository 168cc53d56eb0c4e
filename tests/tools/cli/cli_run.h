// Runs heatwise-cli in process, as the tests of its commands do: its exit status and what it
// wrote to its two outputs.
#pragma once

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"

namespace heatwise::cli {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunCliOn(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(views, out, err);
    return {status, out.str(), err.str()};
}

}  // namespace heatwise::cli
