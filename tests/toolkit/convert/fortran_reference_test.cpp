// Compares the display-format writers with the reference lines that a Fortran formatted
// WRITE produced (fortran/write_reference.f90). The committed table lies in data/; the
// comparison against freshly generated random cases points WINDLASS_FORMAT_REFERENCE at
// another table.
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace {

struct ReferenceLine {
    int line_number = 0;
    char kind = 'D';
    std::string format;
    std::string value;  // Hexadecimal bits of a real, decimal digits of an integer.
    bool failed = false;
    std::string field;  // Exactly as long as the text written.
};

std::string TablePath() {
    const char* chosen = std::getenv("WINDLASS_FORMAT_REFERENCE");
    if (chosen != nullptr && *chosen != '\0') {
        return chosen;
    }
    return std::string(HEATWISE_SOURCE_DIR) + "/tests/toolkit/convert/data/fortran_reference.txt";
}

// Reads lines "kind|length|format|value|failed|field|". The field may hold any character but is
// exactly `length` long, so it is cut by length, not by separator.
std::vector<ReferenceLine> ReadTable(const std::string& path) {
    std::vector<ReferenceLine> lines;
    std::ifstream in(path);
    EXPECT_TRUE(in.good()) << path << ": cannot be opened";
    std::string text;
    for (int number = 1; std::getline(in, text); ++number) {
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t bar; parts.size() < 5 && (bar = text.find('|', start)) != text.npos;) {
            parts.push_back(text.substr(start, bar - start));
            start = bar + 1;
        }
        bool whole = parts.size() == 5 && parts[0].size() == 1 &&
                     std::string_view("DRI").find(parts[0][0]) != std::string_view::npos &&
                     text.size() == start + std::stoul(parts[1]) + 1 && text.back() == '|';
        if (!whole) {
            ADD_FAILURE() << path << ": line " << number << " is not kind|length|format|value|"
                          << "failed|field| with a field of the length given";
            continue;
        }
        lines.push_back({number, parts[0][0], parts[2], parts[3], parts[4] == "1",
                         text.substr(start, std::stoul(parts[1]))});
    }
    return lines;
}

// What the toolkit must leave: the field as written, or ten asterisks (cut to the text)
// with the conversion error when the write failed or ran out of width.
std::string ExpectedText(const ReferenceLine& line) {
    if (!line.failed && line.field.find('*') == std::string::npos) {
        return line.field;
    }
    std::string stars = std::string("**********").substr(0, line.field.size());
    return stars + std::string(line.field.size() - stars.size(), ' ');
}

std::string WriteWithToolkit(const ReferenceLine& line) {
    // Filled with a non-blank so that a writer that skips the blank-filling shows.
    std::string text(line.field.size(), '#');
    switch (line.kind) {
        case 'D':
            IDoubleToString(std::bit_cast<double>(std::stoull(line.value, nullptr, 16)), text,
                            line.format);
            break;
        case 'R':
            IRealToString(std::bit_cast<float>(
                              static_cast<std::uint32_t>(std::stoul(line.value, nullptr, 16))),
                          text, line.format);
            break;
        default:
            IntegerToString(std::stoi(line.value), text, line.format);
            break;
    }
    return text;
}

TEST(ConvertFortranReference, EveryLineMatchesTheFormattedWrite) {
    std::string path = TablePath();
    std::vector<ReferenceLine> lines = ReadTable(path);
    ASSERT_FALSE(lines.empty()) << path << ": no reference lines";
    InfoError(1);
    int mismatches = 0;
    for (const ReferenceLine& line : lines) {
        std::string expected = ExpectedText(line);
        bool overflowed = line.failed || line.field.find('*') != std::string::npos;
        int expected_error = overflowed ? ERR_NUMERIC_TO_STRING : 0;
        std::string written = WriteWithToolkit(line);
        int error = InfoError(1);
        if (written != expected || error != expected_error) {
            ++mismatches;
            ADD_FAILURE() << path << ": line " << line.line_number << ": " << line.kind << " "
                          << line.value << " under " << line.format << ": wrote [" << written
                          << "] error " << error << ", expected [" << expected << "] error "
                          << expected_error;
            if (mismatches >= 50) {
                FAIL() << "stopping after 50 mismatches";
            }
        }
    }
}

// What the table cannot show: blanks around the format, an empty text, the widest field, and
// the formats that cannot be used for the item, which give ten asterisks and the error.
TEST(ConvertNumberToText, FieldRulesAndUnusableFormats) {
    struct Case {
        double value;
        std::string format;
        int length;
        std::string expected;
        int error;
    };
    std::vector<Case> cases = {
        {1.0, "  (F4.2)  ", 10, "1.00      ", 0},
        {1.0, "(F255.2)", 300, std::string(251, ' ') + "1.00" + std::string(45, ' '), 0},
        // A G field too narrow for its trailing blanks keeps one place for the number.
        {1.0, "(G4.1)", 4, "****", ERR_NUMERIC_TO_STRING}};
    for (const char* format :
         {"(X)",      "(F4.2",          "F4.2",     "",
          "()",       "(F4.2)x",        "((F4.2))", "(F4.2,X)",
          "(0F4.2)",  "(F4)",           "(F.2)",    "(F4.)",
          "(F4.-2)",  "(F999999999.2)", "(F256.2)", "(F10.99999999999999999999)",
          "(E12.4E)", "(E12.4E9999)",   "(G12)",    "(E0.3)",
          "(F4.2E2)"}) {
        cases.push_back({1.0, format, 12, "**********  ", ERR_NUMERIC_TO_STRING});
    }
    for (const Case& c : cases) {
        InfoError(1);
        std::string text(static_cast<std::size_t>(c.length), '#');
        IDoubleToString(c.value, text, c.format);
        EXPECT_EQ(text, c.expected) << "format [" << c.format << "]";
        EXPECT_EQ(InfoError(1), c.error) << "format [" << c.format << "]";
    }
    std::string empty;
    IntegerToString(5, empty, "(I11)");
    EXPECT_EQ(empty, "");
    EXPECT_EQ(InfoError(1), ERR_NUMERIC_TO_STRING);
}

}  // namespace
