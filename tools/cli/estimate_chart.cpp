#include "estimate_chart.h"

#include <algorithm>

#include "chart_scale.h"
#include "engine/city_list.h"
#include "svg_document.h"

namespace heatwise::cli {

namespace {

constexpr double kWidth = 960;
constexpr double kHeight = 590;
constexpr double kLeft = 90;
constexpr double kRight = 860;
constexpr double kTop = 100;
constexpr double kBottom = 470;

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

void DesignMark(SvgDocument& svg, const LinearScale& x, int temperature, std::string_view label,
                TextAnchor anchor) {
    const double at = std::clamp(x(temperature), kLeft, kRight);
    svg.Line(at, kTop - 6, at, kBottom, Stroked(kDesignColour, 1.5, "6 4"));
    const double shift = anchor == TextAnchor::kEnd ? -5 : 5;
    svg.Text(at + shift, kTop - 10, std::string(label) + " " + std::to_string(temperature) + " °F",
             SvgTextStyle(12).Anchored(anchor).Coloured(kDesignColour));
}

std::string Title(const EstimateReport& report, const SeasonCosts& costs) {
    const EstimateInputs& in = report.options.inputs;
    const std::string fuel = report.options.fuels == FuelSelection::kAll
                                 ? std::string(FuelName(kHeatingFuels.front()))
                                 : std::string(FuelName(in.fuel));
    return std::string(CityName(in.city)) + ": cooling $" + std::to_string(costs.cooling_cost) +
           " and heating $" + std::to_string(costs.heating_cost) + " a year (" + fuel + ")";
}

// Under the title: the city's number and what the bars show, or with all fuels the heating
// cost of each.
std::string Subtitle(const EstimateReport& report) {
    std::string text = "City " + std::to_string(report.options.inputs.city) + "; ";
    if (report.options.fuels == FuelSelection::kChosen) {
        return text +
               "scaled hours a year in each 5 °F bin, shift by shift, and the share of each bin "
               "the calculation counts";
    }
    text += "heating cost a year by fuel:";
    for (std::size_t i = 0; i < kHeatingFuels.size(); ++i) {
        text += " " + std::string(FuelName(kHeatingFuels[i])) + " $" +
                std::to_string(report.heating_cost_by_fuel[i]) +
                (i + 1 == kHeatingFuels.size() ? "" : ",");
    }
    return text;
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

std::string EstimateChart(const EstimateReport& report, const SeasonCosts& costs) {
    const BinCalcResult& r = report.result;
    const std::string title = Title(report, costs);
    SvgDocument svg(kWidth, kHeight, title);
    svg.Text(kLeft, 34, title, SvgTextStyle(18).Bold());
    svg.Text(kLeft, 56, Subtitle(report), SvgTextStyle(13).Coloured("#555555"));

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
    DesignMark(svg, x, r.winter_design, "winter design", TextAnchor::kStart);
    DesignMark(svg, x, r.summer_design, "summer design", TextAnchor::kEnd);
    Legend(svg, mode);
    return svg.Finish();
}

}  // namespace heatwise::cli
