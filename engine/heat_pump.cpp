#include "engine/heat_pump.h"

#include <algorithm>

#include "engine/heat_pump_balance.h"

namespace heatwise {

namespace {

// The heating load line's base, as the form's: no heating at a winter design of 64 °F or more.
constexpr std::int32_t kHeatBase = 64;
constexpr double kBtuPerMillion = 1.0e6;

// What the unit does at one bin's midpoint, the same in every shift.
struct AtMidpoint {
    UnitOutput unit;
    double compressor_factor = 0.0;
    HeatPumpState state = HeatPumpState::kNoOutput;
};

// Fills `at` in place: the unit's output at the midpoint, and whether and how far the controls
// let it run there.
void OperationAt(const HeatPumpCurve& curve, const HeatPumpSettings& settings, double midpoint,
                 double rate, double furnace_dollars_per_million_btu, AtMidpoint& at) {
    at.unit = curve.At(midpoint);
    at.compressor_factor = 0.0;
    at.state = HeatPumpState::kNoOutput;
    if (!at.unit.heats) {
        return;
    }
    if (settings.backup == BackupHeat::kFurnace &&
        JudgeSwitchover(settings.switchover, midpoint,
                        HeatPumpDollarsPerMillionBtu(rate, at.unit.cop),
                        furnace_dollars_per_million_btu) == SwitchoverVerdict::kFurnaceCarries) {
        at.state = HeatPumpState::kSwitchedOver;
        return;
    }
    at.compressor_factor = CompressorFactor(settings.cutout, midpoint);
    at.state = at.compressor_factor == 0.0  ? HeatPumpState::kCutOut
               : at.compressor_factor < 1.0 ? HeatPumpState::kCycling
                                            : HeatPumpState::kRuns;
}

// The year's sums in BTU and watt-hours.
struct Totals {
    std::int64_t degree_hours = 0;
    double heat_needed = 0.0;
    double heat_pump_heat = 0.0;
    double backup_heat = 0.0;
    double heat_pump_energy = 0.0;
};

// How far the run has got: its sums, the coldest midpoint at which the heat pump delivered heat
// and the rows written.
// A midpoint warmer than every bin's: the heat pump has delivered heat in no bin yet.
constexpr int kNoBin = 1000;

struct Progress {
    Totals sums;
    int coldest_running = kNoBin;
    int rows = 0;
};

class Season {
  public:
    Season(const HeatPumpInput& input, HeatPumpResult& result, HeatPumpBinTable* table)
        : input_(input), result_(result), table_(table), curve_(input.unit.ratings) {
        const std::int32_t winter_design = input.form.design.winter_design;
        load_per_degree_ = winter_design < kHeatBase
                               ? input.form.heat_capacity / (double{kHeatBase} - winter_design)
                               : 0.0;
        furnace_ = input.unit.backup == BackupHeat::kFurnace;
        cd_ = input.unit.cycling_degradation;
        const double furnace_per_million =
            CanPriceHeating(input.form) ? HeatingCostOf(input.form, 1.0) : 0.0;
        fuel_units_per_million_btu_ = CanPriceHeating(input.form)
                                          ? double{FuelUnitsPerMillionBtu(input.form.fuel)} *
                                                (100.0 / input.form.heat_efficiency)
                                          : 0.0;
        backup_energy_per_btu_ =
            furnace_ ? fuel_units_per_million_btu_ / kBtuPerMillion : 1.0 / kBtuPerWattHour;
        for (int bin = kFirstHeatPumpBin; bin <= kLastColdBin; ++bin) {
            OperationAt(curve_, input.unit, BinMidpoint(bin), double{input.form.electric_rate},
                        furnace_per_million,
                        at_[static_cast<std::size_t>(bin - kFirstHeatPumpBin)]);
        }
    }

