#include "sweep_report.h"

#include <algorithm>
#include <iomanip>
#include <string>

#include "csv_line.h"
#include "engine/city_list.h"
#include "engine/season_costs.h"
#include "estimate_report.h"
#include "heat_pump_compare.h"
#include "heat_pump_summary.h"
#include "heat_pump_text.h"
#include "json_layout.h"

namespace heatwise::cli {

namespace {

const EstimateInputs& FirstInputs(const SweepReport& report) {
    return report.rows.front().step->inputs;
}

void PrintTable(const SweepReport& report, std::ostream& out) {
    const SweepRange& range = report.options->range;
    const EstimateInputs& first = FirstInputs(report);
    out << "City " << first.city << ": " << CityName(first.city) << "; heating fuel "
        << FuelName(first.fuel) << "\n"
        << "Cooling cost in mode Cooling, heating cost in mode Heating, as " << range.name
        << " goes from " << range.steps.front().text << " to " << range.steps.back().text << "\n";
    std::size_t width = range.name.size();
    for (const SweepStep& step : range.steps) {
        width = std::max(width, step.text.size());
    }
    const int column = static_cast<int>(width) + 2;
    out << std::setw(column) << range.name << "   Cooling   Heating\n"
        << std::setw(column) << ""
        << "    $/year    $/year\n";
    for (const SweepRow& row : report.rows) {
        out << std::setw(column) << row.step->text << std::setw(10) << row.cooling_cost
            << std::setw(10) << row.heating_cost << "\n";
    }
}

void PrintCsv(const SweepReport& report, std::ostream& out) {
    const EstimateInputs& first = FirstInputs(report);
    const std::string city = std::to_string(first.city);
    const std::string name = CsvField(CityName(first.city));
    const std::string fuel(FuelKey(first.fuel));
    PrintCsvLine({CsvField(report.options->range.name), "city_index", "city_name", "fuel",
                  "cooling_cost", "heating_cost"},
                 out);
    for (const SweepRow& row : report.rows) {
        PrintCsvLine({row.step->text, city, name, fuel, std::to_string(row.cooling_cost),
                      std::to_string(row.heating_cost)},
                     out);
    }
}

void PrintJson(const SweepReport& report, std::ostream& out) {
    const SweepRange& range = report.options->range;
    const EstimateInputs& first = FirstInputs(report);
    JsonDocument document = JsonDocument::array();
    for (const SweepRow& row : report.rows) {
        JsonDocument value = row.step->value;
        if (range.kind == ValueKind::kWholeNumber) {
            value = static_cast<std::int64_t>(row.step->value);
        }
        document.push_back({{range.name, value},
                            {"city", {{"index", first.city}, {"name", CityName(first.city)}}},
                            {"fuel", FuelKey(first.fuel)},
                            {"cooling_cost", row.cooling_cost},
                            {"heating_cost", row.heating_cost}});
    }
    PrintJsonDocument(document, out);
}

std::string Column(const std::optional<double>& value, int decimals, int width) {
    std::string text = value ? FixedText(*value, decimals) : "none";
    text.insert(0, static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))),
                ' ');
    return text;
}

