// Running heatwise-cli in-process on climate files the tests write themselves.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace heatwise::cli::testing {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun RunCommand(const std::vector<std::string>& args);

// A fresh folder named after the running test, holding climate files in which city k has
// m = k % 7 + 1 times the hours of both worked examples (the cooling one in bins 90/94 and
// 85/89, the heating one in bin 30/34) and the design record 28, 1700 + k, 97. City 1 (m = 2)
// and city 7 (m = 1) therefore differ, and city 7 costs exactly the worked examples.
std::filesystem::path WriteExampleClimate();

// "heatwise-cli estimate --data-dir FOLDER" on the example climate, then the options.
CliRun Estimate(std::vector<std::string> options);

// The raw text of the top-level member `key` of the estimator's JSON object, which writes each
// member on a line of its own; "(absent)" when there is none.
std::string JsonMember(const std::string& json, const std::string& key);

// The values of a JSON array of numbers such as "[1, 2, 3]".
std::vector<long long> JsonNumbers(std::string array);

std::vector<std::string> Lines(const std::string& text);

}  // namespace heatwise::cli::testing
