#include "engine/record_reader.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace heatwise {

namespace {

namespace fs = std::filesystem;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

bool IsSeparator(char c) {
    return IsBlank(c) || c == ',';
}

// A number of nine digits or fewer, with or without a minus sign, read from `pos` as the line is
// scanned, `pos` moved past it; false, `pos` unmoved, for any other word. Nearly every word of
// a climate file is such a number, and none of them can leave the range of a whole number.
bool ScanShortNumber(std::string_view line, std::size_t& pos, std::int64_t& number) {
    constexpr std::size_t kShortDigits = 9;
    const bool negative = line[pos] == '-';
    const std::size_t first = pos + (negative ? 1 : 0);
    std::size_t end = first;
    std::int64_t magnitude = 0;
    for (; end < line.size() && end - first <= kShortDigits && line[end] >= '0' && line[end] <= '9';
         ++end) {
        magnitude = magnitude * 10 + (line[end] - '0');
    }
    if (end == first || end - first > kShortDigits ||
        (end < line.size() && !IsSeparator(line[end]))) {
        return false;
    }
    number = negative ? -magnitude : magnitude;
    pos = end;
    return true;
}

}  // namespace

std::ifstream OpenClimateFile(const fs::path& file, MissingFile missing) {
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
        throw DataError(file, "cannot be opened for reading" +
                                  (reason != 0 ? ": " + std::generic_category().message(reason)
                                               : std::string()));
    }
    return stream;
}

void RecordReader::ReadRecord(int city, std::span<std::int32_t> values) {
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

void RecordReader::FailAtEndOfFile(int city, int read, int count) const {
    if (stream_.bad()) {
        throw DataError(file_, line_ + 1, "the file cannot be read further");
    }
    const std::string whole =
        "the " + std::to_string(count) + " values of city " + std::to_string(city);
    if (read == 0) {
        throw DataError(file_, line_ + 1, "end of file before " + whole);
    }
    throw DataError(file_, line_ + 1, "end of file after " + std::to_string(read) + " of " + whole);
}

void RecordReader::FailValue(int city, int value, const std::string& problem) const {
    throw DataError(
        file_, line_,
        "city " + std::to_string(city) + ", value " + std::to_string(value) + ": " + problem);
}

// Kept out of line: the reading of every number stays small, and the message is made only for
// the one number that fails. DataError shows the bytes of a damaged file escaped.
[[gnu::noinline]] void RecordReader::FailWord(int city, int value, std::string_view word,
                                              std::string_view problem) const {
    std::string message = "'" + std::string(word) + "' ";
    message.append(problem);
    FailValue(city, value, message);
}

// Takes values from the current line into `values`, starting at `read`, until the line or the
// record ends; returns how many values of the record have been read.
int RecordReader::ReadValuesOfLine(int city, std::span<std::int32_t> values, int read) {
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
            // Two commas with no number between them would be an empty value; the files never
            // hold one, and guessing what it should mean could shift every later value of the
            // city.
            if (!value_since_comma) {
                FailValue(city, read + 1, "an empty value: a comma with no number before it");
            }
            value_since_comma = false;
            ++pos;
            continue;
        }
        std::int64_t number = 0;
        std::size_t end = pos;
        if (ScanShortNumber(line, end, number) && number >= range_.minimum &&
            number <= range_.maximum) {
            values[static_cast<std::size_t>(read)] = static_cast<std::int32_t>(number);
            pos = end;
        } else {
            // Any other word is read, or refused with the reason, on its own.
            end = pos;
            while (end < line.size() && !IsSeparator(line[end])) {
                ++end;
            }
            const std::string_view word = line.substr(pos, end - pos);
            values[static_cast<std::size_t>(read)] = ParseWholeNumber(city, read + 1, word);
            pos = end;
        }
        ++read;
        value_since_comma = true;
    }
    return read;
}

std::int32_t RecordReader::ParseWholeNumber(int city, int value, std::string_view word) const {
    std::string_view digits = word;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    // The digits are taken one at a time as they are checked, the magnitude held back at one
    // past the largest the sign allows, so that a long number cannot overflow it.
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
        FailWord(city, value, word, "is outside the whole-number range -2147483648 to 2147483647");
    }
    const std::int64_t number = negative ? -magnitude : magnitude;
    if (number < range_.minimum || number > range_.maximum) {
        FailWord(city, value, word,
                 "is outside the accepted range " + std::to_string(range_.minimum) + " to " +
                     std::to_string(range_.maximum));
    }
    return static_cast<std::int32_t>(number);
}

}  // namespace heatwise
