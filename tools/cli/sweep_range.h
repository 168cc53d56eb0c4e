// The steps of a what-if sweep: one numeric input of the form stepping from one value to
// another, read from NAME=FROM:TO:STEP as heatwise-cli sweep --vary takes it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "engine/estimate_inputs.h"
#include "engine/heat_pump_inputs.h"
#include "heat_pump_options.h"
#include "numeric_inputs.h"

namespace heatwise::cli {

// At most this many steps: enough for any range of the form's inputs at a fine step, few
// enough that a mistyped step is caught rather than computed for minutes.
inline constexpr int kMaxSweepSteps = 10000;

struct SweepStep {
    double value = 0.0;     // the value of `text`
    std::string text;       // the value as it is shown and as the input reads it
    EstimateInputs inputs;  // the inputs of this step
    // With the heat pump, its options at this step and the unit they make.
    HeatPumpOptionValues heat_pump_given;
    HeatPumpSettings heat_pump;
};

struct SweepRange {
    std::string name;  // the input's name as --vary gives it, such as "winter" or "summer2"
    ValueKind kind = ValueKind::kWholeNumber;
    std::vector<SweepStep> steps;
};

// Reads `text` (NAME=FROM:TO:STEP) and works out every step from `base` and, with the heat pump,
// `heat_pump`, the inputs that the other options set; the heat pump's inputs vary only with it,
// and each step's options make its unit as the heat-pump command makes it. Value i is FROM + i ×
// STEP, worked out exactly in units of the last of the decimals the three numbers were written with
// (at most 9), so the last step is TO itself; a step that does not divide the range exactly is
// refused. Every value is checked as estimate checks the same input, and refused with the same
// message; two steps that a real input holds as the same single-precision value are refused, so no
// row is repeated.
SweepRange ParseSweepRange(std::string_view option, std::string_view text,
                           const EstimateInputs& base, Pricing pricing = Pricing::kForm,
                           const HeatPumpOptionValues& heat_pump = {});

}  // namespace heatwise::cli
