// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>

#include "message/enable_table.h"
#include "message/pending_slots.h"
#include "message/raised_message.h"
#include "window/window_table.h"

namespace windlass {

// Where the messages of the window and dialog procedures go until WMessage hands them over.
//
// While WMessage waits on the platform, the first message raised ends the wait and any
// further ones raised by the same platform events queue behind it, repaints and resizes
// included. While the program is busy between two waits, a window's repaint or resize goes to
// its pending slot and every other message queues in order of arrival. WMessage hands over
// the pending slots first, then the queue, and only then waits.
class MessageQueue {
  public:
    // A queue that deep means the program has stopped waiting for messages; later ones are
    // dropped rather than letting the queue grow without end.
    static constexpr std::size_t kMaxQueued = 1024;

    MessageEnableTable& enable_table() { return enable_table_; }
    PendingSlots& pending() { return pending_; }

    // Raises a message: dropped when its type is off, else kept as described above.
    void Raise(const RaisedMessage& message);

    // The next message for the program, its positions still in pixels: a held one, else the
    // first one raised while `wait_for_events` takes platform events, one batch per call,
    // blocking. A repaint or resize empties its window's pending slot, and a repaint whose
    // window also had one pending covers the whole client area.
    RaisedMessage Next(const WindowTable& windows, const std::function<void()>& wait_for_events);

    // True while messages raised while the program was busy wait in the queue.
    bool HasQueued() const { return !queued_.empty(); }

    // True while Next() is waiting on the platform.
    bool waiting() const { return waiting_; }

    // Forgets every held and queued message; the enable table stays.
    void Clear();

  private:
    void Queue(const RaisedMessage& message);
    void MergeWithPending(RaisedMessage& message, const WindowTable& windows);

    MessageEnableTable enable_table_;
    PendingSlots pending_;
    std::deque<RaisedMessage> queued_;
    std::optional<RaisedMessage> raised_;
    bool waiting_ = false;
    bool dispatching_ = false;
};

// The process-wide message queue.
MessageQueue& Messages();

}  // namespace windlass
