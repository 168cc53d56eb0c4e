#include "heat_pump_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "cli_options.h"
#include "engine/fuels.h"
#include "inputs_text.h"

namespace heatwise::cli {

namespace {

std::string Degree(Degrees degrees) {
    return degrees == Degrees::kSign ? " °F" : " F";
}

// The value's text, or its range where a sweep varies the input of this name.
std::string ValueOrRange(const VariedRange& varied, std::string_view name, std::string text) {
    return varied.name == name ? std::string(varied.from) + " to " + std::string(varied.to) : text;
}

std::string PointText(const RatingPoint& point, std::string_view temperature, Degrees degrees,
                      const VariedRange& varied) {
    const std::string at(temperature);
    return ValueOrRange(varied, "capacity" + at, ShortText(point.capacity)) + " BTUh at COP " +
           ValueOrRange(varied, "cop" + at, ShortText(point.cop)) + " at " + at + Degree(degrees);
}

}  // namespace

std::string ShortText(double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value + 0.0);
    return std::string(buffer, result.ptr);
}

std::string FixedText(double value, int decimals) {
    // A value that rounds to 0 is written 0, never -0, whatever its sign.
    if (std::abs(value) < 0.5 * std::pow(10.0, -decimals)) {
        value = 0.0;
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value + 0.0);
    return buffer;
}

std::string UnitText(const HeatPumpSettings& unit, Degrees degrees, const VariedRange& varied) {
    const HeatPumpRatings& ratings = unit.ratings;
    std::string text = PointText(ratings.at47, "47", degrees, varied) + ", " +
                       PointText(ratings.at17, "17", degrees, varied);
    text += ratings.at35 ? ", " + PointText(*ratings.at35, "35", degrees, varied)
                         : ", the 35" + Degree(degrees) + " point by the frost default";
    if (ratings.at5) {
        text += ", " + PointText(*ratings.at5, "5", degrees, varied);
    }
    text += "; Cd " + ValueOrRange(varied, "cd", ShortText(unit.cycling_degradation)) + "; ";
    if (unit.cutout) {
        text += "cut-out at " + ShortText(unit.cutout->off) + Degree(degrees) + ", back on above " +
                ShortText(unit.cutout->on) + Degree(degrees);
    } else {
        text += "no cut-out";
    }
    return text;
}

std::string FurnaceText(const EstimateInputs& inputs, const VariedRange& varied) {
    return "the " + std::string(FuelName(inputs.fuel)) + " furnace at " +
           ValueOrRange(varied, "heat-eff", std::to_string(inputs.heat_efficiency)) + " %";
}

std::string BackupText(const HeatPumpSettings& unit, const EstimateInputs& inputs,
                       Degrees degrees) {
    if (unit.backup == BackupHeat::kElectricResistance) {
        return "backup electric resistance";
    }
    std::string text = "backup " + FurnaceText(inputs) + ", ";
    switch (unit.switchover.rule) {
        case SwitchoverRule::kNone:
            return text + "no switchover";
        case SwitchoverRule::kAtTemperature:
            return text + "switchover at " + ShortText(unit.switchover.temperature) +
                   Degree(degrees);
        case SwitchoverRule::kAuto:
            break;
    }
    return text + "switchover where the furnace heats for less";
}

std::string UnitSummary(const HeatPumpSettings& unit, const EstimateInputs& inputs,
                        const VariedRange& varied) {
    // A value, or its range where the sweep varies it.
    const auto value = [&varied](std::string_view name, const std::string& text,
                                 std::string_view prefix = {}) {
        return varied.name == name ? std::string(varied.from) + " to " + std::string(prefix) +
                                         std::string(varied.to)
                                   : text;
    };
    const auto point = [&value](const RatingPoint& p, std::string_view temperature) {
        const std::string at(temperature);
        return value("capacity" + at, ShortText(p.capacity)) + "/" +
               value("cop" + at, ShortText(p.cop)) + " at " + at + " °F";
    };
    const HeatPumpRatings& r = unit.ratings;
    std::string text = "BTUh/COP " + point(r.at47, "47") + ", " + point(r.at17, "17");
    for (const auto& [rating, temperature] : {std::pair{&r.at35, "35"}, std::pair{&r.at5, "5"}}) {
        if (*rating) {
            text += ", " + point(**rating, temperature);
        }
    }
    if (varied.name == "cd" || unit.cycling_degradation != kDefaultCyclingDegradation) {
        text += "; Cd " + value("cd", ShortText(unit.cycling_degradation));
    }
    if (unit.backup == BackupHeat::kElectricResistance) {
        text += "; backup electric";
    } else {
        text +=
            "; backup furnace " + value("heat-eff", std::to_string(inputs.heat_efficiency)) + " %";
        if (unit.switchover.rule == SwitchoverRule::kAuto) {
            text += ", switchover auto";
        } else if (unit.switchover.rule == SwitchoverRule::kAtTemperature) {
            text += ", switchover " + value("switchover", ShortText(unit.switchover.temperature)) +
                    " °F";
        }
    }
    text += "; electricity $" + value("rate", RealText(inputs.electric_rate), "$") + "/kWh";
    if (inputs.fuel != HeatingFuel::kElectricity) {
        text += ", " + std::string(FuelKey(inputs.fuel)) + " $" +
                value("fuel-price", RealText(inputs.fuel_price), "$") + "/" +
                std::string(FuelUnit(inputs.fuel));
    }
    return text;
}

std::string_view StateText(HeatPumpState state) {
    switch (state) {
        case HeatPumpState::kRuns:
            return "runs";
        case HeatPumpState::kCycling:
            return "cycles";
        case HeatPumpState::kCutOut:
            return "cut out";
        case HeatPumpState::kNoOutput:
            return "gives nothing";
        case HeatPumpState::kSwitchedOver:
            return "furnace";
    }
    return "";
}

std::string_view BackupKey(BackupHeat backup) {
    return backup == BackupHeat::kFurnace ? "fuel" : "electric";
}

std::string_view StateKey(HeatPumpState state) {
    switch (state) {
        case HeatPumpState::kRuns:
            return "runs";
        case HeatPumpState::kCycling:
            return "cycling";
        case HeatPumpState::kCutOut:
            return "cut_out";
        case HeatPumpState::kNoOutput:
            return "no_output";
        case HeatPumpState::kSwitchedOver:
            return "switched_over";
    }
    return "";
}

std::string_view BackupEnergyUnit(const HeatPumpSettings& unit, HeatingFuel fuel) {
    return unit.backup == BackupHeat::kFurnace ? FuelUnit(fuel) : "kWh";
}

}  // namespace heatwise::cli
