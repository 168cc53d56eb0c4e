#include "heat_pump_options.h"

#include <charconv>
#include <string>
#include <vector>

#include "option_groups.h"
#include "value_parsing.h"

namespace heatwise::cli {

namespace {

// The whole text as a finite number, or none.
std::optional<double> NumberOf(std::string_view text) {
    if (text.starts_with('+')) {
        text.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A rated capacity or COP. A value of 0 or less is no rating at all: the message says why before
// it gives the range.
double ParseRating(std::string_view option, std::string_view text, const RealRange& range,
                   std::string_view what) {
    if (const std::optional<double> value = NumberOf(text); value && !(*value > 0.0)) {
        throw UsageError(std::string(option) + ": '" + std::string(text) +
                         "' is not above 0: a unit that heats at a rating point has a " +
                         std::string(what) + " above 0 there; the accepted range is " +
                         DescribeRange(range, RangeDetail::kWords));
    }
    return ParseDouble(option, text, range);
}

template <GivenPoint HeatPumpOptionValues::*kPoint>
void ReadCapacity(HeatPumpOptionValues& values, std::string_view option, std::string_view text) {
    (values.*kPoint).capacity = ParseRating(option, text, kHeatPumpRanges.capacity, "capacity");
}

template <GivenPoint HeatPumpOptionValues::*kPoint>
void ReadCop(HeatPumpOptionValues& values, std::string_view option, std::string_view text) {
    (values.*kPoint).cop = ParseRating(option, text, kHeatPumpRanges.cop, "COP");
}

void ReadCd(HeatPumpOptionValues& values, std::string_view option, std::string_view text) {
    values.cycling_degradation = ParseDouble(option, text, kHeatPumpRanges.cycling_degradation);
}

void ReadSwitchover(HeatPumpOptionValues& values, std::string_view option, std::string_view text) {
    if (Lower(text) == "auto") {
        values.switchover = {SwitchoverRule::kAuto, 0.0};
        return;
    }
    if (!NumberOf(text)) {
        throw UsageError(std::string(option) + ": '" + std::string(text) +
                         "' is neither a temperature, F, nor auto");
    }
    values.switchover = {SwitchoverRule::kAtTemperature,
                         ParseDouble(option, text, kHeatPumpRanges.switchover_temperature)};
}

void ReadCutout(HeatPumpOptionValues& values, std::string_view option, std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos || text.find(',', comma + 1) != std::string_view::npos) {
        throw UsageError(std::string(option) + ": '" + std::string(text) +
                         "' is not two temperatures T_OFF,T_ON, F, where the compressor stops "
                         "and where it comes back on, such as 5,10");
    }
    const RealRange& range = kHeatPumpRanges.cutout_temperature;
    values.cutout = CompressorCutout{
        ParseDouble(std::string(option) + " (cut-out)", text.substr(0, comma), range),
        ParseDouble(std::string(option) + " (cut-in)", text.substr(comma + 1), range)};
}

constexpr Named<BackupHeat> kBackups[] = {{"electric", BackupHeat::kElectricResistance},
                                          {"fuel", BackupHeat::kFurnace}};

constexpr HeatPumpValueInput kValueInputs[] = {
    {"capacity47", ReadCapacity<&HeatPumpOptionValues::at47>},
    {"cop47", ReadCop<&HeatPumpOptionValues::at47>},
    {"capacity17", ReadCapacity<&HeatPumpOptionValues::at17>},
    {"cop17", ReadCop<&HeatPumpOptionValues::at17>},
    {"capacity35", ReadCapacity<&HeatPumpOptionValues::at35>},
    {"cop35", ReadCop<&HeatPumpOptionValues::at35>},
    {"capacity5", ReadCapacity<&HeatPumpOptionValues::at5>},
    {"cop5", ReadCop<&HeatPumpOptionValues::at5>},
    {"cd", ReadCd},
    {"switchover", ReadSwitchover},
};

// The switchover hands bins to the furnace, so only the commands of the heating season take it.
bool BackupControl(const HeatPumpValueInput& input) {
    return input.name == "switchover";
}

struct PointName {
    const char* temperature;
    GivenPoint HeatPumpOptionValues::*point;
};
constexpr PointName kOptionalPoints[] = {{"35", &HeatPumpOptionValues::at35},
                                         {"5", &HeatPumpOptionValues::at5}};

RatingPoint Whole(const GivenPoint& point) {
    return {*point.capacity, *point.cop};
}

}  // namespace

void AddHeatPumpOptions(CommandLine& command_line, HeatPumpOptionValues& values,
                        HeatPumpOptionSet set) {
    for (const HeatPumpValueInput& input : kValueInputs) {
        if (set == HeatPumpOptionSet::kUnit && BackupControl(input)) {
            continue;
        }
        command_line.AddValue("--" + std::string(input.name), ValueShape::kNumber,
                              [&values, &input](std::string_view option, std::string_view v) {
                                  input.read(values, option, v);
                              });
    }
    command_line.AddValue(
        "--cutout", ValueShape::kNumber,
        [&values](std::string_view option, std::string_view v) { ReadCutout(values, option, v); });
    if (set == HeatPumpOptionSet::kUnitAndBackup) {
        command_line.AddValue("--backup", ValueShape::kWord,
                              [&values](std::string_view option, std::string_view v) {
                                  values.backup = ParseChoice<BackupHeat>(option, v, kBackups);
                              });
    }
}

void RefuseHeatPumpOptions(CommandLine& command_line, std::string_view command) {
    std::vector<std::string> names = {"cutout", "backup"};
    for (const HeatPumpValueInput& input : kValueInputs) {
        names.emplace_back(input.name);
    }
    for (const std::string& name : names) {
        command_line.AddValue(
            "--" + name, ValueShape::kNumber, [command](std::string_view option, std::string_view) {
                throw UsageError(std::string(option) + ": " + std::string(command) +
                                 " prices a heat pump only with --heat-pump");
            });
    }
}

std::span<const HeatPumpValueInput> HeatPumpValueInputs() {
    return kValueInputs;
}

HeatPumpRatings MakeRatings(const HeatPumpOptionValues& values) {
    std::vector<std::string> missing;
    for (const auto& [name, given] :
         {std::pair{"--capacity47", values.at47.capacity}, std::pair{"--cop47", values.at47.cop},
          std::pair{"--capacity17", values.at17.capacity}, std::pair{"--cop17", values.at17.cop}}) {
        if (!given) {
            missing.emplace_back(name);
        }
    }
    if (!missing.empty()) {
        std::string list;
        for (std::size_t i = 0; i < missing.size(); ++i) {
            list += (i == 0 ? "" : i + 1 == missing.size() ? " and " : ", ") + missing[i];
        }
        throw UsageError(
            "the heat pump is described by its ratings at 47 and 17 F, its capacity "
            "and COP at each: " +
            list + (missing.size() == 1 ? " is" : " are") + " missing");
    }
    HeatPumpRatings ratings{Whole(values.at47), Whole(values.at17), std::nullopt, std::nullopt};
    for (const PointName& point : kOptionalPoints) {
        const GivenPoint& given = values.*point.point;
        const std::string capacity = std::string("--capacity") + point.temperature;
        const std::string cop = std::string("--cop") + point.temperature;
        if (given.capacity.has_value() != given.cop.has_value()) {
            throw UsageError((given.capacity ? capacity : cop) + " is given without " +
                             (given.capacity ? cop : capacity) +
                             ": a rating point is a capacity and a COP together");
        }
        if (given.capacity) {
            (point.point == &HeatPumpOptionValues::at35 ? ratings.at35 : ratings.at5) =
                Whole(given);
        }
    }
    return ratings;
}

HeatPumpSettings MakeHeatPumpSettings(const HeatPumpOptionValues& values,
                                      const EstimateInputs& inputs) {
    HeatPumpSettings settings{MakeRatings(values), values.cycling_degradation, values.cutout,
                              values.backup, values.switchover};
    // The model checks the furnace against the form's fuel and efficiency; the city's hours below
    // 0 °F are checked once the climate files have been read.
    HeatPumpInput check;
    check.form.fuel = inputs.fuel;
    check.form.heat_efficiency = inputs.heat_efficiency;
    check.unit = settings;
    if (const std::optional<HeatPumpProblem> problem = CheckHeatPumpInput(check)) {
        const bool hint =
            problem->field == HeatPumpField::kSwitchover && settings.backup != BackupHeat::kFurnace;
        throw UsageError(std::string(OptionOf(problem->field)) + ": " + problem->message +
                         (hint ? " (give --backup fuel for the furnace)" : ""));
    }
    return settings;
}

std::string_view OptionOf(HeatPumpField field) {
    switch (field) {
        case HeatPumpField::kCapacity47:
            return "--capacity47";
        case HeatPumpField::kCop47:
            return "--cop47";
        case HeatPumpField::kCapacity17:
            return "--capacity17";
        case HeatPumpField::kCop17:
            return "--cop17";
        case HeatPumpField::kCapacity35:
            return "--capacity35";
        case HeatPumpField::kCop35:
            return "--cop35";
        case HeatPumpField::kCapacity5:
            return "--capacity5";
        case HeatPumpField::kCop5:
            return "--cop5";
        case HeatPumpField::kCyclingDegradation:
            return "--cd";
        case HeatPumpField::kCutout:
            return "--cutout";
        case HeatPumpField::kSwitchover:
            return "--switchover";
        case HeatPumpField::kFuel:
            return "--fuel";
        case HeatPumpField::kHeatEfficiency:
            return "--heat-eff";
        case HeatPumpField::kColdHours:
            return kColdBinFileName;
        case HeatPumpField::kRegion:
            return "--region";
        case HeatPumpField::kDesignHeatingRequirement:
            return "--dhr";
    }
    return "";
}

}  // namespace heatwise::cli
