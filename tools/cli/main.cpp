// heatwise-cli COMMAND [OPTIONS]: the bin-method estimator on the command line. See cli.h.
#include <iostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "cli.h"
#include "standard_output.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    // The report is written whole at the end, where a failed write can still change the exit
    // status.
    std::ostringstream out;
    const int status = heatwise::cli::RunCli(args, out, std::cerr);
    return heatwise::cli::WriteStandardOutput(out.view(), status, std::cerr);
}