    void Shift(int shift) {
        const auto s = static_cast<std::size_t>(shift - 1);
        const std::int32_t winter = input_.form.winter_setpoint[s];
        const std::int32_t thermostat_hours = input_.form.thermostat_hours[s];
        const HeatingBins bins = HeatingBinsOf(winter);
        std::int32_t below_zero = 0;
        for (int bin = kFirstColdBin; bin <= kLastColdBin; ++bin) {
            below_zero += ColdHours(shift, bin);
        }
        // The shift is worked in a local copy, which the rows written to the table cannot share,
        // so that its sums stay out of memory; they are added in the same order as ever.
        Progress progress = progress_;
        for (int bin = bins.first; bin <= bins.last; ++bin) {
            std::int32_t table =
                input_.form.bin_hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
            // The 0/4 °F bin holds the hours below 0 °F too; they count in the cold bins.
            if (bin == kBinCount) {
                table -= below_zero;
            }
            AddBin(shift, bin, winter, ScaledBinHours(table, thermostat_hours), progress);
        }
        if (bins.last == kBinCount) {
            for (int bin = kFirstColdBin; bin <= kLastColdBin; ++bin) {
                AddBin(shift, bin, winter, ScaledBinHours(ColdHours(shift, bin), thermostat_hours),
                       progress);
            }
        }
        progress_ = progress;
        if (table_ != nullptr) {
            table_->row_count = progress.rows;
        }
        result_.balance_points[s] = BalancePoint(curve_, load_per_degree_, winter);
    }

    const Totals& Sums() const { return progress_.sums; }
    // The coldest midpoint at which the heat pump delivered heat, or none.
    std::optional<int> ColdestRunning() const {
        const int coldest = progress_.coldest_running;
        return coldest == kNoBin ? std::nullopt : std::optional<int>(coldest);
    }
    double BackupFuelUnitsPerMillionBtu() const { return fuel_units_per_million_btu_; }

  private:
    std::int32_t ColdHours(int shift, int bin) const {
        return input_.cold_hours[static_cast<std::size_t>(ColdBinValueIndex(shift, bin))];
    }

    // Every figure of the bin is worked out before the row is written, so that none is read back
    // from memory the row may share.
    void AddBin(int shift, int bin, std::int32_t winter, std::int32_t hours, Progress& progress) {
        const int midpoint = BinMidpoint(bin);
        const std::int64_t difference = std::int64_t{winter} - midpoint;
        if (difference <= 0) {
            return;
        }
        const AtMidpoint& at = at_[static_cast<std::size_t>(bin - kFirstHeatPumpBin)];
        const double load = load_per_degree_ * static_cast<double>(difference);
        const BinOperation op = OperateInBin(at.unit, load, at.compressor_factor, cd_);
        const double heat_pump_heat = op.heat_pump_heat * hours;
        const double backup_heat = op.backup_heat * hours;
        const double heat_pump_energy = op.heat_pump_energy * hours;
        const double backup_energy = backup_heat * backup_energy_per_btu_;

        Totals& sums = progress.sums;
        sums.degree_hours += difference * hours;
        sums.heat_needed += load * hours;
        sums.heat_pump_heat += heat_pump_heat;
        sums.backup_heat += backup_heat;
        sums.heat_pump_energy += heat_pump_energy;
        if (heat_pump_heat > 0.0 && midpoint < progress.coldest_running) {
            progress.coldest_running = midpoint;
        }
        if (table_ == nullptr) {
            return;
        }
        table_->rows[static_cast<std::size_t>(progress.rows++)] =
            HeatPumpBinRow{shift,
                           bin,
                           midpoint,
                           hours,
                           static_cast<std::int32_t>(difference),
                           load,
                           at.unit.capacity,
                           at.unit.cop,
                           op.part_load,
                           op.part_load_factor,
                           at.compressor_factor,
                           at.state,
                           heat_pump_heat,
                           backup_heat,
                           heat_pump_energy,
                           backup_energy};
    }

