// The cold-bin reader: the records of coldbins.dat with the rules and messages of the other
// climate files, its values held within a shift's hours and within bin 21 of bindata2.dat;
// and the program's own load, which never reads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "engine/climate_data.h"
#include "engine/cold_bins.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;

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

// Cold records in which value v (1..30) of city c is v, except where `edit` says otherwise;
// each shift's cold hours (1 + ... + 10 = 55 at most) stay within bin 21.
std::string ColdText(int records = kCityCount, int city_at = 0, int value_at = 0,
                     const std::string& word = "") {
    std::string text;
    for (int city = 1; city <= records; ++city) {
        for (int value = 1; value <= kColdBinValueCount; ++value) {
            const std::string plain = std::to_string((value - 1) % kColdBinCount + 1);
            text += (value == 1 ? "" : " ") + (city == city_at && value == value_at ? word : plain);
        }
        text += "\n";
    }
    return text;
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

// The words that are no whole numbers, and their escapes, are the shared record reader's, checked
// with the other climate files in engine_ClimateData.
TEST(engine_ColdBins, EachFaultIsNamedByFileLineCityAndValue) {
    // City 3's bin 21 holds 203 hours in shift 2; its cold bins there hold 1 + ... + 9 + 159.
    const std::pair<std::string, std::string> cases[] = {
        {ColdText(100), "coldbins.dat: line 101: end of file before the 30 values of city 101"},
        {ColdText(kCityCount, 5, 2, "-1"),
         "coldbins.dat: line 5: city 5, value 2: '-1' is outside the accepted range 0 to 2920"},
        {ColdText(kCityCount, 6, 30, "2921"),
         "coldbins.dat: line 6: city 6, value 30: '2921' is outside the accepted range 0 to "
         "2920"},
        {ColdText(kCityCount, 3, 20, "159"),
         "coldbins.dat: line 3: city 3, shift 2: the cold bins hold 204 hours below 0 F, more "
         "than the 203 hours of bin 21 (0/4 F) in bindata2.dat"},
    };
    const CityBinTable bins = BinTable();
    for (const auto& [text, message] : cases) {
        EXPECT_EQ(ErrorOf([&] { ParseColdBins(text, bins); }), message);
    }
    // Exactly as much as bin 21 holds is accepted.
    EXPECT_EQ(ErrorOf([&] { ParseColdBins(ColdText(kCityCount, 3, 20, "158"), bins); }),
              "(loaded)");
}

TEST(engine_ColdBins, LoadsTheValuesAsWrittenOnlyWhereAsked) {
    const fs::path folder = "cold_bins_folder";
    fs::remove_all(folder);
    fs::create_directories(folder);
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
    std::ofstream bin_file(folder / kBinFileName, std::ios::binary);
    std::ofstream design_file(folder / kDesignFileName, std::ios::binary);
    for (int city = 1; city <= kCityCount; ++city) {
        for (int value = 1; value <= kBinValueCount; ++value) {
            bin_file << (value == 1 ? "" : " ") << 1;
        }
        bin_file << "\n";
        design_file << "28 1700 97\n";
    }
    bin_file.close();
    design_file.close();
    EXPECT_EQ(ErrorOf([&] { LoadClimateTables(folder, MissingFile::kRefuse); }), "(loaded)");
}

}  // namespace
}  // namespace heatwise
