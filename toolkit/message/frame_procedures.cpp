#include "message/frame_procedures.h"

#include <optional>

#include "message/message_queue.h"
#include "message/window_messages.h"
#include "window/window_table.h"

namespace windlass {
namespace {

void Raise(const std::optional<RaisedMessage>& message) {
    if (message) {
        Messages().Raise(*message);
    }
}

}  // namespace

void FrameProcedures::OnCommand(int command_id, int time) {
    if (started_) {
        Raise(MenuCommandMessage(slot_, command_id, time));
    }
}

void FrameProcedures::OnCloseRequest(int time) {
    if (started_) {
        Raise(CloseRequestMessage(slot_, time));
    }
}

void FrameProcedures::OnFrameClick(MouseButton button, FramePart part, int time) {
    if (started_) {
        Raise(FrameClickMessage(slot_, button, part, time));
    }
}

void FrameProcedures::OnTimer(int timer_id, int time) {
    if (started_) {
        Raise(TimerMessage(slot_, timer_id, time));
    }
}

void FrameProcedures::OnKey(const KeyPress& key, int x, int y, int time) {
    if (started_) {
        Raise(KeyMessage(slot_, key, x, y, time));
    }
}

void FrameProcedures::OnMouse(const MouseEvent& mouse, int time) {
    if (started_) {
        Raise(MouseMessage(slot_, mouse, time));
    }
}

void FrameProcedures::OnExpose(const ExposedArea& area, int time) {
    if (started_) {
        Raise(ExposeMessage(slot_, area, time));
    }
}

void FrameProcedures::OnResize(int width, int height, ResizeKind kind, int time) {
    // A window that cannot be seen only keeps its books: the new size becomes the basis of
    // its window units at once. A visible window's size takes over when the program receives
    // the resize message.
    if (kind == ResizeKind::Minimised) {
        return;
    }
    if (!started_ || kind == ResizeKind::NotVisible) {
        if (WindowSlot* window = Windows().Slot(slot_)) {
            window->client = {width, height};
        }
        return;
    }
    Raise(ResizeMessage(slot_, width, height, kind, time));
}

}  // namespace windlass
