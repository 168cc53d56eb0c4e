#include "heat_pump_chart.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "chart_scale.h"
#include "engine/city_list.h"
#include "heat_pump_summary.h"
#include "heat_pump_text.h"
#include "svg_document.h"

namespace heatwise::cli {

namespace {

constexpr double kWidth = 1100;
constexpr double kHeight = 760;
constexpr double kLeft = 90;
constexpr double kRight = 760;  // the plots' right edge; the legend lies beyond the COP axis
constexpr double kTopPlot = 90;
constexpr double kTopBottom = 390;  // y of the upper plot's temperature axis
constexpr double kBarsTop = 460;
constexpr double kBarsBottom = 690;

constexpr const char* kCapacityColour = "#1f4e99";
constexpr const char* kCopColour = "#2e8b57";
constexpr const char* kHeatPumpColour = "#4a90d9";
constexpr std::array<const char*, kShiftCount> kShiftColours = {"#b03a2e", "#d68910", "#7d3c98"};
constexpr const char* kShiftNames[] = {"1 - 8", "9 - 16", "17 - 24"};

double LoadPerDegree(const HeatPumpReport& report) {
    const BinCalcInput& form = report.input.form;
    const double below = 64.0 - form.design.winter_design;
    return below > 0.0 ? form.heat_capacity / below : 0.0;
}

void TemperatureAxis(SvgDocument& svg, const LinearScale& x, double y, double step) {
    svg.Line(kLeft, y, kRight, y, Stroked("#333333"));
    for (double t = std::ceil(x.low / step) * step; t <= x.high; t += step) {
        svg.Line(x(t), y, x(t), y + 5, Stroked("#333333"));
        svg.Text(x(t), y + 18, TickText(t, step), SvgTextStyle(12).Anchored(TextAnchor::kMiddle));
    }
    svg.Text((kLeft + kRight) / 2, y + 36, "Outdoor temperature, °F",
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle));
}

// A vertical axis at `at` with round ticks and its title turned along it; grid lines across
// the plot where `grid` is set.
void ValueAxis(SvgDocument& svg, const LinearScale& y, const std::vector<double>& ticks, double at,
               TextAnchor side, std::string_view title, std::string_view colour, bool grid) {
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1;
    const double tick_out = side == TextAnchor::kEnd ? -5 : 5;
    svg.Line(at, y.from, at, y.to, Stroked(std::string(colour)));
    for (const double tick : ticks) {
        if (grid) {
            svg.Line(kLeft, y(tick), kRight, y(tick), Stroked("#e4e4e4"));
        }
        svg.Line(at, y(tick), at + tick_out, y(tick), Stroked(std::string(colour)));
        svg.Text(at + 2 * tick_out, y(tick) + 4, TickText(tick, step),
                 SvgTextStyle(12).Anchored(side).Coloured(std::string(colour)));
    }
    const double title_x = side == TextAnchor::kEnd ? at - 62 : at + 50;
    svg.Text(title_x, (y.from + y.to) / 2, title,
             SvgTextStyle(13)
                 .Anchored(TextAnchor::kMiddle)
                 .Coloured(std::string(colour))
                 .Rotated(side == TextAnchor::kEnd ? -90 : 90));
}

void LegendLine(SvgDocument& svg, double y, std::string_view colour, std::string_view dash,
                std::string_view text) {
    svg.Line(kRight + 80, y - 4, kRight + 104, y - 4,
             Stroked(std::string(colour), 2.5, std::string(dash)));
    svg.Text(kRight + 110, y, text, SvgTextStyle(12));
}

void LegendBox(SvgDocument& svg, double y, std::string_view colour, std::string_view text) {
    svg.Rect(kRight + 84, y - 11, 16, 12, Filled(std::string(colour)));
    svg.Text(kRight + 110, y, text, SvgTextStyle(12));
}

}  // namespace

