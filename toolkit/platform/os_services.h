// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windlass {

// The operating-system lines the settings record distinguishes. Linux and every other modern
// multi-user system count as the NT line.
enum class OsFamily { Host16Bit, Consumer, Nt };

struct OsVersion {
    OsFamily family = OsFamily::Nt;
    int major = 0;
};

// The current directory, or the platform's error number when it cannot be had.
struct CurrentDirectory {
    std::string path;
    int os_error = 0;
};

// Joins the words of a command line with blanks, enclosing a word that contains a blank (or is
// empty) in double quotes, so that splitting the line at blanks gives the words back.
std::string JoinCommandLine(const std::vector<std::string>& words);

// What the toolkit asks of the operating system, whatever draws the windows: the system's
// version and folder, the process's command line, executable, environment and current
// directory, its end, and finding and starting other programs.
class OsServices {
  public:
    virtual ~OsServices() = default;

    virtual OsVersion Version() = 0;
    // The directory of the operating system's shared files; nothing when there is none.
    virtual std::optional<std::string> SystemDirectory() = 0;
    // The command line as one text: the words separated by blanks, words that contain a blank
    // (or are empty) enclosed in double quotes.
    virtual std::string CommandLine() = 0;
    // The full path of the running executable; blank when the platform cannot tell.
    virtual std::string ExecutablePath() = 0;
    // The value of an environment variable; nothing when it is not set.
    virtual std::optional<std::string> EnvironmentVariable(std::string_view name) = 0;
    virtual CurrentDirectory WorkingDirectory() = 0;
    // Ends the process at once with the exit code; standard streams are flushed first, and
    // nothing else of the program runs. Must not return.
    [[noreturn]] virtual void ExitProcess(int exit_code) = 0;
    // The full path of a program: a name with a "/" is taken as a path, any other is looked for
    // in the folders of the PATH variable. Nothing when no executable file of that name exists.
    virtual std::optional<std::string> FindProgram(const std::string& name) = 0;
    // Starts a program (a name without a "/" is looked for in the PATH) with these arguments,
    // each passed as it is (no shell sees them), and returns without waiting for it; false when
    // it cannot be started.
    virtual bool StartProgram(const std::string& program,
                              const std::vector<std::string>& arguments) = 0;
};

}  // namespace windlass
