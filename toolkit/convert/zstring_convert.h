// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <cstddef>
#include <string_view>

namespace windlass {

// The format every whole number is written in, and the columns it fills: the digits of its
// "(Iw)".
inline constexpr std::string_view kIntegerFormat = "(I11)";
inline constexpr std::size_t kIntegerWidth = [] {
    std::size_t width = 0;
    for (char digit : kIntegerFormat.substr(2, kIntegerFormat.size() - 3)) {
        width = width * 10 + static_cast<std::size_t>(digit - '0');
    }
    return width;
}();

}  // namespace windlass

// Number and text conversion on the zero-terminated texts of the dialog module.
//
// `capacity` is the size in bytes of a text buffer, its zero byte included. A reader takes
// the characters before the first zero byte, or all `capacity` characters when there is
// none. A writer forms its result in a text of capacity - 1 characters, exactly as the
// fixed-length routines of windlass.h do, moves it to the left and ends it with a zero byte
// after its last non-blank character; so it never writes past the buffer. A null text or a
// capacity below 1 is left alone. Failures raise the same errors as the fixed-length routines.

// Writes `value` under "(I11)".
void yyint2st(int value, char* text, int capacity);

// Write `value` under `format`, such as "(G15.5E2)".
void yyrea2st(float value, char* text, std::string_view format, int capacity);
void yydbl2st(double value, char* text, std::string_view format, int capacity);

// Reads the text as a 32-bit real and truncates it toward zero. A real beyond the range of
// a 32-bit whole number gives 0 and raises ERR_NUMBER_TOO_LARGE.
void yyst2int(int& value, const char* text, int capacity);

// Read the text with IStringToReal and IStringToDouble.
void yyst2rea(float& value, const char* text, int capacity);
void yyst2dbl(double& value, const char* text, int capacity);

// Rewrite a field's text in its display form: read as yyst2int, yyst2rea or yyst2dbl do (a
// text that is no number reads as 0), then written back as yyint2st, yyrea2st or yydbl2st do.
void yyformi(char* text, int capacity);
void yyformr(char* text, std::string_view format, int capacity);
void yyformd(char* text, std::string_view format, int capacity);

// Reads decimal digits from the first character on and stops at the first other character:
// no sign, no blanks skipped, no digits give 0. A number beyond 2147483647 gives 2147483647.
int yyAsciiToInt(std::string_view text);
int yyAsciiToInt(const char* text);

// Scans a real: leading spaces and tabs, an optional sign, digits with at most one decimal
// point, and an optional exponent (a letter E, e, D or d, an optional sign, digits). The value
// is built in 64-bit floating point, multiplied by 10 or 0.1 once per exponent step.
// `at_end` is 1 when the scan stopped at the end of the text, 0 when characters (trailing
// blanks included) were left over. Text without digits gives 0, or -0 after a minus sign.
double yyAsciiToDouble(std::string_view text, int& at_end);
double yyAsciiToDouble(const char* text, int& at_end);
