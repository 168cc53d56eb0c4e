#include "platform/windowless_platform.h"

#include "platform/posix_os_services.h"

namespace windlass {
namespace {

class WindowlessWindowing : public WindowingSystem {
  public:
    DisplayMetrics Display() override {
        DisplayMetrics display;
        display.state = DisplayState::Missing;
        display.problem = kNoBackendProblem;
        return display;
    }
    UserPresence Presence() override { return UserPresence::Absent; }
    BoxAnswer ShowMessageBox(const MessageBoxRequest&) override { return BoxAnswer::Failed; }
    void Beep() override {}
    WindowHandle CreateFrame(const FrameRequest&, FrameListener&) override { return nullptr; }
    FrameMeasures MeasureFrame(WindowHandle) override { return {}; }
    void PlaceFrame(WindowHandle, int, int) override {}
    void ShowFrame(WindowHandle, FrameShow) override {}
    PixelSize ClientAreaSize(WindowHandle) override { return {}; }
    WindowHandle ClientArea(WindowHandle) override { return nullptr; }
    void ShowStatusBar(WindowHandle, const std::vector<StatusPartView>&) override {}
    void StartTimer(WindowHandle, int, int) override {}
    void DestroyFrame(WindowHandle) override {}
    // With no window there is nothing an event could come from: waiting would never end.
    void WaitForEvents() override {}
    void SettleEvents() override {}
};

class WindowlessControls : public DialogControls {
  public:
    WindowHandle CreateDialog(const DialogTemplate&, std::span<const ControlPlan>, WindowHandle,
                              DialogListener&) override {
        return nullptr;
    }
    void EmbedDialog(WindowHandle, WindowHandle) override {}
    PixelSize DialogSize(WindowHandle) override { return {}; }
    int ControlCount(WindowHandle) override { return 0; }
    WindowHandle Control(WindowHandle, int) override { return nullptr; }
    void MoveDialog(WindowHandle, int, int) override {}
    void ShowDialog(WindowHandle, DialogShowMode) override {}
    void EndModalDialog(WindowHandle) override {}
    void HideDialog(WindowHandle) override {}
    void DestroyDialog(WindowHandle) override {}
    void SetDialogTitle(WindowHandle, const std::string&) override {}
    void EnableWindow(WindowHandle, Enable) override {}
    std::string ControlText(WindowHandle) override { return {}; }
    bool SetControlText(WindowHandle, const std::string&) override { return false; }
    bool IsModified(WindowHandle) override { return false; }
    void SetModified(WindowHandle, bool) override {}
    void SetTextLimit(WindowHandle, int) override {}
    int CheckState(WindowHandle) override { return 0; }
    bool SetCheckState(WindowHandle, int) override { return false; }
    void ClearEntries(WindowHandle) override {}
    void AddEntry(WindowHandle, const std::string&) override {}
    int EntryCount(WindowHandle) override { return 0; }
    std::string EntryText(WindowHandle, int) override { return {}; }
    int Selection(WindowHandle) override { return -1; }
    bool Select(WindowHandle, int) override { return false; }
    int FindExactEntry(WindowHandle, const std::string&) override { return -1; }
    void SetSpinRange(WindowHandle, int, int) override {}
    void SetBarRange(WindowHandle, int, int) override {}
    void SetBarPosition(WindowHandle, int) override {}
    int BarPosition(WindowHandle) override { return 0; }
    void SetTrackbarSteps(WindowHandle, const TrackbarSteps&) override {}
    void SetTrackbarSelection(WindowHandle, int, int) override {}
    void AddTabPage(WindowHandle, WindowHandle, const std::string&) override {}
    void SelectTabPage(WindowHandle, int) override {}
    void SetTabCaption(WindowHandle, WindowHandle, const std::string&) override {}
    WindowHandle SelectedTabPage(WindowHandle) override { return nullptr; }
    void SetControlColours(WindowHandle, int, int) override {}
    bool SetControlImage(WindowHandle, ImageKind, std::span<const std::uint8_t>) override {
        return false;
    }
    void FocusControl(WindowHandle, SelectText) override {}
    WindowHandle FocusedControl() override { return nullptr; }
    bool CanFocus(WindowHandle) override { return false; }
    void SetDefaultLook(WindowHandle, DefaultLook) override {}
    DefaultLook LookOf(WindowHandle) override { return DefaultLook::Plain; }
    void MakeButtonAutomatic(WindowHandle) override {}
};

// Without a backend there is no help viewer, and no desktop whose choices could be read: a
// request fails as one the viewer cannot fulfil.
class WindowlessDesktop : public HelpDesktop {
  public:
    bool ShowHelp(WindowHandle, const std::string&, const HelpRequest&) override { return false; }
    AssociatedProgram FindAssociatedProgram(const std::string&) override {
        return {DesktopLookup::Failed, {}, {}};
    }
};

class WindowlessPlatform : public Platform {
  public:
    OsServices& Os() override { return os_; }
    WindowingSystem& Windowing() override { return windowing_; }
    DialogControls& Controls() override { return controls_; }
    HelpDesktop& Desktop() override { return desktop_; }

  private:
    PosixOsServices os_;
    WindowlessWindowing windowing_;
    WindowlessControls controls_;
    WindowlessDesktop desktop_;
};

}  // namespace

std::unique_ptr<Platform> MakeWindowlessPlatform() {
    return std::make_unique<WindowlessPlatform>();
}

}  // namespace windlass
