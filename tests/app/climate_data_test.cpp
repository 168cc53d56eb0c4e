// The climate data reader: the layouts it takes, the values it keeps, the committed files, and
// for every fault a message that names the file, the line, the city and the value. The texts
// read from memory give the same tables and messages as the files, named without a folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "climate_data.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;

// Every value of the generated files differs, so a value read into the wrong place shows.
int BinValue(int city, int value) {
    return 1000 * city + value;
}
int DesignValue(int city, int value) {
    return value == 1 ? city % 70 - 30 : value == 2 ? 100 * city : 70 + city % 40;
}

// The text of `records` records, each record's values on one line separated by single blanks;
// `edit` may rewrite the line of a record.
using LineEditor = std::function<std::string(int city, const std::string& line)>;

std::string Generated(int records, int values, int (*value_of)(int, int), const LineEditor& edit) {
    std::string text;
    for (int city = 1; city <= records; ++city) {
        std::string line;
        for (int value = 1; value <= values; ++value) {
            line += (value == 1 ? "" : " ") + std::to_string(value_of(city, value));
        }
        text += (edit ? edit(city, line) : line) + "\n";
    }
    return text;
}
std::string BinText(int records = kCityCount, const LineEditor& edit = {}) {
    return Generated(records, kBinValueCount, BinValue, edit);
}
std::string DesignText(int records = kCityCount, const LineEditor& edit = {}) {
    return Generated(records, kDesignValueCount, DesignValue, edit);
}

