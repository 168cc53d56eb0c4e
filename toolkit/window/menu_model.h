// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

#include "platform/window_types.h"

namespace windlass {

// One record of a menu's companion resource: the command id to give one item, and the
// 1-based positions that lead to the item from the menu bar (position on the bar, position
// in that pop-up, and so on).
struct MenuNumbering {
    int command_id = 0;
    std::vector<int> path;
};

// Reads a menu's companion resource: 16-bit little-endian words forming records of a command
// id, the positions of its path and a 0; a 0 in place of a command id ends the list. A record
// cut off by the end of the data, and one without any position, are left out.
std::vector<MenuNumbering> ParseMenuCompanion(std::span<const std::uint8_t> data);

// Reads a menu-prompt resource: records of a 16-bit little-endian command id and a
// NUL-terminated prompt text, ended by id 0. A record cut off by the end of the data is left
// out; a later prompt for the same command replaces an earlier one.
std::map<int, std::string> ParseMenuPrompts(std::span<const std::uint8_t> data);

// Gives each item a record's path leads to the record's command id. A path that leads
// nowhere (past the end of a menu, or on through an item that is not a pop-up) is skipped.
// Returns the number of items numbered.
int NumberMenuItems(MenuBar& bar, const std::vector<MenuNumbering>& numbering);

}  // namespace windlass
