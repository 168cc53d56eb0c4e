// The climate data readers: for every fault of bindata2.dat, cities.dat and coldbins.dat a
// message that names the file, the line, the city and the value, its unreadable bytes escaped;
// the texts read from memory give the same messages as the files, named without a folder. The
// cold bins are held within bin 21 of bindata2.dat, and the program's own load never reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "engine/climate_data.h"
#include "engine/cold_bins.h"
#include "engine/printable_text.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;

// Every value of the generated files differs, so a message that names the wrong city or value
// shows; the winter design temperatures (the first value of a design record) run from -30 to 39.
// Each shift's cold bins hold 1 to 10 hours, 55 in all, within bin 21 of BinTable().
int BinValue(int city, int value) {
    return 1000 * city + value;
}
int DesignValue(int city, int value) {
    return value == 1 ? city % 70 - 30 : value == 2 ? 100 * city : 70 + city % 40;
}
int ColdValue(int, int value) {
    return (value - 1) % kColdBinCount + 1;
}

// The text of `records` records, one a line; `edit` may replace value `value` (from 1) of a
// record.
using Edit = std::function<std::string(int city, int value, const std::string& word)>;
std::string Generated(int records, int values, int (*value_of)(int, int), const Edit& edit) {
    std::string text;
    for (int city = 1; city <= records; ++city) {
        for (int value = 1; value <= values; ++value) {
            const std::string word = std::to_string(value_of(city, value));
            text += (value == 1 ? "" : " ") + (edit ? edit(city, value, word) : word);
        }
        text += "\n";
    }
    return text;
}
std::string BinText(int records = kCityCount, const Edit& edit = {}) {
    return Generated(records, kBinValueCount, BinValue, edit);
}
std::string DesignText(int records = kCityCount, const Edit& edit = {}) {
    return Generated(records, kDesignValueCount, DesignValue, edit);
}
std::string ColdText(int records = kCityCount, const Edit& edit = {}) {
    return Generated(records, kColdBinValueCount, ColdValue, edit);
}

// Bin 21 of city c holds 100 + c hours in shift 1, 200 + c in shift 2 and 300 + c in shift 3.
CityBinTable BinTable() {
    CityBinTable bins;
    for (int city = 1; city <= kCityCount; ++city) {
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            bins.City(city)[BinValueIndex(shift, kBinCount)] = 100 * shift + city;
        }
    }
    return bins;
}

// Replaces value `value` of record `city` by `word`.
Edit Replace(int city, int value, std::string word) {
    return [=](int c, int v, const std::string& original) {
        return c == city && v == value ? word : original;
    };
}

// A fresh empty folder, relative to the working directory, named after the running test.
fs::path FreshFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder = std::string(test->test_suite_name()) + "." + test->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    return folder;
}

std::string Read(const fs::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

template <typename Read>
std::string ErrorOf(Read read) {
    try {
        read();
    } catch (const DataError& error) {
        return error.what();
    }
    return "(loaded)";
}

TEST(engine_PrintableText, UnreadableBytesAreEscapedAndTheRestKept) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"austin, TX: 96 °F \\ 100 %", "austin, TX: 96 °F \\ 100 %"},
        {"a\0b"s, "a\\x00b"},
        {"tab\tline\r\n\x7f", "tab\\x09line\\x0D\\x0A\\x7F"},
        // An escape sequence of a terminal, in its 7-bit and its 8-bit (U+009B) form.
        {"\x1b[31m \xc2\x9b", "\\x1B[31m \\xC2\\x9B"},
        // Stray, overlong, surrogate, beyond U+10FFFF and cut short.
        {"\x80 \xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80 \xe2\x82",
         "\\x80 \\xC0\\xAF \\xED\\xA0\\x80 \\xF4\\x90\\x80\\x80 \\xE2\\x82"},
        // Three and four bytes at the ends of their ranges.
        {"\xef\xbf\xbd \xf0\x9f\x8c\xa1 \xf4\x8f\xbf\xbf",
         "\xef\xbf\xbd \xf0\x9f\x8c\xa1 \xf4\x8f\xbf\xbf"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(PrintableText(text), shown) << shown;
        // A message made printable twice stays as it was.
        EXPECT_EQ(PrintableText(PrintableText(text)), shown) << shown;
    }
}

