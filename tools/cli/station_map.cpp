#include "station_map.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart_scale.h"
#include "outline_drawing.h"
#include "svg_document.h"

namespace heatwise::cli {

namespace {

constexpr double kWidth = 1040;
constexpr double kHeight = 660;
constexpr int kNamedPlaces = 5;

// A named place's dot is larger and ringed in black, to be found from its mark.
enum class DotLook { kPlain, kNamed };

// A part of the map: the stations inside its latitudes and longitudes, drawn into its box.
struct MapArea {
    const char* name;
    double south, north, west, east;  // degrees
    double left, top, width, height;  // picture units
};

// The lower 48 first, then Alaska and Hawaii, in the order of OutlineArea; a station in none
// of the areas goes to the last, which takes its bounds from the stations in it.
constexpr MapArea kAreas[] = {
    {"", 24.0, 50.0, -125.5, -66.0, 20, 80, 760, 420},
    {"Alaska", 51.0, 72.5, -170.0, -129.0, 20, 500, 200, 140},
    {"Hawaii", 18.5, 22.5, -160.5, -154.5, 235, 540, 120, 100},
    {"Elsewhere", 0, 0, 0, 0, 370, 540, 120, 100},
};
constexpr std::size_t kElsewhere = std::size(kAreas) - 1;

bool Inside(const MapArea& area, const GeoPosition& at) {
    return at.latitude >= area.south && at.latitude <= area.north && at.longitude >= area.west &&
           at.longitude <= area.east;
}

// Projects an area's positions into its box, keeping the shape: longitudes are shrunk by the
// cosine of the area's middle latitude, and the whole is scaled to fit and centred.
struct Projection {
    MapArea area;
    // Worked out once: the outlines alone project thousands of points.
    double shrink = 1.0;
    double scale = 1.0;
    double x0 = 0.0;
    double y0 = 0.0;

    explicit Projection(const MapArea& a) : area(a) {
        shrink = std::cos((area.south + area.north) / 2 * std::numbers::pi / 180);
        const double span_x = std::max(0.5, (area.east - area.west) * shrink);
        const double span_y = std::max(0.5, area.north - area.south);
        scale = std::min((area.width - 16) / span_x, (area.height - 24) / span_y);
        x0 = area.left + (area.width - span_x * scale) / 2;
        y0 = area.top + 16 + (area.height - 16 - span_y * scale) / 2;
    }

