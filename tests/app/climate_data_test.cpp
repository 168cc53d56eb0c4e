// Loading bindata2.dat and cities.dat: the layouts the reader takes, and the committed files.
#include <gtest/gtest.h>

#include <numeric>
#include <sstream>
#include <utility>
#include <vector>

#include "climate_data.h"
#include "climate_test_files.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;
using testing::ExpectGeneratedTables;
using testing::FreshTestFolder;
using testing::GeneratedBinFile;
using testing::GeneratedDesignFile;
using testing::ReadText;
using testing::RecordLineEditor;
using testing::WriteText;

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

// Joins the words of a record line, putting `separator(i)` before word i (i >= 1).
std::string Rejoin(const std::string& line, const std::function<std::string(int)>& separator) {
    const std::vector<std::string> words = Words(line);
    std::string out = words.front();
    for (std::size_t i = 1; i < words.size(); ++i) {
        out += separator(static_cast<int>(i)) + words[i];
    }
    return out;
}

TEST(engine_ClimateLoad, EveryAcceptedLayoutLoadsTheSameTables) {
    struct Layout {
        Layout(const char* what, RecordLineEditor edit, std::string after_last_record = "",
               bool last_line_ends = true)
            : what(what),
              edit(std::move(edit)),
              after_last_record(std::move(after_last_record)),
              last_line_ends(last_line_ends) {}

        const char* what;
        RecordLineEditor edit;
        std::string after_last_record;
        bool last_line_ends;
    };
    const Layout layouts[] = {
        {"one record per line", {}},
        {"one value per line",
         [](int, const std::string& line) { return Rejoin(line, [](int) { return "\n"; }); }},
        {"broken at a different point in every record",
         [](int city, const std::string& line) {
             const int at = city % static_cast<int>(Words(line).size());
             return Rejoin(line, [at](int i) { return i == at ? "\n" : " "; });
         }},
        {"empty and blank lines inside and between records",
         [](int city, const std::string& line) {
             return "\n  \t\n" +
                    Rejoin(line, [city](int i) { return i == 1 + city % 2 ? "\n\n" : " "; });
         }},
        {"commas",
         [](int, const std::string& line) { return Rejoin(line, [](int) { return ","; }); }},
        {"commas with blanks, a comma ending a line",
         [](int, const std::string& line) {
             return Rejoin(line, [](int i) { return i == 2 ? " ,\n" : " , "; });
         }},
        {"tabs and carriage returns",
         [](int, const std::string& line) {
             return Rejoin(line, [](int i) { return i == 2 ? "\r\n" : "\t"; }) + "\r";
         }},
        {"plus signs and leading zeros",
         [](int, const std::string& line) {
             return (line.front() == '-' ? "" : "+") + Rejoin(line, [](int) { return " 00"; });
         }},
        {"numbers after the last value",
         [](int city, const std::string& line) { return line + " 99 " + std::to_string(city); }},
        {"anything after the last value",
         [](int, const std::string& line) { return line + " 12.5 , ,x"; }},
        {"records after the 211th", {}, "1 2 3\nnot even numbers\n"},
        {"no line end after the last record", {}, "", false},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.what);
        const fs::path folder = FreshTestFolder();
        std::string bins = GeneratedBinFile(kCityCount, layout.edit) + layout.after_last_record;
        std::string design =
            GeneratedDesignFile(kCityCount, layout.edit) + layout.after_last_record;
        if (!layout.last_line_ends) {
            bins.pop_back();
            design.pop_back();
        }
        WriteText(folder / kBinFileName, bins);
        WriteText(folder / kDesignFileName, design);
        ExpectGeneratedTables(LoadClimateTables(folder));
        EXPECT_EQ(ReadText(folder / kBinFileName), bins) << "the file was changed";
        EXPECT_EQ(ReadText(folder / kDesignFileName), design) << "the file was changed";
    }
}

TEST(engine_ClimateLoad, ValuesAreTakenAsRead) {
    const fs::path folder = FreshTestFolder();
    WriteText(
        folder / kBinFileName, GeneratedBinFile(kCityCount, [](int city, const std::string& line) {
            return city == 7 ? "-5 -2147483648 2147483647" + line.substr(line.find(' ', 10)) : line;
        }));
    WriteText(folder / kDesignFileName,
              GeneratedDesignFile(kCityCount, [](int city, const std::string& line) {
                  return city == 8 ? std::string("-40 -1 200") : line;
              }));
    const ClimateTables tables = LoadClimateTables(folder);
    EXPECT_EQ(tables.bins.Hours(7, 1, 1), -5);
    EXPECT_EQ(tables.bins.Hours(7, 1, 2), -2147483648);
    EXPECT_EQ(tables.bins.Hours(7, 1, 3), 2147483647);
    EXPECT_EQ(tables.bins.Hours(7, 1, 4), testing::GeneratedBinValue(7, 4));
    EXPECT_EQ(tables.design.City(8).winter_design, -40);
    EXPECT_EQ(tables.design.City(8).degree_days, -1);
    EXPECT_EQ(tables.design.City(8).summer_design, 200);
}

TEST(engine_ClimateLoad, TablesHoldZerosUntilLoaded) {
    const ClimateTables tables;
    EXPECT_EQ(tables.bins.City(1), CityBinHours{});
    EXPECT_EQ(tables.bins.City(kCityCount), CityBinHours{});
    EXPECT_EQ(tables.design.City(kCityCount).degree_days, 0);
}

TEST(engine_ClimateLoad, CommittedDataFilesLoad) {
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

}  // namespace
}  // namespace heatwise
