// Field text to numbers: IStringToInteger, IStringToReal and IStringToDouble.
#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>

#include "errors/error_state.h"
#include "windlass/windlass.h"

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsSign(char c) {
    return c == '+' || c == '-';
}

// ---------------------------------------------------------------------------------------------
// Whole numbers
// ---------------------------------------------------------------------------------------------

// Reads the text into `value`; returns the error code, 0 when the text is a whole number.
int ReadInteger(std::string_view text, int& value) {
    int first = 0;
    int last = 0;
    ILocateString(text, first, last);
    if (first == 0) {
        return ERR_NO_SUBSTRING;
    }
    std::size_t begin = static_cast<std::size_t>(first) - 1;
    std::size_t end = static_cast<std::size_t>(last);
    bool negative = text[begin] == '-';
    if (IsSign(text[begin])) {
        ++begin;
    }
    for (std::size_t i = begin; i < end; ++i) {
        if (!IsDigit(text[i])) {
            return ERR_INVALID_CHARACTER;
        }
    }
    std::size_t count = end - begin;
    if (count > 10 || (count == 10 && text[begin] > '2')) {
        return ERR_NUMBER_TOO_LARGE;
    }
    // The smallest whole number accepted is therefore -2147483647: the magnitude is built
    // first and must itself be a 32-bit value.
    long long sum = 0;
    long long place = 1;
    for (std::size_t i = 1; i < count; ++i) {
        place *= 10;
    }
    for (std::size_t i = begin; i < end; ++i, place /= 10) {
        sum += (text[i] - '0') * place;
        if (sum > std::numeric_limits<int>::max()) {
            return ERR_NUMBER_TOO_LARGE;
        }
    }
    value = static_cast<int>(negative ? -sum : sum);
    return 0;
}

// ---------------------------------------------------------------------------------------------
// Reals
// ---------------------------------------------------------------------------------------------

// What sets the 32-bit and the 64-bit reader apart.
struct RealReading {
    std::string_view exponent_letters;
    int largest_exponent;    // Largest decimal exponent after normalisation.
    int most_digits_before;  // Most digits the mantissa may have before its point.
};

constexpr RealReading kRealReading{"Ee", 38, 39};
constexpr RealReading kDoubleReading{"EeDd", 308, 309};

// Extended precision keeps the decimal digits of any 64-bit real: the mantissa and the
// powers of ten are built in it before the result is rounded once to its own precision.
using Extended = long double;

// x times ten to the power n. The power is split in two when it alone would leave the range
// of the extended type although the product would not; far below the smallest real the
// product is zero.
Extended ScaleByPowerOfTen(Extended x, Extended n) {
    if (n < -10000) {
        return 0;
    }
    if (n > -4000 && n < 4000) {
        return x * std::pow(Extended{10}, n);
    }
    Extended half = std::trunc(n / 2);
    return x * std::pow(Extended{10}, half) * std::pow(Extended{10}, n - half);
}

// One part of a real, mantissa or exponent: its sign and where its digits lie.
struct NumberPart {
    std::string_view text;
    bool negative = false;
    std::size_t digits_begin = 0;  // Index in `text` after the sign.
};

// Checks the characters of one part: one leading sign, digits, and for the mantissa one
// decimal point. Returns the error code, 0 when the part is well formed.
int ExaminePart(NumberPart& part, bool is_exponent) {
    if (!part.text.empty() && IsSign(part.text[0])) {
        part.negative = part.text[0] == '-';
        part.digits_begin = 1;
    }
    bool seen_point = false;
    for (std::size_t i = part.digits_begin; i < part.text.size(); ++i) {
        char c = part.text[i];
        if (c == '.') {
            if (is_exponent) {
                return ERR_INVALID_CHARACTER;
            }
            if (seen_point) {
                return ERR_DECIMAL_POINTS;
            }
            seen_point = true;
        } else if (!IsDigit(c)) {
            return ERR_INVALID_CHARACTER;
        }
    }
    return 0;
}

