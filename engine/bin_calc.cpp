#include "engine/bin_calc.h"

#include <cmath>
#include <limits>
#include <span>

namespace heatwise {

namespace {

// Integer working quantities are 32-bit whole numbers. Arbitrary climate files can make their
// products overflow; they are formed in 64 bits and wrapped back, which gives exactly what 32-bit
// two's-complement arithmetic gives, without undefined behaviour.
std::int32_t Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(value);
}

// Cooling is costed only for a summer design temperature above 78 °F, one above the cooling base
// of the load line, so the load line never divides by less than 2.
constexpr std::int32_t kCoolDesignThreshold = 78;
constexpr float kCoolBaseTemp = 77.0f;
// Heating is costed only for a winter design temperature below 64 °F, the base of its load line.
constexpr std::int32_t kHeatDesignThreshold = 64;
constexpr float kHeatBaseTemp = 64.0f;
constexpr float kBtuToMmbtu = 1.0e-6f;
constexpr float kKwhPerMmbtuEer = 1000.0f;
constexpr std::int32_t kPercent = 100;
constexpr float kPercentReal = 100.0f;

// The last bin that can count for cooling and the first bin from which heating counts: bins 6 to
// 8 (75/79, 70/74 and 65/69 °F) never count, whatever the setpoints.
constexpr int kLastCoolingBin = 5;
constexpr int kFirstHeatingTotalBin = 8;

// A band of setpoints and the bins it counts.
struct SetpointRow {
    std::int32_t lowest;
    std::int32_t highest;
    int first_bin;
    int last_bin;
};

// A bin counts for cooling when its lower bound is above the summer setpoint, but never below
// 80/84; a summer setpoint outside 65 to 94 counts no bin at all.
constexpr SetpointRow kCoolingRows[] = {
    {65, 79, 1, 5},
    {80, 84, 1, 4},
    {85, 89, 1, 3},
    {90, 94, 1, 2},
};

// A bin counts for heating when its upper bound is below the winter setpoint, but never above
// 60/64. A winter setpoint outside 40 to 84 counts the bins from 35/39 down, with its difference
// taken as it comes, even where it is zero or negative.
constexpr SetpointRow kHeatingRows[] = {
    {40, 44, 14, 21}, {45, 49, 13, 21}, {50, 54, 12, 21},
    {55, 59, 11, 21}, {60, 64, 10, 21}, {65, 84, 9, 21},
};
constexpr HeatingBins kHeatingOutsideRow = {14, 21};

const SetpointRow* FindRow(std::span<const SetpointRow> rows, std::int32_t setpoint) {
    for (const SetpointRow& row : rows) {
        if (setpoint >= row.lowest && setpoint <= row.highest) {
            return &row;
        }
    }
    return nullptr;
}

using BinValues = std::array<std::int32_t, kBinValueCount>;

// Step 2's cooling half: each bin that the shift's summer setpoint counts gets the difference
// between its midpoint and the setpoint.
void SetCoolingDifferences(const BinCalcInput& input, int shift, BinValues& difference) {
    const std::int32_t summer = input.summer_setpoint[static_cast<std::size_t>(shift - 1)];
    if (const SetpointRow* row = FindRow(kCoolingRows, summer)) {
        for (int bin = row->first_bin; bin <= row->last_bin; ++bin) {
            difference[static_cast<std::size_t>(BinValueIndex(shift, bin))] =
                Wrap32(std::int64_t{BinMidpoint(bin)} - summer);
        }
    }
}

// Step 2's heating half: each bin that the shift's winter setpoint counts gets the difference
// between the setpoint and its midpoint.
void SetHeatingDifferences(const BinCalcInput& input, int shift, BinValues& difference) {
    const std::int32_t winter = input.winter_setpoint[static_cast<std::size_t>(shift - 1)];
    const HeatingBins bins = HeatingBinsOf(winter);
    for (int bin = bins.first; bin <= bins.last; ++bin) {
        difference[static_cast<std::size_t>(BinValueIndex(shift, bin))] =
            Wrap32(std::int64_t{winter} - BinMidpoint(bin));
    }
}

// Step 3 for one bin: its degree-hours over the three shifts, each shift's product and their sum
// wrapping as 32-bit arithmetic does.
std::int32_t BinDegreeHours(const BinValues& difference, const BinValues& scaled_hours, int bin) {
    std::int64_t sum = 0;
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        const auto k = static_cast<std::size_t>(BinValueIndex(shift, bin));
        sum += Wrap32(std::int64_t{difference[k]} * scaled_hours[k]);
    }
    return Wrap32(sum);
}

// Turns the degree-hours of bins first..last into whole percent of `total`, in place; a total of
// 0 leaves them as they are.
void ToPercent(std::array<std::int32_t, kBinCount>& bins, int first, int last, std::int32_t total) {
    if (total == 0) {
        return;
    }
    for (int bin = first; bin <= last; ++bin) {
        std::int32_t& value = bins[static_cast<std::size_t>(bin - 1)];
        const std::int32_t scaled = Wrap32(std::int64_t{kPercent} * value);
        // Dividing in 64 bits keeps the one overflowing quotient, -2147483648 / -1, defined.
        value = Wrap32(std::int64_t{scaled} / total);
    }
}

std::int32_t SumBins(const std::array<std::int32_t, kBinCount>& bins, int first, int last) {
    std::int64_t sum = 0;
    for (int bin = first; bin <= last; ++bin) {
        sum += bins[static_cast<std::size_t>(bin - 1)];
    }
    return Wrap32(sum);
}

