// The zero-terminated conversion routines of the dialog module, built on the fixed-length
// routines of windlass.h.
#include "convert/zstring_convert.h"

#include <cmath>
#include <cstring>
#include <string>

#include "errors/error_state.h"
#include "windlass/windlass.h"

namespace {

// The characters of a zero-terminated text, never looking beyond its buffer.
std::string_view ZeroTerminated(const char* text, int capacity) {
    if (text == nullptr || capacity <= 0) {
        return {};
    }
    const void* zero = std::memchr(text, '\0', static_cast<std::size_t>(capacity));
    std::size_t length = zero == nullptr
                             ? static_cast<std::size_t>(capacity)
                             : static_cast<std::size_t>(static_cast<const char*>(zero) - text);
    return std::string_view(text, length);
}

bool CanWrite(const char* text, int capacity) {
    return text != nullptr && capacity >= 1;
}

// A text of the length the buffer allows, before its zero byte.
std::string FixedText(int capacity) {
    return std::string(static_cast<std::size_t>(capacity) - 1, ' ');
}

// Moves the written text to the left and copies it, up to its last non-blank character, into
// the buffer with its zero byte.
void StoreLeftJustified(std::string& fixed, char* text) {
    IJustifyString(fixed, "L");
    std::size_t end = fixed.find_last_not_of(' ');
    std::size_t length = end == std::string::npos ? 0 : end + 1;
    std::memcpy(text, fixed.data(), length);
    text[length] = '\0';
}

// A 32-bit real truncated toward zero; 0 with ERR_NUMBER_TOO_LARGE when the whole number does
// not fit 32 bits.
int TruncateToInteger(float real) {
    constexpr float kBeyondLargest = 2147483648.0f;
    if (!(real < kBeyondLargest && real >= -kBeyondLargest)) {
        yyerror(ERR_NUMBER_TOO_LARGE);
        return 0;
    }
    return static_cast<int>(std::trunc(real));
}

}  // namespace

void yyint2st(int value, char* text, int capacity) {
    if (!CanWrite(text, capacity)) {
        return;
    }
    std::string fixed = FixedText(capacity);
    IntegerToString(value, fixed, windlass::kIntegerFormat);
    StoreLeftJustified(fixed, text);
}

void yyrea2st(float value, char* text, std::string_view format, int capacity) {
    if (!CanWrite(text, capacity)) {
        return;
    }
    std::string fixed = FixedText(capacity);
    IRealToString(value, fixed, format);
    StoreLeftJustified(fixed, text);
}

void yydbl2st(double value, char* text, std::string_view format, int capacity) {
    if (!CanWrite(text, capacity)) {
        return;
    }
    std::string fixed = FixedText(capacity);
    IDoubleToString(value, fixed, format);
    StoreLeftJustified(fixed, text);
}

void yyst2int(int& value, const char* text, int capacity) {
    float real = 0.0f;
    IStringToReal(ZeroTerminated(text, capacity), real);
    value = TruncateToInteger(real);
}

void yyst2rea(float& value, const char* text, int capacity) {
    IStringToReal(ZeroTerminated(text, capacity), value);
}

void yyst2dbl(double& value, const char* text, int capacity) {
    IStringToDouble(ZeroTerminated(text, capacity), value);
}

void yyformi(char* text, int capacity) {
    int value = 0;
    yyst2int(value, text, capacity);
    yyint2st(value, text, capacity);
}

void yyformr(char* text, std::string_view format, int capacity) {
    float value = 0.0f;
    yyst2rea(value, text, capacity);
    yyrea2st(value, text, format, capacity);
}

void yyformd(char* text, std::string_view format, int capacity) {
    double value = 0.0;
    yyst2dbl(value, text, capacity);
    yydbl2st(value, text, format, capacity);
}
