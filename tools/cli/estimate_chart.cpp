#include "estimate_chart.h"

#include <algorithm>

#include "chart_scale.h"
#include "engine/city_list.h"
#include "svg_document.h"

namespace heatwise::cli {

namespace {

constexpr double kWidth = 960;
constexpr double kHeight = 608;
constexpr double kLeft = 90;
constexpr double kRight = 860;
constexpr double kTop = 118;
constexpr double kBottom = 488;

// The shifts' colours, told apart also by readers with the commonest colour blindness.
constexpr const char* kShiftColours[kShiftCount] = {"#4e79a7", "#f28e2b", "#76b7b2"};
constexpr const char* kShiftNames[kShiftCount] = {"Hours 1-8", "Hours 9-16", "Hours 17-24"};
constexpr const char* kPercentColour = "#b8293d";
constexpr const char* kDesignColour = "#555555";

// Bin b covers 105 - 5b to 109 - 5b °F: bin 21 (0/4) is the coldest, bin 1 (100/104) the
// hottest. The axis runs from 0 °F to 105 °F.
double BinLow(int bin) {
    return 105.0 - 5.0 * bin;
}

// About how wide a label of `size` is drawn: its characters at 0.62 of the size each, a little
// more than the usual sans-serif fonts' digits and letters take.
double TextWidth(std::string_view text, double size) {
    double characters = 0;
    for (const char c : text) {
        characters += (static_cast<unsigned char>(c) & 0xC0) == 0x80 ? 0 : 1;
    }
    return characters * size * 0.62;
}

// The design temperatures' marks and their labels above the plot. Each label goes on the first
// of two rows, on the first side of its line (its own side first), where it stays inside the
// picture, clear of the labels placed before it and of the other mark's line; so close
// temperatures get their labels on the outer sides of their lines, or one above the other. A
// temperature outside the axis is marked by an arrow at the axis's end, with its label beside
// it on the axis's side.
void DesignMarks(SvgDocument& svg, const LinearScale& x, int winter, int summer) {
    constexpr double kLabelSize = 12;
    struct Mark {
        int temperature;
        std::string_view name;
        TextAnchor preferred;
        double line_x = 0;
        int off_scale = 0;  // -1 below the axis, 1 above it
    };
    struct Placed {
        int row;
        double left;
        double right;
        TextAnchor anchor;
    };
    Mark marks[] = {{winter, "winter design", TextAnchor::kStart},
                    {summer, "summer design", TextAnchor::kEnd}};
    for (Mark& mark : marks) {
        const double at = x(mark.temperature);
        mark.off_scale = at < kLeft ? -1 : at > kRight ? 1 : 0;
        mark.line_x = std::clamp(at, kLeft, kRight);
    }
    std::vector<Placed> placed;
    for (const Mark& mark : marks) {
        std::string label = std::string(mark.name) + " " + std::to_string(mark.temperature) + " °F";
        const TextAnchor other =
            mark.preferred == TextAnchor::kStart ? TextAnchor::kEnd : TextAnchor::kStart;
        std::vector<TextAnchor> anchors = {mark.preferred, other};
        if (mark.off_scale != 0) {
            label += ", off the scale";
            anchors = {mark.off_scale < 0 ? TextAnchor::kStart : TextAnchor::kEnd};
        }
        const double gap = mark.off_scale != 0 ? 16 : 5;
        const double width = TextWidth(label, kLabelSize);
        const auto place = [&](int row, TextAnchor anchor) {
            const double left =
                anchor == TextAnchor::kStart ? mark.line_x + gap : mark.line_x - gap - width;
            return Placed{row, left, left + width, anchor};
        };
        const auto clear = [&](const Placed& candidate) {
            const bool inside = candidate.left >= 4 && candidate.right <= kWidth - 4;
            const bool apart = std::ranges::none_of(placed, [&candidate](const Placed& label) {
                return label.row == candidate.row && candidate.left < label.right + 8 &&
                       label.left < candidate.right + 8;
            });
            const bool off_lines = std::ranges::none_of(marks, [&](const Mark& line) {
                return &line != &mark && line.off_scale == 0 && line.line_x > candidate.left - 4 &&
                       line.line_x < candidate.right + 4;
            });
            return inside && apart && off_lines;
        };
        // Where nothing is clear, the label goes where it prefers to.
        Placed chosen = place(0, anchors.front());
        bool found = false;
        for (int row = 0; row < 2 && !found; ++row) {
            for (const TextAnchor anchor : anchors) {
                if (const Placed candidate = place(row, anchor); clear(candidate)) {
                    chosen = candidate;
                    found = true;
                    break;
                }
            }
        }
        placed.push_back(chosen);
        const double y = kTop - 10 - 16 * chosen.row;
        if (mark.off_scale != 0) {
            const double tip = mark.off_scale;
            svg.Polyline({{mark.line_x - 9 * tip, y - 9},
                          {mark.line_x, y - 4},
                          {mark.line_x - 9 * tip, y + 1}},
                         Stroked(kDesignColour, 1.5));
            svg.Line(mark.line_x, y - 4, mark.line_x - 13 * tip, y - 4,
                     Stroked(kDesignColour, 1.5));
        } else {
            svg.Line(mark.line_x, y + 4, mark.line_x, kBottom, Stroked(kDesignColour, 1.5, "6 4"));
        }
        // The text stands against its line, whatever its real width.
        const bool start = chosen.anchor == TextAnchor::kStart;
        svg.Text(start ? chosen.left : chosen.right, y, label,
                 SvgTextStyle(kLabelSize).Anchored(chosen.anchor).Coloured(kDesignColour));
    }
}

// The title gives both seasons' costs, each in its own mode, as the line under it says.
std::string Title(const EstimateReport& report) {
    const bool all_fuels = report.options.fuels == FuelSelection::kAll;
    const std::int32_t heating =
        all_fuels ? report.heating_cost_by_fuel.front() : report.own_modes.heating_cost;
    return std::string(CityName(report.options.inputs.city)) + ": cooling $" +
           std::to_string(report.own_modes.cooling_cost) + " and heating $" +
           std::to_string(heating) + " a year" +
           (all_fuels ? " (heating with " + std::string(FuelName(kHeatingFuels.front())) + ")"
                      : "");
}

// Under the title: the modes the costs were worked out in and the fuel, or with all fuels the
// heating cost of each.
std::string ModesLine(const EstimateReport& report) {
    if (report.options.fuels == FuelSelection::kChosen) {
        return "Cooling cost worked out in mode Cooling, heating cost in mode Heating, heating "
               "fuel " +
               std::string(FuelName(report.options.inputs.fuel));
    }
    std::string text = "Cooling in mode Cooling; heating in mode Heating:";
    for (std::size_t i = 0; i < kHeatingFuels.size(); ++i) {
        text += " " + std::string(FuelKey(kHeatingFuels[i])) + " $" +
                std::to_string(report.heating_cost_by_fuel[i]) +
                (i + 1 == kHeatingFuels.size() ? "" : ",");
    }
    return text;
}

// Then the city's number and what the bars and the line show, the line in the chosen mode.
std::string ContentsLine(const EstimateReport& report) {
    return "City " + std::to_string(report.options.inputs.city) +
           "; scaled hours a year in each 5 °F bin, shift by shift, and the share of each bin "
           "that mode " +
           std::string(ModeName(report.options.inputs.mode)) + " counts";
}

void Legend(SvgDocument& svg, std::string_view mode) {
    const double y = kHeight - 24;
    double x = kLeft;
    for (int shift = 0; shift < kShiftCount; ++shift) {
        svg.Rect(x, y - 11, 14, 14, Filled(kShiftColours[shift]));
        svg.Text(x + 20, y, kShiftNames[shift], SvgTextStyle(13));
        x += 120;
    }
    svg.Line(x, y - 4, x + 24, y - 4, Stroked(kPercentColour, 2.5));
    svg.Circle(x + 12, y - 4, 3.5, Filled(kPercentColour));
    svg.Text(x + 30, y, "% calc'd (" + std::string(mode) + ")", SvgTextStyle(13));
    x += 170;
    svg.Line(x, y - 4, x + 24, y - 4, Stroked(kDesignColour, 1.5, "6 4"));
    svg.Text(x + 30, y, "design temperature", SvgTextStyle(13));
}

}  // namespace

std::string EstimateChart(const EstimateReport& report) {
    const BinCalcResult& r = report.result;
    const std::string title = Title(report);
    SvgDocument svg(kWidth, kHeight, title);
    svg.Text(kLeft, 34, title, SvgTextStyle(18).Bold());
    svg.Text(kLeft, 56, ModesLine(report), SvgTextStyle(13).Coloured("#555555"));
    svg.Text(kLeft, 74, ContentsLine(report), SvgTextStyle(13).Coloured("#555555"));

    std::int32_t most_hours = 1;
    for (const std::int32_t hours : r.scaled_hours) {
        most_hours = std::max(most_hours, hours);
    }
    const std::vector<double> hour_ticks = RoundTicks(0, most_hours, 6);
    const LinearScale x{0, 105, kLeft, kRight};
    const LinearScale hours_y{0, hour_ticks.back(), kBottom, kTop};
    const LinearScale percent_y{0, 100, kBottom, kTop};

    // The grid and both vertical axes.
    const double hour_step = hour_ticks.size() > 1 ? hour_ticks[1] - hour_ticks[0] : 1;
    for (const double tick : hour_ticks) {
        svg.Line(kLeft, hours_y(tick), kRight, hours_y(tick), Stroked("#e4e4e4"));
        svg.Text(kLeft - 8, hours_y(tick) + 4, TickText(tick, hour_step),
                 SvgTextStyle(12).Anchored(TextAnchor::kEnd));
    }
    for (int percent = 0; percent <= 100; percent += 20) {
        svg.Line(kRight, percent_y(percent), kRight + 5, percent_y(percent),
                 Stroked(kPercentColour));
        svg.Text(kRight + 9, percent_y(percent) + 4, std::to_string(percent) + " %",
                 SvgTextStyle(12).Coloured(kPercentColour));
    }
    svg.Text(28, (kTop + kBottom) / 2, "Scaled hours a year",
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle).Rotated(-90));
    const std::string mode =
        report.options.inputs.mode == CalcMode::kCooling ? "cooling" : "heating";
    svg.Text(kWidth - 22, (kTop + kBottom) / 2, "% calc'd (" + mode + ")",
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle).Coloured(kPercentColour).Rotated(90));

    // Three bars in each bin's slot, and the bin's label under it.
    const double slot = x(5) - x(0);
    const double bar = slot * 0.8 / kShiftCount;
    std::vector<std::pair<double, double>> percent_line;
    for (int bin = kBinCount; bin >= 1; --bin) {
        const double left = x(BinLow(bin));
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            const double hours =
                r.scaled_hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
            const double top = hours_y(hours);
            svg.Rect(left + slot * 0.1 + (shift - 1) * bar, top, bar, kBottom - top,
                     Filled(kShiftColours[shift - 1]));
        }
        const double centre = left + slot / 2;
        percent_line.emplace_back(centre,
                                  percent_y(r.percent_calcd[static_cast<std::size_t>(bin - 1)]));
        svg.Text(centre + 4, kBottom + 12,
                 std::to_string(static_cast<int>(BinLow(bin))) + "/" +
                     std::to_string(static_cast<int>(BinLow(bin)) + 4),
                 SvgTextStyle(11).Anchored(TextAnchor::kEnd).Rotated(-45));
    }
    svg.Line(kLeft, kBottom, kRight, kBottom, Stroked("#222222"));
    svg.Text((kLeft + kRight) / 2, kBottom + 62, "Outdoor temperature bin, °F (cold to hot)",
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle));

    svg.Polyline(percent_line, Stroked(kPercentColour, 2.5));
    for (const auto& [px, py] : percent_line) {
        svg.Circle(px, py, 3.5, Filled(kPercentColour));
    }
    DesignMarks(svg, x, r.winter_design, r.summer_design);
    Legend(svg, mode);
    return svg.Finish();
}

}  // namespace heatwise::cli
