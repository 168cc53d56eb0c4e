// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windlass {

// A window that the platform created, as the toolkit refers to it. Only the backend that made
// it knows what it points at (the Qt backend keeps a QWidget there); everything else passes it
// back unchanged. A null handle means "no window".
struct NativeWindow;
using WindowHandle = NativeWindow*;

// The display the toolkit draws on, as the settings record keeps it.
struct DisplayMetrics {
    int width_px = 0;
    int height_px = 0;
    int planes = 1;
    int bits_per_pixel = 0;
};

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

// The button sets, icons and answers of a message box, in the order the toolkit numbers them.
enum class BoxButtons { Ok, OkCancel, RetryCancel, YesNo, YesNoCancel, AbortRetryIgnore };
enum class BoxIcon { None, Stop, Question, Exclamation, Information };
enum class BoxAnswer { Ok, Cancel, Abort, Retry, Ignore, Yes, No, Failed };

// Whom a message box blocks: its owner window, or the whole program (used when the program is
// about to end and there may be no window at all).
enum class BoxModality { Owner, Program };

struct MessageBoxRequest {
    BoxButtons buttons = BoxButtons::Ok;
    BoxIcon icon = BoxIcon::None;
    // Zero-based position, in the button set, of the button that has the focus first.
    int default_button = 0;
    std::string text;
    std::string title;
    WindowHandle owner = nullptr;
    BoxModality modality = BoxModality::Owner;
};

// The number of buttons a set shows, and the answer of the button at a zero-based position.
int ButtonCount(BoxButtons buttons);
BoxAnswer ButtonAt(BoxButtons buttons, int position);

// Joins the words of a command line with blanks, enclosing a word that contains a blank (or is
// empty) in double quotes, so that splitting the line at blanks gives the words back.
std::string JoinCommandLine(const std::vector<std::string>& words);

// Everything the toolkit asks of the windowing platform. A backend must provide the display
// query, the message box and the beep; every other operation has a default that suits any
// POSIX system and that a backend or a test double overrides only when it must.
//
// Sections:
//  1. Display and system
//  2. Process: command line, environment, current directory, exit
//  3. Message boxes and the bell
//  4. Windows, menus and the status bar (added with the main window)
//  5. Events and the message loop (added with the message loop)
class Platform {
  public:
    virtual ~Platform() = default;

    // 1. Display and system.
    virtual DisplayMetrics Display() = 0;
    virtual OsVersion Version();
    // The directory of the operating system's shared files; nothing when there is none.
    virtual std::optional<std::string> SystemDirectory();

    // 2. Process.
    // The command line as one text: the words separated by blanks, words that contain a blank
    // (or are empty) enclosed in double quotes.
    virtual std::string CommandLine();
    // The full path of the running executable; blank when the platform cannot tell.
    virtual std::string ExecutablePath();
    // The value of an environment variable; nothing when it is not set.
    virtual std::optional<std::string> EnvironmentVariable(std::string_view name);
    virtual CurrentDirectory WorkingDirectory();
    // Ends the process at once with the exit code; standard streams are flushed first, and
    // nothing else of the program runs. Must not return.
    [[noreturn]] virtual void ExitProcess(int exit_code);

    // 3. Message boxes and the bell.
    // Shows a modal box and waits for the user; gives the button pressed, or Failed.
    virtual BoxAnswer ShowMessageBox(const MessageBoxRequest& request) = 0;
    virtual void Beep() = 0;

    // 4. Windows, menus and the status bar: frame and client windows, menu bars, accelerator
    //    tables and the multi-part status bar join here, each with a default that fails
    //    politely, so that the test double keeps working without them.

    // 5. Events: waiting for and dispatching the next platform event joins here.
};

// The platform in use. The first call creates the backend the program was built with.
Platform& ThePlatform();

// Puts a platform in place (a test double, typically) and hands back the previous one, which
// may be null when none had been created yet. Passing null makes the next ThePlatform() create
// the built-in backend again.
std::unique_ptr<Platform> InstallPlatform(std::unique_ptr<Platform> platform);

// Creates the backend this program was built with; each backend provides it in its own
// factory file.
std::unique_ptr<Platform> CreateDefaultPlatform();

}  // namespace windlass
