// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/fake/fake_dialogs.h"
#include "platform/platform.h"
#include "platform/posix_os_services.h"

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
//
// Dialogs are made from their templates in memory: every control keeps its text, modified
// flag, check state, entries, selection and enabling, and one control of all dialogs has the
// focus. A simulated user types, tabs, clicks and chooses as a person would, through the
// dialog's listener: a numeric field is asked before it loses the focus and before each
// character goes in, and the listener hears every notice the platform would send.
//
// It has no frame windows: making one fails, and everything asked of a frame that does not
// exist does nothing. Finding a program searches the PATH of its own environment.
class FakePlatform : public Platform,
                     public PosixOsServices,
                     public WindowingSystem,
                     public DialogControls,
                     public HelpDesktop {
  public:
    OsServices& Os() override { return *this; }
    WindowingSystem& Windowing() override { return *this; }
    DialogControls& Controls() override { return *this; }
    HelpDesktop& Desktop() override { return *this; }

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
    WindowHandle CreateFrame(const FrameRequest&, FrameListener&) override { return nullptr; }
    FrameMeasures MeasureFrame(WindowHandle) override { return {}; }
    void PlaceFrame(WindowHandle, int, int) override {}
    void ShowFrame(WindowHandle, FrameShow) override {}
    PixelSize ClientAreaSize(WindowHandle) override { return {}; }
    WindowHandle ClientArea(WindowHandle) override { return nullptr; }
    void ShowStatusBar(WindowHandle, const std::vector<StatusPartView>&) override {}
    void StartTimer(WindowHandle, int, int) override {}
    void DestroyFrame(WindowHandle) override {}
    // Nothing ever happens on a platform without windows, so a wait returns at once.
    void WaitForEvents() override {}
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

    // 6. Dialogs and their controls.
    WindowHandle CreateDialog(const DialogTemplate& dialog, WindowHandle parent,
                              DialogListener& listener) override;
    PixelSize DialogSize(WindowHandle dialog) override;
    int ControlCount(WindowHandle dialog) override;
    WindowHandle Control(WindowHandle dialog, int position) override;
    void MoveDialog(WindowHandle dialog, int x, int y) override;
    void ShowDialog(WindowHandle dialog, DialogShowMode mode) override;
    void EndModalDialog(WindowHandle dialog) override;
    void HideDialog(WindowHandle dialog) override;
    void DestroyDialog(WindowHandle dialog) override;
    void SetDialogTitle(WindowHandle dialog, const std::string& title) override;
    void EnableWindow(WindowHandle window, Enable enable) override;
    std::string ControlText(WindowHandle control) override;
    bool SetControlText(WindowHandle control, const std::string& text) override;
    bool IsModified(WindowHandle control) override;
    void SetModified(WindowHandle control, bool modified) override;
    void SetTextLimit(WindowHandle control, int limit) override;
    int CheckState(WindowHandle control) override;
    bool SetCheckState(WindowHandle control, int state) override;
    void ClearEntries(WindowHandle control) override;
    void AddEntry(WindowHandle control, const std::string& text) override;
    int EntryCount(WindowHandle control) override;
    std::string EntryText(WindowHandle control, int index) override;
    int Selection(WindowHandle control) override;
    bool Select(WindowHandle control, int index) override;
    int FindExactEntry(WindowHandle control, const std::string& text) override;
    void SetSpinRange(WindowHandle control, int minimum, int maximum) override;
    void FocusControl(WindowHandle control, SelectText select) override;
    WindowHandle FocusedControl() override { return focused; }
    bool CanFocus(WindowHandle control) override;
    void SetDefaultLook(WindowHandle button, DefaultLook look) override;
    DefaultLook LookOf(WindowHandle button) override;
    void MakeButtonAutomatic(WindowHandle button) override;

    // Every dialog made, destroyed ones included, in the order made.
    std::vector<std::unique_ptr<FakeDialog>> dialogs;
    // When set, no dialog can be made.
    bool refuse_dialogs = false;
    // When set, every control refuses a new text.
    bool refuse_text = false;
    // The control with the focus, or null.
    WindowHandle focused = nullptr;
    // Windows other than dialogs and controls (frames) that the toolkit disabled.
    std::vector<WindowHandle> disabled_windows;
    // Played while a modal show runs: the user's actions, which should end the dialog. A
    // modal show that the script does not end returns anyway, and is counted.
    std::function<void(WindowHandle dialog)> while_modal;
    int unended_modal_shows = 0;

    FakeDialog* DialogOf(WindowHandle dialog);
    FakeControl* ControlOf(WindowHandle control);
    // The control of this id in a dialog, or null.
    WindowHandle ControlById(WindowHandle dialog, int id);
    // The last dialog made that is not destroyed, or null.
    FakeDialog* LastDialog();

    // The simulated user. Each acts on the control with the focus unless it names one.
    // A click or choice moves the focus first, as the mouse would; the move is refused when
    // the numeric field that has the focus says so, and then (but for a push button, which is
    // pressed all the same) nothing more happens. UserFocus gives true when the focus moved,
    // UserTab when it went where the toolkit sent it.
    bool UserFocus(WindowHandle control);
    // A navigation key, reported to the focused control's dialog as a backend reports it; the
    // toolkit's answer, or nothing when no control of a dialog has the focus.
    std::optional<KeyVerdict> UserKey(NavigationKey key);
    bool UserTab();
    void UserType(std::string_view characters);
    // Pastes a text over the field's whole text, unfiltered.
    void UserPaste(WindowHandle control, std::string_view text);
    void UserClick(WindowHandle control);
    void UserChoose(WindowHandle list, int index);
    void UserDoubleClick(WindowHandle list);
    void UserReturn();
    void UserHelp();
    void UserSpin(WindowHandle control, int step);
    void UserReleaseOutside(WindowHandle button);

  private:
    // Moves the focus after asking the control that has it; false when refused.
    bool MoveFocus(WindowHandle target, SelectText select);
    void TypeCharacter(FakeControl& control, int character);

    // While UserTab waits for the toolkit's answer: where the toolkit first sent the focus.
    bool watching_tab_ = false;
    WindowHandle tab_target_ = nullptr;
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
