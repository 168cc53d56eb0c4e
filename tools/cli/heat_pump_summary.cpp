#include "heat_pump_summary.h"

#include "heat_pump_text.h"

namespace heatwise::cli {

namespace {

JsonDocument OptionalJson(const std::optional<double>& value) {
    return value ? JsonDocument(*value) : JsonDocument(nullptr);
}

std::string OptionalField(const std::optional<double>& value) {
    return value ? ShortText(*value) : std::string();
}

std::optional<double> Midpoint(const HeatPumpResult& result) {
    if (!result.coldest_running_midpoint) {
        return std::nullopt;
    }
    return static_cast<double>(*result.coldest_running_midpoint);
}

}  // namespace

void AddHeatPumpFigures(const HeatPumpResult& r, JsonDocument& document) {
    JsonDocument balance = JsonDocument::array();
    for (const std::optional<double>& point : r.balance_points) {
        balance.push_back(OptionalJson(point));
    }
    document["heat_needed_mmbtu"] = r.heat_needed_mmbtu;
    document["heat_pump_heat_mmbtu"] = r.heat_pump_heat_mmbtu;
    document["backup_heat_mmbtu"] = r.backup_heat_mmbtu;
    document["heat_pump_kwh"] = r.heat_pump_kwh;
    document["backup_kwh"] = r.backup_kwh;
    document["backup_fuel_units"] = r.backup_fuel_units;
    document["backup_share"] = OptionalJson(r.backup_share);
    document["seasonal_cop"] = OptionalJson(r.seasonal_cop);
    document["hspf"] = OptionalJson(r.hspf);
    document["balance_points"] = balance;
    document["switchover"] = r.coldest_running_midpoint ? JsonDocument(*r.coldest_running_midpoint)
                                                        : JsonDocument(nullptr);
    document["heat_pump_cost"] = r.heat_pump_cost;
    document["furnace_cost"] = r.furnace_cost;
    document["savings"] = r.savings;
    document["break_even_rate"] = OptionalJson(r.break_even_rate);
    document["cooling_cost"] = r.cooling_cost;
}

std::vector<std::string> HeatPumpFigureColumns() {
    return {"heat_needed_mmbtu", "heat_pump_heat_mmbtu", "backup_heat_mmbtu",
            "heat_pump_kwh",     "backup_kwh",           "backup_fuel_units",
            "backup_share",      "seasonal_cop",         "hspf",
            "balance_point_1",   "balance_point_2",      "balance_point_3",
            "switchover",        "heat_pump_cost",       "furnace_cost",
            "savings",           "break_even_rate",      "cooling_cost"};
}

std::vector<std::string> HeatPumpFigureFields(const HeatPumpResult& r) {
    return {ShortText(r.heat_needed_mmbtu),
            ShortText(r.heat_pump_heat_mmbtu),
            ShortText(r.backup_heat_mmbtu),
            ShortText(r.heat_pump_kwh),
            ShortText(r.backup_kwh),
            ShortText(r.backup_fuel_units),
            OptionalField(r.backup_share),
            OptionalField(r.seasonal_cop),
            OptionalField(r.hspf),
            OptionalField(r.balance_points[0]),
            OptionalField(r.balance_points[1]),
            OptionalField(r.balance_points[2]),
            OptionalField(Midpoint(r)),
            std::to_string(r.heat_pump_cost),
            std::to_string(r.furnace_cost),
            std::to_string(r.savings),
            OptionalField(r.break_even_rate),
            std::to_string(r.cooling_cost)};
}

std::string OptionalText(const std::optional<double>& value, int decimals) {
    return value ? FixedText(*value, decimals) : std::string("none");
}

std::string BalancePointsText(const HeatPumpResult& result) {
    std::string text;
    for (const std::optional<double>& point : result.balance_points) {
        text += (text.empty() ? "" : ", ") + (point ? FixedText(*point, 1) + " F" : "none");
    }
    return text;
}

}  // namespace heatwise::cli
