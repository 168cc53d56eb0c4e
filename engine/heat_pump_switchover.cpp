#include "engine/heat_pump_switchover.h"

namespace heatwise {

double HeatPumpDollarsPerMillionBtu(double rate, double cop) {
    return rate * 1.0e6 / (3412.0 * cop);
}

SwitchoverVerdict JudgeSwitchover(const Switchover& switchover, double midpoint,
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
