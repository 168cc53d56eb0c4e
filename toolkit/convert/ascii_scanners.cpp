// The scanners that read numbers from the start of a text: yyAsciiToInt and yyAsciiToDouble.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>

#include "convert/zstring_convert.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exponents are held far beyond any that changes a 64-bit real, but short of overflowing.
constexpr long long kExponentCap = 1'000'000'000;

}  // namespace

int yyAsciiToInt(std::string_view text) {
    long long value = 0;
    for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > std::numeric_limits<int>::max()) {
            return std::numeric_limits<int>::max();
        }
    }
    return static_cast<int>(value);
}

int yyAsciiToInt(const char* text) {
    return text == nullptr ? 0 : yyAsciiToInt(std::string_view(text));
}

double yyAsciiToDouble(std::string_view text, int& at_end) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    double value = 0.0;
    long long exponent = 0;
    bool seen_point = false;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        if (c == '.' && !seen_point) {
            seen_point = true;
        } else if (IsDigit(c)) {
            value = value * 10 + (c - '0');
            if (seen_point && exponent > -kExponentCap) {
                --exponent;
            }
        } else {
            break;
        }
    }
    if (pos < text.size() && std::string_view("eEdD").find(text[pos]) != std::string_view::npos) {
        ++pos;
        bool negative_exponent = false;
        if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
            negative_exponent = text[pos] == '-';
            ++pos;
        }
        long long written = 0;
        for (; pos < text.size() && IsDigit(text[pos]); ++pos) {
            written = std::min(written * 10 + (text[pos] - '0'), kExponentCap);
        }
        exponent += negative_exponent ? -written : written;
    }
    // Once the value is zero or infinite, further steps leave it unchanged: stopping there
    // bounds the work whatever exponent the text holds.
    for (; exponent < 0 && value != 0.0 && std::isfinite(value); ++exponent) {
        value *= 0.1;
    }
    for (; exponent > 0 && value != 0.0 && std::isfinite(value); --exponent) {
        value *= 10;
    }
    at_end = pos == text.size() ? 1 : 0;
    return negative ? -value : value;
}

double yyAsciiToDouble(const char* text, int& at_end) {
    if (text == nullptr) {
        at_end = 1;
        return 0.0;
    }
    return yyAsciiToDouble(std::string_view(text), at_end);
}
