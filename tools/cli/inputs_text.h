// The inputs of an estimate in words, as the reports and the pictures name what they used.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/estimate_inputs.h"

namespace heatwise::cli {

// A real input with two decimals, as the form shows it, or with as many more as it takes to
// read back as the value itself: 0.08, 4.00, but 0.085 rather than 0.09.
std::string RealText(float value);

// The three shifts' values, separated by `gap`.
std::string ShiftText(const std::array<std::int32_t, kShiftCount>& values, std::string_view gap);

// The schedule, the equipment and the prices, in the three lines that head a report:
// "Thermostat hours 8 8 8, summer 85 85 78, winter 65 60 75 F", then the equipment, then the
// prices, each ending in a line end.
std::string InputsLines(const EstimateInputs& inputs);

// Which season's inputs a picture's subtitle names: those that its cost depends on.
enum class InputsSeason { kCooling, kHeating, kBoth };

// The input that a sweep varies, named as --vary names it, with its first and last value.
struct VariedRange {
    std::string_view name;
    std::string_view from;
    std::string_view to;
};

// The inputs in one line, as the pictures name them under their titles. The cooling inputs
// are the cooling equipment, its EER, the electric rate and the summer setpoints; the heating
// inputs the fuel and its price (or the electric rate for electric heating), the heating
// equipment, its efficiency and the winter setpoints; both have the thermostat hours. With
// kBoth, the fuel, the prices and the efficiencies. A varied input among them is given by its
// range; a varied shift's setpoint or hours in brackets among the others, "65 (60 to 70) 75".
std::string InputsSummary(const EstimateInputs& inputs, InputsSeason season,
                          const VariedRange& varied = {});

}  // namespace heatwise::cli
