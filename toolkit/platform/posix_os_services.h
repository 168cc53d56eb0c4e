// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "platform/os_services.h"

namespace windlass {

// The operating-system services as every POSIX system answers them, whatever draws the
// windows. A backend uses it as it is or overrides what its own library does better; a test
// double overrides what a test must decide.
class PosixOsServices : public OsServices {
  public:
    OsVersion Version() override;
    std::optional<std::string> SystemDirectory() override;
    std::string CommandLine() override;
    std::string ExecutablePath() override;
    std::optional<std::string> EnvironmentVariable(std::string_view name) override;
    CurrentDirectory WorkingDirectory() override;
    [[noreturn]] void ExitProcess(int exit_code) override;
    // The search path comes through EnvironmentVariable, so that an override decides it.
    std::optional<std::string> FindProgram(const std::string& name) override;
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;
};

}  // namespace windlass
