// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace windlass {

// Thrown by FakePlatform::ExitProcess in place of ending the process, so that a test can see
// the exit code and then look at the state the program left behind.
struct ProcessExit {
    int exit_code = 0;
};

// A platform for tests that need no display. Tests set what the platform reports (display,
// version, environment, command line, executable, current directory) through its public
// members, script the answers of message boxes, and read back every box shown and every beep.
// Its environment is its own map, so the environment of the machine running the tests never
// leaks in.
class FakePlatform : public Platform {
  public:
    DisplayMetrics Display() override { return display; }
    OsVersion Version() override { return version; }
    std::optional<std::string> SystemDirectory() override { return system_directory; }
    std::string CommandLine() override { return command_line; }
    std::string ExecutablePath() override { return executable_path; }
    std::optional<std::string> EnvironmentVariable(std::string_view name) override;
    CurrentDirectory WorkingDirectory() override;
    [[noreturn]] void ExitProcess(int exit_code) override;
    BoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    void Beep() override { ++beeps; }
    bool ShowHelp(WindowHandle owner, const std::string& document,
                  const HelpRequest& request) override;
    DesktopOpen OpenWithDesktop(const std::string& path_or_address) override;
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;

    DisplayMetrics display{1024, 768, 1, 32};
    OsVersion version{OsFamily::Nt, 6};
    std::optional<std::string> system_directory = std::string("/usr/lib");
    std::string command_line = "heatwise";
    std::string executable_path = "/usr/bin/heatwise";
    std::map<std::string, std::string, std::less<>> environment;
    // When empty the real current directory is reported.
    std::optional<CurrentDirectory> working_directory;

    // Answers for the coming boxes, first in first out. A box shown when none is left is
    // answered with its default button, as pressing Enter would.
    std::deque<BoxAnswer> box_answers;
    // Called while a box is up, before it is answered: the moment a user could act.
    std::function<void(const MessageBoxRequest&)> while_box_shown;
    std::vector<MessageBoxRequest> boxes_shown;
    int beeps = 0;
    std::vector<int> exits;

    // Every request to the help viewer, the desktop and the program starter, in order, and the
    // answers they give. Programs are found by the platform's own search of the PATH variable
    // of `environment`.
    struct HelpShown {
        WindowHandle owner = nullptr;
        std::string document;
        HelpRequest request;
    };
    struct ProgramStarted {
        std::string program;
        std::vector<std::string> arguments;
    };
    std::vector<HelpShown> help_shown;
    bool help_answer = true;
    std::vector<std::string> desktop_opened;
    DesktopOpen desktop_answer = DesktopOpen::Opened;
    std::vector<ProgramStarted> programs_started;
    bool start_answer = true;
};

// Puts a fake platform in place for the life of a test and restores the previous one after.
class ScopedFakePlatform {
  public:
    ScopedFakePlatform();
    ~ScopedFakePlatform();
    ScopedFakePlatform(const ScopedFakePlatform&) = delete;
    ScopedFakePlatform& operator=(const ScopedFakePlatform&) = delete;

    FakePlatform& operator*() { return *fake_; }
    FakePlatform* operator->() { return fake_; }

  private:
    FakePlatform* fake_;
    std::unique_ptr<Platform> previous_;
};

}  // namespace windlass
