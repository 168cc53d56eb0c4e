#include "heat_pump_report.h"

#include <iomanip>
#include <string>

#include "csv_line.h"
#include "engine/city_list.h"
#include "engine/fuels.h"
#include "heat_pump_summary.h"
#include "heat_pump_text.h"
#include "inputs_text.h"
#include "json_layout.h"

namespace heatwise::cli {

namespace {

constexpr double kBtuPerMillion = 1.0e6;

std::string BinLabel(int midpoint) {
    return std::to_string(midpoint - 2) + "/" + std::to_string(midpoint + 2);
}

// One line of the results: the label in its column, then the value.
void ResultLine(std::string label, const std::string& value, std::ostream& out) {
    label.insert(0, "  ");
    label.resize(33, ' ');
    out << label << value << "\n";
}

void PrintBins(const HeatPumpReport& report, std::ostream& out) {
    const std::string_view unit = BackupEnergyUnit(report.options.unit, report.options.inputs.fuel);
    out << "Shift      Bin  Hours     Load  Capacity   COP  Heat pump    Backup  Heat pump"
           "     Backup  State\n"
        << "             F            BTUh      BTUh           MMBtu     MMBtu        kWh"
        << std::setw(11) << unit << "\n";
    for (const HeatPumpBinRow& row : report.table.Rows()) {
        // A bin without hours in a shift adds nothing; the JSON keeps it for its curve.
        if (row.hours == 0) {
            continue;
        }
        const double backup_energy = report.options.unit.backup == BackupHeat::kFurnace
                                         ? row.backup_energy
                                         : row.backup_energy / 1000.0;
        out << std::setw(5) << row.shift << std::setw(9) << BinLabel(row.midpoint) << std::setw(7)
            << row.hours << std::setw(9) << FixedText(row.load, 0) << std::setw(10)
            << FixedText(row.capacity, 0) << std::setw(6) << FixedText(row.cop, 2) << std::setw(11)
            << FixedText(row.heat_pump_heat / kBtuPerMillion, 3) << std::setw(10)
            << FixedText(row.backup_heat / kBtuPerMillion, 3) << std::setw(11)
            << FixedText(row.heat_pump_energy / 1000.0, 1) << std::setw(11)
            << FixedText(backup_energy, 1) << "  " << StateText(row.state) << "\n";
    }
}

void PrintResults(const HeatPumpReport& report, std::ostream& out) {
    const HeatPumpResult& r = report.result;
    const bool furnace = report.options.unit.backup == BackupHeat::kFurnace;
    const HeatingFuel fuel = report.options.inputs.fuel;
    out << "\nHeat over the year\n";
    ResultLine("Heat needed", FixedText(r.heat_needed_mmbtu, 2) + " MMBtu", out);
    ResultLine("From the heat pump", FixedText(r.heat_pump_heat_mmbtu, 2) + " MMBtu", out);
    ResultLine("From backup",
               FixedText(r.backup_heat_mmbtu, 2) + " MMBtu (" +
                   (r.backup_share ? FixedText(100.0 * *r.backup_share, 1) + " %" : "none") +
                   " of the heat)",
               out);
    ResultLine("Heat pump electricity", FixedText(r.heat_pump_kwh, 0) + " kWh", out);
    ResultLine("Backup energy",
               furnace ? FixedText(r.backup_fuel_units, 1) + " " + std::string(FuelUnit(fuel))
                       : FixedText(r.backup_kwh, 0) + " kWh",
               out);
    ResultLine("Seasonal COP of the heat pump", OptionalText(r.seasonal_cop, 2), out);
    ResultLine("HSPF on this climate", OptionalText(r.hspf, 2), out);
    ResultLine("Balance points by shift", BalancePointsText(r), out);
    ResultLine("Heat pump runs down to",
               r.coldest_running_midpoint
                   ? "the bin centred on " + std::to_string(*r.coldest_running_midpoint) + " F"
                   : std::string("no bin"),
               out);
    out << "Cost/Yr.\n";
    ResultLine("Heat pump and backup", "$" + std::to_string(r.heat_pump_cost), out);
    ResultLine("Furnace alone", "$" + std::to_string(r.furnace_cost), out);
    ResultLine(r.savings >= 0 ? "Saving" : "Saving (costs more)", "$" + std::to_string(r.savings),
               out);
    ResultLine(
        "Break-even electric rate",
        r.break_even_rate ? FixedText(*r.break_even_rate, 4) + " $/kWh" : std::string("none"), out);
    ResultLine("Cooling", "$" + std::to_string(r.cooling_cost), out);
}

void PrintTable(const HeatPumpReport& report, std::ostream& out) {
    const EstimateInputs& in = report.options.inputs;
    out << "City " << in.city << ": " << CityName(in.city) << "\n"
        << "Heat pump " << UnitText(report.options.unit, Degrees::kLetter) << "\n"
        << "Against " << FurnaceText(in) << "; "
        << BackupText(report.options.unit, in, Degrees::kLetter) << "\n"
        << InputsLines(in) << "\n";
    PrintBins(report, out);
    PrintResults(report, out);
}

JsonDocument RatingJson(const RatingPoint& point) {
    return {{"capacity", point.capacity}, {"cop", point.cop}};
}

JsonDocument UnitJson(const HeatPumpReport& report) {
    const HeatPumpSettings& unit = report.options.unit;
    JsonDocument json = {{"at47", RatingJson(unit.ratings.at47)},
                         {"at17", RatingJson(unit.ratings.at17)}};
    json["at35"] = unit.ratings.at35 ? RatingJson(*unit.ratings.at35) : JsonDocument(nullptr);
    json["at5"] = unit.ratings.at5 ? RatingJson(*unit.ratings.at5) : JsonDocument(nullptr);
    json["cd"] = unit.cycling_degradation;
    json["cutout"] = unit.cutout ? JsonDocument{{"off", unit.cutout->off}, {"on", unit.cutout->on}}
                                 : JsonDocument(nullptr);
    json["backup"] = BackupKey(unit.backup);
    switch (unit.switchover.rule) {
        case SwitchoverRule::kNone:
            json["switchover_rule"] = nullptr;
            break;
        case SwitchoverRule::kAtTemperature:
            json["switchover_rule"] = unit.switchover.temperature;
            break;
        case SwitchoverRule::kAuto:
            json["switchover_rule"] = "auto";
            break;
    }
    return json;
}

JsonDocument BinsJson(const HeatPumpReport& report) {
    JsonDocument bins = JsonDocument::array();
    for (const HeatPumpBinRow& row : report.table.Rows()) {
        bins.push_back({{"shift", row.shift},
                        {"midpoint", row.midpoint},
                        {"hours", row.hours},
                        {"difference", row.difference},
                        {"load", row.load},
                        {"capacity", row.capacity},
                        {"cop", row.cop},
                        {"part_load", row.part_load},
                        {"part_load_factor", row.part_load_factor},
                        {"compressor_factor", row.compressor_factor},
                        {"state", StateKey(row.state)},
                        {"heat_pump_heat_btu", row.heat_pump_heat},
                        {"backup_heat_btu", row.backup_heat},
                        {"heat_pump_wh", row.heat_pump_energy},
                        {"backup_energy", row.backup_energy}});
    }
    return bins;
}

void PrintJson(const HeatPumpReport& report, std::ostream& out) {
    const EstimateInputs& in = report.options.inputs;
    JsonDocument document = {{"city", {{"index", in.city}, {"name", CityName(in.city)}}},
                             {"fuel", FuelKey(in.fuel)},
                             {"unit", UnitJson(report)}};
    AddHeatPumpFigures(report.result, document);
    document["bins"] = BinsJson(report);
    PrintJsonDocument(document, out);
}

// The bin table, one line per shift and bin that needs heat, with the columns of the JSON's
// `bins` after the city, the fuel and the backup; the year's figures are the JSON's and the
// table's, and compare --heat-pump gives them as CSV, a line per city.
void PrintCsv(const HeatPumpReport& report, std::ostream& out) {
    const EstimateInputs& in = report.options.inputs;
    PrintCsvLine(
        {"city_index", "city_name", "fuel", "backup", "shift", "midpoint", "hours", "difference",
         "load", "capacity", "cop", "part_load", "part_load_factor", "compressor_factor", "state",
         "heat_pump_heat_btu", "backup_heat_btu", "heat_pump_wh", "backup_energy"},
        out);
    const std::string city = std::to_string(in.city);
    const std::string name = CsvField(CityName(in.city));
    const std::string fuel(FuelKey(in.fuel));
    const std::string backup(BackupKey(report.options.unit.backup));
    for (const HeatPumpBinRow& row : report.table.Rows()) {
        PrintCsvLine({city, name, fuel, backup, std::to_string(row.shift),
                      std::to_string(row.midpoint), std::to_string(row.hours),
                      std::to_string(row.difference), ShortText(row.load), ShortText(row.capacity),
                      ShortText(row.cop), ShortText(row.part_load), ShortText(row.part_load_factor),
                      ShortText(row.compressor_factor), std::string(StateKey(row.state)),
                      ShortText(row.heat_pump_heat), ShortText(row.backup_heat),
                      ShortText(row.heat_pump_energy), ShortText(row.backup_energy)},
                     out);
    }
}

}  // namespace

std::unique_ptr<HeatPumpReport> RunHeatPump(const HeatPumpOptions& options,
                                            const HeatPumpClimate& climate) {
    auto report = std::make_unique<HeatPumpReport>();
    report->options = options;
    report->input = MakeHeatPumpInput(options.inputs, options.unit, climate);
    report->result = ComputeHeatPump(report->input, report->table);
    return report;
}

void PrintHeatPump(const HeatPumpReport& report, std::ostream& out) {
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
