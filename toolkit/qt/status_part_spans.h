// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <algorithm>
#include <span>
#include <vector>

#include "platform/window_types.h"

namespace windlass {

// Where one part lies on a drawn status bar, in pixels from the bar's left end, right end
// excluded.
struct PartSpan {
    int left = 0;
    int right = 0;
};

// The spans of the parts on a bar `bar_width` pixels wide. A part starts where the one before
// it ends; right edges of kToRightEdge are the bar's width; spans stay inside the bar and
// never run backwards, so a part whose edge lies left of its start is empty.
inline std::vector<PartSpan> PartSpans(std::span<const int> right_edges, int bar_width) {
    bar_width = std::max(bar_width, 0);
    std::vector<PartSpan> spans;
    int left = 0;
    for (int edge : right_edges) {
        int right = edge == kToRightEdge ? bar_width : std::clamp(edge, 0, bar_width);
        right = std::max(right, left);
        spans.push_back({left, right});
        left = right;
    }
    return spans;
}

}  // namespace windlass
