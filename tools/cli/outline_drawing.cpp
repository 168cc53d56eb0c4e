#include "outline_drawing.h"

#include <vector>

namespace heatwise::cli {

OutlineArea AreaOf(const OutlineLine& line) {
    // Neither Alaska nor Hawaii shares a border with another state.
    if (line.state == "AK") {
        return OutlineArea::kAlaska;
    }
    return line.state == "HI" ? OutlineArea::kHawaii : OutlineArea::kLowerStates;
}

void DrawStateOutlines(SvgDocument& svg, const StateOutlines& outlines,
                       const AreaProjection& project) {
    const SvgPaint border = Stroked("#bdbdbd", 0.7);
    const SvgPaint coast = Stroked("#a0a0a0", 0.8);
    std::vector<std::pair<double, double>> points;
    for (const OutlineLine& line : outlines) {
        const OutlineArea area = AreaOf(line);
        points.clear();
        for (const GeoPosition& at : line.points) {
            points.push_back(project(area, at));
        }
        const bool shared = !line.other_state.empty();
        svg.Polyline(points, shared ? border : coast,
                     shared ? line.state + "–" + line.other_state : line.state);
    }
}

}  // namespace heatwise::cli