void PrintHeatPumpTable(const SweepReport& report, std::ostream& out) {
    const SweepRange& range = report.options->range;
    const EstimateInputs& first = FirstInputs(report);
    // The varied input is given by its range, not by the first step's value.
    const VariedRange varied{range.name, range.steps.front().text, range.steps.back().text};
    out << "City " << first.city << ": " << CityName(first.city) << "; against "
        << FurnaceText(first, varied) << "\n"
        << "Heat pump " << UnitText(range.steps.front().heat_pump, Degrees::kLetter, varied) << "\n"
        << "as " << range.name << " goes from " << range.steps.front().text << " to "
        << range.steps.back().text << "; balance point: the warmest of the three shifts'\n";
    std::size_t width = range.name.size();
    for (const SweepStep& step : range.steps) {
        width = std::max(width, step.text.size());
    }
    const int column = static_cast<int>(width) + 2;
    out << std::setw(column) << range.name
        << "  Seasonal  Backup  Balance  Heat pump   Furnace    Saving\n"
        << std::setw(column) << ""
        << "       COP       %        F     $/year    $/year    $/year\n";
    for (const SweepRow& row : report.rows) {
        const HeatPumpResult& r = row.heat_pump;
        const std::optional<double> share =
            r.backup_share ? std::optional<double>(100.0 * *r.backup_share) : std::nullopt;
        out << std::setw(column) << row.step->text << Column(r.seasonal_cop, 2, 10)
            << Column(share, 1, 8) << Column(WarmestBalancePoint(r), 1, 9) << std::setw(11)
            << r.heat_pump_cost << std::setw(10) << r.furnace_cost << std::setw(10) << r.savings
            << "\n";
    }
}

void PrintHeatPumpCsv(const SweepReport& report, std::ostream& out) {
    const EstimateInputs& first = FirstInputs(report);
    std::vector<std::string> header = {CsvField(report.options->range.name), "city_index",
                                       "city_name", "fuel"};
    const std::vector<std::string> names = HeatPumpFigureColumns();
    header.insert(header.end(), names.begin(), names.end());
    PrintCsvLine(header, out);
    for (const SweepRow& row : report.rows) {
        std::vector<std::string> fields = {row.step->text, std::to_string(first.city),
                                           CsvField(CityName(first.city)),
                                           std::string(FuelKey(first.fuel))};
        const std::vector<std::string> figures = HeatPumpFigureFields(row.heat_pump);
        fields.insert(fields.end(), figures.begin(), figures.end());
        PrintCsvLine(fields, out);
    }
}

void PrintHeatPumpJson(const SweepReport& report, std::ostream& out) {
    const SweepRange& range = report.options->range;
    const EstimateInputs& first = FirstInputs(report);
    JsonDocument document = JsonDocument::array();
    for (const SweepRow& row : report.rows) {
        JsonDocument value = row.step->value;
        if (range.kind == ValueKind::kWholeNumber) {
            value = static_cast<std::int64_t>(row.step->value);
        }
        JsonDocument step = {{range.name, value},
                             {"city", {{"index", first.city}, {"name", CityName(first.city)}}},
                             {"fuel", FuelKey(first.fuel)}};
        AddHeatPumpFigures(row.heat_pump, step);
        document.push_back(step);
    }
    PrintJsonDocument(document, out);
}

}  // namespace

SweepReport RunHeatPumpSweep(const SweepOptions& options, const HeatPumpClimate& climate) {
    SweepReport report{&options, {}};
    report.rows.reserve(options.range.steps.size());
    for (const SweepStep& step : options.range.steps) {
        const HeatPumpResult result =
            ComputeHeatPump(MakeHeatPumpInput(step.inputs, step.heat_pump, climate));
        report.rows.push_back({&step, result.cooling_cost, result.furnace_cost, result});
    }
    return report;
}

SweepReport RunSweep(const SweepOptions& options, const ClimateTables& tables) {
    SweepReport report{&options, {}};
    report.rows.reserve(options.range.steps.size());
    for (const SweepStep& step : options.range.steps) {
        const SeasonCosts costs = CostsOfBothSeasons(step.inputs, tables);
        report.rows.push_back({&step, costs.cooling_cost, costs.heating_cost, {}});
    }
    return report;
}

void PrintSweep(const SweepReport& report, std::ostream& out) {
    if (report.options->pricing == Pricing::kHeatPump) {
        switch (report.options->format) {
            case OutputFormat::kTable:
                PrintHeatPumpTable(report, out);
                return;
            case OutputFormat::kJson:
                PrintHeatPumpJson(report, out);
                return;
            case OutputFormat::kCsv:
                PrintHeatPumpCsv(report, out);
                return;
        }
    }
    switch (report.options->format) {
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
