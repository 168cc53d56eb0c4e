// The climate of the 211 cities: the bin hours of bindata2.dat and the design records of
// cities.dat, and their load.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace heatwise {

inline constexpr int kCityCount = 211;
inline constexpr int kShiftCount = 3;
inline constexpr int kBinCount = 21;
// Values of one city in bindata2.dat: 21 bins for each of the three shifts.
inline constexpr int kBinValueCount = kShiftCount * kBinCount;
// Values of one city in cities.dat.
inline constexpr int kDesignValueCount = 3;

inline constexpr const char* kBinFileName = "bindata2.dat";
inline constexpr const char* kDesignFileName = "cities.dat";

// The hours per year of one city in each bin during each shift, in the files' flat order: index
// k - 1 holds value k = 21 × (shift − 1) + bin, bin 1 being 100/104 °F and bin 21 0/4 °F.
using CityBinHours = std::array<std::int32_t, kBinValueCount>;

// Flat index (0-based) of a shift 1..3 and a bin 1..21.
constexpr int BinValueIndex(int shift, int bin) {
    return kBinCount * (shift - 1) + bin - 1;
}

// The cold tail of one city: the hours below 0 °F that bindata2.dat counts in its last bin,
// 0/4 °F, in ten bins of their own, -5/-1 °F down to -50/-46 °F, continuing the numbering of the
// 21 bins: cold bin b = 22 .. 31 has the midpoint 107 - 5 × b (-3 down to -48 °F), and hours
// colder than -50 °F count in the last. coldbins.dat holds them shift by shift: index k - 1
// holds value k = 10 × (shift − 1) + (b − 21).
inline constexpr int kFirstColdBin = kBinCount + 1;
inline constexpr int kColdBinCount = 10;
inline constexpr int kLastColdBin = kBinCount + kColdBinCount;
inline constexpr int kColdBinValueCount = kShiftCount * kColdBinCount;
inline constexpr const char* kColdBinFileName = "coldbins.dat";
using CityColdBinHours = std::array<std::int32_t, kColdBinValueCount>;

// Flat index (0-based) of a shift 1..3 and a cold bin 22..31.
constexpr int ColdBinValueIndex(int shift, int cold_bin) {
    return kColdBinCount * (shift - 1) + cold_bin - kFirstColdBin;
}

// The design data of one city, in the order cities.dat holds it.
struct DesignRecord {
    std::int32_t winter_design = 0;  // °F
    std::int32_t degree_days = 0;    // heating degree days, °F·days
    std::int32_t summer_design = 0;  // °F
};

// Bin hours of every city, all zero until a load fills them. Cities are 1-based.
class CityBinTable {
  public:
    CityBinTable() : hours_(kCityCount) {}

    const CityBinHours& City(int city) const { return hours_.at(city - 1); }
    CityBinHours& City(int city) { return hours_.at(city - 1); }
    std::int32_t Hours(int city, int shift, int bin) const {
        return City(city).at(BinValueIndex(shift, bin));
    }

  private:
    std::vector<CityBinHours> hours_;
};

// Design records of every city, all zero until a load fills them. Cities are 1-based.
class CityDesignTable {
  public:
    CityDesignTable() : records_(kCityCount) {}

    const DesignRecord& City(int city) const { return records_.at(city - 1); }
    DesignRecord& City(int city) { return records_.at(city - 1); }

  private:
    std::vector<DesignRecord> records_;
};

struct ClimateTables {
    CityBinTable bins;
    CityDesignTable design;
};

// A climate file that cannot be used. The message names the file and, where there is one, the
// line, the city and the value at fault, e.g.
// "bindata2.dat: line 4: city 4, value 17: '12.5' is not a whole number". Bytes that cannot be
// read are shown as \xHH (see PrintableText).
class DataError : public std::runtime_error {
  public:
    DataError(const std::filesystem::path& file, int line, const std::string& problem);
    DataError(const std::filesystem::path& file, const std::string& problem);

    const std::filesystem::path& file() const { return file_; }
    // The 1-based line of the fault, or 0 when the fault is not on a line (an open failure).
    int line() const { return line_; }

  private:
    std::filesystem::path file_;
    int line_;
};

// Reads bindata2.dat and then cities.dat from `directory` (empty: the working directory), each as
// exactly 211 records. Every record starts on a new line and may continue over several lines;
// whatever follows a record's last value on its line is skipped, empty lines change nothing and
// lines after the 211th record are never read. The program creates a missing file empty, so it
// then fails as the end of file before city 1 and the empty file shows where the data was looked
// for; the command-line estimator refuses it instead, leaving the caller's folder alone. Neither
// file is otherwise written.
//
// Throws DataError on the first fault. The tables are returned only when both files have loaded
// completely, so a caller that assigns the result never holds a partial table.
enum class MissingFile { kCreateEmpty, kRefuse };
ClimateTables LoadClimateTables(const std::filesystem::path& directory,
                                MissingFile missing = MissingFile::kCreateEmpty);

// Reads the two files' texts, already in memory, exactly as LoadClimateTables reads the files;
// messages name the files "bindata2.dat" and "cities.dat". Throws DataError on the first fault
// and returns the tables only when both texts have loaded completely.
ClimateTables ParseClimateTables(std::string_view bin_text, std::string_view design_text);

}  // namespace heatwise
