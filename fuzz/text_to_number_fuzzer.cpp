// Fuzzes the readers of number texts: IStringToInteger, IStringToReal and IStringToDouble, and
// the zero-terminated forms the dialog module reads field texts with. An input is the text.
//
// Properties:
// - every reader raises only its documented error codes and gives 0 whenever it raises one;
// - IStringToInteger gives exactly what its documented rules give, digit for digit;
// - a text that is wholly a plain decimal number (sign, digits with at most one point, an
//   optional exponent with E or e) reads as that number to the precision of the result, or
//   fails with ERR_NUMBER_TOO_LARGE exactly when the number is beyond the result's range;
// - a real read without error and written back with "(G15.5E2)" reads back within five
//   significant digits, unless its decimal exponent needs more than the format's two digits;
// - an integer written with "(I11)" reads back equal (every integer but -2147483648, which the
//   reader documents as beyond it);
// - the zero-terminated readers see the text up to its first zero byte and never read past
//   the buffer, whose size is exactly the text's.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include "convert/zstring_convert.h"
#include "fuzz_check.h"
#include "windlass/windlass.h"

namespace {

using heatwise::fuzz::Require;

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Quoted(std::string_view text) {
    return "'" + std::string(text.substr(0, 200)) + (text.size() > 200 ? "...'" : "'");
}

// ---------------------------------------------------------------------------------------------
// Whole numbers
// ---------------------------------------------------------------------------------------------

// The documented rules: blank text 10; a sign, then digits only, else 12; more than ten digits,
// or ten with a first digit above 2, or a magnitude beyond 2147483647, 4.
int ExpectedInteger(std::string_view text, int& value) {
    value = 0;
    std::string_view number = Trimmed(text);
    if (number.empty()) {
        return ERR_NO_SUBSTRING;
    }
    const bool negative = number.front() == '-';
    if (number.front() == '-' || number.front() == '+') {
        number.remove_prefix(1);
    }
    for (char c : number) {
        if (!IsDigit(c)) {
            return ERR_INVALID_CHARACTER;
        }
    }
    if (number.size() > 10 || (number.size() == 10 && number.front() > '2')) {
        return ERR_NUMBER_TOO_LARGE;
    }
    long long magnitude = 0;
    for (char c : number) {
        magnitude = magnitude * 10 + (c - '0');
    }
    if (magnitude > std::numeric_limits<int>::max()) {
        return ERR_NUMBER_TOO_LARGE;
    }
    value = static_cast<int>(negative ? -magnitude : magnitude);
    return 0;
}

void CheckInteger(std::string_view text) {
    InfoError(1);
    int value = 12345;
    IStringToInteger(text, value);
    const int error = InfoError(1);
    int expected = 0;
    const int expected_error = ExpectedInteger(text, expected);
    Require(error == expected_error, "IStringToInteger raises the error its rules give",
            Quoted(text) + " raised " + std::to_string(error) + ", expected " +
                std::to_string(expected_error));
    Require(value == expected, "IStringToInteger reads the number its rules give",
            Quoted(text) + " gave " + std::to_string(value));
}

void CheckIntegerRoundTrip(int value) {
    if (value == std::numeric_limits<int>::min()) {
        return;
    }
    std::string text(11, ' ');
    InfoError(1);
    IntegerToString(value, text, "(I11)");
    Require(InfoError(1) == 0, "every integer is written under (I11)", std::to_string(value));
    int back = 0;
    IStringToInteger(text, back);
    Require(InfoError(1) == 0 && back == value, "an integer written with (I11) reads back equal",
            std::to_string(value) + " -> '" + text + "' -> " + std::to_string(back));
}

// ---------------------------------------------------------------------------------------------
// Reals
// ---------------------------------------------------------------------------------------------

bool IsRealError(int error) {
    return error == 0 || error == ERR_NUMBER_TOO_LARGE || error == ERR_NO_SUBSTRING ||
           error == ERR_DECIMAL_POINTS || error == ERR_INVALID_CHARACTER;
}

// A plain decimal number: sign, digits with at most one point (at least one digit), and an
// optional exponent of "E" or "e", a sign and digits. Gives the count of digits before the
// point and the length of the mantissa.
bool IsPlainNumber(std::string_view number, std::size_t& digits_before,
                   std::size_t& mantissa_length) {
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
        ++i;
    }
    const std::size_t start = i;
    std::size_t digits = 0;
    bool point = false;
    digits_before = 0;
    for (; i < number.size(); ++i) {
        if (IsDigit(number[i])) {
            ++digits;
            digits_before += point ? 0 : 1;
        } else if (number[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    mantissa_length = i - start;
    if (digits == 0) {
        return false;
    }
    if (i == number.size()) {
        return true;
    }
    if (number[i] != 'E' && number[i] != 'e') {
        return false;
    }
    ++i;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
        ++i;
    }
    if (i == number.size()) {
        return false;
    }
    for (; i < number.size(); ++i) {
        if (!IsDigit(number[i])) {
            return false;
        }
    }
    return true;
}

// What sets the two real readers apart, for the checks.
struct RealKind {
    const char* name;
    std::size_t most_digits_before;
    long double largest;   // The largest magnitude read without error.
    long double smallest;  // Below this the result is a subnormal of little precision.
    long double relative;  // Precision of the result.
};

constexpr RealKind kFloat{"IStringToReal", 39, 3.4028234663852886E+38L, 1.2e-38L, 3e-7L};
constexpr RealKind kDouble{"IStringToDouble", 309, 1.797693134862315807e+308L, 2.3e-308L, 1e-13L};

// Writes `value` under "(G15.5E2)" and reads it back: five significant digits, unless the
// decimal exponent lies beyond the format's two digits.
void CheckGeneralRoundTrip(double value, bool single) {
    std::string text(15, ' ');
    InfoError(1);
    if (single) {
        IRealToString(static_cast<float>(value), text, "(G15.5E2)");
    } else {
        IDoubleToString(value, text, "(G15.5E2)");
    }
    const int error = InfoError(1);
    const double magnitude = std::fabs(value);
    if (error != 0) {
        Require(error == ERR_NUMERIC_TO_STRING && (magnitude < 1.0001e-100 || magnitude > 9.999e98),
                "(G15.5E2) writes every real whose decimal exponent has two digits",
                std::to_string(value) + " -> '" + text + "'");
        return;
    }
    double back = 0;
    IStringToDouble(text, back);
    Require(InfoError(1) == 0, "a real written with (G15.5E2) reads back without error",
            "'" + text + "'");
    Require(std::fabs(back - value) <= 5.00001e-5 * magnitude,
            "a real written with (G15.5E2) reads back within five significant digits",
            std::to_string(value) + " -> '" + text + "' -> " + std::to_string(back));
}

template <typename Real>
void CheckReal(std::string_view text, const RealKind& kind, void (*read)(std::string_view, Real&)) {
    InfoError(1);
    Real value = Real(12345);
    read(text, value);
    const int error = InfoError(1);
    Require(IsRealError(error), "a real reader raises only its documented errors",
            std::string(kind.name) + " " + Quoted(text) + " raised " + std::to_string(error));
    Require(error == 0 || value == 0, "a real reader gives 0 after an error",
            std::string(kind.name) + " " + Quoted(text));
    Require(std::isfinite(value), "a real reader gives a finite number",
            std::string(kind.name) + " " + Quoted(text));
    const std::string_view number = Trimmed(text);
    Require((error == ERR_NO_SUBSTRING) == number.empty(),
            "ERR_NO_SUBSTRING is raised exactly for a blank text",
            std::string(kind.name) + " " + Quoted(text));

    std::size_t digits_before = 0;
    std::size_t mantissa_length = 0;
    // Beyond some 4,900 decimals the places of the digits fall below the extended type's
    // range; no field text comes near that.
    if (IsPlainNumber(number, digits_before, mantissa_length) &&
        digits_before <= kind.most_digits_before && mantissa_length <= 4000) {
        const std::string copy(number);
        const long double exact = std::strtold(copy.c_str(), nullptr);
        const long double magnitude = std::fabs(exact);
        // The last digits of the limit itself are left to the rounding of either side.
        const bool near_limit = std::fabs(magnitude - kind.largest) <= kind.largest * 1e-12L;
        if (!near_limit) {
            const int expected_error = magnitude > kind.largest ? ERR_NUMBER_TOO_LARGE : 0;
            Require(
                error == expected_error,
                "a plain number fails exactly when it is beyond the result's range",
                std::string(kind.name) + " " + Quoted(text) + " raised " + std::to_string(error));
        }
        if (error == 0) {
            const long double difference = std::fabs(static_cast<long double>(value) - exact);
            const long double allowed = magnitude < kind.smallest ? kind.smallest * kind.relative
                                                                  : magnitude * kind.relative;
            Require(difference <= allowed, "a plain number reads as its value",
                    std::string(kind.name) + " " + Quoted(text) + " gave " +
                        std::to_string(static_cast<double>(value)));
        }
    }
    if (error == 0 && value != 0) {
        CheckGeneralRoundTrip(static_cast<double>(value), sizeof(Real) == sizeof(float));
    }
}

// ---------------------------------------------------------------------------------------------
// Zero-terminated texts
// ---------------------------------------------------------------------------------------------

void CheckZeroTerminated(std::string_view text) {
    // A buffer of exactly the text's size, so that a read past it is caught.
    const int capacity = static_cast<int>(text.size());
    std::unique_ptr<char[]> buffer(new char[text.size()]);
    std::memcpy(buffer.get(), text.data(), text.size());
    const std::string_view before_zero = text.substr(0, text.find('\0'));

    InfoError(1);
    double expected = 0;
    IStringToDouble(before_zero, expected);
    const int expected_error = InfoError(1);
    double value = 0;
    yyst2dbl(value, buffer.get(), capacity);
    Require(InfoError(1) == expected_error && value == expected,
            "yyst2dbl reads the text before its first zero byte", Quoted(before_zero));

    float real = 0;
    IStringToReal(before_zero, real);
    const int real_error = InfoError(1);
    int whole = 12345;
    yyst2int(whole, buffer.get(), capacity);
    const int whole_error = InfoError(1);
    // 32-bit whole numbers run from -2^31 to 2^31 - 1, and both limits are 32-bit reals.
    if (real >= -2147483648.0f && real < 2147483648.0f) {
        Require(whole_error == real_error && whole == static_cast<int>(std::trunc(real)),
                "yyst2int truncates the real that the text holds", Quoted(before_zero));
    } else {
        Require(whole_error == ERR_NUMBER_TOO_LARGE && whole == 0,
                "yyst2int fails for a real beyond 32-bit whole numbers", Quoted(before_zero));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckInteger(text);
    CheckReal<float>(text, kFloat, &IStringToReal);
    CheckReal<double>(text, kDouble, &IStringToDouble);
    CheckZeroTerminated(text);
    if (size >= sizeof(int)) {
        int value = 0;
        std::memcpy(&value, data, sizeof value);
        CheckIntegerRoundTrip(value);
    }
    return 0;
}
