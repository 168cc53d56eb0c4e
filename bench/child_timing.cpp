#include "child_timing.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <stdexcept>

namespace heatwise::bench {
namespace {

// Long enough for any start on a loaded machine; only a program that never reports meets it.
constexpr int kReportDeadlineMilliseconds = 60000;

std::runtime_error StartError(const StartRequest& request, const std::string& what) {
    return std::runtime_error(request.program + ": " + what);
}

// In the child, between fork and exec: only async-signal-safe calls, and no return.
[[noreturn]] void ExecChild(const StartRequest& request, int pipe_write, char* const* argv) {
    if (dup2(pipe_write, STDOUT_FILENO) < 0 || chdir(request.working_folder.c_str()) != 0) {
        _exit(126);
    }
    execv(request.program.c_str(), argv);
    _exit(127);
}

// Reads until the first line has arrived completely; false when the child closed its end
// first or wrote nothing for the whole deadline.
bool ReadFirstLine(int pipe_read) {
    pollfd watch{pipe_read, POLLIN, 0};
    char buffer[256];
    for (;;) {
        int ready = poll(&watch, 1, kReportDeadlineMilliseconds);
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready <= 0) {
            return false;
        }
        ssize_t count = read(pipe_read, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            return false;
        }
        if (std::memchr(buffer, '\n', static_cast<std::size_t>(count)) != nullptr) {
            return true;
        }
    }
}

}  // namespace

TimedStart TimeStartToFirstLine(const StartRequest& request) {
    std::vector<char*> argv;
    std::string name = request.program;
    argv.push_back(name.data());
    std::vector<std::string> arguments = request.arguments;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        throw StartError(request, std::string("no pipe for its output: ") + std::strerror(errno));
    }
    const auto started = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child < 0) {
        close(ends[0]);
        close(ends[1]);
        throw StartError(request, std::string("cannot fork: ") + std::strerror(errno));
    }
    if (child == 0) {
        ExecChild(request, ends[1], argv.data());
    }
    close(ends[1]);
    const bool reported = ReadFirstLine(ends[0]);
    const auto stopped = std::chrono::steady_clock::now();
    if (!reported) {
        // The child is this process's own: it is ended by its id, never by name.
        kill(child, SIGKILL);
    }
    close(ends[0]);

    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) {
            throw StartError(request, std::string("cannot wait for it: ") + std::strerror(errno));
        }
    }
    if (!reported) {
        throw StartError(request, "no line on standard output: it never reached its first wait");
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const std::string how = WIFEXITED(status)
                                    ? "exit code " + std::to_string(WEXITSTATUS(status))
                                    : "signal " + std::to_string(WTERMSIG(status));
        throw StartError(request, "reached its first wait but then ended with " + how);
    }
    TimedStart result;
    result.milliseconds = std::chrono::duration<double, std::milli>(stopped - started).count();
    result.peak_kilobytes = usage.ru_maxrss;
    return result;
}

}  // namespace heatwise::bench
