// One timed start of a program: from just before the process is made to the moment it writes
// its first line on standard output, and the peak memory of the process once it has ended.
#pragma once

#include <string>
#include <vector>

namespace heatwise::bench {

struct TimedStart {
    // From just before the fork to the arrival of the child's first line.
    double milliseconds = 0.0;
    // The largest resident set the process had in its whole life, as wait4 reports it.
    long peak_kilobytes = 0;
};

// A program to start: its path, its arguments after the name, and the folder it runs in.
struct StartRequest {
    std::string program;
    std::vector<std::string> arguments;
    std::string working_folder;
};

// Starts the program with standard output on a pipe, times it to its first complete line,
// waits for it to end and gives both figures. The process inherits this one's environment.
// A program that cannot be started, ends before writing a line, writes nothing for a minute
// or ends with a failure is an error that names the program and what happened; a child still
// running after a minute is killed.
TimedStart TimeStartToFirstLine(const StartRequest& request);

}  // namespace heatwise::bench
