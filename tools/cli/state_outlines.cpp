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

// The words of a line, split at spaces and tabs. The characters are compared one by one, as
// the searches of the standard strings look each character up in the set of separators.
std::vector<std::string_view> Words(std::string_view line) {
    const auto separates = [](char c) { return c == ' ' || c == '\t'; };
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && separates(line[at])) {
            ++at;
        }
        const std::size_t start = at;
        while (at < line.size() && !separates(line[at])) {
            ++at;
        }
        if (at > start) {
            words.push_back(line.substr(start, at - start));
        }
    }
    return words;
}

bool IsPostalCode(std::string_view word) {
    return std::ranges::find(kPostalCodes, word) != std::end(kPostalCodes);
}

// The degrees as the file writes them, with at most two decimals, read digit by digit: the file
// holds thousands of them and a general reader of numbers takes most of the time of reading it.
// Anything else is left to the general reader.
std::optional<double> PlainDegrees(std::string_view text) {
    std::size_t at = text.starts_with('-') ? 1 : 0;
    long whole = 0;
    const std::size_t first_digit = at;
    for (; at < text.size() && at - first_digit < 3 && text[at] >= '0' && text[at] <= '9'; ++at) {
        whole = whole * 10 + (text[at] - '0');
    }
    if (at == first_digit) {
        return std::nullopt;
    }
    long hundredths = whole * 100;
    if (at < text.size() && text[at] == '.') {
        const std::size_t decimals = text.size() - at - 1;
        if (decimals < 1 || decimals > 2) {
            return std::nullopt;
        }
        for (long scale = 10; ++at < text.size(); scale /= 10) {
            if (text[at] < '0' || text[at] > '9') {
                return std::nullopt;
            }
            hundredths += (text[at] - '0') * scale;
        }
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return (text[0] == '-' ? -hundredths : hundredths) / 100.0;
}

std::optional<double> Number(std::string_view text) {
    if (const std::optional<double> plain = PlainDegrees(text)) {
        return plain;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
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

OutlineLine ParseLine(const Reader& reader, const std::vector<std::string_view>& words) {
    OutlineLine outline;
    std::size_t first_point = 0;
    for (; first_point < words.size() && words[first_point].find(',') == std::string_view::npos;
         ++first_point) {
        const std::string_view word = words[first_point];
        if (first_point == 2) {
            reader.Fail(Quoted(word) + " stands where a point longitude,latitude belongs; a " +
                        "line names one or two states, then its points");
        }
        if (!IsPostalCode(word)) {
            reader.Fail(Quoted(word) +
                        " is not the postal code of one of the 50 states or DC, such as CO");
        }
        (first_point == 0 ? outline.state : outline.other_state) = std::string(word);
    }
    if (first_point == 0) {
        reader.Fail("the line starts with " + Quoted(words.front()) +
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
    const std::size_t count = words.size() - first_point;
    if (count < 2) {
        reader.Fail("the line has " + std::to_string(count) + (count == 1 ? " point" : " points") +
                    "; a border or a coast needs at least 2 points longitude,latitude");
    }
    outline.points.reserve(count);
    for (std::size_t i = first_point; i < words.size(); ++i) {
        outline.points.push_back(Point(reader, words[i], i - first_point + 1));
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
        const std::vector<std::string_view> words = Words(line);
        if (words.empty() || words.front().starts_with('#')) {
            continue;
        }
        outlines.push_back(ParseLine(reader, words));
    }
    if (outlines.empty()) {
        reader.FailWholeFile(
            "the file holds no outlines; each line that is not a comment should be a border or "
            "a coast: one or two postal codes, then points longitude,latitude");
    }
    return outlines;
}

}  // namespace heatwise::cli
