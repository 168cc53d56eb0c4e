// Running heatwise-cli in-process on climate files the tests write themselves.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace heatwise::cli::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunCommand(std::initializer_list<std::string_view> args);
CliRun RunCommand(const std::vector<std::string>& args);

// A fresh folder named after the running test, holding climate files in which city k has
// m = k % 7 + 1 times the hours of both worked examples (the cooling one in bins 90/94 and
// 85/89, the heating one in bin 30/34) and the design record 28, 1700 + k, 97. City 1 (m = 2)
// and city 7 (m = 1) therefore differ, and city 7 costs exactly the worked examples.
std::filesystem::path WriteExampleClimate();

// The city whose costs are exactly those of the worked examples.
inline constexpr int kExampleCity = 7;

// The top-level keys of the estimator's JSON object and the raw text of each value, in order;
// it relies on the estimator's layout of one member per line and is no general JSON reader.
std::vector<std::pair<std::string, std::string>> JsonMembers(std::string_view json);

// The values of a JSON array of numbers such as "[1, 2, 3]".
std::vector<long long> JsonNumbers(std::string_view array);

// The fields of one CSV line, with quoted fields unquoted.
std::vector<std::string> CsvFields(std::string_view line);

std::vector<std::string> Lines(std::string_view text);

}  // namespace heatwise::cli::testing
