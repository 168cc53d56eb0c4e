// Fuzzes the writers of numbers into field text: IntegerToString, IRealToString and
// IDoubleToString, and the zero-terminated forms the dialog module writes field texts with.
//
// An input is: one byte choosing the number (0 an integer, 1 a 32-bit real, 2 a 64-bit real,
// taken modulo 3), one byte giving the length of the text, eight bytes holding the number's
// bits (the first four for an integer or a 32-bit real), then the display format.
//
// Properties:
// - the text keeps its length, whatever the format asks for;
// - only ERR_NUMERIC_TO_STRING is raised, exactly when the text holds the ten asterisks (cut
//   to the length), and a text without error holds no asterisk;
// - a text without error holds the number: "Inf", "Infinity" or "NaN" for a value that is no
//   finite number, otherwise a number that reads back within half a unit of the last decimal
//   the format asks for (F), or of the last significant digit (E, D and G), or exactly (I); a
//   text that does not read back is allowed only where the value, rounded to the format's
//   digits, lies past the largest double;
// - a value written with "(G15.5E2)" reads back within five significant digits, unless its
//   decimal exponent needs more than the format's two digits;
// - the zero-terminated writers never write past a buffer of exactly the text's length and its
//   zero byte, and hold the written text moved to the left without trailing blanks.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "convert/edit_descriptor.h"
#include "convert/zstring_convert.h"
#include "fuzz_check.h"
#include "windlass/windlass.h"

namespace {

using heatwise::fuzz::Require;

enum class Kind { Integer, Real, Double };

constexpr std::size_t kHeaderSize = 10;
constexpr std::string_view kOverflow = "**********";
constexpr double kLargestDouble = std::numeric_limits<double>::max();

struct Item {
    Kind kind = Kind::Integer;
    int integer = 0;
    float real = 0;
    double dbl = 0;

