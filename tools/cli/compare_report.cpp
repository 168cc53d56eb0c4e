#include "compare_report.h"

#include <algorithm>
#include <cctype>
#include <iomanip>
#include <string>

#include "csv_line.h"
#include "engine/city_list.h"
#include "engine/season_costs.h"
#include "inputs_text.h"
#include "json_layout.h"

namespace heatwise::cli {

namespace {

bool NameBefore(std::string_view a, std::string_view b) {
    return std::ranges::lexicographical_compare(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) <
               std::tolower(static_cast<unsigned char>(y));
    });
}

void SortRows(std::vector<CompareRow>& rows, CompareOrder order) {
    switch (order) {
        case CompareOrder::kList:
            return;
        case CompareOrder::kCooling:
            std::ranges::stable_sort(rows, std::ranges::greater{}, &CompareRow::cooling_cost);
            return;
        case CompareOrder::kHeating:
            std::ranges::stable_sort(rows, std::ranges::greater{}, &CompareRow::heating_cost);
            return;
        case CompareOrder::kName:
            std::ranges::stable_sort(rows, NameBefore, &CompareRow::name);
            return;
        case CompareOrder::kSavings:
            // Savings are a heat pump's; the form's costs are never ordered by them.
            return;
    }
}

void PrintTable(const std::vector<CompareRow>& rows, const EstimateInputs& inputs,
                std::ostream& out) {
    out << "Heating fuel " << FuelName(inputs.fuel) << "\n"
        << InputsLines(inputs)
        << "Cooling cost in mode Cooling, heating cost in mode Heating; design temperatures in F\n"
        << "City                                Winter  Degree  Summer   Cooling   Heating\n"
        << "                                    design    days  design    $/year    $/year\n";
    for (const CompareRow& row : rows) {
        std::string city = std::to_string(row.city);
        city.insert(0, 3 - std::min<std::size_t>(3, city.size()), ' ');
        city.append(" ").append(row.name);
        city.resize(std::max<std::size_t>(city.size(), 34), ' ');
        out << city << std::setw(8) << row.design.winter_design << std::setw(8)
            << row.design.degree_days << std::setw(8) << row.design.summer_design << std::setw(10)
            << row.cooling_cost << std::setw(10) << row.heating_cost << "\n";
    }
}

// The inputs' columns, after the costs so that the columns of the rows come first whatever
// reads them, and their values, the same on every row.
std::pair<std::string, std::string> InputColumns(const EstimateInputs& in) {
    std::string names =
        "fuel,electric_rate,fuel_price,eer,heat_efficiency,cool_capacity,"
        "heat_capacity";
    std::string values = std::string(FuelKey(in.fuel)) + "," + RealText(in.electric_rate) + "," +
                         RealText(in.fuel_price) + "," + RealText(in.cool_eer) + "," +
                         std::to_string(in.heat_efficiency) + "," +
                         std::to_string(in.cool_capacity) + "," + std::to_string(in.heat_capacity);
    for (const auto& [name, shifts] : {std::pair{"thermostat_hours", &in.thermostat_hours},
                                       std::pair{"summer_setpoint", &in.summer_setpoint},
                                       std::pair{"winter_setpoint", &in.winter_setpoint}}) {
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            names += "," + std::string(name) + "_" + std::to_string(shift);
        }
        values += "," + ShiftText(*shifts, ",");
    }
    return {names, values};
}

void PrintCsv(const std::vector<CompareRow>& rows, const EstimateInputs& inputs,
              std::ostream& out) {
    const auto [names, values] = InputColumns(inputs);
    out << "city_index,city_name,winter_design,degree_days,summer_design,cooling_cost,"
           "heating_cost,"
        << names << "\n";
    for (const CompareRow& row : rows) {
        out << row.city << "," << CsvField(row.name) << "," << row.design.winter_design << ","
            << row.design.degree_days << "," << row.design.summer_design << "," << row.cooling_cost
            << "," << row.heating_cost << "," << values << "\n";
    }
}

void PrintJson(const std::vector<CompareRow>& rows, std::ostream& out) {
    JsonDocument document = JsonDocument::array();
    for (const CompareRow& row : rows) {
        document.push_back({{"city", {{"index", row.city}, {"name", row.name}}},
                            {"winter_design", row.design.winter_design},
                            {"degree_days", row.design.degree_days},
                            {"summer_design", row.design.summer_design},
                            {"cooling_cost", row.cooling_cost},
                            {"heating_cost", row.heating_cost}});
    }
    PrintJsonDocument(document, out);
}

}  // namespace

std::vector<CompareRow> CompareCities(const EstimateInputs& inputs, const ClimateTables& tables,
                                      CompareOrder order) {
    std::vector<CompareRow> rows;
    rows.reserve(kCityCount);
    EstimateInputs city_inputs = inputs;
    for (int city = 1; city <= kCityCount; ++city) {
        city_inputs.city = city;
        const SeasonCosts costs = CostsOfBothSeasons(city_inputs, tables);
        rows.push_back(
            {city, CityName(city), costs.design, costs.cooling_cost, costs.heating_cost, {}});
    }
    SortRows(rows, order);
    return rows;
}

void PrintComparison(const std::vector<CompareRow>& rows, const EstimateInputs& inputs,
                     OutputFormat format, std::ostream& out) {
    switch (format) {
        case OutputFormat::kTable:
            PrintTable(rows, inputs, out);
            return;
        case OutputFormat::kJson:
            PrintJson(rows, out);
            return;
        case OutputFormat::kCsv:
            PrintCsv(rows, inputs, out);
            return;
    }
}

}  // namespace heatwise::cli
