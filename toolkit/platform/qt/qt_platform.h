// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "platform/platform.h"

class QWidget;

namespace windlass::qt {

// The toolkit's texts are UTF-8; these carry them to and from Qt.
QString ToQString(std::string_view text);
std::string FromQString(const QString& text);

// A window handle of this backend is the QWidget itself.
QWidget* ToWidget(WindowHandle window);
WindowHandle ToHandle(QWidget* widget);

// The platform on Qt Widgets. The QApplication is created on the first operation that needs
// one, so a program that only reads settings or converts numbers never opens a display.
class QtPlatform : public Platform {
  public:
    DisplayMetrics Display() override;
    BoxAnswer ShowMessageBox(const MessageBoxRequest& request) override;
    void Beep() override;

    WindowHandle CreateFrame(const FrameRequest& request, FrameListener& listener) override;
    FrameMeasures MeasureFrame(WindowHandle frame) override;
    void PlaceFrame(WindowHandle frame, int x, int y) override;
    void ShowFrame(WindowHandle frame, FrameShow show) override;
    PixelSize ClientAreaSize(WindowHandle frame) override;
    WindowHandle ClientArea(WindowHandle frame) override;
    void ShowStatusBar(WindowHandle frame, const std::vector<StatusPartView>& parts) override;
    void StartTimer(WindowHandle frame, int timer_id, int milliseconds) override;
    void DestroyFrame(WindowHandle frame) override;
    void WaitForEvents() override;

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
    bool CanFocus(WindowHandle control) override;
    DefaultLook LookOf(WindowHandle button) override;
    WindowHandle FocusedControl() override;
    void SetDefaultLook(WindowHandle button, DefaultLook look) override;
    void MakeButtonAutomatic(WindowHandle button) override;
    void SetAccessibleText(WindowHandle control, const std::string& name,
                           const std::string& description) override;

    bool ShowHelp(WindowHandle owner, const std::string& document,
                  const HelpRequest& request) override;
    DesktopOpen OpenWithDesktop(const std::string& path_or_address) override;
    bool StartProgram(const std::string& program,
                      const std::vector<std::string>& arguments) override;
};

}  // namespace windlass::qt
