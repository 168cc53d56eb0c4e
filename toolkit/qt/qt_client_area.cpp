#include "qt/qt_client_area.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QResizeEvent>

#include <chrono>
#include <optional>

#include "qt/qt_keys.h"

namespace windlass::qt {
namespace {

int TimeOf(const QInputEvent& event) {
    return static_cast<int>(static_cast<unsigned int>(event.timestamp()));
}

Held HeldIf(bool held) {
    return held ? Held::Yes : Held::No;
}

}  // namespace

int TimeNow() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<int>(static_cast<unsigned int>(milliseconds));
}

ClientArea::ClientArea(FrameListener& listener, QWidget* parent)
    : QWidget(parent), listener_(listener) {
    setFocusPolicy(Qt::StrongFocus);
    // Moves are reported with and without a button held, as the program may track the mouse.
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

bool ClientArea::event(QEvent* event) {
    // Qt moves the focus on Tab before the widget sees the key; the client area wants it.
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void ClientArea::keyPressEvent(QKeyEvent* event) {
    std::optional<KeyPress> key = KeyPressFromQt(*event);
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPoint position = mapFromGlobal(QCursor::pos());
    listener_.OnKey(*key, position.x(), position.y(), TimeOf(*event));
}

void ClientArea::ReportMouse(QMouseEvent* event, MouseAction action) {
    MouseEvent mouse;
    mouse.action = action;
    mouse.button = action == MouseAction::Move ? MouseButton::None : ButtonOf(event->button());
    QPoint position = event->position().toPoint();
    mouse.x = position.x();
    mouse.y = position.y();
    Qt::KeyboardModifiers modifiers = event->modifiers();
    Qt::MouseButtons buttons = event->buttons();
    mouse.ctrl = HeldIf(modifiers.testFlag(Qt::ControlModifier));
    mouse.shift = HeldIf(modifiers.testFlag(Qt::ShiftModifier));
    mouse.left_down = HeldIf(buttons.testFlag(Qt::LeftButton));
    mouse.middle_down = HeldIf(buttons.testFlag(Qt::MiddleButton));
    mouse.right_down = HeldIf(buttons.testFlag(Qt::RightButton));
    listener_.OnMouse(mouse, TimeOf(*event));
}

// Qt grabs the mouse for the widget a button was pressed in until the last button is
// released, which is the capture the toolkit wants: the release reaches the client area even
// when the mouse has left it, with positions outside the area, negative ones included.
void ClientArea::mousePressEvent(QMouseEvent* event) {
    ReportMouse(event, MouseAction::Press);
}

void ClientArea::mouseReleaseEvent(QMouseEvent* event) {
    ReportMouse(event, MouseAction::Release);
}

void ClientArea::mouseMoveEvent(QMouseEvent* event) {
    ReportMouse(event, MouseAction::Move);
}

void ClientArea::paintEvent(QPaintEvent* event) {
    if (skipping_first_display_) {
        return;
    }
    QRect area = event->rect();
    listener_.OnExpose({area.x(), area.y(), area.width(), area.height()}, TimeNow());
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    ResizeKind kind = ResizeKind::Normal;
    if (window()->isMinimized()) {
        kind = ResizeKind::Minimised;
    } else if (!isVisible()) {
        kind = ResizeKind::NotVisible;
    }
    listener_.OnResize(event->size().width(), event->size().height(), kind, TimeNow());
}

}  // namespace windlass::qt
