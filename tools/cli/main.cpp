// heatwise-cli COMMAND [OPTIONS]: the bin-method estimator on the command line. See cli.h.
#include <iostream>
#include <string_view>
#include <vector>

#include "cli.h"

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return heatwise::cli::RunCli(args, std::cout, std::cerr);
}
