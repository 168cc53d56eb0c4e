#include "sweep_report.h"

#include <algorithm>
#include <iomanip>
#include <string>

#include "csv_line.h"
#include "engine/city_list.h"
#include "engine/season_costs.h"
#include "estimate_report.h"
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

}  // namespace

SweepReport RunSweep(const SweepOptions& options, const ClimateTables& tables) {
    SweepReport report{&options, {}};
    report.rows.reserve(options.range.steps.size());
    for (const SweepStep& step : options.range.steps) {
        const SeasonCosts costs = CostsOfBothSeasons(step.inputs, tables);
        report.rows.push_back({&step, costs.cooling_cost, costs.heating_cost});
    }
    return report;
}

void PrintSweep(const SweepReport& report, std::ostream& out) {
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
