#include "message/message_queue.h"

#include <utility>

namespace windlass {
namespace {

// Marks the platform dispatch of one wait, and ends the mark on every way out.
class DispatchScope {
  public:
    explicit DispatchScope(bool& dispatching) : dispatching_(dispatching) { dispatching_ = true; }
    ~DispatchScope() { dispatching_ = false; }
    DispatchScope(const DispatchScope&) = delete;
    DispatchScope& operator=(const DispatchScope&) = delete;

  private:
    bool& dispatching_;
};

}  // namespace

void MessageQueue::Raise(const RaisedMessage& message) {
    if (!enable_table_.IsEnabled(message.type)) {
        return;
    }
    if (dispatching_) {
        // Raised from the platform events of a wait: delivered directly, never held.
        if (waiting_) {
            raised_ = message;
            waiting_ = false;
        } else {
            Queue(message);
        }
        return;
    }
    if (IsWindowRepaintOrResize(message)) {
        pending_.Hold(message);
    } else {
        Queue(message);
    }
}

void MessageQueue::Queue(const RaisedMessage& message) {
    if (queued_.size() < kMaxQueued) {
        queued_.push_back(message);
    }
}

RaisedMessage MessageQueue::Next(const WindowTable& windows,
                                 const std::function<void()>& wait_for_events) {
    auto client_of = [&windows](int slot) { return windows.ClientOf(slot); };
    if (std::optional<RaisedMessage> held = pending_.TakeFirst(client_of)) {
        return *held;
    }
    RaisedMessage message;
    if (!queued_.empty()) {
        message = queued_.front();
        queued_.pop_front();
    } else {
        DispatchScope scope(dispatching_);
        raised_.reset();
        waiting_ = true;
        while (waiting_) {
            wait_for_events();
        }
        message = std::exchange(raised_, std::nullopt).value();
    }
    MergeWithPending(message, windows);
    return message;
}

void MessageQueue::MergeWithPending(RaisedMessage& message, const WindowTable& windows) {
    if (!IsWindowRepaintOrResize(message)) {
        return;
    }
    int slot = message.record.window;
    if (message.type == MSG_EXPOSE && pending_.HoldsRepaint(slot)) {
        if (std::optional<ClientSize> client = windows.ClientOf(slot)) {
            message.record.data1 = client->width;
            message.record.data2 = client->height;
            message.record.x = 0;
            message.record.y = 0;
        }
    }
    pending_.Empty(slot);
}

void MessageQueue::Clear() {
    pending_.EmptyAll();
    queued_.clear();
    raised_.reset();
    waiting_ = false;
}

}  // namespace windlass