void ExpectGeneratedTables(const ClimateTables& tables) {
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

// Joins the words of a record line, putting `separator(i)` before word i (i >= 1).
std::string Rejoin(const std::string& line, const std::function<std::string(int)>& separator) {
    std::istringstream stream(line);
    std::string out;
    int i = 0;
    for (std::string word; stream >> word; ++i) {
        out += (i == 0 ? "" : separator(i)) + word;
    }
    return out;
}

// Replaces value `value` (1-based) of record `city` by `word`.
LineEditor ReplaceValue(int city, int value, std::string word) {
    return [=](int record, const std::string& line) {
        std::istringstream stream(line);
        std::string out;
        int i = 1;
        for (std::string original; stream >> original; ++i) {
            out += (i == 1 ? "" : " ") + (record == city && i == value ? word : original);
        }
        return out;
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

void Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

std::string Read(const fs::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
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
    struct Layout {
        const char* what;
        LineEditor edit;
        std::string after_last_record;
    };
    const Layout layouts[] = {
        {"one record per line", {}, ""},
        {"one value per line",
         [](int, const std::string& line) { return Rejoin(line, [](int) { return "\n"; }); }, ""},
        {"broken at a different point in every record, with empty and blank lines",
         [](int city, const std::string& line) {
             return "\n  \t\n" +
                    Rejoin(line, [city](int i) { return i == 1 + city % 2 ? "\n\n" : " "; });
         },
         ""},
        {"commas with and without blanks, a comma ending a line",
         [](int city, const std::string& line) {
             return Rejoin(line, [city](int i) {
                 return i == 2 ? " ,\n" : city % 2 ? "," : " , ";
             });
         },
         ""},
        {"tabs and carriage returns",
         [](int, const std::string& line) {
             return Rejoin(line, [](int i) { return i == 2 ? "\r\n" : "\t"; }) + "\r";
         },
         ""},
        {"plus signs and leading zeros",
         [](int, const std::string& line) {
             return (line.front() == '-' ? "" : "+") + Rejoin(line, [](int) { return " 00"; });
         },
         ""},
        {"anything after the last value",
         [](int city, const std::string& line) {
             return line + " 99 " + std::to_string(city) + " 12.5 , ,x";
         },
         ""},
        {"records after the 211th", {}, "1 2 3\nnot even numbers\n"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        ExpectGeneratedTables(
            ParseClimateTables(BinText(kCityCount, layout.edit) + layout.after_last_record,
                               DesignText(kCityCount, layout.edit) + layout.after_last_record));
    }
}

TEST(engine_ClimateData, FilesLoadUnchangedAndValuesAreTakenAsRead) {
    const fs::path folder = FreshFolder();
    std::string bins = BinText(kCityCount, [](int city, const std::string& line) {
        return city == 7 ? "-5 -2147483648 2147483647" + line.substr(line.find(' ', 10)) : line;
    });
    bins.pop_back();  // No line end after the last record.
    const std::string design = DesignText(kCityCount, ReplaceValue(8, 2, "-1"));
    Write(folder / kBinFileName, bins);
    Write(folder / kDesignFileName, design);

    const ClimateTables tables = LoadClimateTables(folder);

    EXPECT_EQ(tables.bins.Hours(7, 1, 1), -5);
    EXPECT_EQ(tables.bins.Hours(7, 1, 2), -2147483648);
    EXPECT_EQ(tables.bins.Hours(7, 1, 3), 2147483647);
    EXPECT_EQ(tables.bins.Hours(7, 1, 4), BinValue(7, 4));
    EXPECT_EQ(tables.bins.Hours(211, 3, 21), BinValue(211, 63));
    EXPECT_EQ(tables.design.City(8).degree_days, -1);
    EXPECT_EQ(Read(folder / kBinFileName), bins) << "the file was changed";
    EXPECT_EQ(Read(folder / kDesignFileName), design) << "the file was changed";
}

TEST(engine_ClimateData, CommittedDataFilesLoad) {
    const fs::path data = fs::path(HEATWISE_SOURCE_DIR) / "data";
    // The load would create a missing file, which must never happen in the source tree.
    if (!fs::exists(data / kBinFileName) || !fs::exists(data / kDesignFileName)) {
        GTEST_SKIP() << "no committed climate files in " << data;
    }
    const ClimateTables tables = LoadClimateTables(data);
    for (int city = 1; city <= kCityCount; ++city) {
        const CityBinHours& hours = tables.bins.City(city);
        // Every hour of the year falls into some bin of some shift.
        EXPECT_EQ(std::accumulate(hours.begin(), hours.end(), 0), 8760) << "city " << city;
        const DesignRecord& design = tables.design.City(city);
        EXPECT_LT(design.winter_design, design.summer_design) << "city " << city;
        EXPECT_GE(design.degree_days, 0) << "city " << city;
    }
}

// One case for each message; the files and the texts give the same one, the files' with their
// folder, and a file that cannot be used is left as it was.
TEST(engine_ClimateData, EachFaultIsNamedByFileLineCityAndValue) {
    struct Case {
        std::string bins;
        std::string design;
        std::string message;
    };
    const Case cases[] = {
        {BinText(), DesignText(210),
         "cities.dat: line 211: end of file before the 3 values of city 211"},
        {BinText(kCityCount, ReplaceValue(4, 17, "12.5")), DesignText(),
         "bindata2.dat: line 4: city 4, value 17: '12.5' is not a whole number"},
        {BinText(kCityCount, ReplaceValue(211, 63, "3000000000")), DesignText(),
         "bindata2.dat: line 211: city 211, value 63: '3000000000' is outside the whole-number "
         "range -2147483648 to 2147483647"},
        {BinText(), DesignText(kCityCount, ReplaceValue(3, 1, "1,,2")),
         "cities.dat: line 3: city 3, value 2: an empty value: a comma with no number before it"},
        // Lines are counted through a record over two lines; a sign after a sign is no number.
        {BinText(),
         DesignText(kCityCount,
                    [](int city, const std::string& line) {
                        return city == 1 ? "1\n2 3" : city == 2 ? "4 5 +-5" : line;
                    }),
         "cities.dat: line 3: city 2, value 3: '+-5' is not a whole number"},
        // Empty lines are counted too.
        {"\n\n" +
             BinText(106,
                     [](int city, const std::string& line) {
                         return city == 106 ? line.substr(0, line.find(" 106032")) : line;
                     }) +
             "\n",
         DesignText(), "bindata2.dat: line 110: end of file after 31 of the 63 values of city 106"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_EQ(ErrorOf([&c] { ParseClimateTables(c.bins, c.design); }), c.message);
        const fs::path folder = FreshFolder();
        Write(folder / kBinFileName, c.bins);
        Write(folder / kDesignFileName, c.design);
        EXPECT_EQ(LoadError(folder), (folder / c.message).string());
        EXPECT_EQ(Read(folder / kBinFileName), c.bins) << "the file was changed";
        EXPECT_EQ(Read(folder / kDesignFileName), c.design) << "the file was changed";
    }
}

TEST(engine_ClimateData, AMissingFileIsCreatedEmptyAndFailsAtItsFirstCity) {
    const fs::path folder = FreshFolder();
    Write(folder / kBinFileName, BinText(100));
    try {
        LoadClimateTables(folder);
        ADD_FAILURE() << "loaded";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), folder / kBinFileName);
        EXPECT_EQ(error.line(), 101);
    }
    EXPECT_FALSE(fs::exists(folder / kDesignFileName)) << "a bad bin file stops the load first";

    fs::remove(folder / kBinFileName);
    Write(folder / kDesignFileName, DesignText());
    EXPECT_EQ(
        LoadError(folder),
        (folder / "bindata2.dat: line 1: end of file before the 63 values of city 1").string());
    EXPECT_EQ(Read(folder / kBinFileName), "") << "created empty";

    Write(folder / kBinFileName, BinText());
    fs::remove(folder / kDesignFileName);
    EXPECT_EQ(LoadError(folder),
              (folder / "cities.dat: line 1: end of file before the 3 values of city 1").string());
    EXPECT_EQ(Read(folder / kDesignFileName), "") << "created empty";
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
