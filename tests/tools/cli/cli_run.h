// Runs heatwise-cli in process, as the tests of its commands do: its exit status and what it
// wrote to its two outputs. The files the tests write go into a scratch folder of this run of
// the tests, under the test's temporary folder; it goes when the tests end.
#pragma once

#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli.h"

namespace heatwise::cli {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

inline CliRun RunCliOn(const std::vector<std::string>& args) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(views, out, err);
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> Words(const std::string& command_line) {
    std::vector<std::string> words;
    std::istringstream in(command_line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// Runs heatwise-cli on the words of a command line.
inline CliRun Cli(const std::string& command_line) {
    return RunCliOn(Words(command_line));
}

inline std::string FileText(const std::filesystem::path& file) {
    std::ostringstream text;
    text << std::ifstream(file, std::ios::binary).rdbuf();
    return text.str();
}

inline const std::filesystem::path kScratch =
    std::filesystem::path(::testing::TempDir()) / ("heatwise-cli-" + std::to_string(getpid()));

struct RemoveScratch : ::testing::Environment {
    void TearDown() override { std::filesystem::remove_all(kScratch); }
};
[[maybe_unused]] inline ::testing::Environment* const kRemoveScratch =
    ::testing::AddGlobalTestEnvironment(new RemoveScratch);

// A folder of its own in the scratch folder, made if it is not there.
inline std::filesystem::path ScratchFolder(const std::string& name) {
    std::filesystem::create_directories(kScratch / name);
    return kScratch / name;
}

}  // namespace heatwise::cli
