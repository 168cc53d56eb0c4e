#include "cli_options.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

namespace heatwise::cli {

namespace {

// An option of one command: its name, whether it takes a value, and what it does with it.
struct OptionRule {
    std::string_view name;
    bool takes_value;
    std::function<void(std::string_view option, std::string_view value)> apply;
};

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Walks the arguments, applying each option; "--name value" and "--name=value" are the same.
// Arguments that are not options go to `positional`, which refuses them when it is empty.
void ApplyOptions(std::span<const std::string_view> args, std::span<const OptionRule> rules,
                  const std::function<void(std::string_view)>& positional) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!arg.starts_with("--")) {
            if (!positional) {
                throw UsageError("unexpected argument '" + std::string(arg) + "'");
            }
            positional(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        const auto rule = std::ranges::find(rules, name, &OptionRule::name);
        if (rule == rules.end()) {
            throw UsageError("unknown option '" + std::string(name) + "'");
        }
        std::optional<std::string_view> value;
        if (equals != std::string_view::npos) {
            value = arg.substr(equals + 1);
        } else if (rule->takes_value) {
            if (i + 1 == args.size()) {
                throw UsageError(std::string(name) + " needs a value");
            }
            value = args[++i];
        }
        if (rule->takes_value != value.has_value()) {
            throw UsageError(std::string(name) + " takes no value");
        }
        rule->apply(name, value.value_or(""));
    }
}

template <typename Choice>
struct Named {
    std::string_view name;
    Choice choice;
};

template <typename Choice>
Choice ParseChoice(std::string_view option, std::string_view text,
                   std::span<const Named<Choice>> choices) {
    const std::string wanted = Lower(text);
    std::string accepted;
    for (const Named<Choice>& named : choices) {
        if (wanted == named.name) {
            return named.choice;
        }
        accepted += (accepted.empty() ? "" : ", ") + std::string(named.name);
    }
    throw UsageError(std::string(option) + ": '" + std::string(text) + "' is not one of " +
                     accepted);
}

constexpr Named<CalcMode> kModes[] = {{"cooling", CalcMode::kCooling},
                                      {"heating", CalcMode::kHeating}};

constexpr Named<HeatingFuel> kFuels[] = {{"electricity", HeatingFuel::kElectricity},
                                         {"oil", HeatingFuel::kFuelOil},
                                         {"propane", HeatingFuel::kPropane},
                                         {"gas", HeatingFuel::kNaturalGas}};

// The inputs of the form, shared by estimate and compare.
void AddInputRules(std::vector<OptionRule>& rules, FormInputs& inputs,
                   std::filesystem::path& data_dir) {
    rules.push_back({"--hours", true, [&inputs](std::string_view option, std::string_view v) {
                         inputs.thermostat_hours =
                             ParseShiftTriple(option, v, kThermostatHoursRange);
                     }});
    rules.push_back({"--summer", true, [&inputs](std::string_view option, std::string_view v) {
                         inputs.summer_setpoint = ParseShiftTriple(option, v, kSummerSetpointRange);
                     }});
    rules.push_back({"--winter", true, [&inputs](std::string_view option, std::string_view v) {
                         inputs.winter_setpoint = ParseShiftTriple(option, v, kWinterSetpointRange);
                     }});
    rules.push_back(
        {"--cool-capacity", true, [&inputs](std::string_view option, std::string_view v) {
             inputs.cool_capacity = ParseWholeNumber(option, v, kCapacityRange);
         }});
    rules.push_back(
        {"--heat-capacity", true, [&inputs](std::string_view option, std::string_view v) {
             inputs.heat_capacity = ParseWholeNumber(option, v, kCapacityRange);
         }});
    rules.push_back({"--heat-eff", true, [&inputs](std::string_view option, std::string_view v) {
                         inputs.heat_efficiency = ParseWholeNumber(option, v, kHeatEfficiencyRange);
                     }});
    rules.push_back({"--rate", true, [&inputs](std::string_view option, std::string_view v) {
                         inputs.electric_rate = ParseReal(option, v, kElectricRateRange);
                     }});
    rules.push_back({"--fuel-price", true, [&inputs](std::string_view option, std::string_view v) {
                         inputs.fuel_price = ParseReal(option, v, kFuelPriceRange);
                     }});
    rules.push_back({"--eer", true, [&inputs](std::string_view option, std::string_view v) {
                         inputs.cool_eer = ParseReal(option, v, kCoolEerRange);
                     }});
    rules.push_back({"--data-dir", true, [&data_dir](std::string_view, std::string_view v) {
                         data_dir = std::filesystem::path(v);
                     }});
}

// Without --data-dir the climate files come from the folder that HEATWISE_DATA_DIR names, as
// the installed launcher sets it to the installation's own folder, else from the working
// folder, where the application itself reads them.
std::filesystem::path DefaultDataDir() {
    const char* folder = std::getenv("HEATWISE_DATA_DIR");
    return folder != nullptr ? std::filesystem::path(folder) : std::filesystem::path();
}

void AddOutputRules(std::vector<OptionRule>& rules, bool& json, bool& csv) {
    rules.push_back(
        {"--json", false, [&json](std::string_view, std::string_view) { json = true; }});
    rules.push_back({"--csv", false, [&csv](std::string_view, std::string_view) { csv = true; }});
}

OutputFormat ChosenFormat(bool json, bool csv) {
    if (json && csv) {
        throw UsageError("--json and --csv cannot be combined; choose one");
    }
    return json ? OutputFormat::kJson : csv ? OutputFormat::kCsv : OutputFormat::kTable;
}

}  // namespace

