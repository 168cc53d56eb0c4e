// Help documents and the desktop on a platform that has neither a help viewer nor a desktop:
// nothing is shown, opened or started. Finding a program by the PATH variable is the same on
// every POSIX system, so that default is the real search.
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace windlass {
namespace {

bool IsExecutableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

bool Platform::ShowHelp(WindowHandle, const std::string&, const HelpRequest&) {
    return false;
}

DesktopOpen Platform::OpenWithDesktop(const std::string&) {
    return DesktopOpen::NoAssociation;
}

std::optional<std::string> Platform::FindProgram(const std::string& name) {
    if (name.empty()) {
        return std::nullopt;
    }
    if (name.find('/') != std::string::npos) {
        if (IsExecutableFile(name)) {
            return name;
        }
        return std::nullopt;
    }
    // The search path comes through the platform, so that a test double's environment decides.
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

bool Platform::StartProgram(const std::string&, const std::vector<std::string>&) {
    return false;
}

}  // namespace windlass
