#include "state_outlines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string_view>
#include <system_error>

#include "line_reader.h"

namespace heatwise::cli {

namespace {

class OutlineFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

using Reader = climate::LineReader<OutlineFileError>;

constexpr std::string_view kPostalCodes[] = {
    "AK", "AL", "AR", "AZ", "CA", "CO", "CT", "DC", "DE", "FL", "GA", "HI", "IA",
    "ID", "IL", "IN", "KS", "KY", "LA", "MA", "MD", "ME", "MI", "MN", "MO", "MS",
    "MT", "NC", "ND", "NE", "NH", "NJ", "NM", "NV", "NY", "OH", "OK", "OR", "PA",
    "RI", "SC", "SD", "TN", "TX", "UT", "VA", "VT", "WA", "WI", "WV", "WY"};

// Longitudes run west of -180 only where Alaska's Aleutians cross the 180th meridian, which
// the file writes on west so that the chain stays one piece.
constexpr double kWestmost = -190.0;

// A word of the file as a message quotes it: bytes that are not printable are written \xNN,
// and a long word is cut, so that a message stays one readable line.
std::string Quoted(std::string_view word) {
    constexpr std::size_t kLongest = 40;
    std::string text = "'";
    for (const char c : word.substr(0, kLongest)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte >= 0x7F || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            text += escaped;
        } else {
            text += c;
        }
    }
    return text + (word.size() > kLongest ? "...'" : "'");
}

bool Separates(char c) {
    return c == ' ' || c == '\t';
}

// The next word of the line from `at`, split at spaces and tabs, with `at` moved past it; empty
// at the line's end. The characters are compared one by one, as the searches of the standard
// strings look each character up in the set of separators.
std::string_view NextWord(std::string_view line, std::size_t& at) {
    while (at < line.size() && Separates(line[at])) {
        ++at;
    }
    const std::size_t start = at;
    while (at < line.size() && !Separates(line[at])) {
        ++at;
    }
    return line.substr(start, at - start);
}

bool IsPostalCode(std::string_view word) {
    // Compared letter by letter: every line of the file starts with one or two codes.
    return word.size() == 2 && std::ranges::any_of(kPostalCodes, [word](std::string_view code) {
               return code[0] == word[0] && code[1] == word[1];
           });
}

std::optional<double> Number(std::string_view text) {
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// A number of degrees as the file writes it, whole or with one or two decimals, read from `at`
// to the first character that cannot belong to it; false where the text is anything else.
bool ScanDegrees(std::string_view line, std::size_t& at, double& degrees) {
    const bool negative = at < line.size() && line[at] == '-';
    std::size_t i = at + (negative ? 1 : 0);
    const std::size_t first_digit = i;
    long hundredths = 0;
    for (; i < line.size() && i - first_digit < 3 && line[i] >= '0' && line[i] <= '9'; ++i) {
        hundredths = hundredths * 10 + (line[i] - '0');
    }
    if (i == first_digit) {
        return false;
    }
    hundredths *= 100;
    if (i < line.size() && line[i] == '.') {
        long scale = 10;
        const std::size_t first_decimal = ++i;
        for (; i < line.size() && i - first_decimal < 2 && line[i] >= '0' && line[i] <= '9'; ++i) {
            hundredths += (line[i] - '0') * scale;
            scale /= 10;
        }
        if (i == first_decimal) {
            return false;
        }
    }
    degrees = (negative ? -hundredths : hundredths) / 100.0;
    at = i;
    return true;
}

// The point of the word at `at` when the file writes it plainly, as it writes nearly all:
// degrees as ScanDegrees reads them, longitude,latitude, inside their ranges, the word ending
// there. Anything else, to be read or refused by Point, leaves `at` where it was.
bool ScanPlainPoint(std::string_view line, std::size_t& at, GeoPosition& point) {
    std::size_t i = at;
    double longitude = 0.0;
    double latitude = 0.0;
    if (!ScanDegrees(line, i, longitude) || i >= line.size() || line[i] != ',') {
        return false;
    }
    ++i;
    if (!ScanDegrees(line, i, latitude) || (i < line.size() && !Separates(line[i])) ||
        longitude < kWestmost || longitude > 180.0 || std::abs(latitude) > 90.0) {
        return false;
    }
    point = {latitude, longitude};
    at = i;
    return true;
}

GeoPosition Point(const Reader& reader, std::string_view word, std::size_t number) {
    // The file holds thousands of points, so the place a message names is written only for a
    // point that is refused.
    const auto where = [number] { return "point " + std::to_string(number) + ": "; };
    const std::size_t comma = word.find(',');
    const std::optional<double> longitude =
        comma == std::string_view::npos ? std::nullopt : Number(word.substr(0, comma));
    const std::optional<double> latitude =
        comma == std::string_view::npos ? std::nullopt : Number(word.substr(comma + 1));
    if (!longitude || !latitude) {
        reader.Fail(where() + Quoted(word) + " is not longitude,latitude in degrees");
    }
    if (*longitude < kWestmost || *longitude > 180.0) {
        reader.Fail(where() + "longitude " + Quoted(word.substr(0, comma)) +
                    " is outside -190 to 180 degrees");
    }
    if (std::abs(*latitude) > 90.0) {
        reader.Fail(where() + "latitude " + Quoted(word.substr(comma + 1)) +
                    " is outside -90 to 90 degrees");
    }
    return {*latitude, *longitude};
}

// The line from `at`, its first word `first` already read.
OutlineLine ParseLine(const Reader& reader, std::string_view line, std::size_t at,
                      std::string_view first) {
    OutlineLine outline;
    std::size_t codes = 0;
    std::string_view word = first;
    for (; !word.empty() && word.find(',') == std::string_view::npos; ++codes) {
        if (codes == 2) {
            reader.Fail(Quoted(word) + " stands where a point longitude,latitude belongs; a " +
                        "line names one or two states, then its points");
        }
        if (!IsPostalCode(word)) {
            reader.Fail(Quoted(word) +
                        " is not the postal code of one of the 50 states or DC, such as CO");
        }
        (codes == 0 ? outline.state : outline.other_state) = std::string(word);
        word = NextWord(line, at);
    }
    if (codes == 0) {
        reader.Fail("the line starts with " + Quoted(first) +
                    "; it should start with the postal code of the state it bounds");
    }
    if (outline.state == outline.other_state) {
        reader.Fail("the line names " + outline.state +
                    " twice; a border lies between two different states");
    }
    // The map draws Alaska and Hawaii in insets of their own, which no border leaves.
    for (const std::string_view alone : {"AK", "HI"}) {
        if (!outline.other_state.empty() &&
            (outline.state == alone || outline.other_state == alone)) {
            reader.Fail("the line names " + outline.state + " and " + outline.other_state + "; " +
                        std::string(alone) + " borders no other state");
        }
    }
    // `word` is the first point; a second word must follow it.
    std::size_t after_first = at;
    const std::size_t count = word.empty() ? 0 : NextWord(line, after_first).empty() ? 1 : 2;
    if (count < 2) {
        reader.Fail("the line has " + std::to_string(count) + (count == 1 ? " point" : " points") +
                    "; a border or a coast needs at least 2 points longitude,latitude");
    }
    // A point takes a dozen characters of the line, or more.
    outline.points.reserve(line.size() / 12 + 1);
    at -= word.size();
    for (std::size_t number = 1;; ++number) {
        while (at < line.size() && Separates(line[at])) {
            ++at;
        }
        if (at == line.size()) {
            break;
        }
        GeoPosition point;
        if (!ScanPlainPoint(line, at, point)) {
            point = Point(reader, NextWord(line, at), number);
        }
        outline.points.push_back(point);
    }
    return outline;
}

}  // namespace

std::optional<StateOutlines> ReadStateOutlines(const std::filesystem::path& data_dir) {
    const std::filesystem::path path = data_dir / kStateOutlineFileName;
    std::error_code error;
    if (!std::filesystem::exists(path, error) && !error) {
        return std::nullopt;
    }
    Reader reader(path, "an outline file");
    StateOutlines outlines;
    std::string line;
    while (reader.NextLine(line)) {
        std::size_t at = 0;
        const std::string_view first = NextWord(line, at);
        if (first.empty() || first.starts_with('#')) {
            continue;
        }
        outlines.push_back(ParseLine(reader, line, at, first));
    }
    if (outlines.empty()) {
        reader.FailWholeFile(
            "the file holds no outlines; each line that is not a comment should be a border or "
            "a coast: one or two postal codes, then points longitude,latitude");
    }
    return outlines;
}

}  // namespace heatwise::cli
