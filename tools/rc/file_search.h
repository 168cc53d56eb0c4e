// Finding and reading the files that a resource script names: headers, icons, data files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace heatwise::rc {

// Where a named file is looked for: first the folder of the file that names it (unless the
// name was written <like.h>), then the include folders in the order given.
enum class SearchNear { kNamingFile, kIncludeFoldersOnly };

std::optional<std::filesystem::path> FindFile(
    std::string_view name, const std::filesystem::path& naming_folder,
    const std::vector<std::filesystem::path>& include_dirs, SearchNear near);

// The largest file a script may name. No header, icon or data file of a program comes near
// it, and a script naming some huge file (a disk image, /proc/kcore) fails instead of reading
// it into memory.
inline constexpr std::size_t kLargestFile = std::size_t{64} << 20;
inline constexpr const char* kLargestFileText = "64 MiB";

// The whole file, or nothing when it cannot be read or holds more than kLargestFile bytes.
std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path);

}  // namespace heatwise::rc
