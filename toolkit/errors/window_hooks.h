// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string_view>

#include "platform/platform.h"

namespace windlass {

// What error reporting and message boxes need from the windows and dialogs. The window and
// dialog areas fill these in while they have something to offer; a hook left empty means
// there is no such window, and the report or box goes on without it.
struct WindowHooks {
    // Writes a report line into part 1 of the main window's status bar, with the main window
    // selected for the write and the previously current window selected again afterwards.
    // Nothing is shown when the main window has no status bar.
    void (*write_status_bar_report)(std::string_view line) = nullptr;
    // The owner of a message box: the active dialog when it is visible (the main window for
    // the dialog shown inside it), else the main window; null when there is no window.
    WindowHandle (*message_box_owner)() = nullptr;
    // Disables the program's other dialogs while a box is up.
    void (*disable_dialogs)() = nullptr;
    // Enables the dialogs again; a child window that owned the box gets the focus back and
    // its title colours refreshed.
    void (*enable_dialogs)(WindowHandle owner) = nullptr;
};

WindowHooks& Hooks();

}  // namespace windlass
