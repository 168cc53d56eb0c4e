#include "message/pending_slots.h"

#include <cstddef>

namespace windlass {
namespace {

bool IsSlot(int slot) {
    return slot >= 0 && slot < kWindowSlots;
}

}  // namespace

void PendingSlots::Hold(const RaisedMessage& message) {
    int slot = message.record.window;
    if (!IsWindowRepaintOrResize(message) || !IsSlot(slot)) {
        return;
    }
    auto& held = held_[static_cast<std::size_t>(slot)];
    // A pending resize stays: the repaint that follows a resize is implied by it. A pending
    // repaint stays too, as it will cover the whole client area anyway.
    if (held && message.type == MSG_EXPOSE) {
        return;
    }
    held = message;
}

std::optional<RaisedMessage> PendingSlots::TakeFirst(
    const std::function<std::optional<ClientSize>(int slot)>& client_size) {
    for (int slot = 0; slot < kWindowSlots; ++slot) {
        auto& held = held_[static_cast<std::size_t>(slot)];
        if (!held) {
            continue;
        }
        std::optional<ClientSize> client = client_size(slot);
        if (!client) {
            continue;
        }
        RaisedMessage message = *held;
        held.reset();
        if (message.type == MSG_EXPOSE) {
            message.record.data1 = client->width;
            message.record.data2 = client->height;
            message.record.x = 0;
            message.record.y = 0;
        }
        return message;
    }
    return std::nullopt;
}

bool PendingSlots::HoldsRepaint(int slot) const {
    if (!IsSlot(slot)) {
        return false;
    }
    const auto& held = held_[static_cast<std::size_t>(slot)];
    return held && held->type == MSG_EXPOSE;
}

void PendingSlots::Empty(int slot) {
    if (IsSlot(slot)) {
        held_[static_cast<std::size_t>(slot)].reset();
    }
}

void PendingSlots::EmptyAll() {
    for (auto& held : held_) {
        held.reset();
    }
}

}  // namespace windlass
