// Writing one number under one edit descriptor.
//
// Sections:
//  1. Integers (I, and G for integers)
//  2. Infinities and not-a-number
//  3. Decimal digits of a real, fixed (F) and with exponent (E, D)
//  4. The choice between fixed and exponent form for G
#include "convert/edit_output.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace windlass {

namespace {

// The largest 64-bit real has 309 digits before its decimal point.
constexpr int kMaxDigitsBeforePoint = 310;

std::string Asterisks(int width) {
    return std::string(static_cast<std::size_t>(width), '*');
}

std::string RightJustified(std::string_view body, int width) {
    std::string field(static_cast<std::size_t>(width) - body.size(), ' ');
    field += body;
    return field;
}

// ---------------------------------------------------------------------------------------------
// 1. Integers
// ---------------------------------------------------------------------------------------------

// Iw.m: at least m digits (so the value 0 under m = 0 shows no digit at all), a minus sign
// for negative values.
std::string WriteIntegerDigits(int value, int width, int min_digits) {
    long long magnitude = std::llabs(static_cast<long long>(value));
    std::string digits = magnitude == 0 && min_digits == 0 ? "" : std::to_string(magnitude);
    if (static_cast<int>(digits.size()) < min_digits) {
        digits.insert(0, static_cast<std::size_t>(min_digits) - digits.size(), '0');
    }
    if (value < 0) {
        digits.insert(0, 1, '-');
    }
    if (width == 0) {
        return digits;
    }
    if (static_cast<int>(digits.size()) > width) {
        return Asterisks(width);
    }
    return RightJustified(digits, width);
}

// ---------------------------------------------------------------------------------------------
// 2. Infinities and not-a-number
// ---------------------------------------------------------------------------------------------

// An infinity is spelled out once the field is wider than the word: "Infinity" from 8
// columns, "-Infinity" from 9; narrower fields take "Inf" or "-Inf". Not-a-number is "NaN"
// whatever its sign. A width of 0 takes the short forms.
std::string WriteNonFinite(bool is_nan, bool negative, int width) {
    if (is_nan) {
        int columns = width == 0 ? 3 : width;
        return columns < 3 ? Asterisks(width) : RightJustified("NaN", columns);
    }
    int columns = width == 0 ? (negative ? 4 : 3) : width;
    if (columns < 3 || (columns == 3 && negative)) {
        return Asterisks(width);
    }
    std::string word = columns > (negative ? 8 : 7) ? "Infinity" : "Inf";
    if (negative) {
        word.insert(0, 1, '-');
    }
    return RightJustified(word, columns);
}

// ---------------------------------------------------------------------------------------------
// 3. Decimal digits of a real
// ---------------------------------------------------------------------------------------------

// The parts of a written real: sign, digits before and after the point, exponent field.
struct RealParts {
    bool negative = false;
    std::string before;    // Empty when the rounded magnitude is below 1.
    std::string after;     // Exactly d digits.
    std::string exponent;  // Empty for F.
};

// Lays the parts out in `width` columns: blanks, sign, the optional zero before the point
// (written only when a column is left for it), digits, point, digits, exponent. A field of
// one column, or of two with a sign, never holds a number.
std::string LayOut(const RealParts& parts, int width) {
    int needed =
        static_cast<int>(parts.before.size() + parts.after.size() + parts.exponent.size()) + 1 +
        (parts.negative ? 1 : 0);
    int blanks = width - needed;
    if (blanks < 0 || width == 1 || (width == 2 && parts.negative)) {
        return Asterisks(width);
    }
    bool lead_zero = parts.before.empty() && blanks > 0;
    if (lead_zero) {
        --blanks;
    }
    std::string field(static_cast<std::size_t>(blanks), ' ');
    if (parts.negative) {
        field += '-';
    }
    if (lead_zero) {
        field += '0';
    }
    field += parts.before;
    field += '.';
    field += parts.after;
    field += parts.exponent;
    return field;
}

// F editing: the magnitude rounded to `decimals` places. A width of 0 asks for the narrowest
// field: it drops the zero before the point (".50", "-.000") except when the field would hold
// no digit at all ("0." for a value that rounds to zero with no decimals).
std::string WriteFixed(double magnitude, bool negative, int width, int decimals) {
    // The digits before the point and the decimals are both bounded, so the buffer always
    // holds the whole text.
    char buffer[kMaxDigitsBeforePoint + kMaxFieldWidth + 8];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, magnitude);
    std::string_view text(buffer);
    std::size_t point = text.find('.');
    RealParts parts;
    parts.negative = negative;
    parts.before = std::string(text.substr(0, point));
    parts.after = point == std::string_view::npos ? "" : std::string(text.substr(point + 1));
    if (parts.before == "0") {
        parts.before.clear();
    }
    if (width == 0) {
        bool shows_zero =
            parts.before.empty() && parts.after.find_first_not_of('0') == std::string::npos;
        int sign_columns = negative ? 2 : 1;
        if (shows_zero) {
            width = decimals + sign_columns + (decimals == 0 ? 1 : 0);
        } else {
            width = static_cast<int>(parts.before.size()) + decimals + sign_columns;
            width = width == 1 ? 2 : width;
        }
    }
    return LayOut(parts, width);
}

