// The form's numeric inputs as the command line names them, each read and checked against the
// form's own range, so that every command refuses a value with the same message.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/estimate_inputs.h"

namespace heatwise::cli {

using ShiftValues = std::array<std::int32_t, kShiftCount>;

// An input with one whole number for each of the three shifts (hours 1-8, 9-16, 17-24).
struct ShiftInput {
    std::string_view name;  // the option's name without its dashes, such as "summer"
    ShiftValues EstimateInputs::*values;
    IntegerRange range;
};

// A real input is held in single precision, as the form holds it; the heat pump's model takes
// its own inputs in double precision.
enum class ValueKind { kWholeNumber, kReal, kDouble };

// An input with one value for the whole day; `read` checks the text and sets the input.
struct SingleInput {
    std::string_view name;  // such as "fuel-price"
    ValueKind kind;
    void (*read)(EstimateInputs& inputs, std::string_view option, std::string_view text);
};

std::span<const ShiftInput> ShiftInputs();
std::span<const SingleInput> SingleInputs();

}  // namespace heatwise::cli
