// The debug file: made once per process, emptied, CR LF line ends, long texts cut.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "errors/debug_file.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

using testing::ToolkitTest;

class DebugFileTest : public ToolkitTest {};

TEST_F(DebugFileTest, FirstUseEmptiesTheFileAndEveryLineEndsInCrLf) {
    WriteFile("debug", "an old line\r\n");
    IDebug("first");
    IDebug("second   ");
    IDebug("");
    EXPECT_EQ(ReadFile("debug"), "first\r\nsecond\r\n\r\n");
}

TEST_F(DebugFileTest, FileIsMadeOnlyOnce) {
    IDebug("one");
    std::filesystem::remove("debug");
    IDebug("three");
    EXPECT_FALSE(std::filesystem::exists("debug"));
    EXPECT_FALSE(std::filesystem::exists("debug.txt"));
}

TEST_F(DebugFileTest, LongTextIsCutAndEndsAtANul) {
    IDebug(std::string(600, 'x'));
    IDebug(std::string("before\0after", 12));
    EXPECT_EQ(ReadFile("debug"), std::string(511, 'x') + "\r\nbefore\r\n");
}

TEST_F(DebugFileTest, FallsBackThroughTheThreeNames) {
    struct Case {
        std::vector<std::string> taken_by_folders;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {{}, "debug"},
        {{"debug"}, "debug.txt"},
        {{"debug", "debug.txt"}, "debug.dat"},
        {{"debug", "debug.txt", "debug.dat"}, ""},
    };
    int n = 0;
    for (const Case& c : cases) {
        std::filesystem::path folder = "case" + std::to_string(n++);
        std::filesystem::create_directories(folder);
        for (const std::string& name : c.taken_by_folders) {
            std::filesystem::create_directories(folder / name);
        }
        DebugFile file(folder);
        file.WriteLine("line");
        if (c.expected.empty()) {
            EXPECT_TRUE(file.path().empty());
            file.WriteLine("dropped without notice");
        } else {
            EXPECT_EQ(file.path(), folder / c.expected);
            EXPECT_EQ(ReadFile(folder / c.expected), "line\r\n");
        }
    }
}

}  // namespace
}  // namespace windlass
