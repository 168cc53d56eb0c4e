// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "windlass/windlass.h"

namespace windlass {

// A message as a window or dialog procedure raises it: its type and its record, positions
// still in pixels. WMessage completes the record when it hands the message over.
struct RaisedMessage {
    int type = 0;
    MessageRecord record;
};

// Repaints and resizes of a window's client area are the messages that wait in the window's
// pending slot while the program is busy. Repaints of dialog fields are not among them.
inline bool IsWindowRepaintOrResize(const RaisedMessage& message) {
    return message.type == MSG_RESIZE || (message.type == MSG_EXPOSE && message.record.data3 == 0);
}

}  // namespace windlass