// One case for each message; the files and the texts give the same one, the files' with their
// folder. A file that cannot be used is left as it was; a missing one is created empty, unless
// a fault of the bin file, which is read first, stops the load before it.
TEST(engine_ClimateData, EachFaultIsNamedByFileLineCityAndValue) {
    // Lines are counted through a record over two lines and through empty lines.
    std::string two_lines = DesignText(kCityCount, Replace(2, 3, "+-5"));
    two_lines.replace(0, two_lines.find('\n'), "1\n2 3");
    std::string short_record = "\n\n" + BinText(106) + "\n";
    short_record.erase(short_record.find(" 106032"),
                       short_record.rfind('\n') - short_record.find(" 106032") - 1);
    const std::string absent = "(no file)";
    const std::string cases[][3] = {
        {BinText(kCityCount, Replace(4, 17, "12.5")), DesignText(),
         "bindata2.dat: line 4: city 4, value 17: '12.5' is not a whole number"},
        {BinText(kCityCount, Replace(211, 63, "3000000000")), DesignText(),
         "bindata2.dat: line 211: city 211, value 63: '3000000000' is outside the whole-number "
         "range -2147483648 to 2147483647"},
        {BinText(), DesignText(kCityCount, Replace(3, 1, "1,2,,")),
         "cities.dat: line 3: city 3, value 3: an empty value: a comma with no number before it"},
        {BinText(), DesignText(kCityCount, Replace(5, 1, ",-25")),
         "cities.dat: line 5: city 5, value 1: an empty value: a comma with no number before it"},
        {BinText(), two_lines, "cities.dat: line 3: city 2, value 3: '+-5' is not a whole number"},
        // A NUL, a control character and a byte that is not UTF-8 are shown escaped, and the
        // message goes on past the NUL.
        {BinText(kCityCount, Replace(5, 2, std::string("1\0\x1b\xff", 4))), DesignText(),
         "bindata2.dat: line 5: city 5, value 2: '1\\x00\\x1B\\xFF' is not a whole number"},
        {short_record, DesignText(),
         "bindata2.dat: line 110: end of file after 31 of the 63 values of city 106"},
        {absent, DesignText(), "bindata2.dat: line 1: end of file before the 63 values of city 1"},
        {BinText(), absent, "cities.dat: line 1: end of file before the 3 values of city 1"},
        {BinText(100), absent,
         "bindata2.dat: line 101: end of file before the 63 values of city 101"}};
    for (const auto& [bins, design, message] : cases) {
        SCOPED_TRACE(message);
        EXPECT_EQ(ErrorOf([&] {
                      ParseClimateTables(bins == absent ? "" : bins,
                                         design == absent ? "" : design);
                  }),
                  message);
        const fs::path folder = FreshFolder();
        for (const auto& [name, text] :
             {std::pair(kBinFileName, bins), {kDesignFileName, design}}) {
            if (text != absent) {
                std::ofstream(folder / name, std::ios::binary) << text;
            }
        }
        EXPECT_EQ(ErrorOf([&folder] { LoadClimateTables(folder); }), (folder / message).string());
        for (const auto& [name, text] :
             {std::pair(kBinFileName, bins), {kDesignFileName, design}}) {
            if (text != absent) {
                EXPECT_EQ(Read(folder / name), text) << name << " was changed";
            } else {
                EXPECT_EQ(fs::exists(folder / name), message.find(name) == 0) << name;
                EXPECT_EQ(Read(folder / name), "") << name << " was created empty";
            }
        }
    }
}

// The words that are no whole numbers, and their escapes, are the shared record reader's, checked
// with the other climate files above.
TEST(engine_ColdBins, EachFaultIsNamedByFileLineCityAndValue) {
    // City 3's bin 21 holds 203 hours in shift 2; its cold bins there hold 1 + ... + 9 + 159.
    const std::pair<std::string, std::string> cases[] = {
        {ColdText(100), "coldbins.dat: line 101: end of file before the 30 values of city 101"},
        {ColdText(kCityCount, Replace(5, 2, "-1")),
         "coldbins.dat: line 5: city 5, value 2: '-1' is outside the accepted range 0 to 2920"},
        {ColdText(kCityCount, Replace(6, 30, "2921")),
         "coldbins.dat: line 6: city 6, value 30: '2921' is outside the accepted range 0 to "
         "2920"},
        {ColdText(kCityCount, Replace(3, 20, "159")),
         "coldbins.dat: line 3: city 3, shift 2: the cold bins hold 204 hours below 0 F, more "
         "than the 203 hours of bin 21 (0/4 F) in bindata2.dat"},
        // Exactly as much as bin 21 holds is accepted.
        {ColdText(kCityCount, Replace(3, 20, "158")), "(loaded)"},
    };
    const CityBinTable bins = BinTable();
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(ErrorOf([&] { ParseColdBins(text, bins); }), message);
    }
}

TEST(engine_ColdBins, LoadsTheValuesAsWrittenOnlyWhereAsked) {
    const fs::path folder = FreshFolder();
    const CityBinTable bins = BinTable();
    // A missing file is refused, naming where it was looked for and why.
    EXPECT_EQ(ErrorOf([&] { LoadColdBins(folder, bins); }),
              (folder / "coldbins.dat").string() +
                  ": cannot be opened for reading: No such file or directory");
    EXPECT_FALSE(fs::exists(folder / kColdBinFileName));

    std::string text = ColdText();
    // A record over two lines and an empty line read as one record on its line.
    text.replace(text.find('\n') + 1, 0, "\n");
    text.replace(text.find(' '), 1, "\n");
    std::ofstream(folder / kColdBinFileName, std::ios::binary) << text;
    const ColdBinTable table = LoadColdBins(folder, bins);
    for (int city : {1, 2, 211}) {
        for (int shift = 1; shift <= kShiftCount; ++shift) {
            for (int bin = kFirstColdBin; bin <= kLastColdBin; ++bin) {
                EXPECT_EQ(table.Hours(city, shift, bin), bin - kBinCount)
                    << "city " << city << ", shift " << shift << ", bin " << bin;
            }
        }
    }

    // The program's load of the other two files neither needs nor reads coldbins.dat.
    std::ofstream(folder / kColdBinFileName, std::ios::binary) << "not a number\n";
    std::ofstream(folder / kBinFileName, std::ios::binary) << BinText();
    std::ofstream(folder / kDesignFileName, std::ios::binary) << DesignText();
    EXPECT_EQ(ErrorOf([&] { LoadClimateTables(folder, MissingFile::kRefuse); }), "(loaded)");
}

}  // namespace
}  // namespace heatwise
