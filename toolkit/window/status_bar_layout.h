// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_types.h"

namespace windlass {

// A status bar has between 1 and kMaxStatusParts parts.
inline constexpr int kMaxStatusParts = 255;

// Border type 0 is no border and 2 raised; every other number gives the normal sunken border.
PartBorder BorderFromType(int type);

// The parts of a status bar: for each, its right edge in pixels from the bar's left end
// (kToRightEdge for a part that reaches the right end) and its border.
struct StatusPartLayout {
    std::vector<int> right_edges;
    std::vector<PartBorder> borders;
};

// Lays out `nparts` parts of the given widths (window units of the client width, or -1) and
// border types over a client area `client_width` pixels wide. Each right edge is the running
// sum of the pixel widths. A part of width -1 reaches the right end, and every part after it
// does too, so it has no room of its own. Widths missing from `widths` count as -1, types
// missing from `types` as 1. Nothing comes back when `nparts` lies outside 1 to 255.
std::optional<StatusPartLayout> LayoutStatusParts(int nparts, std::span<const int> widths,
                                                  std::span<const int> types, int client_width);

// A status text in its three pieces: before the first TAB it is left-aligned, between the
// first and the second TAB centred in the part, after the second TAB right-aligned. The
// trailing blanks of the whole text are dropped first.
struct StatusTextPieces {
    std::string left;
    std::string centre;
    std::string right;
};

StatusTextPieces SplitStatusText(std::string_view text);

}  // namespace windlass
