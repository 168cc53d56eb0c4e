#include "cli_test_support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "cli.h"
#include "climate_data.h"

namespace heatwise::cli::testing {

namespace fs = std::filesystem;

CliRun RunCommand(std::initializer_list<std::string_view> args) {
    return RunCommand(std::vector<std::string>(args.begin(), args.end()));
}

CliRun RunCommand(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(views, out, err);
    return {status, out.str(), err.str()};
}

fs::path WriteExampleClimate() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    const fs::path folder = name;
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

std::vector<std::pair<std::string, std::string>> JsonMembers(std::string_view json) {
    // The estimator writes each top-level member on a line of its own: `  "key": value,`.
    std::vector<std::pair<std::string, std::string>> members;
    for (const std::string& line : Lines(json)) {
        if (!line.starts_with("  \"")) {
            continue;
        }
        const std::size_t key_end = line.find("\": ", 3);
        std::string value = line.substr(key_end + 3);
        if (value.ends_with(",")) {
            value.pop_back();
        }
        members.emplace_back(line.substr(3, key_end - 3), value);
    }
    return members;
}

std::vector<long long> JsonNumbers(std::string_view array) {
    std::string text(array);
    for (char& c : text) {
        if (c == '[' || c == ']' || c == ',') {
            c = ' ';
        }
    }
    std::istringstream stream(text);
    std::vector<long long> numbers;
    for (long long n = 0; stream >> n;) {
        numbers.push_back(n);
    }
    return numbers;
}

std::vector<std::string> CsvFields(std::string_view line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::istringstream stream{std::string(text)};
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

}  // namespace heatwise::cli::testing
