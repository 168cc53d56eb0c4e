// A folder of its own for each test case, made the current directory while the case runs.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace windlass::testing {

// Makes a fresh folder for the running test and makes it the current directory; the previous
// current directory comes back afterwards. Cases of one program may run at the same time, so
// each works in its own folder.
class ScratchDirectory {
  public:
    ScratchDirectory() : previous_(std::filesystem::current_path()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = std::string(test->test_suite_name()) + "." + test->name();
        for (char& c : name) {
            if (c == '/') {
                c = '_';
            }
        }
        path_ = previous_ / "scratch" / name;
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~ScratchDirectory() { std::filesystem::current_path(previous_); }
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

}  // namespace windlass::testing
