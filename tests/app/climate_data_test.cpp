// The climate data reader: the layouts it takes, the values it keeps, and for every fault a
// message that names the file, the line, the city and the value. The texts read from memory
// give the same tables and messages as the files, named without a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>

#include "climate_data.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;

// Every value of the generated files differs, so a value read into the wrong place shows; the
// winter design temperatures (the first value of a design record) run from -30 to 39, and
// values are taken as read, however odd: city 7 has -5 hours and the ends of the whole-number
// range in its first three bins, city 8 -1 degree days.
int BinValue(int city, int value) {
    const int odd[] = {-5, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()};
    return city == 7 && value <= 3 ? odd[value - 1] : 1000 * city + value;
}
int DesignValue(int city, int value) {
    const int degree_days = city == 8 ? -1 : 100 * city;
    return value == 1 ? city % 70 - 30 : value == 2 ? degree_days : 70 + city % 40;
}

// How the values of a generated file are written: `before` each value but a record's first
// (unless it has a sign of its own), `between` two values, `end` after a record's last.
struct Layout {
    std::string before = "";
    std::string between = " ";
    std::string end = "\n";
};

// The text of `records` records; `edit` may replace value `value` (from 1) of a record.
using Edit = std::function<std::string(int city, int value, const std::string& word)>;
std::string Generated(int records, int values, int (*value_of)(int, int), const Layout& layout,
                      const Edit& edit) {
    std::string text;
    for (int city = 1; city <= records; ++city) {
        for (int value = 1; value <= values; ++value) {
            std::string word = std::to_string(value_of(city, value));
            word = edit ? edit(city, value, word) : word;
            const std::string before = word[0] == '-' ? "" : layout.before;
            text += value == 1 ? word : layout.between + before + word;
        }
        text += layout.end;
    }
    return text;
}
std::string BinText(int records = kCityCount, const Edit& edit = {}, const Layout& layout = {}) {
    return Generated(records, kBinValueCount, BinValue, layout, edit);
}
std::string DesignText(int records = kCityCount, const Edit& edit = {}, const Layout& layout = {}) {
    return Generated(records, kDesignValueCount, DesignValue, layout, edit);
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

std::string LoadError(const fs::path& folder) {
    return ErrorOf([&folder] { LoadClimateTables(folder); });
}

TEST(engine_ClimateData, EveryAcceptedLayoutGivesTheSameTables) {
    struct Case {
        const char* what;
        Layout layout;
        std::string after_last_record;
    };
    const Case cases[] = {
        {"one record per line", {}, ""},
        {"one value per line, with empty and blank lines", {"", "\n", "\n\n  \t\n"}, ""},
        {"commas with and without blanks, a comma ending a line", {"", " , ", " ,\n"}, ""},
        {"tabs and carriage returns", {"", "\t", "\r\n\r"}, ""},
        {"plus signs and leading zeros", {"+00", " ", "\n"}, ""},
        {"anything after the last value", {"", " ", " 99 7 12.5 , ,x\n"}, ""},
        {"records after the 211th", {}, "1 2 3\nnot even numbers\n"},
        {"no line end after the last record", {}, "\b"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::string bins = BinText(kCityCount, {}, c.layout) + c.after_last_record;
        std::string design = DesignText(kCityCount, {}, c.layout) + c.after_last_record;
        if (c.after_last_record == "\b") {  // Takes the line end back with the backspace.
            bins.resize(bins.size() - 2);
            design.resize(design.size() - 2);
        }
        const ClimateTables tables = ParseClimateTables(bins, design);
        for (int city = 1; city <= kCityCount; ++city) {
            for (int value = 1; value <= kBinValueCount; ++value) {
                ASSERT_EQ(tables.bins.City(city)[static_cast<std::size_t>(value - 1)],
                          BinValue(city, value))
                    << "city " << city << ", value " << value;
            }
            const DesignRecord& design = tables.design.City(city);
            ASSERT_EQ(design.winter_design, DesignValue(city, 1)) << city;
            ASSERT_EQ(design.degree_days, DesignValue(city, 2)) << city;
            ASSERT_EQ(design.summer_design, DesignValue(city, 3)) << city;
        }
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
        {BinText(), DesignText(kCityCount, Replace(3, 1, "1,,2")),
         "cities.dat: line 3: city 3, value 2: an empty value: a comma with no number before it"},
        {BinText(), two_lines, "cities.dat: line 3: city 2, value 3: '+-5' is not a whole number"},
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
        EXPECT_EQ(LoadError(folder), (folder / message).string());
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

TEST(engine_ClimateData, AFolderThatCannotHoldTheFiles) {
    const fs::path folder = FreshFolder();
    EXPECT_EQ(
        LoadError(folder / "absent"),
        (folder / "absent" / "bindata2.dat: is missing and cannot be created empty").string());
    EXPECT_FALSE(fs::exists(folder / "absent"));
    fs::create_directory(folder / kBinFileName);
    EXPECT_EQ(LoadError(folder),
              (folder / "bindata2.dat: is a folder, not a climate data file").string());
}

}  // namespace
}  // namespace heatwise
