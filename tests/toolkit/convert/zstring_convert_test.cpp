// The zero-terminated conversions of the dialog module.
#include <cstring>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "convert/zstring_convert.h"
#include "windlass/windlass.h"

namespace {

// A buffer whose bytes beyond `capacity` are a guard that no routine may touch.
class GuardedBuffer {
  public:
    explicit GuardedBuffer(int capacity, const std::string& content = "")
        : capacity_(capacity), bytes_(static_cast<std::size_t>(capacity) + kGuard, kGuardByte) {
        std::memset(bytes_.data(), '#', static_cast<std::size_t>(capacity));
        std::memcpy(bytes_.data(), content.data(), content.size());
    }

    char* data() { return bytes_.data(); }
    int capacity() const { return capacity_; }
    std::string Text() const { return std::string(bytes_.data()); }

    bool GuardIntact() const {
        for (std::size_t i = static_cast<std::size_t>(capacity_); i < bytes_.size(); ++i) {
            if (bytes_[i] != kGuardByte) {
                return false;
            }
        }
        return true;
    }

  private:
    static constexpr std::size_t kGuard = 8;
    static constexpr char kGuardByte = '@';
    int capacity_;
    std::string bytes_;
};

struct WriterCase {
    const char* name;
    int capacity;
    std::string expected;
    int error;
};

// One routine under several capacities: the result ends at its last non-blank, left-justified.
void CheckWriter(const WriterCase& c, void (*write)(char*, int)) {
    GuardedBuffer buffer(c.capacity);
    InfoError(1);
    write(buffer.data(), buffer.capacity());
    EXPECT_EQ(buffer.Text(), c.expected) << c.name;
    EXPECT_EQ(InfoError(1), c.error) << c.name;
    EXPECT_TRUE(buffer.GuardIntact()) << c.name << ": wrote past its buffer";
}

TEST(ConvertZeroTerminated, WritersLeftJustifyAndStayInTheirBuffer) {
    const WriterCase int_cases[] = {
        {"1700 in 20", 20, "1700", 0},
        {"(I11) needs 11 characters", 12, "1700", 0},
        {"10 characters are too few", 11, "**********", ERR_NUMERIC_TO_STRING},
        {"4 characters", 5, "****", ERR_NUMERIC_TO_STRING},
        {"no room at all", 1, "", ERR_NUMERIC_TO_STRING},
    };
    for (const WriterCase& c : int_cases) {
        CheckWriter(c, [](char* text, int capacity) { yyint2st(1700, text, capacity); });
    }
    CheckWriter({"0.08 under (G15.5E2)", 16, "0.80000E-01", 0},
                [](char* text, int capacity) { yydbl2st(0.08, text, "(G15.5E2)", capacity); });
    CheckWriter({"4.0 under (G15.5E2)", 40, "4.0000", 0},
                [](char* text, int capacity) { yyrea2st(4.0f, text, "(G15.5E2)", capacity); });
    CheckWriter({"6.5 under (F4.2)", 5, "6.50", 0},
                [](char* text, int capacity) { yyrea2st(6.5f, text, "(F4.2)", capacity); });
}

TEST(ConvertZeroTerminated, WritersLeaveANullOrEmptyBufferAlone) {
    yyint2st(5, nullptr, 10);
    yydbl2st(5.0, nullptr, "(F4.2)", 10);
    char untouched = 'x';
    yyint2st(5, &untouched, 0);
    yyformi(&untouched, -3);
    EXPECT_EQ(untouched, 'x');
}

struct ReaderCase {
    std::string bytes;  // The buffer's bytes; it may hold no zero at all.
    int capacity;
    double expected;
    int error;
};

class ConvertZeroTerminatedReader : public testing::TestWithParam<ReaderCase> {};

TEST_P(ConvertZeroTerminatedReader, ReadsUpToTheZeroOrTheCapacity) {
    const ReaderCase& c = GetParam();
    // The bytes sit at the end of an exactly sized allocation, so a read past the capacity
    // is caught by the address sanitizer.
    std::string storage = c.bytes.substr(0, static_cast<std::size_t>(c.capacity));
    auto exact = std::make_unique<char[]>(storage.size() + 1);
    std::memcpy(exact.get(), storage.data(), storage.size());

    InfoError(1);
    double as_double = -1;
    yyst2dbl(as_double, exact.get(), c.capacity);
    EXPECT_DOUBLE_EQ(as_double, c.expected) << "[" << c.bytes << "]";
    EXPECT_EQ(InfoError(1), c.error) << "[" << c.bytes << "]";

    float as_real = -1;
    yyst2rea(as_real, exact.get(), c.capacity);
    EXPECT_FLOAT_EQ(as_real, static_cast<float>(c.expected)) << "[" << c.bytes << "]";
    EXPECT_EQ(InfoError(1), c.error) << "[" << c.bytes << "]";
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertZeroTerminatedReader,
                         testing::Values(ReaderCase{std::string("1.5\0garbage", 11), 11, 1.5, 0},
                                         ReaderCase{"12.5xx", 4, 12.5, 0},
                                         ReaderCase{"  7  ", 5, 7, 0},
                                         ReaderCase{std::string("\0", 1), 1, 0, ERR_NO_SUBSTRING},
                                         ReaderCase{"12x", 3, 0, ERR_INVALID_CHARACTER},
                                         ReaderCase{"", 0, 0, ERR_NO_SUBSTRING}));

struct IntegerReaderCase {
    std::string text;
    int expected;
    int error;
};

class ConvertZeroTerminatedInteger : public testing::TestWithParam<IntegerReaderCase> {};

TEST_P(ConvertZeroTerminatedInteger, ReadsARealAndTruncatesIt) {
    const IntegerReaderCase& c = GetParam();
    InfoError(1);
    int value = -1;
    yyst2int(value, c.text.c_str(), static_cast<int>(c.text.size()) + 1);
    EXPECT_EQ(value, c.expected) << "[" << c.text << "]";
    EXPECT_EQ(InfoError(1), c.error) << "[" << c.text << "]";
}

INSTANTIATE_TEST_SUITE_P(Table, ConvertZeroTerminatedInteger,
                         testing::Values(IntegerReaderCase{"12.9", 12, 0},
                                         IntegerReaderCase{"-12.9", -12, 0},
                                         IntegerReaderCase{"1.5E3", 1500, 0},
                                         IntegerReaderCase{"2E9", 2000000000, 0},
                                         IntegerReaderCase{"3E9", 0, ERR_NUMBER_TOO_LARGE},
                                         IntegerReaderCase{"-3E9", 0, ERR_NUMBER_TOO_LARGE},
                                         IntegerReaderCase{"abc", 0, ERR_INVALID_CHARACTER}));

TEST(ConvertZeroTerminated, FormRoutinesRewriteTheTextInDisplayForm) {
    struct Case {
        const char* name;
        std::string before;
        std::string after;
        int error;
        void (*form)(char*, int);
    };
    const Case cases[] = {
        {"whole number", "  42.7 ", "42", 0, [](char* t, int n) { yyformi(t, n); }},
        {"not a number reads as 0", "x", "0", ERR_INVALID_CHARACTER,
         [](char* t, int n) { yyformi(t, n); }},
        {"real under (F4.2)", "6.5", "6.50", 0, [](char* t, int n) { yyformr(t, "(F4.2)", n); }},
        {"double under (G15.5E2)", ".08", "0.80000E-01", 0,
         [](char* t, int n) { yyformd(t, "(G15.5E2)", n); }},
        {"blank double", "", "0.0000", ERR_NO_SUBSTRING,
         [](char* t, int n) { yyformd(t, "(G15.5E2)", n); }},
    };
    for (const Case& c : cases) {
        GuardedBuffer buffer(20, c.before + std::string(1, '\0'));
        InfoError(1);
        c.form(buffer.data(), buffer.capacity());
        EXPECT_EQ(buffer.Text(), c.after) << c.name;
        EXPECT_EQ(InfoError(1), c.error) << c.name;
        EXPECT_TRUE(buffer.GuardIntact()) << c.name;
    }
}

}  // namespace
