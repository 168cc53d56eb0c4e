// The operations every POSIX system answers the same way, whatever draws the windows: the
// version, the process's command line and executable, its environment and current directory,
// and the end of the process.
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/platform.h"

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

}  // namespace

OsVersion Platform::Version() {
    OsVersion version;
    utsname name{};
    if (uname(&name) == 0) {
        version.major = std::atoi(name.release);
    }
    return version;
}

// Linux has no single system folder; the shared libraries of the system are the nearest match.
std::optional<std::string> Platform::SystemDirectory() {
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

std::string Platform::CommandLine() {
    return JoinCommandLine(ProcessArguments());
}

std::string Platform::ExecutablePath() {
    std::vector<char> buffer(4096);
    ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    return std::string(buffer.data(), static_cast<std::size_t>(length));
}

std::optional<std::string> Platform::EnvironmentVariable(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) {
        return std::nullopt;
    }
    return std::string(value);
}

CurrentDirectory Platform::WorkingDirectory() {
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

void Platform::ExitProcess(int exit_code) {
    // The process ends as the platform's own process exit does: at once, without the
    // program's static destructors, which may still expect windows that are gone.
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(exit_code);
}

}  // namespace windlass
