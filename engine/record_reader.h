// The reading of the climate files' records, shared by the loads of bindata2.dat, cities.dat
// and coldbins.dat so that all three follow the same rules and give the same messages.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <istream>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "engine/climate_data.h"

namespace heatwise {

// Opens a climate file for reading. A file that is not there is first created empty, as the
// calculator has always done, so that it then fails as the end of file before city 1 and the
// empty file stays behind to show where the data was looked for; or it is refused, as any file
// that cannot be opened, with the system's reason. Throws DataError.
std::ifstream OpenClimateFile(const std::filesystem::path& file, MissingFile missing);

// The values a file accepts; every whole number of 32 bits unless a file says otherwise.
struct ValueRange {
    std::int64_t minimum = std::numeric_limits<std::int32_t>::min();
    std::int64_t maximum = std::numeric_limits<std::int32_t>::max();
};

// Reads the records of one climate file: every record starts on a new line, its values are
// whole numbers separated by blanks, commas or line ends, and the rest of the line after its
// last value is skipped. `file` names the stream in messages.
class RecordReader {
  public:
    RecordReader(const std::filesystem::path& file, std::istream& stream, ValueRange range = {})
        : file_(file), stream_(stream), range_(range) {}

    // Reads the values of city `city` (1-based) into `values`; throws DataError naming the
    // file, the line, the city and the value at fault.
    void ReadRecord(int city, std::span<std::int32_t> values);

    // The line of the last value read.
    int line() const { return line_; }

  private:
    [[noreturn]] void FailAtEndOfFile(int city, int read, int count) const;
    [[noreturn]] void FailValue(int city, int value, const std::string& problem) const;
    [[noreturn]] void FailWord(int city, int value, std::string_view word,
                               std::string_view problem) const;
    int ReadValuesOfLine(int city, std::span<std::int32_t> values, int read);
    std::int32_t ParseWholeNumber(int city, int value, std::string_view word) const;

    std::filesystem::path file_;
    std::istream& stream_;
    ValueRange range_;
    std::string text_;
    int line_ = 0;
};

}  // namespace heatwise
