#include "sweep_range.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>

#include "numeric_inputs.h"
#include "value_parsing.h"

namespace heatwise::cli {

namespace {

// Sets the varied input from a step's text, refusing it with the message estimate gives for the
// same value of the same input.
struct VariedInput {
    ValueKind kind = ValueKind::kWholeNumber;
    std::function<void(EstimateInputs&, std::string_view text)> set;
};

std::string AcceptedNames() {
    std::string names;
    for (const SingleInput& input : SingleInputs()) {
        names += std::string(input.name) + ", ";
    }
    for (const ShiftInput& input : ShiftInputs()) {
        names += std::string(input.name) + ", ";
    }
    names += "or one shift's ";
    for (const ShiftInput& input : ShiftInputs()) {
        names += std::string(input.name) + "1 to " + std::string(input.name) + "3" +
                 (&input == &ShiftInputs().back() ? "" : ", ");
    }
    return names;
}

std::optional<VariedInput> FindInput(std::string_view name) {
    for (const SingleInput& input : SingleInputs()) {
        if (name == input.name) {
            const std::string label = "--" + std::string(name);
            return VariedInput{input.kind, [&input, label](EstimateInputs& in, std::string_view t) {
                                   input.read(in, label, t);
                               }};
        }
    }
    for (const ShiftInput& input : ShiftInputs()) {
        if (!name.starts_with(input.name)) {
            continue;
        }
        const std::string_view shift = name.substr(input.name.size());
        if (shift.empty()) {
            // One value for all three shifts.
            const std::string label = "--" + std::string(input.name);
            return VariedInput{ValueKind::kWholeNumber,
                               [&input, label](EstimateInputs& in, std::string_view t) {
                                   (in.*input.values).fill(ParseWholeNumber(label, t, input.range));
                               }};
        }
        if (shift.size() == 1 && shift[0] >= '1' && shift[0] <= '3') {
            const int index = shift[0] - '1';
            const std::string label =
                "--" + std::string(input.name) + " (shift " + std::string(shift) + ")";
            return VariedInput{ValueKind::kWholeNumber,
                               [&input, label, index](EstimateInputs& in, std::string_view t) {
                                   (in.*input.values)[static_cast<std::size_t>(index)] =
                                       ParseWholeNumber(label, t, input.range);
                               }};
        }
    }
    return std::nullopt;
}

// The number of decimals a number was written with, so that 0.1:0.2:0.01 shows 0.13, not
// 0.13000000000000003.
int Decimals(std::string_view text) {
    const std::size_t exponent_at = text.find_first_of("eE");
    const std::string_view mantissa = text.substr(0, exponent_at);
    const std::size_t point = mantissa.find('.');
    int decimals =
        point == std::string_view::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    if (exponent_at != std::string_view::npos) {
        int exponent = 0;
        std::from_chars(text.data() + exponent_at + 1, text.data() + text.size(), exponent);
        decimals -= exponent;
    }
    return std::clamp(decimals, 0, 9);
}

std::string FixedText(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

}  // namespace

SweepRange ParseSweepRange(std::string_view option, std::string_view text,
                           const EstimateInputs& base) {
    const std::string quoted = std::string(option) + ": '" + std::string(text) + "'";
    const std::size_t equals = text.find('=');
    std::vector<std::string_view> parts;
    if (equals != std::string_view::npos) {
        for (std::size_t start = equals + 1;;) {
            const std::size_t colon = text.find(':', start);
            parts.push_back(text.substr(start, colon == text.npos ? text.npos : colon - start));
            if (colon == text.npos) {
                break;
            }
            start = colon + 1;
        }
    }
    if (parts.size() != 3) {
        throw UsageError(
            quoted + " is not NAME=FROM:TO:STEP, such as winter=72:62:-1 or rate=0.06:0.30:0.02");
    }
    SweepRange range;
    range.name = std::string(text.substr(0, equals));
    const std::optional<VariedInput> input = FindInput(range.name);
    if (!input) {
        throw UsageError(quoted + ": '" + range.name +
                         "' is not an input that can vary; the inputs are " + AcceptedNames());
    }
    range.kind = input->kind;
    double numbers[3] = {};
    int decimals = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i].starts_with('+') ? parts[i].substr(1) : parts[i];
        const auto result = std::from_chars(part.data(), part.data() + part.size(), numbers[i]);
        if (part.empty() || result.ec != std::errc() || result.ptr != part.data() + part.size() ||
            !std::isfinite(numbers[i])) {
            throw UsageError(quoted + ": '" + std::string(parts[i]) + "' is not a number");
        }
        decimals = std::max(decimals, Decimals(part));
    }
    const auto [from, to, step] = numbers;
    const std::string to_text(parts[1]);
    if (step == 0.0) {
        throw UsageError(quoted + ": a step of 0 never reaches " + to_text);
    }
    // How many steps lead from FROM to TO; a count that is not whole, within a millionth of a
    // step, means the steps pass TO without landing on it.
    const double span = (to - from) / step;
    if (span < 0.0) {
        throw UsageError(quoted + ": a step of " + std::string(parts[2]) + " from " +
                         std::string(parts[0]) + " moves away from " + to_text +
                         "; give the step the other sign");
    }
    const double count = std::round(span);
    if (count + 1 > kMaxSweepSteps) {
        throw UsageError(quoted + ": more than " + std::to_string(kMaxSweepSteps) +
                         " steps; give a larger step");
    }
    if (std::abs(span - count) > 1e-6) {
        throw UsageError(quoted + ": steps of " + std::string(parts[2]) + " from " +
                         std::string(parts[0]) + " pass " + to_text +
                         " without landing on it; give a step that divides the range");
    }
    const double scale = std::pow(10.0, decimals);
    for (int i = 0; i <= static_cast<int>(count); ++i) {
        SweepStep step_i;
        // Adding 0 turns a rounded -0 into 0.
        step_i.value = std::round((from + i * step) * scale) / scale + 0.0;
        // A whole-number input shows its whole steps without decimals, so that only a step
        // such as 71.5 is refused as not whole.
        const bool whole =
            input->kind == ValueKind::kWholeNumber && step_i.value == std::trunc(step_i.value);
        step_i.text = FixedText(step_i.value, whole ? 0 : decimals);
        step_i.inputs = base;
        input->set(step_i.inputs, step_i.text);
        range.steps.push_back(std::move(step_i));
    }
    return range;
}

}  // namespace heatwise::cli
