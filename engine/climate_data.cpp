#include "engine/climate_data.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <span>
#include <sstream>
#include <string_view>
#include <system_error>

#include "engine/printable_text.h"

namespace heatwise {

namespace {

namespace fs = std::filesystem;

std::string Describe(const fs::path& file, int line, const std::string& problem) {
    return file.string() + ": line " + std::to_string(line) + ": " + problem;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

bool IsSeparator(char c) {
    return IsBlank(c) || c == ',';
}

// Opens a climate file for reading. A file that is not there is first created empty, as the
// calculator has always done, so that it then fails as the end of file before city 1 and the
// empty file stays behind to show where the data was looked for; or it is refused.
std::ifstream OpenForReading(const fs::path& file, MissingFile missing) {
    std::error_code error;
    if (fs::is_directory(file, error)) {
        throw DataError(file, "is a folder, not a climate data file");
    }
    if (missing == MissingFile::kCreateEmpty && !fs::exists(file, error) && !error) {
        std::ofstream create(file, std::ios::binary);
        if (!create) {
            throw DataError(file, "is missing and cannot be created empty");
        }
    }
    errno = 0;
    std::ifstream stream(file, std::ios::binary);
    if (!stream.is_open()) {
        // The stream keeps no reason of its own; the system's is in errno.
        const int reason = errno;
        throw DataError(file, std::string("cannot be opened for reading") +
                                  (reason != 0 ? ": " + std::string(std::strerror(reason)) : ""));
    }
    return stream;
}

// Reads the records of one climate file: every record starts on a new line, its values are
// whole numbers separated by blanks, commas or line ends, and the rest of the line after its
// last value is skipped. `file` names the stream in messages.
class RecordReader {
  public:
    RecordReader(const fs::path& file, std::istream& stream) : file_(file), stream_(stream) {}

    void ReadRecord(int city, std::span<std::int32_t> values) {
        const int count = static_cast<int>(values.size());
        int read = 0;
        while (read < count) {
            if (!std::getline(stream_, text_)) {
                FailAtEndOfFile(city, read, count);
            }
            ++line_;
            read = ReadValuesOfLine(city, values, read);
        }
    }

  private:
    [[noreturn]] void FailAtEndOfFile(int city, int read, int count) const {
        if (stream_.bad()) {
            throw DataError(file_, line_ + 1, "the file cannot be read further");
        }
        const std::string whole =
            "the " + std::to_string(count) + " values of city " + std::to_string(city);
        if (read == 0) {
            throw DataError(file_, line_ + 1, "end of file before " + whole);
        }
        throw DataError(file_, line_ + 1,
                        "end of file after " + std::to_string(read) + " of " + whole);
    }

    [[noreturn]] void FailValue(int city, int value, const std::string& problem) const {
        throw DataError(
            file_, line_,
            "city " + std::to_string(city) + ", value " + std::to_string(value) + ": " + problem);
    }

    // Kept out of line: the reading of every number stays small, and the message is made
    // only for the one number that fails.
    [[noreturn]] [[gnu::noinline]] void FailWord(int city, int value, std::string_view word,
                                                 std::string_view problem) const {
        std::string message = "'";
        message.append(word).append("' ").append(problem);
        FailValue(city, value, message);
    }

    // Takes values from the current line into `values`, starting at `read`, until the line or
    // the record ends; returns how many values of the record have been read.
    int ReadValuesOfLine(int city, std::span<std::int32_t> values, int read) {
        const std::string_view line = text_;
        const int count = static_cast<int>(values.size());
        bool value_since_comma = false;
        std::size_t pos = 0;
        while (read < count) {
            while (pos < line.size() && IsBlank(line[pos])) {
                ++pos;
            }
            if (pos == line.size()) {
                break;
            }
            if (line[pos] == ',') {
                // Two commas with no number between them would be an empty value; the files
                // never hold one, and guessing what it should mean could shift every later
                // value of the city.
                if (!value_since_comma) {
                    FailValue(city, read + 1, "an empty value: a comma with no number before it");
                }
                value_since_comma = false;
                ++pos;
                continue;
            }
            std::size_t end = pos;
            while (end < line.size() && !IsSeparator(line[end])) {
                ++end;
            }
            const std::string_view word = line.substr(pos, end - pos);
            values[static_cast<std::size_t>(read)] = ParseWholeNumber(city, read + 1, word);
            ++read;
            value_since_comma = true;
            pos += word.size();
        }
        return read;
    }

    std::int32_t ParseWholeNumber(int city, int value, std::string_view word) const {
        std::string_view digits = word;
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            digits.remove_prefix(1);
        }
        // The digits are taken one at a time as they are checked, the magnitude held back at
        // one past the largest the sign allows, so that a long number cannot overflow it.
        constexpr std::int64_t kBeyond = std::int64_t{1} << 31;
        const std::int64_t limit = negative ? kBeyond : kBeyond - 1;
        std::int64_t magnitude = 0;
        bool all_digits = !digits.empty();
        for (const char c : digits) {
            if (c < '0' || c > '9') {
                all_digits = false;
                break;
            }
            magnitude = std::min(magnitude * 10 + (c - '0'), limit + 1);
        }
        if (!all_digits) {
            FailWord(city, value, word, "is not a whole number");
        }
        if (magnitude > limit) {
            FailWord(city, value, word,
                     "is outside the whole-number range -2147483648 to 2147483647");
        }
        return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    }

    fs::path file_;
    std::istream& stream_;
    std::string text_;
    int line_ = 0;
};

void ReadBinHours(const fs::path& file, std::istream& stream, CityBinTable& table) {
    RecordReader reader(file, stream);
    for (int city = 1; city <= kCityCount; ++city) {
        reader.ReadRecord(city, table.City(city));
    }
}

void ReadDesignRecords(const fs::path& file, std::istream& stream, CityDesignTable& table) {
    RecordReader reader(file, stream);
    for (int city = 1; city <= kCityCount; ++city) {
        std::array<std::int32_t, kDesignValueCount> values{};
        reader.ReadRecord(city, values);
        table.City(city) = DesignRecord{values[0], values[1], values[2]};
    }
}

}  // namespace

// The message shows a NUL or a control character of the file's text or of its name escaped, so
// that it is whole and cannot play tricks on a terminal.
DataError::DataError(const fs::path& file, int line, const std::string& problem)
    : std::runtime_error(PrintableText(Describe(file, line, problem))), file_(file), line_(line) {}

DataError::DataError(const fs::path& file, const std::string& problem)
    : std::runtime_error(PrintableText(file.string() + ": " + problem)), file_(file), line_(0) {}

ClimateTables LoadClimateTables(const fs::path& directory, MissingFile missing) {
    ClimateTables tables;
    // Each file is closed before the next is opened: its stream goes out of scope first.
    {
        const fs::path file = directory / kBinFileName;
        std::ifstream stream = OpenForReading(file, missing);
        ReadBinHours(file, stream, tables.bins);
    }
    {
        const fs::path file = directory / kDesignFileName;
        std::ifstream stream = OpenForReading(file, missing);
        ReadDesignRecords(file, stream, tables.design);
    }
    return tables;
}

ClimateTables ParseClimateTables(std::string_view bin_text, std::string_view design_text) {
    ClimateTables tables;
    std::istringstream bin_stream{std::string(bin_text)};
    ReadBinHours(kBinFileName, bin_stream, tables.bins);
    std::istringstream design_stream{std::string(design_text)};
    ReadDesignRecords(kDesignFileName, design_stream, tables.design);
    return tables;
}

}  // namespace heatwise
