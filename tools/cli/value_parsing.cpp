#include "value_parsing.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/city_list.h"

namespace heatwise::cli {

namespace {

std::string Quote(std::string_view text) {
    std::string quoted = "'";
    quoted.append(text).append("'");
    return quoted;
}

[[noreturn]] void Refuse(std::string_view option, std::string_view text,
                         const std::string& problem) {
    throw UsageError(std::string(option) + ": " + Quote(text) + " " + problem);
}

// The shortest decimal text that reads back as the single-precision value.
std::string ShortestText(float value) {
    std::array<char, 32> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

double ReadDouble(const std::string& text) {
    double value = 0.0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string NineDigits(float value) {
    std::array<char, 32> buffer{};
    std::snprintf(buffer.data(), buffer.size(), "%.9g", static_cast<double>(value));
    return buffer.data();
}

bool IsWholeNumberText(std::string_view text) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        text.remove_prefix(1);
    }
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

}  // namespace

std::string DescribeRange(const IntegerRange& range) {
    return std::to_string(range.minimum) + " to " + std::to_string(range.maximum);
}

std::string DescribeRange(const RealRange& range, RangeDetail detail) {
    const std::string low = ShortestText(range.minimum);
    const std::string high = ShortestText(range.maximum);
    const double low_decimal = ReadDouble(low);
    const double high_decimal = ReadDouble(high);
    const bool low_exact = static_cast<double>(range.minimum) == low_decimal;
    const bool high_exact = static_cast<double>(range.maximum) == high_decimal;
    if (low_exact && high_exact) {
        return low + " to " + high;
    }
    const std::string low_words =
        static_cast<double>(range.minimum) > low_decimal ? "above " + low : "from " + low;
    const std::string high_words =
        static_cast<double>(range.maximum) < high_decimal ? "below " + high : "up to " + high;
    if (detail == RangeDetail::kWords) {
        return low_words + " and " + high_words;
    }
    return low_words + " and " + high_words + " (single-precision limits " +
           NineDigits(range.minimum) + " and " + NineDigits(range.maximum) + ")";
}

std::int32_t ParseWholeNumber(std::string_view option, std::string_view text,
                              const IntegerRange& range) {
    if (!IsWholeNumberText(text)) {
        Refuse(option, text, "is not a whole number");
    }
    const std::string_view digits = text.front() == '+' ? text.substr(1) : text;
    std::int64_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc() || !range.Contains(value)) {
        Refuse(option, text, "is outside the accepted range " + DescribeRange(range));
    }
    return static_cast<std::int32_t>(value);
}

double ParseDouble(std::string_view option, std::string_view text, const RealRange& range) {
    const std::string_view number = !text.empty() && text.front() == '+' ? text.substr(1) : text;
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    const bool whole_text = result.ptr == number.data() + number.size();
    if (number.empty() || result.ec == std::errc::invalid_argument || !whole_text ||
        (result.ec == std::errc() && !std::isfinite(value))) {
        Refuse(option, text, "is not a number");
    }
    // A value too large or too small for a double is outside every range of the form.
    if (result.ec != std::errc() || !range.Contains(value)) {
        Refuse(option, text, "is outside the accepted range " + DescribeRange(range));
    }
    return value;
}

float ParseReal(std::string_view option, std::string_view text, const RealRange& range) {
    return static_cast<float>(ParseDouble(option, text, range));
}

std::array<std::int32_t, kShiftCount> ParseShiftTriple(std::string_view option,
                                                       std::string_view text,
                                                       const IntegerRange& range) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(
            text.substr(start, comma == std::string_view::npos ? text.npos : comma - start));
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    if (parts.size() != kShiftCount) {
        Refuse(option, text,
               "is not three whole numbers separated by commas, one for each shift (hours 1-8, "
               "9-16, 17-24)");
    }
    std::array<std::int32_t, kShiftCount> values{};
    for (std::size_t shift = 0; shift < parts.size(); ++shift) {
        const std::string which =
            std::string(option) + " (shift " + std::to_string(shift + 1) + ")";
        values[shift] = ParseWholeNumber(which, parts[shift], range);
    }
    return values;
}

int ParseCity(std::string_view option, std::string_view text) {
    if (IsWholeNumberText(text)) {
        return ParseWholeNumber(option, text, kCityRange);
    }
    const std::vector<int> found = FindCities(text);
    if (found.size() == 1) {
        return found.front();
    }
    if (found.empty()) {
        Refuse(option, text,
               "is not in the city list; give a city number 1 to 211 or a list text such as "
               "'austin' or 'austin, TX' (heatwise-cli compare lists them all)");
    }
    std::string entries;
    for (const int city : found) {
        entries += (entries.empty() ? "" : ", ") + std::to_string(city) + " (" +
                   std::string(CityName(city)) + ")";
    }
    Refuse(option, text,
           "names several cities: " + entries + "; give the number of the one you mean");
}

}  // namespace heatwise::cli
