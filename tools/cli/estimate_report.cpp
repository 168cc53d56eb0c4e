#include "estimate_report.h"

#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "csv_line.h"
#include "engine/city_list.h"
#include "engine/estimate_inputs.h"
#include "json_layout.h"

namespace heatwise::cli {

namespace {

std::string BinLabel(int bin) {
    return std::to_string(105 - 5 * bin) + "/" + std::to_string(109 - 5 * bin);
}

std::string Decimals(float value, int decimals) {
    std::ostringstream text;
    text << std::fixed << std::setprecision(decimals) << value;
    return text.str();
}

std::string Triple(const std::array<std::int32_t, kShiftCount>& values, std::string_view gap) {
    std::string text;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0) {
            text.append(gap);
        }
        text.append(std::to_string(values[i]));
    }
    return text;
}

std::string_view FuelText(const EstimateReport& report) {
    return report.options.fuels == FuelSelection::kAll ? "all"
                                                       : FuelKey(report.options.inputs.fuel);
}

void PrintTable(const EstimateReport& report, std::ostream& out) {
    const EstimateInputs& in = report.options.inputs;
    const BinCalcResult& r = report.result;
    const bool all_fuels = report.options.fuels == FuelSelection::kAll;
    out << "City " << in.city << ": " << CityName(in.city) << "\n"
        << "Calculate " << (in.mode == CalcMode::kCooling ? "Cooling" : "Heating")
        << ", heating fuel " << (all_fuels ? "all four" : FuelName(in.fuel)) << "\n"
        << "Thermostat hours " << Triple(in.thermostat_hours, " ") << ", summer "
        << Triple(in.summer_setpoint, " ") << ", winter " << Triple(in.winter_setpoint, " ")
        << " F\n"
        << "Cooling " << in.cool_capacity << " BTUh at EER " << Decimals(in.cool_eer, 2)
        << "; heating " << in.heat_capacity << " BTUh at " << in.heat_efficiency << " %\n"
        << "Electric rate " << Decimals(in.electric_rate, 2) << " $/kWh; fuel price "
        << Decimals(in.fuel_price, 2) << " $/unit\n\n";

    out << "Temperature     1 - 8    9 - 16   17 - 24  % calc'd\n";
    for (int bin = 1; bin <= kBinCount; ++bin) {
        out << std::setw(11) << BinLabel(bin);
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            out << std::setw(10)
                << r.scaled_hours[static_cast<std::size_t>(BinValueIndex(shift, bin))];
        }
        out << std::setw(10) << r.percent_calcd[static_cast<std::size_t>(bin - 1)] << "\n";
    }
    out << "\nHeating Degree Days  " << std::setw(8) << r.degree_days << "\n"
        << "Summer Design Temp.  " << std::setw(8) << r.summer_design << "\n"
        << "Winter Design Temp.  " << std::setw(8) << r.winter_design << "\n\n"
        << "Cost/Yr.\n"
        << "  Cooling                    $" << r.cooling_cost << "\n";
    if (!all_fuels) {
        out << "  Heating                    $" << r.heating_cost << "\n";
        return;
    }
    for (std::size_t i = 0; i < kHeatingFuels.size(); ++i) {
        std::string label = "  Heating, " + std::string(FuelName(kHeatingFuels[i]));
        label.resize(29, ' ');
        out << label << "$" << report.heating_cost_by_fuel[i] << "\n";
    }
}

