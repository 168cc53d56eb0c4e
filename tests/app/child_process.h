// Starting the installed program and its launcher from a test: a child process with its own
// working folder and environment, whose output is read and whose end is awaited.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace heatwise::testing {

struct ChildSetup {
    std::vector<std::string> arguments;  // the program first
    std::filesystem::path working_folder;
    // Variables to set; a variable mapped to nothing is removed from the environment.
    std::map<std::string, std::optional<std::string>> environment;
};

// A child started and not yet awaited: its process id and the read end of its output, which
// carries both its standard output and its standard error.
struct RunningChild {
    pid_t pid = -1;
    int output = -1;
};

RunningChild StartChild(const ChildSetup& setup);

struct FinishedChild {
    int exit_code = -1;  // -1 when the child did not end by itself
    std::string output;
};

// Reads the child's output to its end and waits for the child.
FinishedChild FinishChild(RunningChild child);

// Starts the child and waits for it.
FinishedChild RunChild(const ChildSetup& setup);

// Ends a child that would run on by itself, and waits for it.
void KillChild(RunningChild child);

}  // namespace heatwise::testing
