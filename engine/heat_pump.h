// A heat pump on the form's heating bins: per shift and bin what the heat pump and its backup
// deliver and take, and over the year its energy, its seasonal efficiency, its balance points
// and its cost against the furnace of the selected fuel.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "engine/climate_data.h"
#include "engine/heat_pump_inputs.h"

namespace heatwise {

// What the heat pump does in a bin. kCycling is between the cut-out and the cut-in, where it runs
// half of the time; kNoOutput where its capacity or power is 0 or less or its COP below 1;
// kSwitchedOver where the switchover leaves the bin to the furnace.
enum class HeatPumpState { kRuns, kCycling, kCutOut, kNoOutput, kSwitchedOver };

// One bin of one shift that needs heat. Bins 22 to 31 are the cold bins below 0 °F.
struct HeatPumpBinRow {
    int shift = 0;
    int bin = 0;
    int midpoint = 0;                // °F
    std::int32_t hours = 0;          // scaled by the shift's thermostat hours
    std::int32_t difference = 0;     // °F, setpoint less midpoint
    double load = 0.0;               // BTU per hour
    double capacity = 0.0;           // BTU per hour at the midpoint, 0 where it gives nothing
    double cop = 0.0;                // at the midpoint, 0 where it gives nothing
    double part_load = 0.0;          // X
    double part_load_factor = 0.0;   // PLF
    double compressor_factor = 0.0;  // δ, 0 where the heat pump does not run
    HeatPumpState state = HeatPumpState::kRuns;
    double heat_pump_heat = 0.0;    // BTU per year
    double backup_heat = 0.0;       // BTU per year
    double heat_pump_energy = 0.0;  // watt-hours per year
    double backup_energy = 0.0;     // watt-hours of resistance, or units of the furnace's fuel
};

// Every shift counts at most the 13 bins from 60/64 °F down and the 10 cold bins.
inline constexpr int kFirstHeatPumpBin = 9;
inline constexpr int kHeatPumpBinsPerShift = kBinCount - kFirstHeatPumpBin + 1 + kColdBinCount;
inline constexpr int kHeatPumpRowLimit = kShiftCount * kHeatPumpBinsPerShift;

struct HeatPumpResult {
    double heat_needed_mmbtu = 0.0;
    double heat_pump_heat_mmbtu = 0.0;
    double backup_heat_mmbtu = 0.0;
    double heat_pump_kwh = 0.0;
    double backup_kwh = 0.0;         // electric resistance backup; 0 with the furnace
    double backup_fuel_units = 0.0;  // furnace backup, in FuelUnit(fuel); 0 with resistance
    // The heat pump's heat over 3.412 times its watt-hours; none where it never runs.
    std::optional<double> seasonal_cop;
    // BTU per watt-hour as the rating counts it: all the heat over all the watt-hours, heat pump
    // and resistance together; with the furnace as backup, of the heat pump alone. None without
    // watt-hours.
    std::optional<double> hspf;
    std::optional<double> backup_share;  // of the heat needed; none where none is needed
    std::array<std::optional<double>, kShiftCount> balance_points;  // °F, per shift
    // The coldest bin midpoint at which the heat pump delivers any heat; none where it runs
    // nowhere.
    std::optional<int> coldest_running_midpoint;
    double heat_pump_dollars = 0.0;   // unrounded, heat pump and backup
    double furnace_dollars = 0.0;     // unrounded, the same heat from the furnace alone
    std::int32_t heat_pump_cost = 0;  // whole dollars per year
    std::int32_t furnace_cost = 0;    // whole dollars per year
    std::int32_t savings = 0;         // furnace_cost - heat_pump_cost
    std::int32_t cooling_cost = 0;    // whole dollars per year, as the form works it out
    // The electric rate, $/kWh, at which the heat pump, run as it runs here, would cost what the
    // furnace does; none where the furnace burns electricity too (both costs then scale with the
    // rate) or the heat pump and resistance take no electricity.
    std::optional<double> break_even_rate;
};

// Runs the heat pump on the city's heating bins, as the form counts them for each shift's winter
// setpoint, with the shift's scaled hours and the load line UA = HC / (64 - WD) (no load when WD
// is 64 °F or more). The hours below 0 °F come out of the 0/4 °F bin into the cold bins, each
// scaled as the form scales hours. A bin whose difference is 0 or less needs no heat and has no
// row. The furnace cost prices the degree-hours of the same bins exactly as the form prices
// heating, so it equals the form's heating cost for a city without hours below 0 °F (for winter
// setpoints in their range). Defined for inputs that CheckHeatPumpInput accepts.
HeatPumpResult ComputeHeatPump(const HeatPumpInput& input);

// The rows of one run, a row per shift and bin that needs heat, shift by shift and warmest bin
// first. It holds room for every row, so a caller that runs many cities keeps one.
struct HeatPumpBinTable {
    std::array<HeatPumpBinRow, kHeatPumpRowLimit> rows{};
    int row_count = 0;
    std::span<const HeatPumpBinRow> Rows() const {
        return {rows.data(), static_cast<std::size_t>(row_count)};
    }
};

// The same run, writing its rows into `table` too, in place of what it held.
HeatPumpResult ComputeHeatPump(const HeatPumpInput& input, HeatPumpBinTable& table);

// One bin's figures added over the three shifts, for a table or a picture by bin.
struct HeatPumpBinTotal {
    int bin = 0;
    int midpoint = 0;
    std::int32_t hours = 0;
    double capacity = 0.0;
    double cop = 0.0;
    double heat_pump_heat = 0.0;
    double backup_heat = 0.0;
    double heat_pump_energy = 0.0;
    double backup_energy = 0.0;
};
// Bins 9 to 31 in order, warmest first.
std::array<HeatPumpBinTotal, kHeatPumpBinsPerShift> SumOverShifts(const HeatPumpBinTable& table);

}  // namespace heatwise
