// The windows, status bars and event wait of the Qt platform.
#include <QCoreApplication>
#include <QEventLoop>

#include "platform/qt/qt_application.h"
#include "platform/qt/qt_client_area.h"
#include "platform/qt/qt_frame.h"
#include "platform/qt/qt_platform.h"
#include "platform/qt/qt_status_bar.h"

namespace windlass::qt {

FrameWindow* ToFrame(WindowHandle frame) {
    return dynamic_cast<FrameWindow*>(ToWidget(frame));
}

WindowHandle QtPlatform::CreateFrame(const FrameRequest& request, FrameListener& listener) {
    Application();
    return ToHandle(new FrameWindow(request, listener));
}

FrameMeasures QtPlatform::MeasureFrame(WindowHandle frame) {
    FrameWindow* window = ToFrame(frame);
    return window != nullptr ? window->Measures() : FrameMeasures{};
}

void QtPlatform::PlaceFrame(WindowHandle frame, int x, int y) {
    // A frame's position is that of its outer corner, decorations included.
    if (FrameWindow* window = ToFrame(frame)) {
        window->move(x, y);
    }
}

void QtPlatform::ShowFrame(WindowHandle frame, FrameShow show) {
    if (FrameWindow* window = ToFrame(frame)) {
        window->Show(show);
    }
}

PixelSize QtPlatform::ClientAreaSize(WindowHandle frame) {
    FrameWindow* window = ToFrame(frame);
    if (window == nullptr) {
        return {};
    }
    QSize size = window->client()->size();
    return {size.width(), size.height()};
}

WindowHandle QtPlatform::ClientArea(WindowHandle frame) {
    FrameWindow* window = ToFrame(frame);
    return window != nullptr ? ToHandle(window->client()) : nullptr;
}

void QtPlatform::ShowStatusBar(WindowHandle frame, const std::vector<StatusPartView>& parts) {
    FrameWindow* window = ToFrame(frame);
    if (window != nullptr && window->status_bar() != nullptr) {
        window->status_bar()->SetParts(parts);
    }
}

void QtPlatform::StartTimer(WindowHandle frame, int timer_id, int milliseconds) {
    if (FrameWindow* window = ToFrame(frame)) {
        window->StartTimer(timer_id, milliseconds);
    }
}

void QtPlatform::DestroyFrame(WindowHandle frame) {
    delete ToFrame(frame);
}

void QtPlatform::WaitForEvents() {
    Application();
    // Blocks in the platform until events arrive, then dispatches all that are there.
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

}  // namespace windlass::qt
