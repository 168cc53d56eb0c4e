#include "file_search.h"

#include <fstream>
#include <string>

namespace heatwise::rc {

namespace {

// Scripts written for the other platform separate folders with backslashes.
std::filesystem::path PortablePath(std::string_view name) {
    std::string text(name);
    for (char& c : text) {
        if (c == '\\') {
            c = '/';
        }
    }
    return std::filesystem::path(text);
}

bool IsReadableFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::optional<std::filesystem::path> FindFile(
    std::string_view name, const std::filesystem::path& naming_folder,
    const std::vector<std::filesystem::path>& include_dirs, SearchNear near) {
    std::filesystem::path relative = PortablePath(name);
    if (relative.empty()) {
        return std::nullopt;
    }
    if (relative.is_absolute()) {
        return IsReadableFile(relative) ? std::optional(relative) : std::nullopt;
    }
    if (near == SearchNear::kNamingFile && IsReadableFile(naming_folder / relative)) {
        return naming_folder / relative;
    }
    for (const auto& dir : include_dirs) {
        if (IsReadableFile(dir / relative)) {
            return dir / relative;
        }
    }
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    // Read in pieces and stop past the limit: a file's reported size cannot be trusted (files
    // under /proc report none), so only the bytes read tell.
    std::vector<std::uint8_t> bytes;
    char piece[1 << 16];
    while (in.read(piece, sizeof piece) || in.gcount() > 0) {
        bytes.insert(bytes.end(), piece, piece + in.gcount());
        if (bytes.size() > kLargestFile) {
            return std::nullopt;
        }
    }
    if (in.bad()) {
        return std::nullopt;
    }
    return bytes;
}

}  // namespace heatwise::rc
