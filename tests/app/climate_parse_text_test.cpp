// Reading the climate texts from memory: the same tables and the same messages as the load of
// the two files, with the files named without a folder.
#include <gtest/gtest.h>

#include <string>

#include "climate_data.h"
#include "climate_test_files.h"

namespace heatwise {
namespace {

using testing::ExpectGeneratedTables;
using testing::GeneratedBinFile;
using testing::GeneratedDesignFile;

std::string ParseError(const std::string& bins, const std::string& design) {
    try {
        ParseClimateTables(bins, design);
    } catch (const DataError& error) {
        return error.what();
    }
    return "(loaded)";
}

TEST(engine_ClimateParseText, GivesTheTablesTheFilesGive) {
    // Records over two lines, commas and an empty line: the texts take every layout the
    // files take.
    const std::string bins = "\n" + GeneratedBinFile(kCityCount, [](int city, std::string line) {
                                 return city == 7 ? line.replace(line.find(' '), 1, ",\n") : line;
                             });
    ExpectGeneratedTables(ParseClimateTables(bins, GeneratedDesignFile(kCityCount)));
}

// The messages themselves are the load's (climate_load_failures_test.cpp); the texts name
// each file without a folder.
TEST(engine_ClimateParseText, MessagesNameTheFileWithoutAFolder) {
    EXPECT_EQ(ParseError("", GeneratedDesignFile(kCityCount)),
              "bindata2.dat: line 1: end of file before the 63 values of city 1");
    EXPECT_EQ(ParseError(GeneratedBinFile(kCityCount), "1 2 x\n"),
              "cities.dat: line 1: city 1, value 3: 'x' is not a whole number");
}

}  // namespace
}  // namespace heatwise
