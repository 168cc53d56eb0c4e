#include "text_fields.h"

#include <algorithm>

#include "year_calendar.h"

namespace heatwise::climate {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

// Nine digits always fit in an int, so the digit limit is what keeps a reading from wrapping.
constexpr std::size_t kMaxDigits = 9;

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string> SplitCsvLine(std::string_view line) {
    // Each run of plain characters is appended whole: an hourly file has thousands of lines.
    std::vector<std::string> fields;
    std::size_t pos = 0;
    while (true) {
        std::string field;
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
        }
        if (pos < line.size() && line[pos] == '"') {
            // A quoted field may hold commas (station names do); a doubled quote is a quote.
            ++pos;
            while (pos < line.size()) {
                const std::size_t quote = std::min(line.find('"', pos), line.size());
                field.append(line.substr(pos, quote - pos));
                pos = quote;
                if (pos == line.size()) {
                    break;
                }
                if (pos + 1 < line.size() && line[pos + 1] == '"') {
                    field += '"';
                    pos += 2;
                    continue;
                }
                ++pos;
                break;
            }
        }
        const std::size_t comma = std::min(line.find(',', pos), line.size());
        field.append(line.substr(pos, comma - pos));
        pos = comma;
        fields.emplace_back(TrimBlanks(field));
        if (pos >= line.size()) {
            break;
        }
        ++pos;
    }
    return fields;
}

std::optional<int> ParseWholeNumber(std::string_view text) {
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (!IsDigit(c)) {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int> ParseTenthsCelsius(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::string_view whole = text;
    std::string_view tenths;
    if (std::size_t point = text.find('.'); point != std::string_view::npos) {
        whole = text.substr(0, point);
        tenths = text.substr(point + 1);
        if (tenths.size() != 1 || !IsDigit(tenths.front())) {
            return std::nullopt;
        }
    }
    std::optional<int> degrees = ParseWholeNumber(whole);
    if (!degrees || whole.size() > kMaxDigits - 1) {
        return std::nullopt;
    }
    int value = *degrees * 10 + (tenths.empty() ? 0 : tenths.front() - '0');
    return negative ? -value : value;
}

std::optional<MonthDay> ParseCsvDate(std::string_view text) {
    std::size_t first = text.find('/');
    std::size_t second = first == std::string_view::npos ? first : text.find('/', first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view month_text = text.substr(0, first);
    std::string_view day_text = text.substr(first + 1, second - first - 1);
    std::string_view year_text = text.substr(second + 1);
    if (month_text.size() > 2 || day_text.size() > 2 || year_text.size() != 4) {
        return std::nullopt;
    }
    std::optional<int> month = ParseWholeNumber(month_text);
    std::optional<int> day = ParseWholeNumber(day_text);
    if (!month || !day || !ParseWholeNumber(year_text) || !IsDayOfYear(*month, *day)) {
        return std::nullopt;
    }
    return MonthDay{*month, *day};
}

std::optional<int> ParseCsvTime(std::string_view text) {
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon > 2 || text.substr(colon + 1) != "00") {
        return std::nullopt;
    }
    std::optional<int> hour = ParseWholeNumber(text.substr(0, colon));
    if (!hour || *hour < 1 || *hour > kHoursPerDay) {
        return std::nullopt;
    }
    return hour;
}

}  // namespace heatwise::climate