// The exponent field of E and D editing. Without a given e: the letter and two digits up to
// 99, the sign and three digits (no letter) up to 999. With e = 0: the letter, the sign and as
// few digits as the exponent needs. Otherwise: the letter and exactly e digits, when they hold
// the exponent. No result when the exponent cannot be written.
std::optional<std::string> ExponentField(int exponent, char letter, int exponent_digits) {
    int magnitude = std::abs(exponent);
    int needed = 1;
    for (int rest = magnitude; rest >= 10; rest /= 10) {
        ++needed;
    }
    std::string field;
    int digits = 0;
    if (exponent_digits < 0) {
        if (magnitude > 999) {
            return std::nullopt;
        }
        if (magnitude > 99) {
            digits = 3;
        } else {
            field += letter;
            digits = 2;
        }
    } else if (exponent_digits == 0) {
        field += letter;
        digits = needed;
    } else {
        if (needed > exponent_digits) {
            return std::nullopt;
        }
        field += letter;
        digits = exponent_digits;
    }
    std::string number = std::to_string(magnitude);
    field += exponent < 0 ? '-' : '+';
    field.append(static_cast<std::size_t>(digits) - number.size(), '0');
    field += number;
    return field;
}

// E and D editing: "0." and d significant digits, then the exponent field.
std::string WriteExponent(double magnitude, bool negative, int width, int digits,
                          int exponent_digits, char letter) {
    RealParts parts;
    parts.negative = negative;
    int exponent = 0;
    if (magnitude == 0.0) {
        parts.after.assign(static_cast<std::size_t>(digits), '0');
    } else {
        // "d.ddd...e+xxx": one digit, the point, d - 1 digits, and a short exponent.
        char buffer[kMaxFieldWidth + 16];
        std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, magnitude);
        std::string_view text(buffer);
        std::size_t mark = text.find('e');
        parts.after = std::string(text.substr(0, 1));
        if (digits > 1) {
            parts.after += text.substr(2, mark - 2);
        }
        exponent = std::atoi(buffer + mark + 1) + 1;
    }
    std::optional<std::string> exponent_field = ExponentField(exponent, letter, exponent_digits);
    if (!exponent_field) {
        return Asterisks(width);
    }
    parts.exponent = *exponent_field;
    return LayOut(parts, width);
}

// ---------------------------------------------------------------------------------------------
// 4. G editing
// ---------------------------------------------------------------------------------------------

// Ten to the power n, built by repeated multiplication in the item's own precision, so that
// the limits between the fixed and the exponent form are those a formatted write uses.
template <typename Real>
Real PowerOfTen(int n) {
    Real result = 1;
    for (int i = 0; i < std::abs(n); ++i) {
        result *= 10;
    }
    return n >= 0 ? result : Real(1) / result;
}