// Adds up the digits of a part, each times ten to the power of its place (0 for the last
// digit before the point). Zero digits add nothing and are skipped, which also keeps an
// endless run of zeros from multiplying zero by an infinite power.
Extended AccumulatePart(const NumberPart& part, std::size_t* digits_before_point) {
    std::string_view digits = part.text.substr(part.digits_begin);
    std::size_t point = digits.find('.');
    std::size_t before = point == std::string_view::npos ? digits.size() : point;
    if (digits_before_point != nullptr) {
        *digits_before_point = before;
    }
    Extended sum = 0;
    Extended place = static_cast<Extended>(before) - 1;
    for (char c : digits) {
        if (c == '.') {
            continue;
        }
        if (c != '0') {
            sum += (c - '0') * std::pow(Extended{10}, place);
        }
        place -= 1;
    }
    return part.negative ? -sum : sum;
}

// Reads the text as a real; returns the error code, 0 when the text is a number.
int ReadReal(std::string_view text, const RealReading& reading, Extended& result) {
    result = 0;
    int first = 0;
    int last = 0;
    ILocateString(text, first, last);
    if (first == 0) {
        return ERR_NO_SUBSTRING;
    }
    std::string_view number = text.substr(static_cast<std::size_t>(first) - 1,
                                          static_cast<std::size_t>(last - first + 1));

    // The exponent starts at the first exponent letter found, the letters tried in order;
    // failing that, at a sign three places before the end: a three-digit exponent written
    // without its letter, as in 0.12345-100.
    NumberPart mantissa{number};
    NumberPart exponent;
    bool has_exponent = false;
    for (char letter : reading.exponent_letters) {
        std::size_t at = number.find(letter);
        if (at != std::string_view::npos) {
            mantissa.text = number.substr(0, at);
            exponent.text = number.substr(at + 1);
            has_exponent = true;
            break;
        }
    }
    if (!has_exponent && number.size() > 4 && IsSign(number[number.size() - 4])) {
        mantissa.text = number.substr(0, number.size() - 4);
        exponent.text = number.substr(number.size() - 4);
        has_exponent = true;
    }

    if (int error = ExaminePart(mantissa, false); error != 0) {
        return error;
    }
    if (int error = ExaminePart(exponent, true); error != 0) {
        return error;
    }

    std::size_t digits_before = 0;
    Extended value = AccumulatePart(mantissa, &digits_before);
    if (digits_before > static_cast<std::size_t>(reading.most_digits_before)) {
        return ERR_NUMBER_TOO_LARGE;
    }
    if (value == 0) {
        return 0;
    }
    Extended power = has_exponent ? AccumulatePart(exponent, nullptr) : 0;

    // Normalising moves the mantissa next to 1 so that the exponent alone tells whether the
    // value is beyond the largest real.
    Extended shift = std::trunc(std::log10(std::fabs(value)) - 1);
    value = ScaleByPowerOfTen(value, -shift);
    power += shift;
    if (power > reading.largest_exponent) {
        return ERR_NUMBER_TOO_LARGE;
    }
    result = ScaleByPowerOfTen(value, power);
    return 0;
}

template <typename Real>
void RaiseOrStore(int error, Real result, Real& value) {
    value = error == 0 ? result : Real{0};
    if (error != 0) {
        yyerror(error);
    }
}

// The largest 32-bit real; a larger magnitude would be stored as an infinity.
constexpr Extended kLargestReal = 3.4028234663852886E+38;

// Half a unit in the last place above the largest 64-bit real: from here on a value rounds
// to an infinity.
const Extended kDoubleOverflow = std::ldexp(Extended{1}, 1024) - std::ldexp(Extended{1}, 970);

}  // namespace

void IStringToInteger(std::string_view text, int& value) {
    int result = 0;
    int error = ReadInteger(text, result);
    RaiseOrStore(error, result, value);
}

void IStringToReal(std::string_view text, float& value) {
    Extended result = 0;
    int error = ReadReal(text, kRealReading, result);
    if (error == 0 && std::fabs(result) > kLargestReal) {
        error = ERR_NUMBER_TOO_LARGE;
    }
    RaiseOrStore(error, error == 0 ? static_cast<float>(result) : 0.0f, value);
}

void IStringToDouble(std::string_view text, double& value) {
    Extended result = 0;
    int error = ReadReal(text, kDoubleReading, result);
    // A mantissa normalised near 10 times ten to the power 308 still passes the exponent
    // test; it is too large all the same when it would round to an infinity.
    if (error == 0 && std::fabs(result) >= kDoubleOverflow) {
        error = ERR_NUMBER_TOO_LARGE;
    }
    RaiseOrStore(error, error == 0 ? static_cast<double>(result) : 0.0, value);
}
