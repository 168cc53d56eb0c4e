// The zero-terminated conversions of the dialog module and the scanners beneath them.
#include <cstring>
#include <limits>
#include <memory>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "convert/zstring_convert.h"
#include "windlass/windlass.h"

namespace {

// A buffer of `capacity` bytes followed by a guard that no routine may touch.
struct GuardedBuffer {
    explicit GuardedBuffer(int capacity, const std::string& content = "")
        : capacity(capacity), bytes(static_cast<std::size_t>(capacity), '#') {
        bytes.replace(0, content.size(), content);
        bytes += std::string(8, '@');
    }
    std::string Text() const { return bytes.c_str(); }
    bool GuardIntact() const {
        return bytes.substr(static_cast<std::size_t>(capacity)) == "@@@@@@@@";
    }
    int capacity;
    std::string bytes;
};

TEST(ConvertZeroTerminated, WritersAndFormRoutinesLeftJustifyAndStayInTheirBuffer) {
    struct Case {
        const char* before;  // The text a form routine rewrites; none for a writer.
        int capacity;
        std::string expected;
        int error;
        void (*write)(char*, int);
    };
    auto int1700 = [](char* t, int n) { yyint2st(1700, t, n); };
    const Case cases[] = {
        {nullptr, 20, "1700", 0, int1700},
        {nullptr, 11, "**********", ERR_NUMERIC_TO_STRING, int1700},
        {nullptr, 1, "", ERR_NUMERIC_TO_STRING, int1700},
        {nullptr, 16, "0.80000E-01", 0, [](char* t, int n) { yydbl2st(0.08, t, "(G15.5E2)", n); }},
        {nullptr, 40, "4.0000", 0, [](char* t, int n) { yyrea2st(4.0f, t, "(G15.5E2)", n); }},
        {"  42.7 ", 20, "42", 0, [](char* t, int n) { yyformi(t, n); }},
        {"x", 20, "0", ERR_INVALID_CHARACTER, [](char* t, int n) { yyformi(t, n); }},
        {"6.5", 20, "6.50", 0, [](char* t, int n) { yyformr(t, "(F4.2)", n); }},
        {".08", 20, "0.80000E-01", 0, [](char* t, int n) { yyformd(t, "(G15.5E2)", n); }},
        {"", 20, "0.0000", ERR_NO_SUBSTRING, [](char* t, int n) { yyformd(t, "(G15.5E2)", n); }}};
    for (const Case& c : cases) {
        GuardedBuffer buffer(c.capacity, c.before ? std::string(c.before) + '\0' : "");
        InfoError(1);
        c.write(buffer.bytes.data(), c.capacity);
        EXPECT_EQ(buffer.Text(), c.expected) << "row " << (&c - cases);
        EXPECT_EQ(InfoError(1), c.error) << "row " << (&c - cases);
        EXPECT_TRUE(buffer.GuardIntact()) << "row " << (&c - cases) << ": wrote past its buffer";
    }
    // A null or empty buffer is left alone.
    yyint2st(5, nullptr, 10);
    yydbl2st(5.0, nullptr, "(F4.2)", 10);
    char untouched = 'x';
    yyint2st(5, &untouched, 0);
    yyformi(&untouched, -3);
    EXPECT_EQ(untouched, 'x');
}

// An integer is read as a real and truncated.
TEST(ConvertZeroTerminated, ReadersStopAtTheZeroOrTheCapacity) {
    struct Case {
        std::string bytes;  // The buffer's bytes; it may hold no zero at all.
        int capacity;
        double expected;
        int error;
        int integer;
        int integer_error;
    };
    const Case cases[] = {{std::string("1.5\0garbage", 11), 11, 1.5, 0, 1, 0},
                          {"12.5xx", 4, 12.5, 0, 12, 0},
                          {std::string("\0", 1), 1, 0, ERR_NO_SUBSTRING, 0, ERR_NO_SUBSTRING},
                          {"12x", 3, 0, ERR_INVALID_CHARACTER, 0, ERR_INVALID_CHARACTER},
                          {"", 0, 0, ERR_NO_SUBSTRING, 0, ERR_NO_SUBSTRING},
                          {"12.9", 5, 12.9, 0, 12, 0},
                          {"2E9", 4, 2e9, 0, 2000000000, 0},
                          {"3E9", 4, 3e9, 0, 0, ERR_NUMBER_TOO_LARGE},
                          {"abc", 4, 0, ERR_INVALID_CHARACTER, 0, ERR_INVALID_CHARACTER}};
    for (const Case& c : cases) {
        SCOPED_TRACE("[" + c.bytes + "]");
        // The bytes end an exactly sized allocation, so a read past the capacity is caught by
        // the address sanitizer.
        std::string storage = c.bytes.substr(0, static_cast<std::size_t>(c.capacity));
        auto exact = std::make_unique<char[]>(storage.size() + 1);
        std::memcpy(exact.get(), storage.data(), storage.size());
        InfoError(1);
        double as_double = -1;
        yyst2dbl(as_double, exact.get(), c.capacity);
        EXPECT_DOUBLE_EQ(as_double, c.expected);
        EXPECT_EQ(InfoError(1), c.error);
        float as_real = -1;
        yyst2rea(as_real, exact.get(), c.capacity);
        EXPECT_FLOAT_EQ(as_real, static_cast<float>(c.expected));
        EXPECT_EQ(InfoError(1), c.error);
        int as_integer = -1;
        yyst2int(as_integer, exact.get(), c.capacity);
        EXPECT_EQ(as_integer, c.integer);
        EXPECT_EQ(InfoError(1), c.integer_error);
    }
}

// The scanner the numeric fields and the companion text read numbers with stops at the end of
// the text it is given, even where more digits follow in memory. Blanks and tabs before the number
// and one sign are read over; the scan ends at the first character no number can hold, which
// at_end tells. An exponent moves the point by its steps as far as a 64-bit real reaches: beyond,
// the value is infinite or zero, however long the exponent or the run of digits. A letter without
// digits ends the number where it stands.
TEST(AsciiScanners, ANumberEndsWhereTheTextEndsOrNoNumberCanGoOn) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::string_view memory = "12.5e23 7";
    const std::string zeros(400, '0');
    const std::string tiny_mantissa = "0." + zeros + "1e401";
    const std::string long_mantissa = "1" + zeros + "e-400";
    struct Case {
        std::string_view text;
        double expected;
        int at_end;
    };
    // clang-format off
    const Case cases[] = {
        {memory.substr(0, 2), 12, 1}, {memory.substr(0, 4), 12.5, 1},
        {memory.substr(0, 6), 12.5e2, 1}, {memory.substr(0, 8), 12.5e23, 0},
        {"", 0, 1}, {"   ", 0, 1}, {" \t-12.5", -12.5, 1}, {"  +3d2x", 300, 0}, {"--1", 0, 0},
        {"7 ", 7, 0}, {"1e-3", 0.001, 1}, {"-2.5D-2", -0.025, 1}, {"5.E+1", 50, 1}, {"1e22", 1e22, 1},
        {"1e309", inf, 1}, {"-1e400", -inf, 1}, {"1e-400", 0, 1},
        {"1e99999999999999999999", inf, 1}, {"7e-99999999999999999999", 0, 1},
        {"0e99999999999", 0, 1}, {tiny_mantissa, 1, 1}, {long_mantissa, inf, 1},
        {"1e", 1, 1}, {"1e+", 1, 1}, {"1ex", 1, 0}, {"1.2.3", 1.2, 0}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 30));
        int at_end = -1;
        EXPECT_DOUBLE_EQ(yyAsciiToDouble(c.text, at_end), c.expected);
        EXPECT_EQ(at_end, c.at_end);
    }
    EXPECT_EQ(yyAsciiToInt(memory.substr(0, 1)), 1);
    int at_end = -1;
    EXPECT_GT(yyAsciiToDouble("1e-320", at_end), 0) << "a denormal is kept";
}

}  // namespace
