// A test double of the whole platform: it keeps what the toolkit told it, follows the few calls
// whose order tests look at, and answers each query from what it was told before or from what
// the test set. It plays no user and no window system: nothing is typed, clicked, focused or
// checked unless a test does it, and no listener is ever called from here.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/platform.h"
#include "platform/posix_os_services.h"
#include "resources/resource_types.h"

namespace windlass {

// Thrown by RecordingPlatform::ExitProcess in place of ending the process, so that a test can
// see the exit code and then look at the state the program left behind.
struct ProcessExit {
    int exit_code = 0;
};

struct RecordedDialog;

// One control of a recorded dialog, as its template made it and the toolkit (or a test) set
// it since. Its handle is its address.
struct RecordedControl {
    RecordedDialog* dialog = nullptr;
    int position = 0;
    // The template's class name in upper case, id and style, and what the toolkit's plan made
    // of it.
    std::string class_name;
    int id = 0;
    std::uint32_t style = 0;
    ControlKind kind = ControlKind::Label;
    TakesFocus takes_focus = TakesFocus::No;

    std::string text;
    bool modified = false;
    // The typing limit and the reach of a spin field's arrows, as last set.
    std::optional<int> text_limit;
    std::optional<std::pair<int, int>> spin_range;
    int check = 0;
    std::vector<std::string> entries;
    int selection = -1;
    bool enabled = true;
    // Progress bars, trackbars and up-down controls.
    std::optional<std::pair<int, int>> bar_range;
    int bar_position = 0;
    std::optional<TrackbarSteps> trackbar_steps;
    std::optional<std::pair<int, int>> trackbar_selection;
    // Tab controls: the page dialogs with their captions, and the page selected (-1 for none).
    std::vector<std::pair<WindowHandle, std::string>> tab_pages;
    int tab_selected = -1;
    int text_colour = kPlatformColour;
    int background_colour = kPlatformColour;
    // The picture shown, and how many bytes it was made from.
    std::optional<std::pair<ImageKind, std::size_t>> image;
    // As the plan or the toolkit last set it.
    DefaultLook look = DefaultLook::Plain;
    std::optional<SelectText> focused_with;
    std::string accessible_name;

    WindowHandle handle() { return reinterpret_cast<WindowHandle>(this); }
    // The kinds of the plan, as a platform makes its controls by them.
    bool IsButton() const {
        return kind == ControlKind::PushButton || kind == ControlKind::Button ||
               kind == ControlKind::CheckBox || kind == ControlKind::RadioButton ||
               kind == ControlKind::GroupBox;
    }
    bool IsPushButton() const { return kind == ControlKind::PushButton; }
    bool IsList() const { return kind == ControlKind::ListBox || kind == ControlKind::ComboBox; }
    bool IsNumeric() const {
        return kind == ControlKind::NumericField || kind == ControlKind::NumericSpin;
    }
};

// One dialog made on the double. Its handle is its address.
struct RecordedDialog {
    const DialogTemplate* source = nullptr;
    WindowHandle parent = nullptr;
    DialogListener* listener = nullptr;
    std::vector<std::unique_ptr<RecordedControl>> controls;
    bool visible = false;
    bool destroyed = false;
    bool enabled = true;
    std::optional<DialogShowMode> mode;
    bool modal_ended = false;
    int shows = 0;
    std::optional<std::pair<int, int>> position;
    std::string title;

