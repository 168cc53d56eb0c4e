// The windows, status bars and event wait of the Qt platform.
#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEventLoop>

#include "qt/qt_application.h"
#include "qt/qt_client_area.h"
#include "qt/qt_frame.h"
#include "qt/qt_platform.h"
#include "qt/qt_status_bar.h"

namespace windlass::qt {

FrameWindow* ToFrame(WindowHandle frame) {
    return dynamic_cast<FrameWindow*>(ToWidget(frame));
}

WindowHandle QtWindowing::CreateFrame(const FrameRequest& request, FrameListener& listener) {
    if (!HasDisplay()) {
        return nullptr;
    }
    return ToHandle(new FrameWindow(request, listener));
}

FrameMeasures QtWindowing::MeasureFrame(WindowHandle frame) {
    FrameWindow* window = ToFrame(frame);
    return window != nullptr ? window->Measures() : FrameMeasures{};
}

void QtWindowing::PlaceFrame(WindowHandle frame, int x, int y) {
    // A frame's position is that of its outer corner, decorations included.
    if (FrameWindow* window = ToFrame(frame)) {
        window->move(x, y);
    }
}

void QtWindowing::ShowFrame(WindowHandle frame, FrameShow show) {
    if (FrameWindow* window = ToFrame(frame)) {
        window->Show(show);
    }
}

PixelSize QtWindowing::ClientAreaSize(WindowHandle frame) {
    FrameWindow* window = ToFrame(frame);
    if (window == nullptr) {
        return {};
    }
    QSize size = window->client()->size();
    return {size.width(), size.height()};
}

WindowHandle QtWindowing::ClientArea(WindowHandle frame) {
    FrameWindow* window = ToFrame(frame);
    return window != nullptr ? ToHandle(window->client()) : nullptr;
}

void QtWindowing::ShowStatusBar(WindowHandle frame, const std::vector<StatusPartView>& parts) {
    FrameWindow* window = ToFrame(frame);
    if (window != nullptr && window->status_bar() != nullptr) {
        window->status_bar()->SetParts(parts);
    }
}

void QtWindowing::StartTimer(WindowHandle frame, int timer_id, int milliseconds) {
    if (FrameWindow* window = ToFrame(frame)) {
        window->StartTimer(timer_id, milliseconds);
    }
}

void QtWindowing::DestroyFrame(WindowHandle frame) {
    delete ToFrame(frame);
}

void QtWindowing::WaitForEvents() {
    Application();
    // Blocks in the platform until events arrive, then dispatches all that are there.
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void QtWindowing::SettleEvents() {
    Application();
    // Each round dispatches what is there without blocking; a window shown is exposed in one
    // round and painted in the same or the next. The first round that finds nothing ends it.
    QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
    while (dispatcher->processEvents(QEventLoop::AllEvents)) {
    }
}

}  // namespace windlass::qt
