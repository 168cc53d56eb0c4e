// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <vector>

#include "platform/windowing_system.h"

namespace windlass::qt {

// The display, message boxes, bell, frame windows and event wait on Qt Widgets.
class QtWindowing : public WindowingSystem {
  public:
    DisplayMetrics Display() override;
    UserPresence Presence() override;
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
    void SettleEvents() override;
};

}  // namespace windlass::qt
