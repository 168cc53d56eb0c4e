// Climate files that cannot be used: every fault stops the load with a message that names the
// file, the line, the city and the value, and no table comes back.
#include <gtest/gtest.h>

#include "climate_data.h"
#include "climate_test_files.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;
using testing::FreshTestFolder;
using testing::GeneratedBinFile;
using testing::GeneratedDesignFile;
using testing::ReadText;
using testing::RecordLineEditor;
using testing::WriteText;

// Replaces the line of record `city` by `text`.
RecordLineEditor ReplaceRecord(int city, std::string text) {
    return
        [city, text](int record, const std::string& line) { return record == city ? text : line; };
}

// Replaces value `value` (1-based) of record `city` by `word`.
RecordLineEditor ReplaceValue(int city, int value, std::string word) {
    return [city, value, word](int record, const std::string& line) {
        if (record != city) {
            return line;
        }
        std::size_t start = 0;
        for (int i = 1; i < value; ++i) {
            start = line.find(' ', start) + 1;
        }
        const std::size_t end = line.find(' ', start);
        return line.substr(0, start) + word + (end == std::string::npos ? "" : line.substr(end));
    };
}

// Cuts record `city` down to its first `count` values.
RecordLineEditor KeepValues(int city, int count) {
    return [city, count](int record, const std::string& line) {
        if (record != city) {
            return line;
        }
        std::size_t end = 0;
        for (int i = 0; i < count; ++i) {
            end = line.find(' ', end + 1);
        }
        return line.substr(0, end);
    };
}

std::string LoadError(const fs::path& folder) {
    try {
        LoadClimateTables(folder);
    } catch (const DataError& error) {
        return error.what();
    }
    return "(loaded)";
}

TEST(engine_ClimateLoadFailures, MessagesNameFileLineCityAndValue) {
    struct Case {
        const char* what;
        std::string bins;
        std::string design;
        std::string message;  // after the folder
    };
    const std::string good_bins = GeneratedBinFile(kCityCount);
    const std::string good_design = GeneratedDesignFile(kCityCount);
    const Case cases[] = {
        {"210 cities", good_bins, GeneratedDesignFile(210),
         "cities.dat: line 211: end of file before the 3 values of city 211"},
        {"a decimal fraction", GeneratedBinFile(kCityCount, ReplaceValue(4, 17, "12.5")),
         good_design, "bindata2.dat: line 4: city 4, value 17: '12.5' is not a whole number"},
        {"a word", GeneratedBinFile(kCityCount, ReplaceValue(9, 1, "north")), good_design,
         "bindata2.dat: line 9: city 9, value 1: 'north' is not a whole number"},
        {"a sign alone", good_bins, GeneratedDesignFile(kCityCount, ReplaceValue(5, 3, "-")),
         "cities.dat: line 5: city 5, value 3: '-' is not a whole number"},
        {"a sign inside", good_bins, GeneratedDesignFile(kCityCount, ReplaceValue(5, 2, "1-2")),
         "cities.dat: line 5: city 5, value 2: '1-2' is not a whole number"},
        {"beyond 32 bits", GeneratedBinFile(kCityCount, ReplaceValue(211, 63, "3000000000")),
         good_design,
         "bindata2.dat: line 211: city 211, value 63: '3000000000' is outside the whole-number "
         "range -2147483648 to 2147483647"},
        {"below 32 bits", good_bins,
         GeneratedDesignFile(kCityCount, ReplaceValue(1, 1, "-2147483649")),
         "cities.dat: line 1: city 1, value 1: '-2147483649' is outside the whole-number range "
         "-2147483648 to 2147483647"},
        {"an empty value between commas", good_bins,
         GeneratedDesignFile(kCityCount, ReplaceRecord(3, "1,,2,3")),
         "cities.dat: line 3: city 3, value 2: an empty value: a comma with no number before "
         "it"},
        {"lines counted through a record over two lines", good_bins,
         GeneratedDesignFile(kCityCount,
                             [](int city, const std::string& line) {
                                 return city == 1 ? "1\n2 3" : city == 2 ? "4 5 x" : line;
                             }),
         "cities.dat: line 3: city 2, value 3: 'x' is not a whole number"},
        {"empty lines counted", "\n\n" + GeneratedBinFile(106, KeepValues(106, 31)) + "\n",
         good_design, "bindata2.dat: line 110: end of file after 31 of the 63 values of city 106"},
        {"the last city cut short", good_bins,
         GeneratedDesignFile(kCityCount, ReplaceRecord(211, "1 2")),
         "cities.dat: line 212: end of file after 2 of the 3 values of city 211"},
        {"an empty file", "", good_design,
         "bindata2.dat: line 1: end of file before the 63 values of city 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const fs::path folder = FreshTestFolder();
        WriteText(folder / kBinFileName, c.bins);
        WriteText(folder / kDesignFileName, c.design);
        EXPECT_EQ(LoadError(folder), (folder / c.message).string());
        EXPECT_EQ(ReadText(folder / kBinFileName), c.bins) << "the file was changed";
        EXPECT_EQ(ReadText(folder / kDesignFileName), c.design) << "the file was changed";
    }
}

TEST(engine_ClimateLoadFailures, ErrorKnowsItsFileAndLine) {
    const fs::path folder = FreshTestFolder();
    WriteText(folder / kBinFileName, GeneratedBinFile(kCityCount, ReplaceValue(4, 17, "12.5")));
    WriteText(folder / kDesignFileName, GeneratedDesignFile(kCityCount));
    try {
        LoadClimateTables(folder);
        FAIL() << "loaded";
    } catch (const DataError& error) {
        EXPECT_EQ(error.file(), folder / kBinFileName);
        EXPECT_EQ(error.line(), 4);
    }
}

TEST(engine_ClimateLoadFailures, MissingBinFileIsCreatedEmptyAndFailsOnCityOne) {
    const fs::path folder = FreshTestFolder();
    WriteText(folder / kDesignFileName, GeneratedDesignFile(kCityCount));
    EXPECT_EQ(
        LoadError(folder),
        (folder / "bindata2.dat: line 1: end of file before the 63 values of city 1").string());
    ASSERT_TRUE(fs::is_regular_file(folder / kBinFileName));
    EXPECT_EQ(fs::file_size(folder / kBinFileName), 0u);
}

TEST(engine_ClimateLoadFailures, MissingCityFileIsCreatedEmptyAfterTheBinFileIsRead) {
    const fs::path folder = FreshTestFolder();
    const std::string bins = GeneratedBinFile(kCityCount);
    WriteText(folder / kBinFileName, bins);
    EXPECT_EQ(LoadError(folder),
              (folder / "cities.dat: line 1: end of file before the 3 values of city 1").string());
    ASSERT_TRUE(fs::is_regular_file(folder / kDesignFileName));
    EXPECT_EQ(fs::file_size(folder / kDesignFileName), 0u);
    EXPECT_EQ(ReadText(folder / kBinFileName), bins);
}

TEST(engine_ClimateLoadFailures, BadBinFileStopsBeforeTheCityFileIsOpened) {
    const fs::path folder = FreshTestFolder();
    WriteText(folder / kBinFileName, GeneratedBinFile(100));
    LoadError(folder);
    EXPECT_FALSE(fs::exists(folder / kDesignFileName));
}

TEST(engine_ClimateLoadFailures, FolderThatCannotHoldTheFiles) {
    const fs::path folder = FreshTestFolder();
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
