#include "engine/hspf_rating.h"

#include <cmath>
#include <string>

namespace heatwise {

namespace {

// The fractional hours of the six regions (ANSI/AHRI 210/240-2017; 10 CFR 430 Subpart B,
// Appendix M), from the bin centred on 62 °F down.
constexpr double kRegion1[] = {.291, .239, .194, .129, .081, .041, .019, .005, .001};
constexpr double kRegion2[] = {.215, .189, .163, .143, .112, .088, .056, .024, .008, .002};
constexpr double kRegion3[] = {.153, .142, .138, .137, .135, .118, .092,
                               .047, .021, .009, .005, .002, .001};
constexpr double kRegion4[] = {.132, .111, .103, .093, .100, .109, .126, .087,
                               .055, .036, .026, .013, .006, .002, .001};
constexpr double kRegion5[] = {.106, .092, .086, .076, .078, .087, .102, .094, .074,
                               .055, .047, .038, .029, .018, .010, .005, .002, .001};
constexpr double kRegion6[] = {.113, .206, .215, .204, .141, .076, .034, .008, .003};

const RatingRegion kRegions[] = {
    {1, 37.0, kRegion1}, {2, 27.0, kRegion2},  {3, 17.0, kRegion3},
    {4, 5.0, kRegion4},  {5, -10.0, kRegion5}, {6, 30.0, kRegion6},
};

constexpr double kStandardRequirements[] = {
    5000,  10000, 15000, 20000, 25000, 30000,  35000,  40000,  45000,
    50000, 60000, 70000, 80000, 90000, 100000, 110000, 130000,
};

// The load line's base and its factor on the design heating requirement.
constexpr double kLoadBase = 65.0;
constexpr double kLoadFactor = 0.77;
constexpr double kWarmestBinCentre = 62.0;

}  // namespace

const RatingRegion* FindRatingRegion(int region) {
    for (const RatingRegion& candidate : kRegions) {
        if (candidate.number == region) {
            return &candidate;
        }
    }
    return nullptr;
}

double StandardDesignHeatingRequirement(double capacity47, double outdoor_design) {
    const double minimum = capacity47 * (kLoadBase - outdoor_design) / 60.0;
    double nearest = kStandardRequirements[0];
    for (const double standard : kStandardRequirements) {
        if (std::abs(standard - minimum) <= std::abs(nearest - minimum)) {
            nearest = standard;
        }
    }
    return nearest;
}

std::optional<HeatPumpProblem> CheckHspfRatingInput(const HspfRatingInput& input) {
    if (auto problem = CheckRatings(input.ratings, input.cycling_degradation)) {
        return problem;
    }
    if (auto problem = CheckCutout(input.cutout)) {
        return problem;
    }
    if (FindRatingRegion(input.region) == nullptr) {
        return HeatPumpProblem{HeatPumpField::kRegion,
                               "region " + std::to_string(input.region) +
                                   " is not one of the rating's climate regions, 1 to 6"};
    }
    if (input.design_heating_requirement && !(*input.design_heating_requirement > 0.0 &&
                                              std::isfinite(*input.design_heating_requirement))) {
        return HeatPumpProblem{HeatPumpField::kDesignHeatingRequirement,
                               "the design heating requirement must be above 0 BTU/h: the "
                               "rating's load line is a share of it"};
    }
    return std::nullopt;
}

HspfRating RateHspf(const HspfRatingInput& input) {
    HspfRating rating;
    const RatingRegion* region = FindRatingRegion(input.region);
    if (region == nullptr) {
        return rating;
    }
    const HeatPumpCurve curve(input.ratings, ColdRating::kIgnore);
    rating.outdoor_design = region->outdoor_design;
    rating.design_heating_requirement =
        input.design_heating_requirement
            ? *input.design_heating_requirement
            : StandardDesignHeatingRequirement(input.ratings.at47.capacity, region->outdoor_design);

    double load_sum = 0.0;
    double energy_sum = 0.0;
    double temperature = kWarmestBinCentre;
    for (const double fraction : region->fractions) {
        HspfRatingRow& row = rating.rows[static_cast<std::size_t>(rating.row_count++)];
        row.temperature = temperature;
        row.fraction = fraction;
        row.load = (kLoadBase - temperature) / (kLoadBase - region->outdoor_design) * kLoadFactor *
                   rating.design_heating_requirement;
        const UnitOutput unit = curve.At(temperature);
        row.capacity = unit.capacity;
        row.cop = unit.cop;
        row.compressor_factor = unit.heats ? CompressorFactor(input.cutout, temperature) : 0.0;
        const BinOperation op =
            OperateInBin(unit, row.load, row.compressor_factor, input.cycling_degradation);
        row.part_load = op.part_load;
        row.part_load_factor = op.part_load_factor;
        row.heat_pump_energy = op.heat_pump_energy * fraction;
        row.resistance_energy = op.backup_heat / kBtuPerWattHour * fraction;
        load_sum += row.load * fraction;
        energy_sum += row.heat_pump_energy + row.resistance_energy;
        temperature -= 5.0;
    }
    rating.hspf = energy_sum > 0.0 ? load_sum / energy_sum : 0.0;
    return rating;
}

}  // namespace heatwise
