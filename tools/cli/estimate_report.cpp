#include "estimate_report.h"

#include <iomanip>
#include <string>
#include <vector>

#include "csv_line.h"
#include "engine/city_list.h"
#include "engine/estimate_inputs.h"
#include "inputs_text.h"
#include "json_layout.h"

namespace heatwise::cli {

namespace {

std::string BinLabel(int bin) {
    return std::to_string(105 - 5 * bin) + "/" + std::to_string(109 - 5 * bin);
}

std::string_view FuelText(const EstimateReport& report) {
    return report.options.fuels == FuelSelection::kAll ? "all"
                                                       : FuelKey(report.options.inputs.fuel);
}

// One line of the costs: the label, then the cost in its column, then why it is 0, if it is.
void CostLine(std::string label, std::int32_t cost, std::string_view note, std::ostream& out) {
    label.insert(0, "  ");
    label.resize(29, ' ');
    out << label << "$" << cost << (note.empty() ? "" : "  (") << note << (note.empty() ? "" : ")")
        << "\n";
}

// The costs as the form shows them, in the chosen mode, then the other season's cost in its own
// mode, so that the 0 of a season the mode does not price is not taken for its cost.
void PrintCosts(const EstimateReport& report, std::ostream& out) {
    const CalcMode mode = report.options.inputs.mode;
    const bool all_fuels = report.options.fuels == FuelSelection::kAll;
    const std::string other_mode(
        ModeName(mode == CalcMode::kCooling ? CalcMode::kHeating : CalcMode::kCooling));
    const std::string unpriced = "mode " + std::string(ModeName(mode)) + " prices no " +
                                 (mode == CalcMode::kCooling ? "heating" : "cooling");
    const auto heating_by_fuel = [&] {
        for (std::size_t i = 0; i < kHeatingFuels.size(); ++i) {
            CostLine("Heating, " + std::string(FuelName(kHeatingFuels[i])),
                     report.heating_cost_by_fuel[i], "", out);
        }
    };
    out << "Cost/Yr. in mode " << ModeName(mode) << "\n";
    if (mode == CalcMode::kCooling) {
        CostLine("Cooling", report.result.cooling_cost, "", out);
        CostLine("Heating", report.result.heating_cost, unpriced, out);
        out << "Cost/Yr. in mode " << other_mode << "\n";
        if (all_fuels) {
            heating_by_fuel();
        } else {
            CostLine("Heating", report.own_modes.heating_cost, "", out);
        }
        return;
    }
    CostLine("Cooling", report.result.cooling_cost, unpriced, out);
    if (all_fuels) {
        heating_by_fuel();
    } else {
        CostLine("Heating", report.result.heating_cost, "", out);
    }
    out << "Cost/Yr. in mode " << other_mode << "\n";
    CostLine("Cooling", report.own_modes.cooling_cost, "", out);
}

void PrintTable(const EstimateReport& report, std::ostream& out) {
    const EstimateInputs& in = report.options.inputs;
    const BinCalcResult& r = report.result;
    const bool all_fuels = report.options.fuels == FuelSelection::kAll;
    out << "City " << in.city << ": " << CityName(in.city) << "\n"
        << "Calculate " << ModeName(in.mode) << ", heating fuel "
        << (all_fuels ? "all four" : FuelName(in.fuel)) << "\n"
        << InputsLines(in) << "\n";

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
        << "Winter Design Temp.  " << std::setw(8) << r.winter_design << "\n\n";
    PrintCosts(report, out);
}

// With all fuels in mode Heating there is no single heating cost; in mode Cooling it is 0
// whatever the fuel.
bool NoSingleHeatingCost(const EstimateReport& report) {
    return report.options.fuels == FuelSelection::kAll &&
           report.options.inputs.mode == CalcMode::kHeating;
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
        {"cooling_cost_in_mode_cooling", report.own_modes.cooling_cost},
        {"heating_cost_in_mode_heating", report.own_modes.heating_cost},
    };
    if (NoSingleHeatingCost(report)) {
        document["heating_cost"] = nullptr;
    }
    // With all fuels each fuel's heating cost in mode Heating is given beside the others.
    if (report.options.fuels == FuelSelection::kAll) {
        document["heating_cost_in_mode_heating"] = nullptr;
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
    header.insert(header.end(),
                  {"degree_days", "summer_design", "winter_design", "cooling_cost", "heating_cost",
                   "cooling_cost_in_mode_cooling", "heating_cost_in_mode_heating"});
    // Where there is no single heating cost its field stays empty.
    row.insert(row.end(),
               {std::to_string(r.degree_days), std::to_string(r.summer_design),
                std::to_string(r.winter_design), std::to_string(r.cooling_cost),
                NoSingleHeatingCost(report) ? std::string() : std::to_string(r.heating_cost),
                std::to_string(report.own_modes.cooling_cost),
                all_fuels ? std::string() : std::to_string(report.own_modes.heating_cost)});
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

std::string_view ModeName(CalcMode mode) {
    return mode == CalcMode::kCooling ? "Cooling" : "Heating";
}

EstimateReport RunEstimate(const EstimateOptions& options, const ClimateTables& tables) {
    EstimateReport report;
    report.options = options;
    BinCalcInput input = MakeBinCalcInput(options.inputs, tables);
    report.result = ComputeBinCosts(input, 0.0);
    report.own_modes = CostsOfBothSeasons(options.inputs, tables);
    if (options.fuels == FuelSelection::kAll) {
        input.mode = CalcMode::kHeating;
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
