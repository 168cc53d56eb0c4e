// The climate data reader: for every fault a message that names the file, the line, the city
// and the value. The texts read from memory give the same messages as the files, named without
// a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "engine/climate_data.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;

// Every value of the generated files differs, so a message that names the wrong city or value
// shows; the winter design temperatures (the first value of a design record) run from -30 to 39.
int BinValue(int city, int value) {
    return 1000 * city + value;
}
int DesignValue(int city, int value) {
    return value == 1 ? city % 70 - 30 : value == 2 ? 100 * city : 70 + city % 40;
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

}  // namespace
}  // namespace heatwise
