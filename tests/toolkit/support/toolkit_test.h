// Shared by the toolkit's tests: a fixture that runs each case against the recording platform, in a
// scratch folder of its own, with every piece of toolkit state as a fresh process has it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "recording_platform.h"
#include "state/toolkit_state.h"
#include "support/scratch_directory.h"

namespace windlass::testing {

class ToolkitTest : public ::testing::Test {
  protected:
    ToolkitTest() { ResetToolkitState(); }
    ~ToolkitTest() override { ResetToolkitState(); }

    // Writes a text file into the scratch folder (or at a path below it).
    static void WriteFile(const std::filesystem::path& path, std::string_view content) {
        if (path.has_parent_path()) {
            std::filesystem::create_directories(path.parent_path());
        }
        std::ofstream(path, std::ios::binary) << content;
    }

    static std::string ReadFile(const std::filesystem::path& path) {
        std::ifstream file(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    ScratchDirectory scratch_;
    ScopedRecordingPlatform platform_;
};

}  // namespace windlass::testing
