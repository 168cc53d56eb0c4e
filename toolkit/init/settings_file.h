// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>
#include <string_view>

#include "init/settings.h"

namespace windlass {

// The longest line of a settings file; the rest of a longer line is not read.
inline constexpr std::size_t kSettingsLineLimit = 270;

// Whether a settings line, or a whole file, asked for the toolkit's version.
enum class VersionRequest { None, Noted };

// Applies one key=value line to the settings. A line that does not have the key=value shape,
// an unknown key and a number that does not convert change nothing.
VersionRequest ApplySettingsLine(std::string_view line, ToolkitSettings& settings);

// Reads a settings file line by line to its end (or a read error) and applies every line. A
// file that cannot be opened changes nothing.
VersionRequest ReadSettingsFile(const std::string& path, ToolkitSettings& settings);

}  // namespace windlass