    double AsDouble() const {
        return kind == Kind::Integer ? integer
               : kind == Kind::Real  ? static_cast<double>(real)
                                     : dbl;
    }
    std::string Describe() const {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.17g", AsDouble());
        return buffer;
    }
};

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void Write(const Item& item, std::string& text, std::string_view format) {
    switch (item.kind) {
        case Kind::Integer:
            IntegerToString(item.integer, text, format);
            break;
        case Kind::Real:
            IRealToString(item.real, text, format);
            break;
        case Kind::Double:
            IDoubleToString(item.dbl, text, format);
            break;
    }
}

void WriteZeroTerminated(const Item& item, char* text, std::string_view format, int capacity) {
    switch (item.kind) {
        case Kind::Integer:
            // The integer writer has its format built in: "(I11)".
            yyint2st(item.integer, text, capacity);
            break;
        case Kind::Real:
            yyrea2st(item.real, text, format, capacity);
            break;
        case Kind::Double:
            yydbl2st(item.dbl, text, format, capacity);
            break;
    }
}

// How far the number read back may lie from the value under the descriptor.
double Allowed(const Item& item, const windlass::EditDescriptor& descriptor) {
    if (item.kind == Kind::Integer) {
        return 0;
    }
    const double magnitude = std::fabs(item.AsDouble());
    // Reading back in extended precision and rounding to 64 bits loses a little more, and a
    // subnormal value keeps only a few bits.
    const double reading = magnitude * 1e-15 + 1e-320;
    if (descriptor.letter == 'F') {
        return 0.5 * std::pow(10.0, -descriptor.digits) + reading;
    }
    return 5 * std::pow(10.0, -descriptor.digits) * magnitude + reading;
}

void CheckNumber(const Item& item, std::string_view written, std::string_view format) {
    const std::string_view shown = Trimmed(written);
    const double value = item.AsDouble();
    const std::string where = item.Describe() + " under '" + std::string(format) + "' gave '" +
                              std::string(written) + "'";
    if (std::isnan(value)) {
        Require(shown == "NaN", "not-a-number is written NaN", where);
        return;
    }
    if (std::isinf(value)) {
        const bool word = value > 0 ? (shown == "Inf" || shown == "Infinity")
                                    : (shown == "-Inf" || shown == "-Infinity");
        Require(word, "an infinity is written Inf or Infinity with its sign", where);
        return;
    }
    const std::optional<windlass::EditDescriptor> descriptor =
        windlass::ParseEditDescriptor(format);
    Require(descriptor.has_value(), "a number is written only under a usable format", where);
    if (shown.empty()) {
        // Iw.0 writes no digit for the value 0.
        Require(item.kind == Kind::Integer && value == 0 && descriptor->digits == 0,
                "a blank text is written only for 0 under Iw.0", where);
        return;
    }
    double back = 0;
    InfoError(1);
    IStringToDouble(shown, back);
    if (InfoError(1) != 0) {
        // Rounded to the digits the format keeps, a value at the top of the double range can
        // lie past the largest double: 1.7976931348619072e+308 under (D24.2) is written
        // 0.18+309, as gfortran writes it, and no double holds that.
        Require(std::fabs(value) + Allowed(item, *descriptor) > kLargestDouble,
                "the text written reads back as a number", where);
        return;
    }
    Require(std::fabs(back - value) <= Allowed(item, *descriptor),
            "the text written reads back within the precision of the format",
            where + ", read back " + std::to_string(back));
}

void CheckFixedLength(const Item& item, std::size_t length, std::string_view format) {
    std::string text(length, '#');
    InfoError(1);
    Write(item, text, format);
    const int error = InfoError(1);
    Require(text.size() == length, "the text keeps its length",
            std::to_string(length) + " became " + std::to_string(text.size()));
    Require(error == 0 || error == ERR_NUMERIC_TO_STRING, "only ERR_NUMERIC_TO_STRING is raised",
            std::to_string(error));
    std::string stars(length, ' ');
    stars.replace(0, std::min(length, kOverflow.size()), kOverflow.substr(0, length));
    if (error != 0) {
        Require(text == stars, "a failed write leaves the ten asterisks",
                item.Describe() + " under '" + std::string(format) + "' gave '" + text + "'");
        return;
    }
    Require(text.find('*') == std::string::npos && text.find('#') == std::string::npos,
            "a write without error holds neither asterisks nor what the text held before",
            item.Describe() + " under '" + std::string(format) + "' gave '" + text + "'");
    CheckNumber(item, text, format);
}

void CheckZeroTerminated(const Item& item, std::size_t length, std::string_view format) {
    // The fixed-length write the zero-terminated one is built on.
    std::string fixed(length, ' ');
    InfoError(1);
    Write(item, fixed, item.kind == Kind::Integer ? "(I11)" : format);
    const int expected_error = InfoError(1);
    const std::string expected(Trimmed(fixed));

    // A buffer of exactly the text's length and its zero byte, so a write past it is caught.
    const int capacity = static_cast<int>(length) + 1;
    std::unique_ptr<char[]> buffer(new char[length + 1]);
    std::memset(buffer.get(), '#', length + 1);
    WriteZeroTerminated(item, buffer.get(), format, capacity);
    Require(InfoError(1) == expected_error,
            "a zero-terminated write raises what the fixed-length write raises");
    const void* zero = std::memchr(buffer.get(), '\0', length + 1);
    Require(zero != nullptr, "a zero-terminated write ends its text with a zero byte");
    Require(std::string_view(buffer.get()) == expected,
            "a zero-terminated write holds the text moved left without trailing blanks",
            "'" + std::string(buffer.get()) + "', expected '" + expected + "'");
}

void CheckGeneralRoundTrip(const Item& item) {
    const double value = item.AsDouble();
    if (item.kind == Kind::Integer || !std::isfinite(value) || value == 0) {
        return;
    }
    std::string text(15, ' ');
    InfoError(1);
    Write(item, text, "(G15.5E2)");
    const int error = InfoError(1);
    const double magnitude = std::fabs(value);
    if (error != 0) {
        Require(magnitude < 1.0001e-100 || magnitude > 9.999e98,
                "(G15.5E2) writes every real whose decimal exponent has two digits",
                item.Describe() + " -> '" + text + "'");
        return;
    }
    double back = 0;
    IStringToDouble(text, back);
    Require(InfoError(1) == 0 && std::fabs(back - value) <= 5.00001e-5 * magnitude,
            "a real written with (G15.5E2) reads back within five significant digits",
            item.Describe() + " -> '" + text + "' -> " + std::to_string(back));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::uint8_t header[kHeaderSize] = {};
    std::memcpy(header, data, std::min(size, kHeaderSize));
    const std::string_view format =
        size > kHeaderSize ? std::string_view(reinterpret_cast<const char*>(data) + kHeaderSize,
                                              size - kHeaderSize)
                           : std::string_view();

    Item item;
    item.kind = static_cast<Kind>(header[0] % 3);
    const std::size_t length = header[1];
    std::memcpy(&item.integer, header + 2, sizeof item.integer);
    std::memcpy(&item.real, header + 2, sizeof item.real);
    std::memcpy(&item.dbl, header + 2, sizeof item.dbl);

    CheckFixedLength(item, length, format);
    CheckZeroTerminated(item, length, format);
    CheckGeneralRoundTrip(item);
    return 0;
}