double CoolingCost(const BinCalcInput& input, std::int32_t cooling_degree_hours) {
    if (input.design.summer_design <= kCoolDesignThreshold) {
        return 0.0;
    }
    return static_cast<double>(input.cool_capacity) * cooling_degree_hours * double{kBtuToMmbtu} /
           (input.design.summer_design - double{kCoolBaseTemp}) * double{input.electric_rate} *
           (double{kKwhPerMmbtuEer} / double{input.cool_eer});
}

}  // namespace

HeatingBins HeatingBinsOf(std::int32_t winter_setpoint) {
    if (const SetpointRow* row = FindRow(kHeatingRows, winter_setpoint)) {
        return {row->first_bin, row->last_bin};
    }
    return kHeatingOutsideRow;
}

double HeatingLoadMillionBtu(const BinCalcInput& input, double degree_hours) {
    if (input.design.winter_design >= kHeatDesignThreshold) {
        return 0.0;
    }
    return static_cast<double>(input.heat_capacity) * degree_hours * double{kBtuToMmbtu} /
           (double{kHeatBaseTemp} - input.design.winter_design);
}

bool CanPriceHeating(const BinCalcInput& input) {
    return input.heat_efficiency != 0 && IsKnownFuel(input.fuel);
}

double HeatingCostOf(const BinCalcInput& input, double million_btu) {
    const float price =
        input.fuel == HeatingFuel::kElectricity ? input.electric_rate : input.fuel_price;
    return million_btu * (double{FuelUnitsPerMillionBtu(input.fuel)} * double{price}) *
           (double{kPercentReal} / input.heat_efficiency);
}

std::int32_t WholeDollars(double cost) {
    constexpr double kAboveLargest = 2147483648.0;
    constexpr double kBelowSmallest = -2147483649.0;
    if (std::isnan(cost)) {
        return 0;
    }
    if (cost >= kAboveLargest) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (cost <= kBelowSmallest) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(cost);
}

std::int32_t CoolingCostOf(const BinCalcInput& input) {
    // The run's steps 1 to 3 and its cooling total, on the cooling bins alone.
    BinValues difference{};
    BinValues scaled_hours{};
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        SetCoolingDifferences(input, shift, difference);
        const std::int32_t hours = input.thermostat_hours[static_cast<std::size_t>(shift - 1)];
        for (int bin = 1; bin <= kLastCoolingBin; ++bin) {
            const auto k = static_cast<std::size_t>(BinValueIndex(shift, bin));
            scaled_hours[k] = ScaledBinHours(input.bin_hours[k], hours);
        }
    }
    std::array<std::int32_t, kBinCount> bins{};
    for (int bin = 1; bin <= kLastCoolingBin; ++bin) {
        bins[static_cast<std::size_t>(bin - 1)] = BinDegreeHours(difference, scaled_hours, bin);
    }
    return WholeDollars(CoolingCost(input, SumBins(bins, 1, kLastCoolingBin)));
}

BinCalcResult ComputeBinCosts(const BinCalcInput& input, double previous_heating_cost) {
    BinCalcResult result;
    result.degree_days = input.design.degree_days;
    result.summer_design = input.design.summer_design;
    result.winter_design = input.design.winter_design;

    // Step 1: the table's hours scaled by the thermostat hours of each shift.
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        const std::int32_t hours = input.thermostat_hours[static_cast<std::size_t>(shift - 1)];
        for (int bin = 1; bin <= kBinCount; ++bin) {
            const auto k = static_cast<std::size_t>(BinValueIndex(shift, bin));
            result.scaled_hours[k] = ScaledBinHours(input.bin_hours[k], hours);
        }
    }

    // Step 2: both seasons' differences are formed whatever the mode; their bins never overlap.
    BinValues difference{};
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        SetCoolingDifferences(input, shift, difference);
        SetHeatingDifferences(input, shift, difference);
    }

    // Step 3: degree-hours of each bin over the three shifts.
    std::array<std::int32_t, kBinCount>& bins = result.percent_calcd;
    for (int bin = 1; bin <= kBinCount; ++bin) {
        bins[static_cast<std::size_t>(bin - 1)] =
            BinDegreeHours(difference, result.scaled_hours, bin);
    }

    // Step 4: the selected season's total and each bin's share of it; the other season's total
    // is 0, so only the selected season can have a cost.
    if (input.mode == CalcMode::kCooling) {
        result.cooling_degree_hours = SumBins(bins, 1, kLastCoolingBin);
        ToPercent(bins, 1, kLastCoolingBin, result.cooling_degree_hours);
        for (int bin = kLastCoolingBin + 1; bin <= kBinCount; ++bin) {
            bins[static_cast<std::size_t>(bin - 1)] = 0;
        }
        result.heating_degree_hours = 0;
    } else {
        result.heating_degree_hours = SumBins(bins, kFirstHeatingTotalBin, kBinCount);
        for (int bin = 1; bin <= kLastCoolingBin; ++bin) {
            bins[static_cast<std::size_t>(bin - 1)] = 0;
        }
        ToPercent(bins, kFirstHeatingTotalBin, kBinCount, result.heating_degree_hours);
        result.cooling_degree_hours = 0;
    }

    // Steps 5 and 6: the costs in double precision from single-precision inputs and constants.
    const double cooling_cost = CoolingCost(input, result.cooling_degree_hours);
    const double heating_load = HeatingLoadMillionBtu(input, result.heating_degree_hours);
    result.carried_heating_cost =
        CanPriceHeating(input) ? HeatingCostOf(input, heating_load) : previous_heating_cost;

    // Step 7: whole dollars.
    result.cooling_cost = WholeDollars(cooling_cost);
    result.heating_cost = WholeDollars(result.carried_heating_cost);
    return result;
}

}  // namespace heatwise
