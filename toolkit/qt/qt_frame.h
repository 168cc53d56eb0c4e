// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QWidget>

#include <map>
#include <string>

#include "platform/platform.h"
#include "platform/window_types.h"

class QAction;
class QMenuBar;

namespace windlass::qt {

class ClientArea;
class StatusBar;

// A toolkit frame window: title, icon and decorations from the request, the menu bar, the
// client area and the multi-part status bar one above the other. The frame never closes
// itself: the close box only tells the toolkit, and the program decides.
class FrameWindow : public QWidget {
  public:
    FrameWindow(const FrameRequest& request, FrameListener& listener);

    ClientArea* client() const { return client_; }
    // Null when the frame has none.
    StatusBar* status_bar() const { return status_bar_; }
    QMenuBar* menu_bar() const { return menu_bar_; }

    FrameMeasures Measures() const;
    void Show(FrameShow show);
    void StartTimer(int timer_id, int milliseconds);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void BuildMenuBar(const MenuBar& menu);
    void AddEntry(QWidget* container, const MenuEntry& entry);
    void ShowPrompt(int command_id, QAction* action);
    void EndPromptsWhenMenusClose();
    void AddAccelerators(const std::vector<AcceleratorKey>& accelerators);

    FrameListener& listener_;
    QMenuBar* menu_bar_ = nullptr;
    ClientArea* client_ = nullptr;
    StatusBar* status_bar_ = nullptr;
    std::map<int, std::string> prompts_;
    // Qt's timer ids against the toolkit's.
    std::map<int, int> timers_;
};

// The frame behind a window handle that this platform made; null for any other handle.
FrameWindow* ToFrame(WindowHandle frame);

}  // namespace windlass::qt
