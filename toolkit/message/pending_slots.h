// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <array>
#include <functional>
#include <optional>

#include "message/raised_message.h"
#include "window/window_table.h"

namespace windlass {

// One slot per window for the repaint or resize that happened while the program was busy,
// so that it is not lost. A slot holds at most one message: a repaint never replaces a
// pending resize, and a new resize replaces whatever is pending.
class PendingSlots {
  public:
    // Keeps a repaint or resize of the window slot `message.record.window`; other messages,
    // and slots outside the window table, are refused.
    void Hold(const RaisedMessage& message);

    // The held message of the lowest slot whose window still has a client area, taken out of
    // its slot. A held repaint comes back covering the whole client area: its size is the
    // client size that `client_size` gives for the slot, its corner 0, 0.
    std::optional<RaisedMessage> TakeFirst(
        const std::function<std::optional<ClientSize>(int slot)>& client_size);

    bool HoldsRepaint(int slot) const;
    void Empty(int slot);
    void EmptyAll();

  private:
    std::array<std::optional<RaisedMessage>, kWindowSlots> held_;
};

}  // namespace windlass
