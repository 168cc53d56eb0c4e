#include "cli_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli.h"
#include "climate_data.h"

namespace heatwise::cli::testing {

namespace fs = std::filesystem;

CliRun RunCommand(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(views, out, err);
    return {status, out.str(), err.str()};
}

fs::path WriteExampleClimate() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const fs::path folder = std::string(test->test_suite_name()) + "." + test->name();
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream bins(folder / kBinFileName);
    std::ofstream design(folder / kDesignFileName);
    for (int city = 1; city <= kCityCount; ++city) {
        CityBinHours hours{};
        const int m = city % 7 + 1;
        hours[BinValueIndex(2, 3)] = 100 * m;
        hours[BinValueIndex(3, 3)] = 20 * m;
        hours[BinValueIndex(2, 4)] = 200 * m;
        hours[BinValueIndex(3, 4)] = 80 * m;
        hours[BinValueIndex(1, 15)] = 100 * m;
        hours[BinValueIndex(2, 15)] = 50 * m;
        hours[BinValueIndex(3, 15)] = 150 * m;
        for (std::size_t k = 0; k < hours.size(); ++k) {
            bins << (k == 0 ? "" : " ") << hours[k];
        }
        bins << "\n";
        design << "28 " << 1700 + city << " 97\n";
    }
    return folder;
}

CliRun Estimate(std::vector<std::string> options) {
    options.insert(options.begin(), {"estimate", "--data-dir", WriteExampleClimate().string()});
    return RunCommand(options);
}

std::string JsonMember(const std::string& json, const std::string& key) {
    for (const std::string& line : Lines(json)) {
        const std::string start = "  \"" + key + "\": ";
        if (line.starts_with(start)) {
            return line.substr(start.size(), line.size() - start.size() - line.ends_with(","));
        }
    }
    return "(absent)";
}

std::vector<long long> JsonNumbers(std::string array) {
    for (char& c : array) {
        c = c == '[' || c == ']' || c == ',' ? ' ' : c;
    }
    std::istringstream stream(array);
    std::vector<long long> numbers;
    for (long long n = 0; stream >> n;) {
        numbers.push_back(n);
    }
    return numbers;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace heatwise::cli::testing
