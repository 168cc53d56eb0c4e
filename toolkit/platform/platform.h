// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dialog_types.h"
#include "platform/help_types.h"
#include "platform/window_types.h"

namespace windlass {

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
//  5. Events and the message loop
//  6. Dialogs and their controls
//  7. Help documents and the desktop
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

    // 4. Windows, menus and the status bar. Each has a default that fails politely (no frame
    //    is made, nothing is shown), so that a platform without windows keeps working.
    // Makes a hidden frame with its client area, menu bar and status bar; the listener hears
    // every event of the frame until it is destroyed. Null when the frame cannot be made.
    virtual WindowHandle CreateFrame(const FrameRequest& request, FrameListener& listener);
    // The sizes of a frame made but not yet placed.
    virtual FrameMeasures MeasureFrame(WindowHandle frame);
    // Moves the frame's outer corner to the screen position.
    virtual void PlaceFrame(WindowHandle frame, int x, int y);
    virtual void ShowFrame(WindowHandle frame, FrameShow show);
    virtual PixelSize ClientAreaSize(WindowHandle frame);
    // The client area of a frame, as a window that dialogs can be embedded in.
    virtual WindowHandle ClientArea(WindowHandle frame);
    // Lays out the frame's status bar in these parts and shows their texts.
    virtual void ShowStatusBar(WindowHandle frame, const std::vector<StatusPartView>& parts);
    // Starts (or restarts) a one-shot timer whose expiry the frame's listener hears.
    virtual void StartTimer(WindowHandle frame, int timer_id, int milliseconds);
    virtual void DestroyFrame(WindowHandle frame);

    // 5. Events.
    // Blocks until the platform has events, then dispatches every one that is there. Returns
    // at once on a platform without events.
    virtual void WaitForEvents();

    // 6. Dialogs and their controls. The defaults make nothing and read nothing, as on a
    //    platform without windows: a dialog cannot be made, every control call fails.
    // Makes a hidden dialog with all its controls from the template; `parent` is the window it
    // is embedded in (a frame's client area) or null for a window of its own. Null when the
    // dialog cannot be made (an unknown control class, a refused window).
    virtual WindowHandle CreateDialog(const DialogTemplate& dialog, WindowHandle parent,
                                      DialogListener& listener);
    // The dialog's size in pixels, from its template and its font.
    virtual PixelSize DialogSize(WindowHandle dialog);
    // The number of controls and each control by its template position; null past the end.
    virtual int ControlCount(WindowHandle dialog);
    virtual WindowHandle Control(WindowHandle dialog, int position);
    // Moves the dialog's corner: in pixels of its parent's client area, or of the screen.
    virtual void MoveDialog(WindowHandle dialog, int x, int y);
    // Shows the dialog. A modal show returns only after EndModalDialog().
    virtual void ShowDialog(WindowHandle dialog, DialogShowMode mode);
    virtual void EndModalDialog(WindowHandle dialog);
    virtual void HideDialog(WindowHandle dialog);
    virtual void DestroyDialog(WindowHandle dialog);
    virtual void SetDialogTitle(WindowHandle dialog, const std::string& title);
    // Enables or disables a window: a dialog, a frame or a single control.
    virtual void EnableWindow(WindowHandle window, Enable enable);

    // The text of a control (an edit field's contents, a label's or button's caption, a combo
    // box's edit or selection part); SetControlText gives false when the platform refuses.
    virtual std::string ControlText(WindowHandle control);
    virtual bool SetControlText(WindowHandle control, const std::string& text);
    // The modified flag of an edit-like control: set by typing, cleared by the toolkit.
    virtual bool IsModified(WindowHandle control);
    virtual void SetModified(WindowHandle control, bool modified);
    // The most characters the user may type into an edit-like control or a combo box's edit.
    virtual void SetTextLimit(WindowHandle control, int limit);
    // Check state of a check box or radio button: 0 unchecked, 1 checked, 2 indeterminate.
    virtual int CheckState(WindowHandle control);
    virtual bool SetCheckState(WindowHandle control, int state);
    // The entries of a list box or combo box. Selections are 0-based, -1 for none;
    // FindExactEntry compares whole texts without regard to letter case and gives -1 when no
    // entry matches.
    virtual void ClearEntries(WindowHandle control);
    virtual void AddEntry(WindowHandle control, const std::string& text);
    virtual int EntryCount(WindowHandle control);
    virtual std::string EntryText(WindowHandle control, int index);
    virtual int Selection(WindowHandle control);
    virtual bool Select(WindowHandle control, int index);
    virtual int FindExactEntry(WindowHandle control, const std::string& text);
    // The range of a spin field's arrows.
    virtual void SetSpinRange(WindowHandle control, int minimum, int maximum);
    // Gives the focus to a control, with its whole text selected when asked.
    virtual void FocusControl(WindowHandle control, SelectText select);
    // The control that has the focus, or null.
    virtual WindowHandle FocusedControl();
    // Whether a control is enabled and shown, so that the user can reach it now.
    virtual bool CanFocus(WindowHandle control);
    // Makes a push button look as the default button, or not; LookOf tells how it looks now.
    // Return presses the button that looks so while the focus is on no push button.
    virtual void SetDefaultLook(WindowHandle button, DefaultLook look);
    virtual DefaultLook LookOf(WindowHandle button);
    // Makes a check box of any kind an automatic two-state one and a radio button an automatic
    // one, so that each changes its own state when clicked, as the toolkit wants every check
    // box and radio button of its dialogs to. Other controls stay as they are.
    virtual void MakeButtonAutomatic(WindowHandle button);
    // What assistive technology (a screen reader) announces for a control: its name, and a
    // description such as the title of the group box it lies in. The default keeps neither.
    virtual void SetAccessibleText(WindowHandle control, const std::string& name,
                                   const std::string& description);

    // 7. Help documents and the desktop. The defaults act as a platform without a viewer or a
    //    desktop: nothing is shown, opened or started. Finding a program is the same on every
    //    POSIX system.
    // Shows a help document of the toolkit's own format in the platform's help viewer, which
    // stays open by itself; `owner` is the program's main window, or null. Gives false when the
    // viewer cannot be had or cannot fulfil the request (a document it cannot read, a topic it
    // does not hold). Quit names no document and closes the viewer if it is open.
    virtual bool ShowHelp(WindowHandle owner, const std::string& document,
                          const HelpRequest& request);
    // Opens a file (by its path) or a web address with the program the desktop associates with
    // its kind, and returns without waiting for that program.
    virtual DesktopOpen OpenWithDesktop(const std::string& path_or_address);
    // The full path of a program: a name with a "/" is taken as a path, any other is looked for
    // in the folders of the PATH variable. Nothing when no executable file of that name exists.
    virtual std::optional<std::string> FindProgram(const std::string& name);
    // Starts a program with these arguments, each passed as it is (no shell sees them), and
    // returns without waiting for it; false when it cannot be started.
    virtual bool StartProgram(const std::string& program,
                              const std::vector<std::string>& arguments);
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
