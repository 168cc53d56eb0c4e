#include "sweep_chart.h"

#include <algorithm>
#include <cmath>

#include "chart_scale.h"
#include "engine/city_list.h"
#include "heat_pump_text.h"
#include "inputs_text.h"
#include "svg_document.h"

namespace heatwise::cli {

namespace {

constexpr double kWidth = 860;
constexpr double kLeft = 100;
constexpr double kRight = 830;
constexpr double kTitleBaseline = 34;
constexpr double kSubtitleSize = 13;
// The plot keeps its height however many lines its subtitle takes.
constexpr double kPlotHeight = 340;
constexpr const char* kCoolingColour = "#2b6cb0";
constexpr const char* kHeatingColour = "#c0392b";
constexpr const char* kHeatPumpColour = "#2b6cb0";
constexpr const char* kFurnaceColour = "#c0392b";
constexpr const char* kSavingColour = "#2f855a";

// What the varied input is, in words, for the horizontal axis.
std::string AxisTitle(std::string_view name) {
    static constexpr std::pair<std::string_view, std::string_view> kMeanings[] = {
        {"rate", "electric rate, $/kWh"},
        {"fuel-price", "fuel price, $ per gallon or cu.ft."},
        {"eer", "cooling efficiency, EER"},
        {"heat-eff", "heating efficiency, %"},
        {"cool-capacity", "cooling equipment rating, BTUh"},
        {"heat-capacity", "heating equipment rating, BTUh"},
        {"capacity47", "heat pump's capacity at 47 °F, BTUh"},
        {"cop47", "heat pump's COP at 47 °F"},
        {"capacity17", "heat pump's capacity at 17 °F, BTUh"},
        {"cop17", "heat pump's COP at 17 °F"},
        {"capacity35", "heat pump's capacity at 35 °F, BTUh"},
        {"cop35", "heat pump's COP at 35 °F"},
        {"capacity5", "heat pump's capacity at 5 °F, BTUh"},
        {"cop5", "heat pump's COP at 5 °F"},
        {"cd", "cycling degradation coefficient Cd"},
        {"switchover", "switchover to the furnace at and below, °F"},
    };
    static constexpr std::pair<std::string_view, std::string_view> kShiftMeanings[] = {
        {"hours", "thermostat hours of every shift"},
        {"summer", "summer setpoint of every shift, °F"},
        {"winter", "winter setpoint of every shift, °F"},
    };
    static constexpr std::string_view kShifts[] = {"1-8", "9-16", "17-24"};
    for (const auto& [input, meaning] : kMeanings) {
        if (name == input) {
            return std::string(name) + ": " + std::string(meaning);
        }
    }
    for (const auto& [input, meaning] : kShiftMeanings) {
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

// One line of the chart: a cost or a saving at every step, in whole dollars a year.
struct Series {
    std::string label;
    const char* colour;
    std::string dash;  // empty for a solid line
    std::vector<double> dollars;
};

// What the chart says above its plot.
struct ChartWords {
    std::string title;
    std::vector<std::string> subtitle;  // one line each
};

// The subtitle's lines, each broken after a "; " where it would run past the right edge of the
// picture; a character is taken as wide as 0.6 of the text's size, about what the usual sans-serif
// fonts draw.
std::vector<std::string> SubtitleLines(const std::vector<std::string>& subtitle) {
    const auto most = static_cast<std::size_t>((kWidth - kLeft - 10) / (0.6 * kSubtitleSize));
    std::vector<std::string> lines;
    for (const std::string& text : subtitle) {
        std::string line;
        std::size_t from = 0;
        while (from < text.size()) {
            std::size_t end = text.find("; ", from);
            end = end == std::string::npos ? text.size() : end + 2;
            const std::string part = text.substr(from, end - from);
            if (!line.empty() && line.size() + part.size() > most) {
                lines.push_back(line.substr(0, line.find_last_not_of(' ') + 1));
                line.clear();
            }
            line += part;
            from = end;
        }
        lines.push_back(line);
    }
    return lines;
}

// A tick of the dollar axis, with its sign before the dollar sign.
std::string DollarText(double value, double step) {
    const std::string magnitude = TickText(std::abs(value), step);
    return (value < 0 && magnitude.find_first_not_of("0.") != std::string::npos ? "-$" : "$") +
           magnitude;
}

// The one drawer of every sweep's chart: the series against the varied input, which runs from its
// smallest value on the left to its largest on the right, with ticks and labels on both axes, the
// dollar axis taking in 0 and any value below it, and the legend above the plot.
std::string DrawChart(const SweepReport& report, const ChartWords& words,
                      const std::vector<Series>& series) {
    const SweepRange& range = report.options->range;
    const std::vector<std::string> subtitle = SubtitleLines(words.subtitle);
    const double legend = kTitleBaseline + 50 + 18 * static_cast<double>(subtitle.size() - 1);
    const double top = legend + 26;
    const double bottom = top + kPlotHeight;
    SvgDocument svg(kWidth, bottom + 90, words.title);
    svg.Text(kLeft, kTitleBaseline, words.title, SvgTextStyle(18).Bold());
    for (std::size_t i = 0; i < subtitle.size(); ++i) {
        svg.Text(kLeft, kTitleBaseline + 22 + 18 * static_cast<double>(i), subtitle[i],
                 SvgTextStyle(kSubtitleSize).Coloured("#555555"));
    }

    double low = range.steps.front().value;
    double high = low;
    double least = 0;
    double most = 1;
    for (const SweepRow& row : report.rows) {
        low = std::min(low, row.step->value);
        high = std::max(high, row.step->value);
    }
    for (const Series& line : series) {
        for (const double dollars : line.dollars) {
            least = std::min(least, dollars);
            most = std::max(most, dollars);
        }
    }
    const std::vector<double> x_ticks = RoundTicks(low, high, 8);
    const std::vector<double> y_ticks = RoundTicks(least, most, 6);
    // A single step is drawn in the middle of the axis.
    const LinearScale x{low, high, kLeft, kRight};
    const LinearScale y{y_ticks.front(), y_ticks.back(), bottom, top};
    const double x_step = x_ticks.size() > 1 ? x_ticks[1] - x_ticks[0] : 1;
    const double y_step = y_ticks.size() > 1 ? y_ticks[1] - y_ticks[0] : 1;
    for (const double tick : y_ticks) {
        // The line of $0 is drawn darker where dollars fall below it.
        const bool zero = std::abs(tick) < 1e-9 * y_step && y_ticks.front() < 0;
        svg.Line(kLeft, y(tick), kRight, y(tick), Stroked(zero ? "#888888" : "#e4e4e4"));
        svg.Text(kLeft - 8, y(tick) + 4, DollarText(tick, y_step),
                 SvgTextStyle(12).Anchored(TextAnchor::kEnd));
    }
    for (const double tick : x_ticks) {
        if (tick < low - 1e-9 * x_step || tick > high + 1e-9 * x_step) {
            continue;
        }
        svg.Line(x(tick), bottom, x(tick), bottom + 5, Stroked("#222222"));
        svg.Text(x(tick), bottom + 20, TickText(tick, x_step),
                 SvgTextStyle(12).Anchored(TextAnchor::kMiddle));
    }
    svg.Line(kLeft, bottom, kRight, bottom, Stroked("#222222"));
    svg.Line(kLeft, top, kLeft, bottom, Stroked("#222222"));
    svg.Text((kLeft + kRight) / 2, bottom + 48, AxisTitle(range.name),
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle));
    svg.Text(30, (top + bottom) / 2, "Cost, $ a year",
             SvgTextStyle(13).Anchored(TextAnchor::kMiddle).Rotated(-90));

    // Markers show each step while there are few enough to tell apart.
    const bool markers = report.rows.size() <= 60;
    double legend_x = kLeft;
    for (const Series& line : series) {
        std::vector<std::pair<double, double>> points;
        for (std::size_t i = 0; i < report.rows.size(); ++i) {
            points.emplace_back(x(report.rows[i].step->value), y(line.dollars[i]));
        }
        svg.Polyline(points, Stroked(line.colour, 2.5, line.dash));
        if (markers) {
            for (const auto& [px, py] : points) {
                svg.Circle(px, py, 3.5, Filled(line.colour));
            }
        }
        // The legend, above the plot and clear of every line, is as wide as its labels.
        svg.Line(legend_x, legend, legend_x + 26, legend, Stroked(line.colour, 2.5, line.dash));
        svg.Text(legend_x + 34, legend + 4, line.label, SvgTextStyle(13));
        legend_x += 34 + 7.2 * static_cast<double>(line.label.size()) + 36;
    }
    return svg.Finish();
}

std::string RangeWords(const SweepRange& range) {
    return range.name + " goes from " + range.steps.front().text + " to " + range.steps.back().text;
}

std::string FormChart(const SweepReport& report) {
    const SweepRange& range = report.options->range;
    const EstimateInputs& first = range.steps.front().inputs;
    // The varied input is given by its range, not by the first step's value.
    const VariedRange varied{range.name, range.steps.front().text, range.steps.back().text};
    const ChartWords words{
        std::string(CityName(first.city)) + ": yearly cost as " + RangeWords(range),
        {InputsSummary(first, InputsSeason::kBoth, varied)}};
    std::vector<Series> series = {{"Cooling cost (mode Cooling)", kCoolingColour, {}, {}},
                                  {"Heating cost (mode Heating)", kHeatingColour, {}, {}}};
    for (const SweepRow& row : report.rows) {
        series[0].dollars.push_back(row.cooling_cost);
        series[1].dollars.push_back(row.heating_cost);
    }
    return DrawChart(report, words, series);
}

// The heat pump's yearly heating cost with its backup, the furnace's for the same heat, and the
// saving between them, which falls below $0 where the heat pump costs more.
std::string HeatPumpChart(const SweepReport& report) {
    const SweepRange& range = report.options->range;
    const SweepStep& first = range.steps.front();
    const VariedRange varied{range.name, first.text, range.steps.back().text};
    const ChartWords words{
        std::string(CityName(first.inputs.city)) + ": yearly heating cost as " + RangeWords(range),
        {"Heat pump " + UnitSummary(first.heat_pump, first.inputs, varied),
         InputsSummary(first.inputs, InputsSeason::kHeating, varied)}};
    std::vector<Series> series = {
        {"Heat pump and backup", kHeatPumpColour, {}, {}},
        {std::string(FuelName(first.inputs.fuel)) + " furnace at " +
             (range.name == "heat-eff" ? std::string(varied.from) + " to " + std::string(varied.to)
                                       : std::to_string(first.inputs.heat_efficiency)) +
             " % alone",
         kFurnaceColour,
         {},
         {}},
        {"Saving over the furnace", kSavingColour, "7 4", {}}};
    for (const SweepRow& row : report.rows) {
        series[0].dollars.push_back(row.heat_pump.heat_pump_cost);
        series[1].dollars.push_back(row.heat_pump.furnace_cost);
        series[2].dollars.push_back(row.heat_pump.savings);
    }
    return DrawChart(report, words, series);
}

}  // namespace

std::string SweepChart(const SweepReport& report) {
    return report.options->pricing == Pricing::kHeatPump ? HeatPumpChart(report)
                                                         : FormChart(report);
}

}  // namespace heatwise::cli