std::string_view FuelKey(HeatingFuel fuel) {
    for (const Named<HeatingFuel>& named : kFuels) {
        if (named.choice == fuel) {
            return named.name;
        }
    }
    return "none";
}

std::string_view ModeKey(CalcMode mode) {
    return mode == CalcMode::kCooling ? "cooling" : "heating";
}

EstimateOptions ParseEstimateOptions(std::span<const std::string_view> args) {
    EstimateOptions options;
    bool json = false;
    bool csv = false;
    options.data_dir = DefaultDataDir();
    std::vector<OptionRule> rules;
    AddInputRules(rules, options.inputs, options.data_dir);
    AddOutputRules(rules, json, csv);
    rules.push_back({"--city", true, [&options](std::string_view option, std::string_view v) {
                         options.inputs.city = ParseCity(option, v);
                     }});
    rules.push_back({"--mode", true, [&options](std::string_view option, std::string_view v) {
                         options.inputs.mode = ParseChoice<CalcMode>(option, v, kModes);
                     }});
    rules.push_back({"--fuel", true, [&options](std::string_view option, std::string_view v) {
                         if (Lower(v) == "all") {
                             options.fuels = FuelSelection::kAll;
                             return;
                         }
                         options.fuels = FuelSelection::kChosen;
                         options.inputs.fuel = ParseChoice<HeatingFuel>(option, v, kFuels);
                     }});
    ApplyOptions(args, rules, {});
    options.format = ChosenFormat(json, csv);
    return options;
}

CompareOptions ParseCompareOptions(std::span<const std::string_view> args) {
    CompareOptions options;
    bool json = false;
    bool csv = false;
    options.data_dir = DefaultDataDir();
    std::vector<OptionRule> rules;
    AddInputRules(rules, options.inputs, options.data_dir);
    AddOutputRules(rules, json, csv);
    rules.push_back({"--fuel", true, [&options](std::string_view option, std::string_view v) {
                         options.inputs.fuel = ParseChoice<HeatingFuel>(option, v, kFuels);
                     }});
    rules.push_back({"--sort", true, [&options](std::string_view option, std::string_view v) {
                         static constexpr Named<CompareOrder> kOrders[] = {
                             {"list", CompareOrder::kList},
                             {"cooling", CompareOrder::kCooling},
                             {"heating", CompareOrder::kHeating},
                             {"name", CompareOrder::kName}};
                         options.order = ParseChoice<CompareOrder>(option, v, kOrders);
                     }});
    rules.push_back({"--city", true, [](std::string_view, std::string_view) {
                         throw UsageError(
                             "--city: compare covers all 211 cities; use estimate "
                             "for one city");
                     }});
    rules.push_back({"--mode", true, [](std::string_view, std::string_view) {
                         throw UsageError(
                             "--mode: compare works out the cooling cost in mode "
                             "cooling and the heating cost in mode heating");
                     }});
    ApplyOptions(args, rules, {});
    options.format = ChosenFormat(json, csv);
    return options;
}

BinsOptions ParseBinsOptions(std::span<const std::string_view> args) {
    BinsOptions options;
    bool named = false;
    ApplyOptions(args, {}, [&](std::string_view file) {
        if (named) {
            throw UsageError("bins takes one weather file, not also '" + std::string(file) + "'");
        }
        options.weather_file = std::filesystem::path(file);
        named = true;
    });
    if (!named) {
        throw UsageError("bins needs the weather file to read (a TMY3 CSV or EPW file)");
    }
    return options;
}

}  // namespace heatwise::cli
