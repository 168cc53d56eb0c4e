// What the heat-pump model takes: the unit's ratings and controls on top of the form's inputs
// for one city, the accepted range of each, and the check of the combinations they must meet.
#pragma once

#include <optional>
#include <string>

#include "engine/bin_calc.h"
#include "engine/climate_data.h"
#include "engine/heat_pump_curve.h"
#include "engine/heat_pump_cycling.h"
#include "engine/heat_pump_switchover.h"
#include "engine/input_defaults.h"

namespace heatwise {

// The heat pump and how it is run.
struct HeatPumpSettings {
    HeatPumpRatings ratings;
    double cycling_degradation = kDefaultCyclingDegradation;
    std::optional<CompressorCutout> cutout;  // none: the compressor runs at every temperature
    BackupHeat backup = BackupHeat::kElectricResistance;
    Switchover switchover;  // only with BackupHeat::kFurnace
};

// One city's heat-pump run. `form` is the form's calculation input for the city: its bin hours
// and design record, the schedule, the heating capacity that sets the load line, the fuel, its
// price and efficiency (the furnace's) and the electric rate. `cold_hours` are the city's hours
// below 0 °F, which its 0/4 °F bin includes; zero where the city has none.
struct HeatPumpInput {
    BinCalcInput form;
    CityColdBinHours cold_hours{};
    HeatPumpSettings unit;
};

// The accepted range of every input of the heat pump and of its rating; a value outside is
// refused as the form's inputs are. The form's own inputs keep the ranges of input_defaults.h.
struct HeatPumpRanges {
    RealRange capacity;                       // BTU per hour, at every rating point
    RealRange cop;                            // at every rating point
    RealRange cycling_degradation;            // Cd
    RealRange cutout_temperature;             // °F, both the cut-out and the cut-in
    RealRange switchover_temperature;         // °F
    IntegerRange region;                      // the rating's climate regions I to VI
    IntegerRange design_heating_requirement;  // BTU per hour, the rating's DHR
};
inline constexpr HeatPumpRanges kHeatPumpRanges = {
    {1000.0f, 240000.0f}, {1.0f, 10.0f}, {0.0f, 0.5f},  {-50.0f, 65.0f},
    {-50.0f, 65.0f},      {1, 6},        {5000, 130000}};

// The input a problem is about, so that a caller can name it in its own terms.
enum class HeatPumpField {
    kCapacity47,
    kCop47,
    kCapacity17,
    kCop17,
    kCapacity35,
    kCop35,
    kCapacity5,
    kCop5,
    kCyclingDegradation,
    kCutout,
    kSwitchover,
    kFuel,
    kHeatEfficiency,
    kColdHours,
    kRegion,
    kDesignHeatingRequirement,
};

// An input, or a combination of inputs, the model cannot work with: which, and a message that
// says what is wrong and why, e.g. "the compressor cut-out at 14 °F is above its cut-in at
// 10 °F: it cannot come back on below the temperature it stops at".
struct HeatPumpProblem {
    HeatPumpField field;
    std::string message;
};

// The first problem of the ratings and the cycling degradation, or none: every capacity and COP
// given must be above 0 and Cd at least 0 and below 1, so that the part-load factor stays above 0.
std::optional<HeatPumpProblem> CheckRatings(const HeatPumpRatings& ratings,
                                            double cycling_degradation);

// The first problem of a cut-out, or none: it must stop at or below the temperature it comes
// back on at.
std::optional<HeatPumpProblem> CheckCutout(const std::optional<CompressorCutout>& cutout);

// The first problem of the whole input, or none: the ratings and the cut-out as above; a
// switchover only with a furnace as backup; a fuel and an efficiency above 0 for the furnace
// the heat pump is weighed against; the city's hours below 0 °F not below 0 and, in each shift,
// no more than its 0/4 °F bin holds. ComputeHeatPump is defined for inputs that pass.
std::optional<HeatPumpProblem> CheckHeatPumpInput(const HeatPumpInput& input);

}  // namespace heatwise