    std::pair<double, double> operator()(const GeoPosition& at) const {
        return {x0 + (at.longitude - area.west) * shrink * scale,
                y0 + (area.north - at.latitude) * scale};
    }
};

std::int32_t MappedValue(const CompareRow& row, MappedCost cost) {
    switch (cost) {
        case MappedCost::kCooling:
            return row.cooling_cost;
        case MappedCost::kHeating:
            return row.heating_cost;
        case MappedCost::kSavings:
            break;
    }
    return row.heat_pump.savings;
}

// A dot's colour: a cost on the sequential scale from the cheapest to the costliest place; a
// saving on the diverging one, its depth the share of the largest saving or extra cost, so
// that the pale middle is where a heat pump costs what the furnace does.
std::string DotColour(std::int32_t value, std::int32_t low, std::int32_t high, MappedCost cost) {
    if (cost == MappedCost::kSavings) {
        const double reach = std::max(
            {std::abs(static_cast<double>(low)), std::abs(static_cast<double>(high)), 1.0});
        return DivergingColour(value / reach);
    }
    return CostColour(high == low ? 0.5 : double(value - low) / (high - low));
}

std::string Dollars(std::int32_t amount) {
    if (amount < 0) {
        return "-" + Dollars(-amount);
    }
    std::string digits = std::to_string(amount);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) {
        digits.insert(static_cast<std::size_t>(at), ",");
    }
    return "$" + digits;
}

// The colour bar with round values. A saving's bar runs from the largest extra cost to the
// largest saving, its ends marked with which side is which.
void Legend(SvgDocument& svg, std::int32_t low, std::int32_t high, std::string_view what,
            MappedCost cost) {
    constexpr double kLeft = 815;
    constexpr double kTop = 96;
    constexpr double kBar = 230;
    const bool savings = cost == MappedCost::kSavings;
    if (savings) {
        const std::int32_t reach = std::max({std::abs(low), std::abs(high), 1});
        low = -reach;
        high = reach;
    }
    svg.Text(kLeft, kTop - (savings ? 30 : 14), std::string(what) + ", $ a year",
             SvgTextStyle(13).Bold());
    constexpr int kBands = 46;
    for (int band = 0; band < kBands; ++band) {
        const double fraction = 1.0 - (band + 0.5) / kBands;
        svg.Rect(kLeft, kTop + kBar * band / kBands, 22, kBar / kBands + 0.5,
                 Filled(savings ? DivergingColour(2.0 * fraction - 1.0) : CostColour(fraction)));
    }
    svg.Rect(kLeft, kTop, 22, kBar, Stroked("#555555"));
    if (savings) {
        svg.Text(kLeft, kTop - 8, "blue: the heat pump saves",
                 SvgTextStyle(12).Coloured("#053061"));
        svg.Text(kLeft, kTop + kBar + 16, "red: the heat pump costs more",
                 SvgTextStyle(12).Coloured("#67001f"));
    }
    const std::vector<double> ticks = RoundTicks(low, high, 5);
    const double step = ticks.size() > 1 ? ticks[1] - ticks[0] : 1;
    const LinearScale y{static_cast<double>(low), static_cast<double>(std::max(high, low + 1)),
                        kTop + kBar, kTop};
    for (const double tick : ticks) {
        if (tick < low || tick > high) {
            continue;
        }
        svg.Line(kLeft + 22, y(tick), kLeft + 28, y(tick), Stroked("#555555"));
        svg.Text(kLeft + 32, y(tick) + 4,
                 step >= 1 ? Dollars(static_cast<std::int32_t>(tick)) : "$" + TickText(tick, step),
                 SvgTextStyle(12));
    }
}

// The places named beside the map; where more places cost the same as the last one named,
// a line says how many, so that a choice among equals is not taken for a ranking.
void NamedPlaces(SvgDocument& svg, const std::vector<const CompareRow*>& places,
                 const std::vector<std::int32_t>& all_costs, double top, std::string_view heading,
                 std::string_view mark, MappedCost cost) {
    const auto cost_of = [cost](const CompareRow& row) { return MappedValue(row, cost); };
    svg.Text(815, top, heading, SvgTextStyle(13).Bold());
    for (std::size_t i = 0; i < places.size(); ++i) {
        const CompareRow& row = *places[i];
        const double y = top + 19 * (static_cast<double>(i) + 1);
        svg.Text(815, y, std::string(mark) + std::to_string(i + 1), SvgTextStyle(12).Bold());
        svg.Text(840, y, std::string(row.name), SvgTextStyle(12));
        svg.Text(1030, y, Dollars(cost_of(row)), SvgTextStyle(12).Anchored(TextAnchor::kEnd));
    }
    if (places.empty()) {
        return;
    }
    const std::int32_t last = cost_of(*places.back());
    const auto named_at_last =
        std::ranges::count_if(places, [&](const CompareRow* row) { return cost_of(*row) == last; });
    const auto more = std::ranges::count(all_costs, last) - named_at_last;
    if (more > 0) {
        svg.Text(840, top + 19 * (static_cast<double>(places.size()) + 1),
                 "and " + std::to_string(more) + " more at " + Dollars(last),
                 SvgTextStyle(12).Coloured("#555555"));
    }
}

}  // namespace