std::string HeatPumpChart(const HeatPumpReport& report) {
    const EstimateInputs& in = report.options.inputs;
    const HeatPumpResult& r = report.result;
    const std::string title =
        "Heat pump in " + std::string(CityName(in.city)) +
        (r.savings >= 0 ? ": saves $" + std::to_string(r.savings)
                        : ": costs $" + std::to_string(-r.savings) + " more") +
        " a year against " + FurnaceText(in);
    SvgDocument svg(kWidth, kHeight, title);
    svg.Text(20, 30, title, SvgTextStyle(18).Bold());
    svg.Text(20, 52, UnitSummary(report.options.unit, in), SvgTextStyle(13).Coloured("#555555"));

    // The temperatures shown: from below the coldest bin that has hours up to the warmest
    // setpoint.
    const auto totals = SumOverShifts(report.table);
    double coldest = 0.0;
    for (const HeatPumpBinTotal& total : totals) {
        if (total.hours > 0) {
            coldest = std::min(coldest, total.midpoint - 5.0);
        }
    }
    const double warmest = *std::ranges::max_element(in.winter_setpoint) + 2.0;
    const LinearScale x{std::floor(coldest / 10) * 10, std::max(70.0, warmest), kLeft, kRight};

    // Capacity and loads in BTU/h on the left, the COP on the right.
    const HeatPumpCurve curve(report.options.unit.ratings);
    const double ua = LoadPerDegree(report);
    double top_value = 1.0;
    double top_cop = 1.0;
    std::vector<std::pair<double, double>> capacity_points;
    std::vector<std::pair<double, double>> cop_points;
    for (double t = x.low; t <= x.high; t += 0.5) {
        const UnitOutput out = curve.At(t);
        top_value = std::max(top_value, out.capacity);
        top_cop = std::max(top_cop, out.cop);
    }
    for (int shift = 0; shift < kShiftCount; ++shift) {
        top_value = std::max(top_value, ua * (in.winter_setpoint[shift] - x.low));
    }
    const std::vector<double> value_ticks = RoundTicks(0, top_value, 6);
    const LinearScale y{0, value_ticks.back(), kTopBottom, kTopPlot};
    const std::vector<double> cop_ticks = RoundTicks(0, top_cop, 6);
    const LinearScale y_cop{0, cop_ticks.back(), kTopBottom, kTopPlot};
    ValueAxis(svg, y, value_ticks, kLeft, TextAnchor::kEnd, "Heat, BTU per hour", "#333333", true);
    ValueAxis(svg, y_cop, cop_ticks, kRight, TextAnchor::kStart, "COP", kCopColour, false);
    TemperatureAxis(svg, x, kTopBottom, 10);
    for (double t = x.low; t <= x.high; t += 0.5) {
        const UnitOutput out = curve.At(t);
        capacity_points.emplace_back(x(t), y(out.capacity));
        cop_points.emplace_back(x(t), y_cop(out.cop));
    }
    svg.Polyline(capacity_points, Stroked(kCapacityColour, 2.5), "heat pump capacity");
    svg.Polyline(cop_points, Stroked(kCopColour, 2, "2 3"), "COP");
    for (int shift = 0; shift < kShiftCount; ++shift) {
        const double setpoint = in.winter_setpoint[shift];
        if (ua <= 0.0) {
            break;
        }
        svg.Polyline({{x(x.low), y(ua * (setpoint - x.low))}, {x(setpoint), y(0)}},
                     Stroked(kShiftColours[shift], 2, "7 4"),
                     "load of shift " + std::string(kShiftNames[shift]));
        if (const std::optional<double>& point = r.balance_points[shift]) {
            const double load = ua * (setpoint - *point);
            svg.Circle(x(*point), y(load), 5.5, Stroked("#000000", 1.5),
                       "balance point " + FixedText(*point, 1) + " °F");
        }
    }

    // The heat of each bin by source, in million BTU a year.
    double top_heat = 0.001;
    for (const HeatPumpBinTotal& total : totals) {
        top_heat = std::max(top_heat, (total.heat_pump_heat + total.backup_heat) / 1e6);
    }
    const std::vector<double> heat_ticks = RoundTicks(0, top_heat, 5);
    const LinearScale y_heat{0, heat_ticks.back(), kBarsBottom, kBarsTop};
    ValueAxis(svg, y_heat, heat_ticks, kLeft, TextAnchor::kEnd, "Heat, MMBtu a year", "#333333",
              true);
    TemperatureAxis(svg, x, kBarsBottom, 10);
    const bool furnace = report.options.unit.backup == BackupHeat::kFurnace;
    const std::string backup_colour = furnace ? "#f0a35e" : "#d9534f";
    const double bar = (x(5) - x(0)) * 0.8;
    for (const HeatPumpBinTotal& total : totals) {
        if (total.midpoint < x.low) {
            continue;
        }
        const double pump = total.heat_pump_heat / 1e6;
        const double backup = std::max(0.0, total.backup_heat / 1e6);
        const double left = x(total.midpoint) - bar / 2;
        if (pump > 0) {
            svg.Rect(left, y_heat(pump), bar, y_heat(0) - y_heat(pump), Filled(kHeatPumpColour));
        }
        if (backup > 0) {
            svg.Rect(left, y_heat(pump + backup), bar, y_heat(pump) - y_heat(pump + backup),
                     Filled(backup_colour));
        }
    }
    svg.Text(kLeft, kBarsTop - 16, "Heat of each 5 °F bin over the year, all shifts",
             SvgTextStyle(14).Bold());
    svg.Text(kLeft, kTopPlot - 12, "Capacity, load and COP against the outdoor temperature",
             SvgTextStyle(14).Bold());

    // The legend, right of the COP axis.
    double ly = kTopPlot + 10;
    LegendLine(svg, ly, kCapacityColour, "", "heat pump capacity");
    LegendLine(svg, ly += 20, kCopColour, "2 3", "COP (right axis)");
    for (int shift = 0; shift < kShiftCount; ++shift) {
        LegendLine(svg, ly += 20, kShiftColours[shift], "7 4",
                   "load, shift " + std::string(kShiftNames[shift]) + " at " +
                       std::to_string(in.winter_setpoint[shift]) + " °F");
    }
    svg.Circle(kRight + 92, ly + 16, 5.5, Stroked("#000000", 1.5));
    svg.Text(kRight + 110, ly + 20, "balance point", SvgTextStyle(12));
    ly += 46;
    svg.Text(kRight + 80, ly, "Balance points", SvgTextStyle(12).Bold());
    for (int shift = 0; shift < kShiftCount; ++shift) {
        const std::optional<double>& point = r.balance_points[shift];
        svg.Text(kRight + 80, ly += 18,
                 "shift " + std::string(kShiftNames[shift]) + ": " +
                     (point ? FixedText(*point, 1) + " °F" : std::string("none")),
                 SvgTextStyle(12));
    }
    ly = kBarsTop + 10;
    LegendBox(svg, ly, kHeatPumpColour, "from the heat pump");
    LegendBox(svg, ly += 20, backup_colour,
              furnace ? "from the furnace" : "from resistance backup");
    ly += 36;
    svg.Text(kRight + 80, ly, "Over the year", SvgTextStyle(12).Bold());
    svg.Text(kRight + 80, ly += 18,
             "heat pump $" + std::to_string(r.heat_pump_cost) + ", furnace $" +
                 std::to_string(r.furnace_cost),
             SvgTextStyle(12));
    svg.Text(kRight + 80, ly += 18, "seasonal COP " + OptionalText(r.seasonal_cop, 2),
             SvgTextStyle(12));
    svg.Text(kRight + 80, ly += 18,
             "backup " + (r.backup_share ? FixedText(100 * *r.backup_share, 1) + " %" : "none") +
                 " of the heat",
             SvgTextStyle(12));
    return svg.Finish();
}

}  // namespace heatwise::cli