    const HeatPumpInput& input_;
    HeatPumpResult& result_;
    HeatPumpBinTable* table_;  // none: the run keeps no rows
    HeatPumpCurve curve_;
    double load_per_degree_ = 0.0;
    double cd_ = 0.0;
    bool furnace_ = false;
    // The fuel the furnace burns per million BTU of heat: the fuel's units per million BTU over
    // the furnace's efficiency.
    double fuel_units_per_million_btu_ = 0.0;
    // Watt-hours of resistance or units of fuel per BTU of backup heat.
    double backup_energy_per_btu_ = 0.0;
    std::array<AtMidpoint, kHeatPumpBinsPerShift> at_;
    Progress progress_;
};

std::optional<double> Ratio(double numerator, double denominator) {
    if (!(denominator > 0.0)) {
        return std::nullopt;
    }
    return numerator / denominator;
}

// The run, with or without its rows.
HeatPumpResult Run(const HeatPumpInput& input, HeatPumpBinTable* table) {
    HeatPumpResult result;
    if (table != nullptr) {
        table->row_count = 0;
    }
    Season season(input, result, table);
    for (int shift = 1; shift <= kShiftCount; ++shift) {
        season.Shift(shift);
    }
    const Totals& sums = season.Sums();
    result.coldest_running_midpoint = season.ColdestRunning();
    const BinCalcInput& form = input.form;
    const bool furnace = input.unit.backup == BackupHeat::kFurnace;
    const double rate = double{form.electric_rate};

    result.heat_needed_mmbtu = sums.heat_needed / kBtuPerMillion;
    result.heat_pump_heat_mmbtu = sums.heat_pump_heat / kBtuPerMillion;
    result.backup_heat_mmbtu = sums.backup_heat / kBtuPerMillion;
    result.heat_pump_kwh = sums.heat_pump_energy / 1000.0;
    const double resistance_energy = furnace ? 0.0 : sums.backup_heat / kBtuPerWattHour;
    result.backup_kwh = resistance_energy / 1000.0;
    result.backup_fuel_units =
        furnace ? result.backup_heat_mmbtu * season.BackupFuelUnitsPerMillionBtu() : 0.0;

    result.seasonal_cop = Ratio(sums.heat_pump_heat, kBtuPerWattHour * sums.heat_pump_energy);
    result.hspf = furnace ? Ratio(sums.heat_pump_heat, sums.heat_pump_energy)
                          : Ratio(sums.heat_needed, sums.heat_pump_energy + resistance_energy);
    result.backup_share = Ratio(sums.backup_heat, sums.heat_needed);

    const bool priced = CanPriceHeating(form);
    const double fuel_backup_dollars =
        furnace && priced ? HeatingCostOf(form, result.backup_heat_mmbtu) : 0.0;
    const double electric_kwh = result.heat_pump_kwh + result.backup_kwh;
    result.heat_pump_dollars = rate * electric_kwh + fuel_backup_dollars;
    result.furnace_dollars =
        priced ? HeatingCostOf(form,
                               HeatingLoadMillionBtu(form, static_cast<double>(sums.degree_hours)))
               : 0.0;
    result.heat_pump_cost = WholeDollars(result.heat_pump_dollars);
    result.furnace_cost = WholeDollars(result.furnace_dollars);
    result.savings = WholeDollars(static_cast<double>(result.furnace_cost) - result.heat_pump_cost);
    if (form.fuel != HeatingFuel::kElectricity && priced) {
        result.break_even_rate = Ratio(result.furnace_dollars - fuel_backup_dollars, electric_kwh);
    }

    result.cooling_cost = CoolingCostOf(form);
    return result;
}

}  // namespace

HeatPumpResult ComputeHeatPump(const HeatPumpInput& input) {
    return Run(input, nullptr);
}

HeatPumpResult ComputeHeatPump(const HeatPumpInput& input, HeatPumpBinTable& table) {
    return Run(input, &table);
}

std::array<HeatPumpBinTotal, kHeatPumpBinsPerShift> SumOverShifts(const HeatPumpBinTable& table) {
    std::array<HeatPumpBinTotal, kHeatPumpBinsPerShift> totals{};
    for (int i = 0; i < kHeatPumpBinsPerShift; ++i) {
        totals[static_cast<std::size_t>(i)].bin = kFirstHeatPumpBin + i;
        totals[static_cast<std::size_t>(i)].midpoint = BinMidpoint(kFirstHeatPumpBin + i);
    }
    for (const HeatPumpBinRow& row : table.Rows()) {
        HeatPumpBinTotal& total = totals[static_cast<std::size_t>(row.bin - kFirstHeatPumpBin)];
        total.hours += row.hours;
        total.capacity = row.capacity;
        total.cop = row.cop;
        total.heat_pump_heat += row.heat_pump_heat;
        total.backup_heat += row.backup_heat;
        total.heat_pump_energy += row.heat_pump_energy;
        total.backup_energy += row.backup_energy;
    }
    return totals;
}

}  // namespace heatwise
