// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>

#include "message/raised_message.h"
#include "platform/window_types.h"

namespace windlass {

// The messages that the frame and the client area of a toolkit window raise, built from the
// platform's events. `slot` is the window's slot; positions stay in pixels of the client area
// until WMessage completes the record; `time` is the platform's time stamp in milliseconds.
// Values a message does not use are -1.

// The time stamp of a message the toolkit makes up itself: milliseconds of a steady clock,
// wrapping round as the platform's own time stamps do.
int CurrentMessageTime();

// A menu item or accelerator chose a command.
RaisedMessage MenuCommandMessage(int slot, int command_id, int time);

// The user asked to close the window (close box, system menu, keyboard).
RaisedMessage CloseRequestMessage(int slot, int time);

// A key press in the client area, with the mouse position; nothing for a key that gives no
// message on its own.
std::optional<RaisedMessage> KeyMessage(int slot, const KeyPress& key, int x, int y, int time);

// A mouse button pressed or released, or the mouse moved, in the client area.
RaisedMessage MouseMessage(int slot, const MouseEvent& mouse, int time);

// An area of the client that needs repainting.
RaisedMessage ExposeMessage(int slot, const ExposedArea& area, int time);

// The client area took a new size; nothing when the window was minimised or is not visible.
std::optional<RaisedMessage> ResizeMessage(int slot, int width, int height, ResizeKind kind,
                                           int time);

// A mouse button pressed on the frame, outside the client area; nothing for the minimise box.
std::optional<RaisedMessage> FrameClickMessage(int slot, MouseButton button, FramePart part,
                                               int time);

// A toolkit timer of the window expired.
RaisedMessage TimerMessage(int slot, int timer_id, int time);

}  // namespace windlass
