#include "engine/heat_pump_curve.h"

#include <limits>

namespace heatwise {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// The frost region of the curve, where the 35 °F point decides it.
constexpr double kFrostWarmest = 45.0;
constexpr double kRatingLow = 17.0;

RatingLine LineThrough(double temperature_a, double value_a, double at17) {
    return {at17, (value_a - at17) / (temperature_a - kRatingLow)};
}

}  // namespace

FrostPoint FrostDefault35(const HeatPumpRatings& ratings) {
    const double q17 = ratings.at17.capacity;
    const double p17 = ratings.at17.Power();
    return {0.90 * (q17 + 0.6 * (ratings.at47.capacity - q17)),
            0.985 * (p17 + 0.6 * (ratings.at47.Power() - p17))};
}

HeatPumpCurve::HeatPumpCurve(const HeatPumpRatings& ratings, ColdRating cold) {
    const double q17 = ratings.at17.capacity;
    const double p17 = ratings.at17.Power();
    const RatingLine q_wide = LineThrough(47.0, ratings.at47.capacity, q17);
    const RatingLine p_wide = LineThrough(47.0, ratings.at47.Power(), p17);

    const FrostPoint frost = ratings.at35
                                 ? FrostPoint{ratings.at35->capacity, ratings.at35->Power()}
                                 : FrostDefault35(ratings);
    const RatingLine q_frost = LineThrough(35.0, frost.capacity, q17);
    const RatingLine p_frost = LineThrough(35.0, frost.power, p17);

    RatingLine q_cold = q_wide;
    RatingLine p_cold = p_wide;
    if (ratings.at5 && cold == ColdRating::kUse) {
        q_cold = LineThrough(5.0, ratings.at5->capacity, q17);
        p_cold = LineThrough(5.0, ratings.at5->Power(), p17);
    }
    pieces_ = {{{kFrostWarmest, kInfinity, q_wide, p_wide},
                {kRatingLow, kFrostWarmest, q_frost, p_frost},
                {-kInfinity, kRatingLow, q_cold, p_cold}}};
}

UnitOutput HeatPumpCurve::At(double temperature) const {
    // 45 °F itself is on the 17-47 °F line and 17 °F on every line; the frost piece holds the
    // temperatures strictly between.
    const CurvePiece& piece = temperature >= kFrostWarmest ? pieces_[0]
                              : temperature > kRatingLow   ? pieces_[1]
                                                           : pieces_[2];
    return UnitOutputOf(piece.capacity.At(temperature), piece.power.At(temperature));
}

UnitOutput UnitOutputOf(double capacity, double power) {
    if (!(capacity > 0.0) || !(power > 0.0)) {
        return {};
    }
    const double cop = capacity / (kBtuPerWattHour * power);
    if (!(cop >= 1.0)) {
        return {};
    }
    return {true, capacity, power, cop};
}

}  // namespace heatwise