void PrintJson(const EstimateReport& report, std::ostream& out) {
    const EstimateInputs& in = report.options.inputs;
    const BinCalcResult& r = report.result;
    JsonDocument document = {
        {"city", {{"index", in.city}, {"name", CityName(in.city)}}},
        {"mode", ModeKey(in.mode)},
        {"fuel", FuelText(report)},
        {"scaled_hours", r.scaled_hours},
        {"percent_calcd", r.percent_calcd},
        {"degree_days", r.degree_days},
        {"summer_design", r.summer_design},
        {"winter_design", r.winter_design},
        {"cooling_cost", r.cooling_cost},
        {"heating_cost", r.heating_cost},
    };
    // With all fuels there is no single heating cost; each fuel's is given beside it.
    if (report.options.fuels == FuelSelection::kAll) {
        document["heating_cost"] = nullptr;
        JsonDocument& by_fuel = document["heating_cost_by_fuel"] = JsonDocument::object();
        for (std::size_t i = 0; i < kHeatingFuels.size(); ++i) {
            by_fuel[std::string(FuelKey(kHeatingFuels[i]))] = report.heating_cost_by_fuel[i];
        }
    }
    PrintJsonDocument(document, out);
}

void PrintCsv(const EstimateReport& report, std::ostream& out) {
    const EstimateInputs& in = report.options.inputs;
    const BinCalcResult& r = report.result;
    const bool all_fuels = report.options.fuels == FuelSelection::kAll;
    std::vector<std::string> header = {"city_index", "city_name", "mode", "fuel"};
    std::vector<std::string> row = {std::to_string(in.city), CsvField(CityName(in.city)),
                                    std::string(ModeKey(in.mode)), std::string(FuelText(report))};
    for (int k = 1; k <= kBinValueCount; ++k) {
        header.push_back("scaled_hours_" + std::to_string(k));
        row.push_back(std::to_string(r.scaled_hours[static_cast<std::size_t>(k - 1)]));
    }
    for (int bin = 1; bin <= kBinCount; ++bin) {
        header.push_back("percent_calcd_" + std::to_string(bin));
        row.push_back(std::to_string(r.percent_calcd[static_cast<std::size_t>(bin - 1)]));
    }
    header.insert(header.end(), {"degree_days", "summer_design", "winter_design", "cooling_cost",
                                 "heating_cost"});
    // With all fuels there is no single heating cost: its field stays empty.
    row.insert(row.end(), {std::to_string(r.degree_days), std::to_string(r.summer_design),
                           std::to_string(r.winter_design), std::to_string(r.cooling_cost),
                           all_fuels ? std::string() : std::to_string(r.heating_cost)});
    if (all_fuels) {
        for (std::size_t i = 0; i < kHeatingFuels.size(); ++i) {
            header.push_back("heating_cost_" + std::string(FuelKey(kHeatingFuels[i])));
            row.push_back(std::to_string(report.heating_cost_by_fuel[i]));
        }
    }
    PrintCsvLine(header, out);
    PrintCsvLine(row, out);
}

}  // namespace

std::string InputsSummary(const EstimateInputs& in) {
    std::string text = "Heating fuel " + std::string(FuelName(in.fuel));
    // Electric heating is paid at the electric rate; the fuel price does not apply.
    if (in.fuel != HeatingFuel::kElectricity) {
        text += " at $" + Decimals(in.fuel_price, 2);
    }
    return text + ", electric rate $" + Decimals(in.electric_rate, 2) + "/kWh, EER " +
           Decimals(in.cool_eer, 2) + ", heating efficiency " + std::to_string(in.heat_efficiency) +
           " %";
}

EstimateReport RunEstimate(const EstimateOptions& options, const ClimateTables& tables) {
    EstimateReport report;
    report.options = options;
    BinCalcInput input = MakeBinCalcInput(options.inputs, tables);
    report.result = ComputeBinCosts(input, 0.0);
    if (options.fuels == FuelSelection::kAll) {
        for (std::size_t i = 0; i < kHeatingFuels.size(); ++i) {
            input.fuel = kHeatingFuels[i];
            report.heating_cost_by_fuel[i] = ComputeBinCosts(input, 0.0).heating_cost;
        }
    }
    return report;
}

void PrintEstimate(const EstimateReport& report, std::ostream& out) {
    switch (report.options.format) {
        case OutputFormat::kTable:
            PrintTable(report, out);
            return;
        case OutputFormat::kJson:
            PrintJson(report, out);
            return;
        case OutputFormat::kCsv:
            PrintCsv(report, out);
            return;
    }
}

}  // namespace heatwise::cli