    WindowHandle handle() { return reinterpret_cast<WindowHandle>(this); }
    // The first control of this id, or null.
    RecordedControl* Find(int id);
};

class RecordingPlatform : public Platform,
                          public PosixOsServices,
                          public WindowingSystem,
                          public DialogControls,
                          public HelpDesktop {
  public:
    OsServices& Os() override { return *this; }
    WindowingSystem& Windowing() override { return *this; }
    DialogControls& Controls() override { return *this; }
    HelpDesktop& Desktop() override { return *this; }

    // The operating system.
    OsVersion Version() override { return {OsFamily::Nt, 6}; }
    std::optional<std::string> SystemDirectory() override { return system_directory; }
    std::string CommandLine() override { return command_line; }
    std::string ExecutablePath() override { return executable_path; }
    std::optional<std::string> EnvironmentVariable(std::string_view name) override;
    CurrentDirectory WorkingDirectory() override;
    [[noreturn]] void ExitProcess(int exit_code) override;
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;

    // The window system. Frames are records; each wait for events plays the next scripted
    // batch of events.
    DisplayMetrics Display() override { return display; }
    UserPresence Presence() override { return presence; }
    BoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    void Beep() override { ++beeps; }
    WindowHandle CreateFrame(const FrameRequest& request, FrameListener& listener) override;
    FrameMeasures MeasureFrame(WindowHandle frame) override;
    void PlaceFrame(WindowHandle frame, int x, int y) override {
        Set(FrameOf(frame), &Frame::placed, std::pair(x, y));
    }
    void ShowFrame(WindowHandle frame, FrameShow show) override {
        Set(FrameOf(frame), &Frame::shown, show);
    }
    PixelSize ClientAreaSize(WindowHandle frame) override;
    WindowHandle ClientArea(WindowHandle frame) override { return frame; }
    void ShowStatusBar(WindowHandle frame, const std::vector<StatusPartView>& parts) override;
    void StartTimer(WindowHandle, int, int) override {}
    void DestroyFrame(WindowHandle frame) override { Set(FrameOf(frame), &Frame::destroyed, true); }
    // A wait with nothing left to play is a test that would hang: it is counted in
    // `idle_waits`, and a close request to the first frame ends it.
    void WaitForEvents() override;
    // A settle plays every batch there is and waits for none.
    void SettleEvents() override;

    // Help and the desktop.
    bool ShowHelp(WindowHandle owner, const std::string& document,
                  const HelpRequest& request) override;
    AssociatedProgram FindAssociatedProgram(const std::string& path_or_address) override;

    // Dialogs and their controls.
    WindowHandle CreateDialog(const DialogTemplate& dialog, std::span<const ControlPlan> plan,
                              WindowHandle parent, DialogListener& listener) override;
    void EmbedDialog(WindowHandle dialog, WindowHandle parent) override;
    PixelSize DialogSize(WindowHandle dialog) override;
    int ControlCount(WindowHandle dialog) override;
    WindowHandle Control(WindowHandle dialog, int position) override;
    void MoveDialog(WindowHandle dialog, int x, int y) override {
        Set(DialogOf(dialog), &RecordedDialog::position, std::pair(x, y));
    }
    void ShowDialog(WindowHandle dialog, DialogShowMode mode) override;
    void EndModalDialog(WindowHandle dialog) override;
    void HideDialog(WindowHandle dialog) override {
        Set(DialogOf(dialog), &RecordedDialog::visible, false);
    }
    void DestroyDialog(WindowHandle dialog) override;
    void SetDialogTitle(WindowHandle dialog, const std::string& title) override {
        Set(DialogOf(dialog), &RecordedDialog::title, title);
    }
    void EnableWindow(WindowHandle window, Enable enable) override;
    std::string ControlText(WindowHandle control) override {
        return Get(ControlOf(control), &RecordedControl::text, std::string());
    }
    bool SetControlText(WindowHandle control, const std::string& text) override;
    bool IsModified(WindowHandle control) override {
        return Get(ControlOf(control), &RecordedControl::modified, false);
    }
    void SetModified(WindowHandle control, bool modified) override {
        Set(ControlOf(control), &RecordedControl::modified, modified);
    }
    void SetTextLimit(WindowHandle control, int limit) override {
        Set(ControlOf(control), &RecordedControl::text_limit, limit);
    }
    int CheckState(WindowHandle control) override;
    bool SetCheckState(WindowHandle control, int state) override;
    void ClearEntries(WindowHandle control) override;
    void AddEntry(WindowHandle control, const std::string& text) override;
    int EntryCount(WindowHandle control) override;
    std::string EntryText(WindowHandle control, int index) override;
    int Selection(WindowHandle control) override {
        return Get(ControlOf(control), &RecordedControl::selection, -1);
    }
    bool Select(WindowHandle control, int index) override;
    int FindExactEntry(WindowHandle control, const std::string& text) override;
    void SetSpinRange(WindowHandle control, int minimum, int maximum) override {
        Set(ControlOf(control), &RecordedControl::spin_range, std::pair(minimum, maximum));
    }
    void SetBarRange(WindowHandle control, int minimum, int maximum) override;
    void SetBarPosition(WindowHandle control, int position) override;
    int BarPosition(WindowHandle control) override {
        return Get(ControlOf(control), &RecordedControl::bar_position, 0);
    }
    void SetTrackbarSteps(WindowHandle control, const TrackbarSteps& steps) override {
        Set(ControlOf(control), &RecordedControl::trackbar_steps, steps);
    }
    void SetTrackbarSelection(WindowHandle control, int start, int end) override {
        Set(ControlOf(control), &RecordedControl::trackbar_selection, std::pair(start, end));
    }
    void AddTabPage(WindowHandle tab_control, WindowHandle page,
                    const std::string& caption) override;
    void SelectTabPage(WindowHandle tab_control, int index) override {
        Set(ControlOf(tab_control), &RecordedControl::tab_selected, index);
    }
    void SetTabCaption(WindowHandle tab_control, WindowHandle page,
                       const std::string& caption) override;
    WindowHandle SelectedTabPage(WindowHandle tab_control) override;
    void SetControlColours(WindowHandle control, int text, int background) override;
    bool SetControlImage(WindowHandle control, ImageKind kind,
                         std::span<const std::uint8_t> bytes) override;
    void FocusControl(WindowHandle control, SelectText select) override;
    WindowHandle FocusedControl() override { return focused; }
    bool CanFocus(WindowHandle control) override;
    void SetDefaultLook(WindowHandle button, DefaultLook look) override {
        Set(ControlOf(button), &RecordedControl::look, look);
    }
    DefaultLook LookOf(WindowHandle button) override {
        return Get(ControlOf(button), &RecordedControl::look, DefaultLook::Plain);
    }
    void MakeButtonAutomatic(WindowHandle) override {}
    void SetAccessibleText(WindowHandle control, const std::string& name,
                           const std::string&) override {
        Set(ControlOf(control), &RecordedControl::accessible_name, name);
    }

    // The calls that tests follow, in order: "CreateDialog(number of controls)",
    // "EmbedDialog()", "DestroyDialog()", "SettleEvents()" and "FocusControl(#position)", a
    // dialog handed the focus written "dialog" in place of a control's position.
    std::vector<std::string> calls;

    // What the platform reports; a test sets it.
    DisplayMetrics display{1024, 768, 1, 32, DisplayState::Open, ""};
    UserPresence presence = UserPresence::Present;
    std::optional<std::string> system_directory = std::string("/usr/lib");
    std::string command_line = "heatwise";
    std::string executable_path = "/usr/bin/heatwise";
    // The environment is the double's own map: the machine's never leaks in.
    std::map<std::string, std::string, std::less<>> environment;
    // When empty the real current directory is reported.
    std::optional<CurrentDirectory> working_directory;

    // Answers for the coming boxes, first in first out; a box shown when none is left is
    // answered with its default button.
    std::deque<BoxAnswer> box_answers;
    // Called while a box is up, before it is answered: the moment a user could act.
    std::function<void(const MessageBoxRequest&)> while_box_shown;
    std::vector<MessageBoxRequest> boxes_shown;
    int beeps = 0;
    std::vector<int> exits;

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
    // Every document or address the desktop was asked about; when the answer is Found, the
    // program is "desktop-choice" with the document or address as its one argument.
    std::vector<std::string> desktop_asked;
    DesktopLookup desktop_answer = DesktopLookup::Found;
    std::vector<ProgramStarted> programs_started;
    bool start_answer = true;

    struct Frame {
        FrameRequest request;
        FrameListener* listener = nullptr;
        std::optional<std::pair<int, int>> placed;
        std::optional<FrameShow> shown;
        std::vector<std::vector<StatusPartView>> status_updates;
        bool destroyed = false;
    };
    // Every frame made, in order; a frame's handle is its number from one.
    std::vector<Frame> frames;
    bool refuse_frames = false;
    // Events the platform reports while it makes a frame.
    std::function<void(FrameListener&)> while_creating;
    int border = 0;
    int status_bar_height = 20;
    std::deque<std::function<void()>> events;
    int waits = 0;
    int idle_waits = 0;
    // The frame of a handle this double made, or null.
    Frame* FrameOf(WindowHandle frame);
    Frame& main_frame() { return frames.at(0); }
    FrameListener& listener() { return *frames.at(0).listener; }
    const std::vector<StatusPartView>& last_status() { return main_frame().status_updates.back(); }

    // Every dialog made, destroyed ones included, in the order made.
    std::vector<std::unique_ptr<RecordedDialog>> dialogs;
    bool refuse_dialogs = false;
    // Makes no picture of any resource, as a platform without the image's format.
    bool refuse_images = false;
    WindowHandle focused = nullptr;
    // When set, carries out the focus moves the toolkit asks for in place of the double, which
    // otherwise just gives the control the focus.
    std::function<void(WindowHandle control)> while_focusing;
    // Windows other than dialogs and controls (frames) that the toolkit disabled.
    std::vector<WindowHandle> disabled_windows;
    // Played while a modal show runs: what the test does while the dialog is up. A modal
    // show that the script does not end returns anyway, and is counted.
    std::function<void(WindowHandle dialog)> while_modal;
    int unended_modal_shows = 0;

    RecordedDialog* DialogOf(WindowHandle dialog);
    RecordedControl* ControlOf(WindowHandle control);
    // The control of this id in a dialog, or null.
    WindowHandle ControlById(WindowHandle dialog, int id);

  private:
    // Sets a field of a record this double made; a handle it did not make changes nothing.
    template <typename Made, typename Field, typename Value>
    static void Set(Made* made, Field Made::*field, const Value& value) {
        if (made != nullptr) {
            made->*field = value;
        }
    }
    // A field of a record this double made, or `otherwise` of any other handle.
    template <typename Made, typename Field>
    static Field Get(Made* made, Field Made::*field, Field otherwise) {
        return made != nullptr ? made->*field : otherwise;
    }
    std::string Name(WindowHandle window);
    void PlayNextBatch();
};

// Puts a recording platform in place for the life of a test and restores the previous one.
class ScopedRecordingPlatform {
  public:
    ScopedRecordingPlatform();
    ~ScopedRecordingPlatform();
    ScopedRecordingPlatform(const ScopedRecordingPlatform&) = delete;
    ScopedRecordingPlatform& operator=(const ScopedRecordingPlatform&) = delete;

    RecordingPlatform& operator*() { return *platform_; }
    RecordingPlatform* operator->() { return platform_; }

  private:
    RecordingPlatform* platform_;
    std::unique_ptr<Platform> previous_;
};

}  // namespace windlass
