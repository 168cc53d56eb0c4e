// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The contents file (".CNT") that may stand beside a help document: the tree the finder shows
// on its Contents tab. A UTF-8 text file, one entry a line:
//
//   # Lines that begin with "#" and blank lines are ignored.
//   1 - Using Heatwise
//   2 10 What Heatwise estimates
//
// Each entry is its level (1 to 9), the context number of the topic it opens ("-" for a
// heading that opens none) and its title, separated by blanks or tabs. The first entry has
// level 1, and an entry is at most one level deeper than the entry before it.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace windlass {

inline constexpr int kDeepestContentsLevel = 9;

struct ContentsEntry {
    int level = 1;
    // The topic the entry opens; nothing for a heading.
    std::optional<int> context;
    std::string title;
    int line = 0;
};

// The entries in file order, or a message that says what is wrong and on which line.
struct ContentsReading {
    std::optional<std::vector<ContentsEntry>> entries;
    std::string error;
};

ContentsReading ParseHelpContents(std::string_view text);

// Reads and parses a file; a message begins with the file's path.
ContentsReading ReadHelpContents(const std::string& path);

}  // namespace windlass
