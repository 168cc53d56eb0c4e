// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_types.h"

namespace windlass {

// The menu of a window as the resources give it: the bar from the menu resource, its pop-ups
// numbered from the data resource of the same id, and the accelerator table and the menu
// prompts of the same id (none when absent). Nothing when there is no menu resource of that id.
struct WindowMenu {
    MenuBar bar;
    std::vector<AcceleratorKey> accelerators;
    std::map<int, std::string> prompts;
};

std::optional<WindowMenu> LoadWindowMenu(int menu_id);

}  // namespace windlass
