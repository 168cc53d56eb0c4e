#include "climate_test_files.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "climate_data.h"

namespace heatwise::testing {

namespace {

std::string GeneratedFile(int records, int values_per_record, int (*value_of)(int, int),
                          const RecordLineEditor& line_of_record) {
    std::string text;
    for (int city = 1; city <= records; ++city) {
        std::string line;
        for (int value = 1; value <= values_per_record; ++value) {
            line += (value == 1 ? "" : " ") + std::to_string(value_of(city, value));
        }
        text += (line_of_record ? line_of_record(city, line) : line) + "\n";
    }
    return text;
}

int GeneratedDesignValue(int city, int value) {
    switch (value) {
        case 1:
            return GeneratedWinterDesign(city);
        case 2:
            return GeneratedDegreeDays(city);
        default:
            return GeneratedSummerDesign(city);
    }
}

}  // namespace

int GeneratedBinValue(int city, int value) {
    return 1000 * city + value;
}
int GeneratedWinterDesign(int city) {
    return city % 70 - 30;
}
int GeneratedDegreeDays(int city) {
    return 100 * city;
}
int GeneratedSummerDesign(int city) {
    return 70 + city % 40;
}

std::string GeneratedBinFile(int records, const RecordLineEditor& line_of_record) {
    return GeneratedFile(records, kBinValueCount, GeneratedBinValue, line_of_record);
}

std::string GeneratedDesignFile(int records, const RecordLineEditor& line_of_record) {
    return GeneratedFile(records, kDesignValueCount, GeneratedDesignValue, line_of_record);
}

void ExpectGeneratedTables(const ClimateTables& tables) {
    for (int city = 1; city <= kCityCount; ++city) {
        for (int value = 1; value <= kBinValueCount; ++value) {
            ASSERT_EQ(tables.bins.City(city)[static_cast<std::size_t>(value - 1)],
                      GeneratedBinValue(city, value))
                << "city " << city << ", value " << value;
        }
        const DesignRecord& design = tables.design.City(city);
        ASSERT_EQ(design.winter_design, GeneratedWinterDesign(city)) << city;
        ASSERT_EQ(design.degree_days, GeneratedDegreeDays(city)) << city;
        ASSERT_EQ(design.summer_design, GeneratedSummerDesign(city)) << city;
    }
}

std::filesystem::path FreshTestFolder() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    const std::filesystem::path folder = name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

void WriteText(const std::filesystem::path& file, const std::string& text) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream << text;
    ASSERT_TRUE(stream.good()) << file;
}

std::string ReadText(const std::filesystem::path& file) {
    std::ifstream stream(file, std::ios::binary);
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

}  // namespace heatwise::testing
