#include "message/window_messages.h"

#include <chrono>

#include "message/key_codes.h"

namespace windlass {
namespace {

// Messages of a window, as opposed to those of a dialog field (1) or a bitmap viewer (2).
constexpr int kFromWindow = 0;

RaisedMessage Message(int type, int slot, int time) {
    RaisedMessage message;
    message.type = type;
    message.record.window = slot;
    message.record.time = time;
    return message;
}

}  // namespace

int CurrentMessageTime() {
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    auto milliseconds = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<int>(static_cast<unsigned int>(milliseconds));
}

RaisedMessage MenuCommandMessage(int slot, int command_id, int time) {
    RaisedMessage message = Message(MSG_MENU, slot, time);
    message.record.data1 = command_id;
    return message;
}

RaisedMessage CloseRequestMessage(int slot, int time) {
    return Message(MSG_CLOSE, slot, time);
}

std::optional<RaisedMessage> KeyMessage(int slot, const KeyPress& key, int x, int y, int time) {
    std::optional<int> code = KeyCode(key);
    if (!code) {
        return std::nullopt;
    }
    RaisedMessage message = Message(MSG_KEY, slot, time);
    message.record.data1 = *code;
    message.record.data3 = kFromWindow;
    message.record.x = x;
    message.record.y = y;
    return message;
}

RaisedMessage MouseMessage(int slot, const MouseEvent& mouse, int time) {
    int type = MSG_MOUSE_MOVE;
    switch (mouse.action) {
        case MouseAction::Press:
            type = MSG_MOUSE_DOWN;
            break;
        case MouseAction::Release:
            type = MSG_MOUSE_UP;
            break;
        case MouseAction::Move:
            break;
    }
    RaisedMessage message = Message(type, slot, time);
    message.record.data1 = type == MSG_MOUSE_MOVE ? -1 : MouseButtonNumber(mouse.button);
    message.record.data2 = MouseModifierBits(mouse);
    message.record.data3 = kFromWindow;
    message.record.x = mouse.x;
    message.record.y = mouse.y;
    return message;
}

RaisedMessage ExposeMessage(int slot, const ExposedArea& area, int time) {
    RaisedMessage message = Message(MSG_EXPOSE, slot, time);
    message.record.data1 = area.width;
    message.record.data2 = area.height;
    message.record.data3 = kFromWindow;
    message.record.x = area.x;
    message.record.y = area.y;
    return message;
}

std::optional<RaisedMessage> ResizeMessage(int slot, int width, int height, ResizeKind kind,
                                           int time) {
    if (kind != ResizeKind::Normal) {
        return std::nullopt;
    }
    RaisedMessage message = Message(MSG_RESIZE, slot, time);
    message.record.data1 = width;
    message.record.data2 = height;
    return message;
}

std::optional<RaisedMessage> FrameClickMessage(int slot, MouseButton button, FramePart part,
                                               int time) {
    if (part == FramePart::MinimiseBox) {
        return std::nullopt;
    }
    RaisedMessage message = Message(MSG_FRAME_CLICK, slot, time);
    message.record.data1 = MouseButtonNumber(button);
    return message;
}

RaisedMessage TimerMessage(int slot, int timer_id, int time) {
    RaisedMessage message = Message(MSG_TIMER, slot, time);
    message.record.data1 = timer_id;
    return message;
}

}  // namespace windlass
