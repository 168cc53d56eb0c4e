#include "inputs_text.h"

#include <charconv>
#include <cstdio>

#include "engine/fuels.h"

namespace heatwise::cli {

namespace {

std::string FixedText(float value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, static_cast<double>(value));
    return buffer;
}

bool ReadsBackAs(const std::string& text, float value) {
    float read = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return read == value;
}

}  // namespace

std::string RealText(float value) {
    // A float reads back from at most 9 significant digits; a value of the form's ranges has
    // at most 6 before its point.
    for (int decimals = 2; decimals < 15; ++decimals) {
        const std::string text = FixedText(value, decimals);
        if (ReadsBackAs(text, value)) {
            return text;
        }
    }
    return FixedText(value, 15);
}

std::string ShiftText(const std::array<std::int32_t, kShiftCount>& values, std::string_view gap) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text.append(gap);
        }
        text.append(std::to_string(values[i]));
    }
    return text;
}

std::string InputsLines(const EstimateInputs& in) {
    return "Thermostat hours " + ShiftText(in.thermostat_hours, " ") + ", summer " +
           ShiftText(in.summer_setpoint, " ") + ", winter " + ShiftText(in.winter_setpoint, " ") +
           " F\n" + "Cooling " + std::to_string(in.cool_capacity) + " BTUh at EER " +
           RealText(in.cool_eer) + "; heating " + std::to_string(in.heat_capacity) + " BTUh at " +
           std::to_string(in.heat_efficiency) + " %\n" + "Electric rate " +
           RealText(in.electric_rate) + " $/kWh; fuel price " + RealText(in.fuel_price) +
           " $/unit\n";
}

std::string InputsSummary(const EstimateInputs& in, InputsSeason season,
                          const VariedRange& varied) {
    // An input's value, or its range when the sweep varies it; `unit` follows the value.
    const auto value = [&varied](std::string_view name, const std::string& text,
                                 std::string_view prefix, std::string_view unit) {
        if (varied.name == name) {
            return std::string(prefix) + std::string(varied.from) + " to " + std::string(prefix) +
                   std::string(varied.to) + std::string(unit);
        }
        return std::string(prefix) + text + std::string(unit);
    };
    // The three shifts' values, the varied shift's or all three given by the range.
    const auto shifts = [&varied](std::string_view name,
                                  const std::array<std::int32_t, kShiftCount>& values) {
        const std::string range = std::string(varied.from) + " to " + std::string(varied.to);
        if (varied.name == name) {
            return range + " in every shift";
        }
        std::string text;
        for (std::size_t s = 0; s < kShiftCount; ++s) {
            const bool this_shift = varied.name.size() == name.size() + 1 &&
                                    varied.name.starts_with(name) &&
                                    varied.name.back() == static_cast<char>('1' + s);
            text +=
                (s == 0 ? "" : " ") + (this_shift ? "(" + range + ")" : std::to_string(values[s]));
        }
        return text;
    };
    const bool electric = in.fuel == HeatingFuel::kElectricity;
    const std::string rate = value("rate", RealText(in.electric_rate), "$", "/kWh");
    const std::string fuel_price =
        value("fuel-price", RealText(in.fuel_price), "$", "/" + std::string(FuelUnit(in.fuel)));
    const std::string hours = "thermostat hours " + shifts("hours", in.thermostat_hours);
    switch (season) {
        case InputsSeason::kCooling:
            return "Cooling " + value("cool-capacity", std::to_string(in.cool_capacity), "", "") +
                   " BTUh at EER " + value("eer", RealText(in.cool_eer), "", "") +
                   ", electric rate " + rate + "; " + hours + ", summer setpoints " +
                   shifts("summer", in.summer_setpoint) + " °F";
        case InputsSeason::kHeating:
            return "Heating fuel " + std::string(FuelName(in.fuel)) + " at " +
                   (electric ? "the electric rate " + rate : fuel_price) + ", " +
                   value("heat-capacity", std::to_string(in.heat_capacity), "", "") + " BTUh at " +
                   value("heat-eff", std::to_string(in.heat_efficiency), "", " %") + "; " + hours +
                   ", winter setpoints " + shifts("winter", in.winter_setpoint) + " °F";
        case InputsSeason::kBoth:
            break;
    }
    // Electric heating is paid at the electric rate; the fuel price does not apply.
    return "Heating fuel " + std::string(FuelName(in.fuel)) +
           (electric ? std::string() : " at " + fuel_price) + ", electric rate " + rate + ", EER " +
           value("eer", RealText(in.cool_eer), "", "") + ", heating efficiency " +
           value("heat-eff", std::to_string(in.heat_efficiency), "", " %");
}

}  // namespace heatwise::cli
