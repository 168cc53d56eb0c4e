#include "rating_report.h"

#include <iomanip>

#include "heat_pump_text.h"
#include "json_layout.h"

namespace heatwise::cli {

namespace {

constexpr const char* kRegionNames[] = {"I", "II", "III", "IV", "V", "VI"};

std::string_view RegionName(int region) {
    return kRegionNames[region - 1];
}

void PrintTable(const RatingOptions& options, const HspfRating& rating, std::ostream& out) {
    HeatPumpSettings unit;
    unit.ratings = options.input.ratings;
    unit.ratings.at5.reset();
    unit.cycling_degradation = options.input.cycling_degradation;
    unit.cutout = options.input.cutout;
    out << "Heat pump " << UnitText(unit, Degrees::kLetter) << "\n"
        << "Region " << RegionName(options.input.region) << ", outdoor design temperature "
        << ShortText(rating.outdoor_design) << " F, design heating requirement "
        << FixedText(rating.design_heating_requirement, 0) << " BTUh"
        << (options.input.design_heating_requirement ? " (--dhr)" : " (the standard one)") << "\n\n"
        << "  Bin  Fraction     Load  Capacity   COP     X    PLF  Heat pump  Resistance\n"
        << "    F                BTUh      BTUh                       Wh x f      Wh x f\n";
    for (const HspfRatingRow& row : rating.Rows()) {
        out << std::setw(5) << ShortText(row.temperature) << std::setw(10)
            << FixedText(row.fraction, 3) << std::setw(9) << FixedText(row.load, 0) << std::setw(10)
            << FixedText(row.capacity, 0) << std::setw(6) << FixedText(row.cop, 2) << std::setw(6)
            << FixedText(row.part_load, 3) << std::setw(7) << FixedText(row.part_load_factor, 3)
            << std::setw(11) << FixedText(row.heat_pump_energy, 1) << std::setw(12)
            << FixedText(row.resistance_energy, 1) << "\n";
    }
    out << "\nHSPF " << FixedText(rating.hspf, 2) << " BTU/Wh\n";
}

void PrintJson(const RatingOptions& options, const HspfRating& rating, std::ostream& out) {
    JsonDocument bins = JsonDocument::array();
    for (const HspfRatingRow& row : rating.Rows()) {
        bins.push_back({{"temperature", row.temperature},
                        {"fraction", row.fraction},
                        {"load", row.load},
                        {"capacity", row.capacity},
                        {"cop", row.cop},
                        {"part_load", row.part_load},
                        {"part_load_factor", row.part_load_factor},
                        {"compressor_factor", row.compressor_factor},
                        {"heat_pump_wh", row.heat_pump_energy},
                        {"resistance_wh", row.resistance_energy}});
    }
    const JsonDocument document = {
        {"region", options.input.region},
        {"outdoor_design", rating.outdoor_design},
        {"design_heating_requirement", rating.design_heating_requirement},
        {"hspf", rating.hspf},
        {"bins", bins}};
    PrintJsonDocument(document, out);
}

}  // namespace

void PrintRating(const RatingOptions& options, const HspfRating& rating, std::ostream& out) {
    if (options.format == OutputFormat::kJson) {
        PrintJson(options, rating, out);
    } else {
        PrintTable(options, rating, out);
    }
}

}  // namespace heatwise::cli
