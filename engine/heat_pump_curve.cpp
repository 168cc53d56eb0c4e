#include "engine/heat_pump_curve.h"

#include <limits>

namespace heatwise {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

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

}  // namespace heatwise
