#include "bins_report.h"

#include <iomanip>
#include <string>
#include <vector>

#include "engine/printable_text.h"
#include "json_layout.h"

namespace heatwise::cli {

namespace {

// "100/104", "0/4", "-5/-1", "-50/-46": the temperatures of bin `bin` (1..31) in whole °F.
std::string BinLabel(int bin) {
    return std::to_string(105 - 5 * bin) + "/" + std::to_string(109 - 5 * bin);
}

constexpr const char* kShiftHeading = "Temperature     1 - 8    9 - 16   17 - 24\n";

template <typename Index>
void PrintBinRows(int first_bin, int last_bin, const Index& index, std::ostream& out) {
    out << kShiftHeading;
    for (int bin = first_bin; bin <= last_bin; ++bin) {
        out << std::setw(11) << BinLabel(bin);
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            out << std::setw(10) << index(shift, bin);
        }
        out << "\n";
    }
}

void PrintReport(const std::filesystem::path& weather_file, const climate::StationClimate& s,
                 std::ostream& out) {
    out << "Weather file " << PrintableText(weather_file.string()) << ": " << s.repairs.size()
        << (s.repairs.size() == 1 ? " faulty hour" : " faulty hours") << " repaired\n\n"
        << "Bin hours, as a record of " << kBinFileName << " (0/4 holds every hour below 0 F)\n";
    PrintBinRows(
        1, kBinCount, [&s](int shift, int bin) { return s.bin_hours[BinValueIndex(shift, bin)]; },
        out);
    out << "\nHours below 0 F, as a record of " << kColdBinFileName
        << " (-50/-46 holds every hour colder)\n";
    PrintBinRows(
        kFirstColdBin, kLastColdBin,
        [&s](int shift, int bin) { return s.cold_bin_hours[ColdBinValueIndex(shift, bin)]; }, out);
    out << "\nDesign values, as a record of " << kDesignFileName << "\n"
        << "Winter Design Temp.  " << std::setw(8) << s.winter_design << "\n"
        << "Heating Degree Days  " << std::setw(8) << s.degree_days << "\n"
        << "Summer Design Temp.  " << std::setw(8) << s.summer_design << "\n";
    if (s.repairs.empty()) {
        return;
    }
    out << "\nRepaired hours, as the file dates them: the temperature read and the one used, C\n";
    for (const climate::RepairedHour& repair : s.repairs) {
        out << "  " << PrintableText(repair.date) << " " << PrintableText(repair.time)
            << std::setw(9) << climate::FormatTenths(repair.read_c10) << std::setw(9)
            << climate::FormatTenths(repair.used_c10) << "\n";
    }
}

template <std::size_t count>
JsonDocument ByShift(const std::array<int, count>& hours) {
    constexpr std::size_t per_shift = count / kShiftCount;
    JsonDocument shifts = JsonDocument::array();
    for (std::size_t shift = 0; shift < kShiftCount; ++shift) {
        shifts.push_back(std::vector<int>(hours.begin() + shift * per_shift,
                                          hours.begin() + (shift + 1) * per_shift));
    }
    return shifts;
}

void PrintJson(const std::filesystem::path& weather_file, const climate::StationClimate& s,
               std::ostream& out) {
    std::vector<std::string> bins;
    for (int bin = 1; bin <= kLastColdBin; ++bin) {
        bins.push_back(BinLabel(bin));
    }
    JsonDocument repairs = JsonDocument::array();
    for (const climate::RepairedHour& repair : s.repairs) {
        repairs.push_back({{"date", repair.date},
                           {"time", repair.time},
                           {"read_c", repair.read_c10 / 10.0},
                           {"used_c", repair.used_c10 / 10.0}});
    }
    PrintJsonDocument(
        {
            {"file", weather_file.string()},
            {"shifts", {"1-8", "9-16", "17-24"}},
            {"bins", std::vector<std::string>(bins.begin(), bins.begin() + kBinCount)},
            {"bin_hours", ByShift(s.bin_hours)},
            {"cold_bins", std::vector<std::string>(bins.begin() + kBinCount, bins.end())},
            {"cold_bin_hours", ByShift(s.cold_bin_hours)},
            {"winter_design", s.winter_design},
            {"degree_days", s.degree_days},
            {"summer_design", s.summer_design},
            {"repairs", repairs},
        },
        out);
}

}  // namespace

void PrintBins(const std::filesystem::path& weather_file, const climate::StationClimate& station,
               BinsFormat format, std::ostream& out) {
    switch (format) {
        case BinsFormat::kReport:
            PrintReport(weather_file, station, out);
            return;
        case BinsFormat::kJson:
            PrintJson(weather_file, station, out);
            return;
        case BinsFormat::kRecords:
            out << climate::FormatBinRecord(station) << climate::FormatDesignRecord(station)
                << climate::FormatColdBinRecord(station);
            return;
    }
}

}  // namespace heatwise::cli
