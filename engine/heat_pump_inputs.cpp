#include "engine/heat_pump_inputs.h"

#include <cmath>
#include <cstdint>
#include <sstream>

namespace heatwise {

namespace {

std::string Number(double value) {
    std::ostringstream out;
    out << value;
    return out.str();
}

std::optional<HeatPumpProblem> CheckPoint(const RatingPoint& point, const char* where,
                                          HeatPumpField capacity_field, HeatPumpField cop_field) {
    if (!(point.capacity > 0.0) || !std::isfinite(point.capacity)) {
        return HeatPumpProblem{capacity_field, std::string("the capacity at ") + where + " is " +
                                                   Number(point.capacity) +
                                                   " BTU/h: a rated capacity must be above 0"};
    }
    if (!(point.cop > 0.0) || !std::isfinite(point.cop)) {
        return HeatPumpProblem{cop_field, std::string("the COP at ") + where + " is " +
                                              Number(point.cop) + ": a rated COP must be above 0"};
    }
    return std::nullopt;
}

}  // namespace

std::optional<HeatPumpProblem> CheckRatings(const HeatPumpRatings& ratings,
                                            double cycling_degradation) {
    if (auto problem =
            CheckPoint(ratings.at47, "47 °F", HeatPumpField::kCapacity47, HeatPumpField::kCop47)) {
        return problem;
    }
    if (auto problem =
            CheckPoint(ratings.at17, "17 °F", HeatPumpField::kCapacity17, HeatPumpField::kCop17)) {
        return problem;
    }
    if (ratings.at35) {
        if (auto problem = CheckPoint(*ratings.at35, "35 °F", HeatPumpField::kCapacity35,
                                      HeatPumpField::kCop35)) {
            return problem;
        }
    }
    if (ratings.at5) {
        if (auto problem =
                CheckPoint(*ratings.at5, "5 °F", HeatPumpField::kCapacity5, HeatPumpField::kCop5)) {
            return problem;
        }
    }
    if (!(cycling_degradation >= 0.0 && cycling_degradation < 1.0)) {
        return HeatPumpProblem{HeatPumpField::kCyclingDegradation,
                               "the cycling degradation coefficient is " +
                                   Number(cycling_degradation) +
                                   ": it must be at least 0 and below 1, or the part-load "
                                   "factor would not be above 0"};
    }
    return std::nullopt;
}

std::optional<HeatPumpProblem> CheckCutout(const std::optional<CompressorCutout>& cutout) {
    if (!cutout) {
        return std::nullopt;
    }
    if (!std::isfinite(cutout->off) || !std::isfinite(cutout->on)) {
        return HeatPumpProblem{HeatPumpField::kCutout,
                               "the compressor cut-out " + Number(cutout->off) + " °F and cut-in " +
                                   Number(cutout->on) + " °F must both be temperatures"};
    }
    if (cutout->off > cutout->on) {
        return HeatPumpProblem{HeatPumpField::kCutout,
                               "the compressor cut-out at " + Number(cutout->off) +
                                   " °F is above its cut-in at " + Number(cutout->on) +
                                   " °F: it cannot come back on below the temperature it "
                                   "stops at"};
    }
    return std::nullopt;
}

std::optional<HeatPumpProblem> CheckHeatPumpInput(const HeatPumpInput& input) {
    const HeatPumpSettings& unit = input.unit;
    if (auto problem = CheckRatings(unit.ratings, unit.cycling_degradation)) {
        return problem;
    }
    if (auto problem = CheckCutout(unit.cutout)) {
        return problem;
    }
    if (unit.switchover.rule != SwitchoverRule::kNone) {
        if (unit.backup != BackupHeat::kFurnace) {
            return HeatPumpProblem{HeatPumpField::kSwitchover,
                                   "a switchover needs the furnace as backup heat: with "
                                   "electric resistance there is nothing to switch over to"};
        }
        if (unit.switchover.rule == SwitchoverRule::kAtTemperature &&
            !std::isfinite(unit.switchover.temperature)) {
            return HeatPumpProblem{HeatPumpField::kSwitchover,
                                   "the switchover temperature " +
                                       Number(unit.switchover.temperature) +
                                       " °F is not a temperature"};
        }
    }
    if (!IsKnownFuel(input.form.fuel)) {
        return HeatPumpProblem{HeatPumpField::kFuel,
                               "no heating fuel is chosen: the heat pump is weighed against the "
                               "furnace of one of the four fuels"};
    }
    if (!(input.form.heat_efficiency > 0)) {
        return HeatPumpProblem{HeatPumpField::kHeatEfficiency,
                               "the furnace efficiency is " +
                                   std::to_string(input.form.heat_efficiency) +
                                   " %: the furnace's heat cannot be priced unless it is above 0"};
    }
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        std::int64_t below_zero = 0;
        for (int bin = kFirstColdBin; bin <= kLastColdBin; ++bin) {
            const std::int32_t hours =
                input.cold_hours[static_cast<std::size_t>(ColdBinValueIndex(shift, bin))];
            if (hours < 0) {
                return HeatPumpProblem{
                    HeatPumpField::kColdHours,
                    "shift " + std::to_string(shift) + ", bin " + std::to_string(105 - 5 * bin) +
                        "/" + std::to_string(109 - 5 * bin) + " °F holds " + std::to_string(hours) +
                        " hours: hours cannot be below 0"};
            }
            below_zero += hours;
        }
        const std::int32_t bin_hours =
            input.form.bin_hours[static_cast<std::size_t>(BinValueIndex(shift, kBinCount))];
        if (below_zero > bin_hours) {
            return HeatPumpProblem{
                HeatPumpField::kColdHours,
                "shift " + std::to_string(shift) + " has " + std::to_string(below_zero) +
                    " hours below 0 °F, more than the " + std::to_string(bin_hours) +
                    " of its 0/4 °F bin, which counts them"};
        }
    }
    return std::nullopt;
}

}  // namespace heatwise
