// The backup heat behind a heat pump and, with a furnace as backup, the switchover that hands
// the coldest bins to the furnace.
#pragma once

namespace heatwise {

// What covers the load the heat pump does not: electric resistance at 3.412 BTU per watt-hour,
// priced at the electric rate, or a furnace burning the selected fuel at its efficiency, priced
// as the form prices heating.
enum class BackupHeat { kElectricResistance, kFurnace };

// When the heat pump stops for the furnace: never; in every bin whose midpoint is at or below a
// temperature; or, automatically, in every bin where its heat costs no less than the furnace's.
enum class SwitchoverRule { kNone, kAtTemperature, kAuto };

struct Switchover {
    SwitchoverRule rule = SwitchoverRule::kNone;
    double temperature = 0.0;  // °F, for kAtTemperature
};

// Dollars per million BTU the heat pump delivers at `cop` for the electric rate `rate` $/kWh,
// R × 10⁶ / (3412 × COP), leaving aside its losses from cycling. Inline, with JudgeSwitchover,
// as the seasonal model asks at every bin's midpoint.
inline double HeatPumpDollarsPerMillionBtu(double rate, double cop) {
    return rate * 1.0e6 / (3412.0 * cop);
}

// Whether the switchover lets the heat pump run in a bin of midpoint `midpoint` °F. The automatic
// switchover compares the heat pump's dollars per million BTU there with the furnace's and lets
// it run only where it is strictly cheaper.
enum class SwitchoverVerdict { kHeatPumpRuns, kFurnaceCarries };
inline SwitchoverVerdict JudgeSwitchover(const Switchover& switchover, double midpoint,
                                         double heat_pump_dollars_per_million_btu,
                                         double furnace_dollars_per_million_btu) {
    switch (switchover.rule) {
        case SwitchoverRule::kNone:
            return SwitchoverVerdict::kHeatPumpRuns;
        case SwitchoverRule::kAtTemperature:
            return midpoint <= switchover.temperature ? SwitchoverVerdict::kFurnaceCarries
                                                      : SwitchoverVerdict::kHeatPumpRuns;
        case SwitchoverRule::kAuto:
            return heat_pump_dollars_per_million_btu < furnace_dollars_per_million_btu
                       ? SwitchoverVerdict::kHeatPumpRuns
                       : SwitchoverVerdict::kFurnaceCarries;
    }
    return SwitchoverVerdict::kHeatPumpRuns;
}

}  // namespace heatwise
