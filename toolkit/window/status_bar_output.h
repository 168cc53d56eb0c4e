// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string_view>

#include "window/window_table.h"

namespace windlass {

// Hands the parts and texts of a window's status bar to the platform, which redraws the bar
// at once. Nothing happens for a window without a status bar.
void ShowStatusBar(const WindowSlot& window);

// Writes an error report into part 1 of the main window's status bar, with the main window
// selected for the write and the window that was current selected again afterwards.
void WriteStatusBarReport(std::string_view line);

}  // namespace windlass
