// The operations every POSIX system answers the same way, whatever draws the windows: the
// version, the process's command line and executable, its environment and current directory,
// the end of the process, and finding and starting other programs.
#include "platform/posix_os_services.h"

#include <fcntl.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace windlass {
namespace {

// Linux keeps the arguments of the process, each ended by a NUL, in /proc/self/cmdline.
std::vector<std::string> ProcessArguments() {
    std::ifstream file("/proc/self/cmdline", std::ios::binary);
    std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<std::string> arguments;
    std::size_t start = 0;
    while (start < raw.size()) {
        std::size_t end = raw.find('\0', start);
        if (end == std::string::npos) {
            end = raw.size();
        }
        arguments.push_back(raw.substr(start, end - start));
        start = end + 1;
    }
    return arguments;
}

bool IsExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

OsVersion PosixOsServices::Version() {
    OsVersion version;
    utsname name{};
    if (uname(&name) == 0) {
        version.major = std::atoi(name.release);
    }
    return version;
}

// Linux has no single system folder; the shared libraries of the system are the nearest match.
std::optional<std::string> PosixOsServices::SystemDirectory() {
    return std::string("/usr/lib");
}

std::string JoinCommandLine(const std::vector<std::string>& words) {
    std::string line;
    for (const std::string& word : words) {
        if (!line.empty()) {
            line += ' ';
        }
        if (word.empty() || word.find(' ') != std::string::npos) {
            line += '"' + word + '"';
        } else {
            line += word;
        }
    }
    return line;
}

std::string PosixOsServices::CommandLine() {
    return JoinCommandLine(ProcessArguments());
}

std::string PosixOsServices::ExecutablePath() {
    std::vector<char> buffer(4096);
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::optional<std::string> PosixOsServices::EnvironmentVariable(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

CurrentDirectory PosixOsServices::WorkingDirectory() {
    std::vector<char> buffer(256);
    for (;;) {
        if (getcwd(buffer.data(), buffer.size()) != nullptr) {
            return {std::string(buffer.data()), 0};
        }
        if (errno != ERANGE || buffer.size() > (1u << 20)) {
            return {std::string(), errno};
        }
        buffer.resize(buffer.size() * 2);
    }
}

void PosixOsServices::ExitProcess(int exit_code) {
    // The process ends as the platform's own process exit does: at once, without the
    // program's static destructors, which may still expect windows that are gone.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(exit_code);
}

std::optional<std::string> PosixOsServices::FindProgram(const std::string& name) {
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.find('/') != std::string::npos) {
        if (IsExecutableFile(name)) {
            return name;
        }
        return std::nullopt;
    }
    std::string search = EnvironmentVariable("PATH").value_or("");
    std::size_t start = 0;
    while (start <= search.size()) {
        std::size_t end = search.find(':', start);
        if (end == std::string::npos) {
            end = search.size();
        }
        // An empty entry means the current directory, as the shells read it.
        std::string folder = search.substr(start, end - start);
        std::filesystem::path candidate = (folder.empty() ? std::string(".") : folder);
        candidate /= name;
        if (IsExecutableFile(candidate)) {
            return candidate.string();
        }
        start = end + 1;
    }
    return std::nullopt;
}

// The program is started by a short-lived child whose own child runs it, so that the started
// program is nobody's child to wait for and leaves no trace when it ends. A pipe that closes on
// a successful start carries the reason back when the program cannot be run.
bool PosixOsServices::StartProgram(const std::string& program,
                                   const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0) {
        return false;
    }
    pid_t child = fork();
    if (child == 0) {
        if (fork() == 0) {
            setsid();
            execvp(argv[0], argv.data());
            int reason = errno;
            ssize_t written = write(report[1], &reason, sizeof reason);
            _exit(written > 0 ? 127 : 126);
        }
        _exit(0);
    }
    close(report[1]);
    if (child < 0) {
        close(report[0]);
        return false;
    }
    int status = 0;
    waitpid(child, &status, 0);
    int reason = 0;
    ssize_t got = read(report[0], &reason, sizeof reason);
    close(report[0]);
    return got == 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace windlass
