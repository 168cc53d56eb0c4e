#include "engine/heat_pump_balance.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>

namespace heatwise {

namespace {

// Whether, at `temperature` on `piece`, the unit's capacity does not exceed the load.
bool FallsShort(const CurvePiece& piece, double load_per_degree, double setpoint,
                double temperature) {
    const UnitOutput unit =
        UnitOutputOf(piece.capacity.At(temperature), piece.power.At(temperature));
    return !(unit.capacity > load_per_degree * (setpoint - temperature));
}

// Temperatures on one piece of the curve, from `coldest` up to `warmest`; `warmest_counts` is
// false where the piece stops just short of it (the frost piece at 45 °F).
struct Span {
    double coldest;
    double warmest;
    bool warmest_counts;
};

// The warmest temperature of `span` at which the unit falls short, or none. Between consecutive
// roots of the four lines that decide it (the capacity, the power, the capacity less 3.412 times
// the power, and the capacity less the load), whether it falls short cannot change, so one look
// at each root and inside each interval between them settles the piece.
std::optional<double> WarmestShortfall(const CurvePiece& piece, double load_per_degree,
                                       double setpoint, const Span& span) {
    if (span.coldest > span.warmest) {
        return std::nullopt;
    }
    const auto short_at = [&](double t) { return FallsShort(piece, load_per_degree, setpoint, t); };
    // Where the unit heats and keeps up at both ends, it does so all along: each of the lines
    // that decide it is straight on the piece. Most pieces end here.
    if (!short_at(span.warmest) && !short_at(span.coldest)) {
        return std::nullopt;
    }
    // Each line as its value at 17 °F and its slope.
    const RatingLine& q = piece.capacity;
    const RatingLine& p = piece.power;
    const std::array<RatingLine, 4> lines = {{
        q,
        p,
        {q.at17 - kBtuPerWattHour * p.at17, q.slope - kBtuPerWattHour * p.slope},
        {q.at17 - load_per_degree * (setpoint - kRatingLow), q.slope + load_per_degree},
    }};
    std::array<double, lines.size() + 2> marks{};
    std::size_t count = 0;
    marks[count++] = span.warmest;
    for (const RatingLine& line : lines) {
        if (line.slope != 0.0) {
            const double root = kRatingLow - line.at17 / line.slope;
            if (root > span.coldest && root < span.warmest) {
                marks[count++] = root;
            }
        }
    }
    marks[count++] = span.coldest;
    std::sort(marks.begin(), marks.begin() + static_cast<std::ptrdiff_t>(count), std::greater<>());

    if (span.warmest_counts && short_at(span.warmest)) {
        return span.warmest;
    }
    for (std::size_t i = 0; i + 1 < count; ++i) {
        const double upper = marks[i];
        const double lower = marks[i + 1];
        if (upper > lower && short_at(0.5 * (upper + lower))) {
            return upper;
        }
        if (short_at(lower)) {
            return lower;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<double> BalancePoint(const HeatPumpCurve& curve, double load_per_degree,
                                   double setpoint) {
    if (!(load_per_degree > 0.0)) {
        return std::nullopt;
    }
    const auto& pieces = curve.Pieces();
    // The frost piece ends just short of 45 °F, where the 17-47 °F line takes over; at 17 °F it
    // meets the cold piece, so 17 °F counts on both.
    const std::array<Span, 3> spans = {{
        {kFrostWarmest, setpoint, true},
        {kRatingLow, std::min(setpoint, kFrostWarmest), setpoint < kFrostWarmest},
        {kColdestBalanceTemperature, std::min(setpoint, kRatingLow), true},
    }};
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (const auto found = WarmestShortfall(pieces[i], load_per_degree, setpoint, spans[i])) {
            return found;
        }
    }
    return std::nullopt;
}

}  // namespace heatwise
