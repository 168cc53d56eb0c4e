// How a single-speed heat pump meets a load at one outdoor temperature: it cycles to the load,
// loses some efficiency doing so, may stop its compressor in the cold, and leaves the rest of the
// load to backup heat.
#pragma once

#include <optional>

#include "engine/heat_pump_curve.h"

namespace heatwise {

// The cycling degradation coefficient the rating procedure assumes when none is measured.
inline constexpr double kDefaultCyclingDegradation = 0.25;

// A low-temperature compressor cut-out: the compressor stops at `off` °F and comes back on above
// `on` °F, so between the two it runs about half of the time.
struct CompressorCutout {
    double off = 0.0;  // °F
    double on = 0.0;   // °F
};

// The share of the time the compressor may run at `temperature`: 0 at or below the cut-out, ½
// above it up to the cut-in, 1 above the cut-in; 1 everywhere without a cut-out.
inline double CompressorFactor(const std::optional<CompressorCutout>& cutout, double temperature) {
    if (!cutout) {
        return 1.0;
    }
    if (temperature <= cutout->off) {
        return 0.0;
    }
    return temperature <= cutout->on ? 0.5 : 1.0;
}

// The heat pump's work in one hour of a bin.
struct BinOperation {
    double part_load = 0.0;         // X, the load over the capacity, at most 1
    double part_load_factor = 1.0;  // PLF = 1 - Cd (1 - X)
    double heat_pump_heat = 0.0;    // BTU the heat pump delivers
    double heat_pump_energy = 0.0;  // watt-hours the heat pump takes
    double backup_heat = 0.0;       // BTU left to backup heat
};

// One hour at a load of `load` BTU/h with the unit's output, the compressor factor δ and the
// cycling degradation `cd`: X = min(load / Q, 1), PLF = 1 - cd (1 - X); the heat pump delivers
// X Q δ and takes X P δ / PLF, and backup heat covers load - X Q δ. A unit that gives nothing, or
// a δ of 0, leaves the whole load to backup. Inline, as the seasonal model runs it for every bin
// of every shift.
inline BinOperation OperateInBin(const UnitOutput& unit, double load, double compressor_factor,
                                 double cd) {
    BinOperation operation;
    operation.backup_heat = load;
    if (!unit.heats || !(load > 0.0)) {
        return operation;
    }
    // A load at or above the capacity runs the unit flat out, X = 1 and PLF = 1 exactly, as the
    // quotient would give: it reaches 1 only when the load is at least the capacity. The cold
    // bins are worked without dividing.
    const bool flat_out = load >= unit.capacity;
    operation.part_load = flat_out ? 1.0 : load / unit.capacity;
    operation.part_load_factor = flat_out ? 1.0 : 1.0 - cd * (1.0 - operation.part_load);
    if (compressor_factor > 0.0) {
        operation.heat_pump_heat = operation.part_load * unit.capacity * compressor_factor;
        const double energy = operation.part_load * unit.power * compressor_factor;
        operation.heat_pump_energy = flat_out ? energy : energy / operation.part_load_factor;
        operation.backup_heat = load - operation.heat_pump_heat;
    }
    return operation;
}

}  // namespace heatwise
