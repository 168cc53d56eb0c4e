// A heat pump's published ratings and the capacity and power they give at any outdoor
// temperature: straight lines through the rating points, and nothing where the unit cannot heat.
#pragma once

#include <array>
#include <optional>

namespace heatwise {

// BTU of heat in one watt-hour of electricity, throughout the heat-pump model.
inline constexpr double kBtuPerWattHour = 3.412;

// The warm end of the frost region, where the 35 °F point shapes the curve, and the low rating
// temperature, which every piece of the curve passes through.
inline constexpr double kFrostWarmest = 45.0;
inline constexpr double kRatingLow = 17.0;

// One rating point: the heat delivered (BTU/h) and the coefficient of performance, the heat over
// the electricity it takes.
struct RatingPoint {
    double capacity = 0.0;  // BTU per hour
    double cop = 0.0;

    double Power() const { return capacity / (kBtuPerWattHour * cop); }  // watts
};

// The ratings on a heat pump's certificate. The 35 °F point is the frosting test; units that do
// not publish it are given the rating procedure's frost default. The 5 °F point is published by
// cold-climate units.
struct HeatPumpRatings {
    RatingPoint at47;
    RatingPoint at17;
    std::optional<RatingPoint> at35;
    std::optional<RatingPoint> at5;
};

// The 35 °F capacity and power the rating procedure assumes for a unit tested without frost:
// 90 % of the capacity and 98.5 % of the power found 60 % of the way from 17 °F to 47 °F.
struct FrostPoint {
    double capacity;  // BTU per hour
    double power;     // watts
};
FrostPoint FrostDefault35(const HeatPumpRatings& ratings);

// What the unit does at one outdoor temperature. Where the capacity or the power is 0 or less,
// or the COP falls below 1, it gives nothing: `heats` is false and capacity, power and COP are 0.
struct UnitOutput {
    bool heats = false;
    double capacity = 0.0;  // BTU per hour
    double power = 0.0;     // watts
    double cop = 0.0;
};

// What a unit whose capacity and power are `capacity` and `power` gives: nothing unless both are
// above 0 and the COP is at least 1. Inline, with At, as the seasonal model and the balance point
// look at the curve in every bin and at every candidate temperature.
inline UnitOutput UnitOutputOf(double capacity, double power) {
    // The COP is at least 1 exactly where the capacity is at least 3.412 times the power: the
    // quotient rounds to 1 or more only when the dividend is at least the divisor. So whether the
    // unit heats is settled without dividing, and a caller that needs no COP never divides.
    const double heat_of_power = kBtuPerWattHour * power;
    if (!(capacity > 0.0) || !(power > 0.0) || !(capacity >= heat_of_power)) {
        return {};
    }
    return {true, capacity, power, capacity / heat_of_power};
}

// Whether the 5 °F point shapes the curve below 17 °F. The rating procedure's HSPF leaves it out.
enum class ColdRating { kUse, kIgnore };

// A straight line of capacity or power against the outdoor temperature, through its value at
// 17 °F, which every piece of the curve shares.
struct RatingLine {
    double at17 = 0.0;
    double slope = 0.0;  // per °F

    double At(double temperature) const { return at17 + slope * (temperature - 17.0); }
};

// One piece of the curve: its temperatures from `coldest` up to `warmest`, and its lines.
struct CurvePiece {
    double coldest;
    double warmest;
    RatingLine capacity;
    RatingLine power;
};

// The capacity and power curve. Between 17 and 45 °F both follow the line through the 17 and
// 35 °F points, the frost region; elsewhere the line through 17 and 47 °F, beyond the points
// too, except that with a 5 °F point they follow the line through 5 and 17 °F below 17 °F.
class HeatPumpCurve {
  public:
    explicit HeatPumpCurve(const HeatPumpRatings& ratings, ColdRating cold = ColdRating::kUse);

    UnitOutput At(double temperature) const {
        // 45 °F itself is on the 17-47 °F line and 17 °F on every line; the frost piece holds the
        // temperatures strictly between.
        const CurvePiece& piece = temperature >= kFrostWarmest ? pieces_[0]
                                  : temperature > kRatingLow   ? pieces_[1]
                                                               : pieces_[2];
        return UnitOutputOf(piece.capacity.At(temperature), piece.power.At(temperature));
    }

    // The three pieces, warmest first: 45 °F and up, 17 to 45 °F, 17 °F and down. At 45 °F the
    // curve steps from the frost line to the 17-47 °F line; at 17 °F all lines meet.
    const std::array<CurvePiece, 3>& Pieces() const { return pieces_; }

  private:
    std::array<CurvePiece, 3> pieces_;
};

}  // namespace heatwise
