// The heating seasonal performance factor of a heat pump by the rating procedure's own bins: the
// figure on the unit's certificate, worked out from its ratings for one of the six climate
// regions.
#pragma once

#include <array>
#include <optional>
#include <span>

#include "engine/heat_pump_curve.h"
#include "engine/heat_pump_cycling.h"
#include "engine/heat_pump_inputs.h"

namespace heatwise {

// One climate region of the rating: its outdoor design temperature and the fraction of the
// heating season's hours in each 5 °F bin, from the bin centred on 62 °F down.
struct RatingRegion {
    int number;             // 1 to 6, regions I to VI
    double outdoor_design;  // T_OD, °F
    std::span<const double> fractions;
};

// Region 1..6, or nullptr for any other number.
const RatingRegion* FindRatingRegion(int region);

// The design heating requirement the rating takes by default, Q47 × (65 - T_OD) / 60, rounded to
// the nearest standard one: 5,000 to 50,000 BTU/h in steps of 5,000, 60,000 to 110,000 in steps
// of 10,000, and 130,000. Halfway between two, the larger; below 5,000, 5,000; above 130,000,
// 130,000.
double StandardDesignHeatingRequirement(double capacity47, double outdoor_design);

struct HspfRatingInput {
    HeatPumpRatings ratings;  // the 5 °F point plays no part
    double cycling_degradation = kDefaultCyclingDegradation;
    std::optional<CompressorCutout> cutout;
    int region = 4;
    std::optional<double> design_heating_requirement;  // BTU/h; none: the standard one
};

// One bin of the rating, per hour of the season: the fraction of its hours, the building load
// (65 - T) / (65 - T_OD) × 0.77 × DHR, the unit at the bin's centre, and the heat pump's and the
// resistance heat's watt-hours, each times the fraction.
struct HspfRatingRow {
    double temperature = 0.0;  // °F, the bin's centre
    double fraction = 0.0;
    double load = 0.0;  // BTU per hour
    double capacity = 0.0;
    double cop = 0.0;
    double part_load = 0.0;
    double part_load_factor = 1.0;
    double compressor_factor = 0.0;
    double heat_pump_energy = 0.0;   // watt-hours × fraction
    double resistance_energy = 0.0;  // watt-hours × fraction
};

// Region V has the most bins, 18.
inline constexpr int kMostRatingBins = 18;

struct HspfRating {
    double hspf = 0.0;  // BTU per watt-hour, unrounded
    double design_heating_requirement = 0.0;
    double outdoor_design = 0.0;
    std::array<HspfRatingRow, kMostRatingBins> rows{};
    int row_count = 0;
    std::span<const HspfRatingRow> Rows() const {
        return {rows.data(), static_cast<std::size_t>(row_count)};
    }
};

// The first problem of the rating's input, or none: the ratings and the cut-out as the seasonal
// model checks them, a region 1..6 and a design heating requirement, where given, above 0.
std::optional<HeatPumpProblem> CheckHspfRatingInput(const HspfRatingInput& input);

// HSPF = Σ load × fraction / Σ (heat pump + resistance watt-hours) × fraction, with the same
// X, PLF, compressor factor and resistance backup as the seasonal model. Defined for inputs that
// CheckHspfRatingInput accepts.
HspfRating RateHspf(const HspfRatingInput& input);

}  // namespace heatwise
