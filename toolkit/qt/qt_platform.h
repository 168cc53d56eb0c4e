// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "platform/platform.h"
#include "platform/posix_os_services.h"
#include "qt/qt_dialog_controls.h"
#include "qt/qt_help_desktop.h"
#include "qt/qt_text.h"
#include "qt/qt_windowing.h"

class QWidget;

namespace windlass::qt {

// A window handle of this backend is the QWidget itself.
QWidget* ToWidget(WindowHandle window);
WindowHandle ToHandle(QWidget* widget);

// The platform on Qt Widgets. The QApplication is created on the first operation that needs
// one, so a program that only reads settings or converts numbers never opens a display.
class QtPlatform : public Platform {
  public:
    OsServices& Os() override { return os_; }
    WindowingSystem& Windowing() override { return windowing_; }
    DialogControls& Controls() override { return controls_; }
    HelpDesktop& Desktop() override { return desktop_; }

  private:
    PosixOsServices os_;
    QtWindowing windowing_;
    QtDialogControls controls_;
    QtHelpDesktop desktop_;
};

}  // namespace windlass::qt