std::string StationMap(const std::vector<CompareRow>& rows, const CityPositions& positions,
                       const StateOutlines& outlines, MappedCost cost,
                       std::string_view inputs_summary) {
    const auto cost_of = [cost](const CompareRow& row) { return MappedValue(row, cost); };
    const bool savings = cost == MappedCost::kSavings;
    const std::string what = savings                        ? "Saving"
                             : cost == MappedCost::kCooling ? "Cooling cost"
                                                            : "Heating cost";
    const std::string title =
        savings ? "Yearly saving of the heat pump over the furnace in the " +
                      std::to_string(rows.size()) + " cities"
                : "Yearly " + std::string(cost == MappedCost::kCooling ? "cooling" : "heating") +
                      " cost of the " + std::to_string(rows.size()) + " cities";
    SvgDocument svg(kWidth, kHeight, title);
    svg.Text(20, 34, title, SvgTextStyle(18).Bold());
    svg.Text(20, 56, inputs_summary, SvgTextStyle(13).Coloured("#555555"));

    // Costliest first, ties in list order; the cheapest are the last of the same order.
    std::vector<const CompareRow*> order;
    for (const CompareRow& row : rows) {
        order.push_back(&row);
    }
    std::ranges::stable_sort(order, std::ranges::greater{},
                             [&](const CompareRow* row) { return cost_of(*row); });
    const std::int32_t high = cost_of(*order.front());
    const std::int32_t low = cost_of(*order.back());
    const std::size_t named = std::min<std::size_t>(kNamedPlaces, order.size() / 2);
    std::vector<const CompareRow*> costliest(order.begin(), order.begin() + named);
    std::vector<const CompareRow*> cheapest(order.end() - named, order.end());
    std::ranges::reverse(cheapest);

    // Which area each station falls in; the last area is fitted to its stations, if any.
    std::vector<std::size_t> area_of(rows.size(), kElsewhere);
    MapArea elsewhere = kAreas[kElsewhere];
    bool any_elsewhere = false;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const GeoPosition& at = positions[static_cast<std::size_t>(rows[i].city - 1)];
        for (std::size_t a = 0; a < kElsewhere && area_of[i] == kElsewhere; ++a) {
            area_of[i] = Inside(kAreas[a], at) ? a : kElsewhere;
        }
        if (area_of[i] == kElsewhere) {
            elsewhere.south =
                any_elsewhere ? std::min(elsewhere.south, at.latitude - 1) : at.latitude - 1;
            elsewhere.north =
                any_elsewhere ? std::max(elsewhere.north, at.latitude + 1) : at.latitude + 1;
            elsewhere.west =
                any_elsewhere ? std::min(elsewhere.west, at.longitude - 1) : at.longitude - 1;
            elsewhere.east =
                any_elsewhere ? std::max(elsewhere.east, at.longitude + 1) : at.longitude + 1;
            any_elsewhere = true;
        }
    }
    std::vector<Projection> projections;
    for (std::size_t a = 0; a < kElsewhere; ++a) {
        projections.emplace_back(kAreas[a]);
    }
    projections.emplace_back(elsewhere);
    // The outlines lie under everything else, each drawn as the stations of its area are.
    DrawStateOutlines(svg, outlines, [&projections](OutlineArea area, const GeoPosition& at) {
        return projections[static_cast<std::size_t>(area)](at);
    });
    for (std::size_t a = 1; a < projections.size(); ++a) {
        const MapArea& box = projections[a].area;
        if (a == kElsewhere && !any_elsewhere) {
            continue;
        }
        svg.Rect(box.left, box.top, box.width, box.height, Stroked("#999999"));
        svg.Text(box.left + 6, box.top + 15, box.name, SvgTextStyle(12).Coloured("#555555"));
    }

    // The dots, the named ones last so that their rings and numbers lie on top.
    const auto dot = [&](const CompareRow& row, DotLook look) {
        const bool named = look == DotLook::kNamed;
        const std::size_t index = static_cast<std::size_t>(&row - rows.data());
        const auto [x, y] =
            projections[area_of[index]](positions[static_cast<std::size_t>(row.city - 1)]);
        SvgPaint paint = Stroked(named ? "#000000" : "#444444", named ? 1.6 : 0.6);
        paint.fill = DotColour(cost_of(row), low, high, cost);
        svg.Circle(x, y, named ? 6.5 : 5.5, paint,
                   std::string(row.name) + ": " + Dollars(cost_of(row)));
        return std::pair{x, y};
    };
    for (const CompareRow* row : order) {
        const bool named = std::ranges::find(costliest, row) != costliest.end() ||
                           std::ranges::find(cheapest, row) != cheapest.end();
        if (!named) {
            dot(*row, DotLook::kPlain);
        }
    }
    // Each mark goes beside its dot, on the first side where it covers neither another mark
    // nor a named dot.
    std::vector<std::pair<double, double>> named_dots;
    std::vector<std::pair<double, double>> placed;  // centres of marks placed so far
    for (const auto* places : {&costliest, &cheapest}) {
        for (const CompareRow* row : *places) {
            named_dots.push_back(dot(*row, DotLook::kNamed));
        }
    }
    const auto mark = [&](const std::vector<const CompareRow*>& places, std::string_view prefix,
                          std::size_t first_dot) {
        for (std::size_t i = 0; i < places.size(); ++i) {
            const auto [x, y] = named_dots[first_dot + i];
            static constexpr std::pair<double, double> kSides[] = {{17, -7}, {17, 9},  {-17, -7},
                                                                   {-17, 9}, {0, -15}, {0, 17}};
            std::pair<double, double> centre{x + kSides[0].first, y + kSides[0].second};
            for (const auto& [dx, dy] : kSides) {
                const std::pair<double, double> at{x + dx, y + dy};
                const auto covers = [&at](const auto& other, double w, double h) {
                    return std::abs(other.first - at.first) < w &&
                           std::abs(other.second - at.second) < h;
                };
                if (std::ranges::none_of(placed,
                                         [&](const auto& p) { return covers(p, 20, 12); }) &&
                    std::ranges::none_of(named_dots,
                                         [&](const auto& p) { return covers(p, 15, 11); })) {
                    centre = at;
                    break;
                }
            }
            placed.push_back(centre);
            svg.Text(centre.first, centre.second + 4, std::string(prefix) + std::to_string(i + 1),
                     SvgTextStyle(11).Bold().Anchored(TextAnchor::kMiddle));
        }
    };
    mark(costliest, "H", 0);
    mark(cheapest, "L", costliest.size());

    Legend(svg, low, high, what, cost);
    std::vector<std::int32_t> all_costs;
    for (const CompareRow& row : rows) {
        all_costs.push_back(cost_of(row));
    }
    NamedPlaces(svg, costliest, all_costs, 360, savings ? "Largest saving" : "Costliest", "H",
                cost);
    NamedPlaces(
        svg, cheapest, all_costs, 360 + 19 * (named + 2.6),
        savings ? (low < 0 ? "Smallest saving (-: costs more)" : "Smallest saving") : "Cheapest",
        "L", cost);
    return svg.Finish();
}

}  // namespace heatwise::cli