// Gw.d[Ee]: a magnitude that rounds to d significant digits within 0.1 up to 10^d is written
// as F with as many decimals as leave d significant digits, followed by e + 2 blanks (4 when e
// is not given); zero as F with d - 1 decimals; anything else as Ew.d[Ee]. The comparisons run
// in the precision of the item: `volatile` keeps them out of wider registers.
template <typename Real>
std::string WriteGeneral(Real magnitude, bool negative, const EditDescriptor& descriptor) {
    const int width = descriptor.width;
    const int digits = descriptor.digits;
    const Real half = Real(0.5);
    const Real below_one = Real(1) - half / PowerOfTen<Real>(digits);
    volatile Real limit = static_cast<Real>(0.1 * below_one);
    bool exponent_form =
        magnitude > 0 && (magnitude < limit || half >= PowerOfTen<Real>(digits) - magnitude);
    if (exponent_form) {
        return WriteExponent(static_cast<double>(magnitude), negative, width, digits,
                             descriptor.exponent_digits, 'E');
    }
    // Find the power of ten below which the rounded magnitude lies: mid - 1 digits before
    // the point.
    int low = 0;
    int high = digits + 1;
    int lower_bound = 0;
    int upper_bound = digits + 1;
    int mid = 0;
    while (low <= high) {
        mid = (low + high) / 2;
        limit = PowerOfTen<Real>(mid - 1) * below_one;
        if (magnitude < limit) {
            upper_bound = mid;
            if (upper_bound == lower_bound + 1) {
                break;
            }
            high = mid - 1;
        } else if (magnitude > limit) {
            lower_bound = mid;
            if (upper_bound == lower_bound + 1) {
                ++mid;
                break;
            }
            low = mid + 1;
        } else {
            ++mid;
            break;
        }
    }
    int trailing_blanks = descriptor.exponent_digits <= 0 ? 4 : descriptor.exponent_digits + 2;
    if (trailing_blanks >= width) {
        trailing_blanks = width - 1;
    }
    int decimals = magnitude == 0 ? digits - 1 : digits + 1 - mid;
    std::string field =
        WriteFixed(static_cast<double>(magnitude), negative, width - trailing_blanks, decimals);
    if (field.find('*') != std::string::npos) {
        return Asterisks(width);
    }
    field.append(static_cast<std::size_t>(trailing_blanks), ' ');
    return field;
}

template <typename Real>
std::optional<std::string> WriteReal(Real value, const EditDescriptor& descriptor) {
    if (descriptor.letter == 'I') {
        return std::nullopt;
    }
    // Infinities and not-a-number are written under any real descriptor, even one whose
    // decimals would not serve for a number.
    bool negative = std::signbit(value);
    if (!std::isfinite(value)) {
        return WriteNonFinite(std::isnan(value), negative, descriptor.width);
    }
    switch (descriptor.letter) {
        case 'F':
            break;
        case 'E':
        case 'G':
            if (descriptor.digits == 0) {
                return std::nullopt;
            }
            break;
        case 'D':
            if (descriptor.digits == 0 || descriptor.exponent_digits >= 0) {
                return std::nullopt;
            }
            break;
        default:
            return std::nullopt;
    }
    Real magnitude = std::fabs(value);
    switch (descriptor.letter) {
        case 'F':
            return WriteFixed(magnitude, negative, descriptor.width, descriptor.digits);
        case 'G':
            return WriteGeneral(magnitude, negative, descriptor);
        default:
            return WriteExponent(magnitude, negative, descriptor.width, descriptor.digits,
                                 descriptor.exponent_digits, descriptor.letter);
    }
}

}  // namespace

std::optional<std::string> WriteIntegerField(int value, const EditDescriptor& descriptor) {
    if (descriptor.letter == 'I') {
        int min_digits = descriptor.digits < 0 ? 1 : descriptor.digits;
        if (descriptor.width > 0 && min_digits > descriptor.width) {
            return std::nullopt;
        }
        return WriteIntegerDigits(value, descriptor.width, min_digits);
    }
    // G of an integer is I of the same width; its decimals and exponent play no part.
    if (descriptor.letter == 'G') {
        return WriteIntegerDigits(value, descriptor.width, 1);
    }
    return std::nullopt;
}

std::optional<std::string> WriteRealField(float value, const EditDescriptor& descriptor) {
    return WriteReal(value, descriptor);
}

std::optional<std::string> WriteRealField(double value, const EditDescriptor& descriptor) {
    return WriteReal(value, descriptor);
}

}  // namespace windlass
