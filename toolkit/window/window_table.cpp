#include "window/window_table.h"

#include <cstddef>

namespace windlass {

WindowSlot* WindowTable::Slot(int slot) {
    if (slot < 0 || slot >= kWindowSlots) {
        return nullptr;
    }
    return &slots[static_cast<std::size_t>(slot)];
}

std::optional<ClientSize> WindowTable::ClientOf(int slot) const {
    if (slot < 0 || slot >= kWindowSlots) {
        return std::nullopt;
    }
    const WindowSlot& window = slots[static_cast<std::size_t>(slot)];
    if (!window.has_client) {
        return std::nullopt;
    }
    return window.client;
}

WindowTable& Windows() {
    static WindowTable table;
    return table;
}

}  // namespace windlass
