#include "window/status_bar_layout.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

#include "window/window_units.h"

namespace windlass {
namespace {

// Running edges are summed in 64 bits and held to the 32-bit range, so that huge widths give
// a part that runs off the bar rather than one whose edge wraps round to the left.
int AddClamped(int edge, int width) {
    std::int64_t sum = static_cast<std::int64_t>(edge) + width;
    sum = std::clamp<std::int64_t>(sum, std::numeric_limits<int>::min(),
                                   std::numeric_limits<int>::max());
    return static_cast<int>(sum);
}

}  // namespace

PartBorder BorderFromType(int type) {
    switch (type) {
        case 0:
            return PartBorder::None;
        case 2:
            return PartBorder::Raised;
        default:
            return PartBorder::Sunken;
    }
}

std::optional<StatusPartLayout> LayoutStatusParts(int nparts, std::span<const int> widths,
                                                  std::span<const int> types, int client_width) {
    if (nparts < 1 || nparts > kMaxStatusParts) {
        return std::nullopt;
    }
    StatusPartLayout layout;
    int running_edge = 0;
    bool reached_right_end = false;
    for (int part = 0; part < nparts; ++part) {
        auto index = static_cast<std::size_t>(part);
        int type = index < types.size() ? types[index] : 1;
        int width = index < widths.size() ? widths[index] : kToRightEdge;
        layout.borders.push_back(BorderFromType(type));
        if (reached_right_end || width == kToRightEdge) {
            reached_right_end = true;
            layout.right_edges.push_back(kToRightEdge);
            continue;
        }
        running_edge = AddClamped(running_edge, UnitsToPixels(width, client_width));
        layout.right_edges.push_back(running_edge);
    }
    return layout;
}

StatusTextPieces SplitStatusText(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    text = end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
    StatusTextPieces pieces;
    std::size_t first_tab = text.find('\t');
    pieces.left = std::string(text.substr(0, first_tab));
    if (first_tab == std::string_view::npos) {
        return pieces;
    }
    std::string_view rest = text.substr(first_tab + 1);
    std::size_t second_tab = rest.find('\t');
    pieces.centre = std::string(rest.substr(0, second_tab));
    if (second_tab == std::string_view::npos) {
        return pieces;
    }
    // Any further TAB is part of the right-aligned text and shows as a blank.
    pieces.right = std::string(rest.substr(second_tab + 1));
    std::replace(pieces.right.begin(), pieces.right.end(), '\t', ' ');
    return pieces;
}

}  // namespace windlass
