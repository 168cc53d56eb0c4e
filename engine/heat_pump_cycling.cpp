#include "engine/heat_pump_cycling.h"

#include <algorithm>

namespace heatwise {

double CompressorFactor(const std::optional<CompressorCutout>& cutout, double temperature) {
    if (!cutout) {
        return 1.0;
    }
    if (temperature <= cutout->off) {
        return 0.0;
    }
    return temperature <= cutout->on ? 0.5 : 1.0;
}

BinOperation OperateInBin(const UnitOutput& unit, double load, double compressor_factor,
                          double cd) {
    BinOperation operation;
    operation.backup_heat = load;
    if (!unit.heats || !(load > 0.0)) {
        return operation;
    }
    operation.part_load = std::min(load / unit.capacity, 1.0);
    operation.part_load_factor = 1.0 - cd * (1.0 - operation.part_load);
    if (compressor_factor > 0.0) {
        operation.heat_pump_heat = operation.part_load * unit.capacity * compressor_factor;
        operation.heat_pump_energy =
            operation.part_load * unit.power * compressor_factor / operation.part_load_factor;
        operation.backup_heat = load - operation.heat_pump_heat;
    }
    return operation;
}

}  // namespace heatwise
