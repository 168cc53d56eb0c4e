#include "heat_pump_compare.h"

#include <algorithm>
#include <cctype>
#include <iomanip>
#include <string>

#include "csv_line.h"
#include "engine/city_list.h"
#include "heat_pump_summary.h"
#include "heat_pump_text.h"
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

std::string Column(const std::optional<double>& value, int decimals, int width) {
    std::string text = value ? FixedText(*value, decimals) : "none";
    text.insert(0, static_cast<std::size_t>(std::max(0, width - static_cast<int>(text.size()))),
                ' ');
    return text;
}

void PrintTable(const std::vector<CompareRow>& rows, const CompareOptions& options,
                std::ostream& out) {
    const EstimateInputs& in = options.inputs;
    out << "Heat pump " << UnitText(options.heat_pump, Degrees::kLetter) << "\n"
        << "Against " << FurnaceText(in) << "; "
        << BackupText(options.heat_pump, in, Degrees::kLetter) << "\n"
        << InputsLines(in)
        << "Balance point: the warmest of the three shifts'; saving: the furnace's cost less the "
           "heat pump's\n"
        << "City                              Seasonal  Backup  Balance  Heat pump   Furnace"
           "    Saving\n"
        << "                                       COP       %        F     $/year    $/year"
           "    $/year\n";
    for (const CompareRow& row : rows) {
        const HeatPumpResult& r = row.heat_pump;
        std::string city = std::to_string(row.city);
        city.insert(0, 3 - std::min<std::size_t>(3, city.size()), ' ');
        city.append(" ").append(row.name);
        city.resize(std::max<std::size_t>(city.size(), 34), ' ');
        const std::optional<double> share =
            r.backup_share ? std::optional<double>(100.0 * *r.backup_share) : std::nullopt;
        out << city << Column(r.seasonal_cop, 2, 8) << Column(share, 1, 8)
            << Column(WarmestBalancePoint(r), 1, 9) << std::setw(11) << r.heat_pump_cost
            << std::setw(10) << r.furnace_cost << std::setw(10) << r.savings << "\n";
    }
}

void PrintCsv(const std::vector<CompareRow>& rows, const CompareOptions& options,
              std::ostream& out) {
    std::vector<std::string> header = {"city_index", "city_name", "fuel", "backup"};
    const std::vector<std::string> names = HeatPumpFigureColumns();
    header.insert(header.end(), names.begin(), names.end());
    PrintCsvLine(header, out);
    const std::string fuel(FuelKey(options.inputs.fuel));
    const std::string backup(BackupKey(options.heat_pump.backup));
    for (const CompareRow& row : rows) {
        std::vector<std::string> fields = {std::to_string(row.city), CsvField(row.name), fuel,
                                           backup};
        const std::vector<std::string> figures = HeatPumpFigureFields(row.heat_pump);
        fields.insert(fields.end(), figures.begin(), figures.end());
        PrintCsvLine(fields, out);
    }
}

void PrintJson(const std::vector<CompareRow>& rows, std::ostream& out) {
    JsonDocument document = JsonDocument::array();
    for (const CompareRow& row : rows) {
        JsonDocument city = {{"city", {{"index", row.city}, {"name", row.name}}}};
        AddHeatPumpFigures(row.heat_pump, city);
        document.push_back(city);
    }
    PrintJsonDocument(document, out);
}

}  // namespace

std::optional<double> WarmestBalancePoint(const HeatPumpResult& result) {
    std::optional<double> warmest;
    for (const std::optional<double>& point : result.balance_points) {
        if (point && (!warmest || *point > *warmest)) {
            warmest = point;
        }
    }
    return warmest;
}

std::vector<CompareRow> CompareHeatPumps(const CompareOptions& options,
                                         const HeatPumpClimate& climate) {
    std::vector<CompareRow> rows;
    rows.reserve(kCityCount);
    EstimateInputs city_inputs = options.inputs;
    for (int city = 1; city <= kCityCount; ++city) {
        city_inputs.city = city;
        const HeatPumpResult result =
            ComputeHeatPump(MakeHeatPumpInput(city_inputs, options.heat_pump, climate));
        rows.push_back({city, CityName(city), climate.tables.design.City(city), result.cooling_cost,
                        result.furnace_cost, result});
    }
    switch (options.order) {
        case CompareOrder::kSavings:
            std::ranges::stable_sort(rows, std::ranges::greater{},
                                     [](const CompareRow& row) { return row.heat_pump.savings; });
            break;
        case CompareOrder::kName:
            std::ranges::stable_sort(rows, NameBefore, &CompareRow::name);
            break;
        case CompareOrder::kList:
        case CompareOrder::kCooling:
        case CompareOrder::kHeating:
            break;
    }
    return rows;
}

void PrintHeatPumpComparison(const std::vector<CompareRow>& rows, const CompareOptions& options,
                             std::ostream& out) {
    switch (options.format) {
        case OutputFormat::kTable:
            PrintTable(rows, options, out);
            return;
        case OutputFormat::kJson:
            PrintJson(rows, out);
            return;
        case OutputFormat::kCsv:
            PrintCsv(rows, options, out);
            return;
    }
}

}  // namespace heatwise::cli
