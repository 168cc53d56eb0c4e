// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <array>
#include <optional>

#include "platform/platform.h"
#include "window/status_bar_model.h"

namespace windlass {

// Slot 0 is the main window; slots 1 to 20 are kept for child windows.
inline constexpr int kWindowSlots = 21;
inline constexpr int kMainWindowSlot = 0;

// The size of a client area in pixels: the basis of window units.
struct ClientSize {
    int width = 0;
    int height = 0;
};

// What the toolkit knows of one window.
struct WindowSlot {
    // The platform's frame window; null while the slot is free.
    WindowHandle frame = nullptr;
    bool has_client = false;
    ClientSize client;
    // Present while the window has a status bar.
    std::optional<StatusBarModel> status_bar;
};

// The toolkit's windows: the table of slots, the window that operations act on, and the
// window flags of the main window as the program passed them (-1 while it is closed).
struct WindowTable {
    std::array<WindowSlot, kWindowSlots> by_slot;
    int current = kMainWindowSlot;
    int flags = -1;

    WindowSlot& Current() { return by_slot[static_cast<std::size_t>(current)]; }
    // Null for numbers outside the table.
    WindowSlot* Slot(int slot);
    // The client size of a slot that has a client area; nothing otherwise.
    std::optional<ClientSize> ClientOf(int slot) const;
    // True while any slot holds a frame window.
    bool AnyOpen() const;
};

// The process-wide window table.
WindowTable& Windows();

}  // namespace windlass
