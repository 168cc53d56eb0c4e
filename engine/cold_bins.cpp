#include "engine/cold_bins.h"

#include <numeric>
#include <sstream>
#include <string>

#include "engine/record_reader.h"

namespace heatwise {

namespace {

namespace fs = std::filesystem;

void ReadColdBins(const fs::path& file, std::istream& stream, const CityBinTable& bins,
                  ColdBinTable& table) {
    RecordReader reader(file, stream, ValueRange{0, kShiftHoursPerYear});
    for (int city = 1; city <= kCityCount; ++city) {
        CityColdBinHours& hours = table.City(city);
        reader.ReadRecord(city, hours);
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            const auto first = hours.begin() + ColdBinValueIndex(shift, kFirstColdBin);
            const std::int64_t cold = std::accumulate(first, first + kColdBinCount, 0LL);
            const std::int32_t coldest_bin = bins.Hours(city, shift, kBinCount);
            if (cold > coldest_bin) {
                throw DataError(file, reader.line(),
                                "city " + std::to_string(city) + ", shift " +
                                    std::to_string(shift) + ": the cold bins hold " +
                                    std::to_string(cold) + " hours below 0 F, more than the " +
                                    std::to_string(coldest_bin) + " hours of bin 21 (0/4 F) in " +
                                    kBinFileName);
            }
        }
    }
}

}  // namespace

ColdBinTable LoadColdBins(const fs::path& directory, const CityBinTable& bins,
                          MissingFile missing) {
    ColdBinTable table;
    const fs::path file = directory / kColdBinFileName;
    std::ifstream stream = OpenClimateFile(file, missing);
    ReadColdBins(file, stream, bins, table);
    return table;
}

ColdBinTable ParseColdBins(std::string_view text, const CityBinTable& bins) {
    ColdBinTable table;
    std::istringstream stream{std::string(text)};
    ReadColdBins(kColdBinFileName, stream, bins, table);
    return table;
}

}  // namespace heatwise
