#include "window/window_table.h"

#include <cstddef>

namespace windlass {

WindowSlot* WindowTable::Slot(int slot) {
    if (slot < 0 || slot >= kWindowSlots) {
        return nullptr;
    }
    return &by_slot[static_cast<std::size_t>(slot)];
}

std::optional<ClientSize> WindowTable::ClientOf(int slot) const {
    if (slot < 0 || slot >= kWindowSlots) {
        return std::nullopt;
    }
    const WindowSlot& window = by_slot[static_cast<std::size_t>(slot)];
    if (!window.has_client) {
        return std::nullopt;
    }
    return window.client;
}

bool WindowTable::AnyOpen() const {
    for (const WindowSlot& window : by_slot) {
        if (window.frame != nullptr) {
            return true;
        }
    }
    return false;
}

}  // namespace windlass
