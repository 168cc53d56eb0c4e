// The cold tail of the 211 cities: the hours below 0 °F of coldbins.dat in their ten bins, and
// their load. The program's start-up does not read the file; a command that needs the hours
// below 0 °F loads it beside the other two.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "engine/climate_data.h"

namespace heatwise {

// The hours of one shift can be no more than the shift's 365 days of 8 hours.
inline constexpr int kShiftHoursPerYear = 2920;

// Cold-bin hours of every city, all zero until a load fills them. Cities are 1-based.
class ColdBinTable {
  public:
    ColdBinTable() : hours_(kCityCount) {}

    const CityColdBinHours& City(int city) const { return hours_.at(city - 1); }
    CityColdBinHours& City(int city) { return hours_.at(city - 1); }
    std::int32_t Hours(int city, int shift, int cold_bin) const {
        return City(city).at(ColdBinValueIndex(shift, cold_bin));
    }

  private:
    std::vector<CityColdBinHours> hours_;
};

// Reads coldbins.dat from `directory` (empty: the working directory) by the rules and with the
// messages of the other two files: exactly 211 records of 30 whole numbers, each from 0 to
// 2920 hours. The cold hours of a shift are a part of its bin 21 (0/4 °F) in bindata2.dat, so
// a city whose cold bins of a shift hold more hours than `bins` has in that bin is refused,
// naming the line, the city and the shift. A missing file is created empty or refused as
// `missing` says, as for the other two.
//
// Throws DataError on the first fault; the table is returned only when the file has loaded
// completely.
ColdBinTable LoadColdBins(const std::filesystem::path& directory, const CityBinTable& bins,
                          MissingFile missing = MissingFile::kRefuse);

// Reads the text of coldbins.dat, already in memory, exactly as LoadColdBins reads the file;
// messages name the file "coldbins.dat".
ColdBinTable ParseColdBins(std::string_view text, const CityBinTable& bins);

}  // namespace heatwise
