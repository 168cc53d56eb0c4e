// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

#include "platform/dialog_controls.h"

namespace windlass::qt {

// Dialogs and their controls on Qt Widgets.
class QtDialogControls : public DialogControls {
  public:
    WindowHandle CreateDialog(const DialogTemplate& dialog, std::span<const ControlPlan> plan,
                              WindowHandle parent, DialogListener& listener) override;
    void EmbedDialog(WindowHandle dialog, WindowHandle parent) override;
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
    void SetBarRange(WindowHandle control, int minimum, int maximum) override;
    void SetBarPosition(WindowHandle control, int position) override;
    int BarPosition(WindowHandle control) override;
    void SetTrackbarSteps(WindowHandle control, const TrackbarSteps& steps) override;
    void SetTrackbarSelection(WindowHandle control, int start, int end) override;
    void AddTabPage(WindowHandle tab_control, WindowHandle page,
                    const std::string& caption) override;
    void SelectTabPage(WindowHandle tab_control, int index) override;
    void SetTabCaption(WindowHandle tab_control, WindowHandle page,
                       const std::string& caption) override;
    WindowHandle SelectedTabPage(WindowHandle tab_control) override;
    void SetControlColours(WindowHandle control, int text, int background) override;
    bool SetControlImage(WindowHandle control, ImageKind kind,
                         std::span<const std::uint8_t> bytes) override;
    void FocusControl(WindowHandle control, SelectText select) override;
    bool CanFocus(WindowHandle control) override;
    DefaultLook LookOf(WindowHandle button) override;
    WindowHandle FocusedControl() override;
    void SetDefaultLook(WindowHandle button, DefaultLook look) override;
    void MakeButtonAutomatic(WindowHandle button) override;
    void SetAccessibleText(WindowHandle control, const std::string& name,
                           const std::string& description) override;
};

}  // namespace windlass::qt
