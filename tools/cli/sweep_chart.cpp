#include "sweep_chart.h"

#include <algorithm>

#include "chart_scale.h"
#include "engine/city_list.h"
#include "inputs_text.h"
#include "svg_document.h"

namespace heatwise::cli {

namespace {

constexpr double kWidth = 860;
constexpr double kHeight = 540;
constexpr double kLeft = 100;
constexpr double kRight = 830;
constexpr double kTop = 110;
constexpr double kBottom = 450;
constexpr const char* kCoolingColour = "#2b6cb0";
constexpr const char* kHeatingColour = "#c0392b";

// What the varied input is, in words, for the horizontal axis.
std::string AxisTitle(std::string_view name) {
    static constexpr std::pair<std::string_view, std::string_view> kMeanings[] = {
        {"rate", "electric rate, $/kWh"},
        {"fuel-price", "fuel price, $ per gallon or cu.ft."},
        {"eer", "cooling efficiency, EER"},
        {"heat-eff", "heating efficiency, %"},
        {"cool-capacity", "cooling equipment rating, BTUh"},
        {"heat-capacity", "heating equipment rating, BTUh"},
        {"hours", "thermostat hours of every shift"},
        {"summer", "summer setpoint of every shift, °F"},
        {"winter", "winter setpoint of every shift, °F"},
    };
    static constexpr std::string_view kShifts[] = {"1-8", "9-16", "17-24"};
    for (const auto& [input, meaning] : kMeanings) {
        if (name == input) {
            return std::string(name) + ": " + std::string(meaning);
        }
        if (name.size() == input.size() + 1 && name.starts_with(input)) {
            std::string words(meaning);
            words.replace(words.find("every shift"), 11,
                          "hours " + std::string(kShifts[name.back() - '1']));
            return std::string(name) + ": " + words;
        }
    }
    return std::string(name);
}

void Series(SvgDocument& svg, const std::vector<std::pair<double, double>>& points,
            const char* colour, bool markers) {
    svg.Polyline(points, Stroked(colour, 2.5));
    if (markers) {
        for (const auto& [x, y] : points) {
            svg.Circle(x, y, 3.5, Filled(colour));
        }
    }
}

}  // namespace

std::string SweepChart(const SweepReport& report) {
    const SweepRange& range = report.options->range;
    const EstimateInputs& first = range.steps.front().inputs;
    const std::string title = std::string(CityName(first.city)) + ": yearly cost as " + range.name +
                              " goes from " + range.steps.front().text + " to " +
                              range.steps.back().text;
    SvgDocument svg(kWidth, kHeight, title);
    svg.Text(kLeft, 34, title, SvgTextStyle(18).Bold());
    // The varied input is given by its range, not by the first step's value.
    const std::string summary =
        InputsSummary(first, InputsSeason::kBoth,
                      {range.name, range.steps.front().text, range.steps.back().text});
    svg.Text(kLeft, 56, summary, SvgTextStyle(13).Coloured("#555555"));

    double low = range.steps.front().value;
    double high = low;
    std::int32_t most = 1;
    for (const SweepRow& row : report.rows) {
        low = std::min(low, row.step->value);
        high = std::max(high, row.step->value);
        most = std::max({most, row.cooling_cost, row.heating_cost});
    }
    const std::vector<double> x_ticks = RoundTicks(low, high, 8);
    const std::vector<double> y_ticks = RoundTicks(0, most, 6);
    // A single step is drawn in the middle of the axis.
    const LinearScale x{low, high, kLeft, kRight};
    const LinearScale y{0, y_ticks.back(), kBottom, kTop};
    const double x_step = x_ticks.size() > 1 ? x_ticks[1] - x_ticks[0] : 1;
    const double y_step = y_ticks.size() > 1 ? y_ticks[1] - y_ticks[0] : 1;
    for (const double tick : y_ticks) {
        svg.Line(kLeft, y(tick), kRight, y(tick), Stroked("#e4e4e4"));
        svg.Text(kLeft - 8, y(tick) + 4, "$" + TickText(tick, y_step),
                 SvgTextStyle(12).Anchored(TextAnchor::kEnd));
    }
    for (const double tick : x_ticks) {
        if (tick < low - 1e-9 * x_step || tick > high + 1e-9 * x_step) {
            continue;
        }
        svg.Line(x(tick), kBottom, x(tick), kBottom + 5, Stroked("#222222"));
        svg.Text(x(tick), kBottom + 20, TickText(tick, x_step),
                 SvgTextStyle(12).Anchored(TextAnchor::kMiddle));
    }
    svg.Line(kLeft, kBottom, kRight, kBottom, Stroked("#222222"));
    svg.Line(kLeft, kTop, kLeft, kBottom, Stroked("#222222"));
    svg.Text((kLeft + kRight) / 2, kBottom + 48, AxisTitle(range.name),
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle));
    svg.Text(30, (kTop + kBottom) / 2, "Cost, $ a year",
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle).Rotated(-90));

    std::vector<std::pair<double, double>> cooling;
    std::vector<std::pair<double, double>> heating;
    for (const SweepRow& row : report.rows) {
        cooling.emplace_back(x(row.step->value), y(row.cooling_cost));
        heating.emplace_back(x(row.step->value), y(row.heating_cost));
    }
    // Markers show each step while there are few enough to tell apart.
    const bool markers = report.rows.size() <= 60;
    Series(svg, cooling, kCoolingColour, markers);
    Series(svg, heating, kHeatingColour, markers);

    // The legend above the plot, clear of both lines.
    double legend_x = kLeft;
    for (const auto& [colour, label] : {std::pair{kCoolingColour, "Cooling cost (mode Cooling)"},
                                        std::pair{kHeatingColour, "Heating cost (mode Heating)"}}) {
        svg.Line(legend_x, kTop - 26, legend_x + 26, kTop - 26, Stroked(colour, 2.5));
        svg.Text(legend_x + 34, kTop - 22, label, SvgTextStyle(13));
        legend_x += 250;
    }
    return svg.Finish();
}

}  // namespace heatwise::cli
