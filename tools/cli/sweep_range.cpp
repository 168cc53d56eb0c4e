#include "sweep_range.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
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
    std::function<void(EstimateInputs&, HeatPumpOptionValues&, std::string_view text)> set;
};

std::string AcceptedNames(Pricing pricing) {
    std::string names;
    for (const SingleInput& input : SingleInputs()) {
        names += std::string(input.name) + ", ";
    }
    if (pricing == Pricing::kHeatPump) {
        for (const HeatPumpValueInput& input : HeatPumpValueInputs()) {
            names += std::string(input.name) + ", ";
        }
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

std::optional<VariedInput> FindInput(std::string_view name, Pricing pricing) {
    for (const SingleInput& input : SingleInputs()) {
        if (name == input.name) {
            const std::string label = "--" + std::string(name);
            return VariedInput{input.kind,
                               [&input, label](EstimateInputs& in, HeatPumpOptionValues&,
                                               std::string_view t) { input.read(in, label, t); }};
        }
    }
    for (const HeatPumpValueInput& input : HeatPumpValueInputs()) {
        if (name != input.name) {
            continue;
        }
        if (pricing != Pricing::kHeatPump) {
            throw UsageError("--vary: '" + std::string(name) +
                             "' is an input of the heat pump; a sweep varies it only with "
                             "--heat-pump and the unit's ratings");
        }
        const std::string label = "--" + std::string(name);
        return VariedInput{ValueKind::kDouble,
                           [&input, label](EstimateInputs&, HeatPumpOptionValues& unit,
                                           std::string_view t) { input.read(unit, label, t); }};
    }
    for (const ShiftInput& input : ShiftInputs()) {
        if (!name.starts_with(input.name)) {
            continue;
        }
        const std::string_view shift = name.substr(input.name.size());
        if (shift.empty()) {
            // One value for all three shifts.
            const std::string label = "--" + std::string(input.name);
            return VariedInput{
                ValueKind::kWholeNumber,
                [&input, label](EstimateInputs& in, HeatPumpOptionValues&, std::string_view t) {
                    (in.*input.values).fill(ParseWholeNumber(label, t, input.range));
                }};
        }
        if (shift.size() == 1 && shift[0] >= '1' && shift[0] <= '3') {
            const int index = shift[0] - '1';
            const std::string label =
                "--" + std::string(input.name) + " (shift " + std::string(shift) + ")";
            return VariedInput{ValueKind::kWholeNumber,
                               [&input, label, index](EstimateInputs& in, HeatPumpOptionValues&,
                                                      std::string_view t) {
                                   (in.*input.values)[static_cast<std::size_t>(index)] =
                                       ParseWholeNumber(label, t, input.range);
                               }};
        }
    }
    return std::nullopt;
}

// The most decimals a sweep steps by: finer steps than a billionth are finer than any input
// holds in single precision, and with them every step is a whole number of billionths below a
// billion, which a 64-bit count holds exactly.
constexpr int kMostDecimals = 9;
constexpr int kMostWholeDigits = 9;

// A number as written: its digits without the point, and the power of ten of the last one, so
// that 0.10 is 010 × 10^-2 and 2.5e3 is 25 × 10^2.
struct WrittenNumber {
    bool negative = false;
    std::string digits;
    long long exponent = 0;
};

std::optional<WrittenNumber> ReadWrittenNumber(std::string_view text) {
    WrittenNumber number;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        number.negative = text.front() == '-';
        text.remove_prefix(1);
    }
    bool point = false;
    std::size_t at = 0;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c >= '0' && c <= '9') {
            number.digits += c;
            number.exponent -= point ? 1 : 0;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (number.digits.empty()) {
        return std::nullopt;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::string_view power = text.substr(at + 1);
        const bool below = power.starts_with('-');
        power.remove_prefix(power.starts_with('-') || power.starts_with('+') ? 1 : 0);
        if (power.empty() || power.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        // Powers beyond a few thousand are held at that, which is far outside every range.
        long long value = 0;
        for (const char c : power) {
            value = std::min(value * 10 + (c - '0'), 100000LL);
        }
        number.exponent += below ? -value : value;
        at = text.size();
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return number;
}

// The decimals the number was written with, 0.10 having two.
long long DecimalsOf(const WrittenNumber& number) {
    return std::max(0LL, -number.exponent);
}

// The number as a whole count of 10^-decimals, for a number of at most kMostWholeDigits digits
// before its point and at most kMostDecimals decimals.
std::int64_t Units(const WrittenNumber& number, int decimals) {
    std::int64_t units = 0;
    for (const char c : number.digits) {
        units = units * 10 + (c - '0');
    }
    for (long long power = number.exponent + decimals; power > 0; --power) {
        units *= 10;
    }
    return number.negative ? -units : units;
}

// The number of digits before the point, leading zeros not counted.
long long WholeDigits(const WrittenNumber& number) {
    const std::size_t first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        return 0;
    }
    return static_cast<long long>(number.digits.size() - first) + number.exponent;
}

// A count of 10^-decimals as text with that many decimals, or none for a whole value of a
// whole-number input.
std::string UnitsText(std::int64_t units, int decimals, ValueKind kind) {
    std::int64_t scale = 1;
    for (int i = 0; i < decimals; ++i) {
        scale *= 10;
    }
    const std::uint64_t magnitude =
        units < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(units) : std::uint64_t(units);
    std::string text = (units < 0 ? "-" : "") + std::to_string(magnitude / scale);
    const std::uint64_t fraction = magnitude % scale;
    if (decimals > 0 && !(kind == ValueKind::kWholeNumber && fraction == 0)) {
        std::string digits = std::to_string(fraction);
        text += "." + std::string(static_cast<std::size_t>(decimals) - digits.size(), '0') + digits;
    }
    return text;
}

}  // namespace

SweepRange ParseSweepRange(std::string_view option, std::string_view text,
                           const EstimateInputs& base, Pricing pricing,
                           const HeatPumpOptionValues& heat_pump) {
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
    const std::optional<VariedInput> input = FindInput(range.name, pricing);
    if (!input) {
        throw UsageError(quoted + ": '" + range.name +
                         "' is not an input that can vary; the inputs are " +
                         AcceptedNames(pricing));
    }
    range.kind = input->kind;
    WrittenNumber numbers[3];
    long long decimals = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::optional<WrittenNumber> number = ReadWrittenNumber(parts[i]);
        if (!number) {
            throw UsageError(quoted + ": '" + std::string(parts[i]) + "' is not a number");
        }
        numbers[i] = *number;
        decimals = std::max(decimals, DecimalsOf(*number));
    }
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (DecimalsOf(numbers[i]) > kMostDecimals) {
            throw UsageError(
                quoted + ": '" + std::string(parts[i]) + "' has " +
                std::to_string(DecimalsOf(numbers[i])) + " decimals; a sweep steps by at most " +
                std::to_string(kMostDecimals) + ", finer than the calculation tells apart");
        }
        if (WholeDigits(numbers[i]) > kMostWholeDigits) {
            throw UsageError(quoted + ": '" + std::string(parts[i]) +
                             "' is larger than any input takes");
        }
    }
    const int places = static_cast<int>(decimals);
    const std::int64_t from = Units(numbers[0], places);
    const std::int64_t to = Units(numbers[1], places);
    const std::int64_t step = Units(numbers[2], places);
    const std::string to_text(parts[1]);
    if (step == 0) {
        throw UsageError(quoted + ": a step of 0 never reaches " + to_text);
    }
    if ((to - from != 0) && ((to - from < 0) != (step < 0))) {
        throw UsageError(quoted + ": a step of " + std::string(parts[2]) + " from " +
                         std::string(parts[0]) + " moves away from " + to_text +
                         "; give the step the other sign");
    }
    // Counted exactly, in units of the last decimal: the steps land on TO or they do not.
    const std::int64_t count = (to - from) / step;
    if (count + 1 > kMaxSweepSteps) {
        throw UsageError(quoted + ": more than " + std::to_string(kMaxSweepSteps) +
                         " steps; give a larger step");
    }
    if ((to - from) % step != 0) {
        throw UsageError(quoted + ": steps of " + std::string(parts[2]) + " from " +
                         std::string(parts[0]) + " pass " + to_text +
                         " without landing on it; give a step that divides the range");
    }
    range.steps.reserve(static_cast<std::size_t>(count) + 1);
    for (std::int64_t i = 0; i <= count; ++i) {
        SweepStep step_i;
        step_i.text = UnitsText(from + i * step, places, input->kind);
        std::from_chars(step_i.text.data(), step_i.text.data() + step_i.text.size(), step_i.value);
        step_i.inputs = base;
        step_i.heat_pump_given = heat_pump;
        input->set(step_i.inputs, step_i.heat_pump_given, step_i.text);
        if (pricing == Pricing::kHeatPump) {
            step_i.heat_pump = MakeHeatPumpSettings(step_i.heat_pump_given, step_i.inputs);
        }
        // The calculation takes a real input in single precision; two steps that it cannot
        // tell apart would be the same row twice.
        if (i > 0 && input->kind == ValueKind::kReal &&
            static_cast<float>(step_i.value) == static_cast<float>(range.steps.back().value)) {
            char held[32];
            std::snprintf(held, sizeof held, "%.9g",
                          static_cast<double>(static_cast<float>(step_i.value)));
            throw UsageError(quoted + ": the steps " + range.steps.back().text + " and " +
                             step_i.text + " are the same value, " + held +
                             ", in the single precision the calculation holds " + range.name +
                             " in; give a larger step");
        }
        range.steps.push_back(std::move(step_i));
    }
    return range;
}

}  // namespace heatwise::cli
