// The captured command line and its arguments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "init/command_line.h"
#include "support/toolkit_test.h"

namespace windlass {
namespace {

using testing::ToolkitTest;
using Words = std::vector<std::string>;

TEST(SplitArguments, WordsAfterTheProgramName) {
    struct Case {
        std::string line;
        Words arguments;
    };
    const std::vector<Case> cases = {
        {"", {}},
        {"heatwise   ", {}},
        {"heatwise a b  c", {"a", "b", "c"}},
        {"  heatwise a", {"a"}},
        {"heatwise \"runs to the end", {"runs to the end"}},
        {"heatwise \"closed\"tail", {"closed", "tail"}},
        {"heatwise half\"quoted", {"half\"quoted"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitArguments(c.line), c.arguments) << "line: " << c.line;
    }
}

class CapturedLine : public ToolkitTest {};

TEST_F(CapturedLine, ArgumentZeroIsTheExecutableAndTheRestAreWords) {
    platform_->command_line = "heatwise \"C:/my files/x.ini\" -v";
    platform_->executable_path = "/opt/heatwise/bin/heatwise";
    EXPECT_EQ(ArgumentCount(), 2);
    EXPECT_EQ(Argument(0), "/opt/heatwise/bin/heatwise");
    EXPECT_EQ(Argument(1), "C:/my files/x.ini");
    EXPECT_EQ(Argument(2), "-v");
    EXPECT_EQ(Argument(3), "");
    EXPECT_EQ(Argument(-1), "");
}

TEST_F(CapturedLine, CopyIsTakenOnceAndCutAtItsLimitsAndAtNul) {
    platform_->command_line = "heatwise " + std::string(2000, 'a');
    platform_->executable_path = "/" + std::string(400, 'p');
    EXPECT_EQ(CommandLine().line.size(), 1024u);
    EXPECT_EQ(CommandLine().executable.size(), 255u);
    platform_->command_line = "changed later";
    EXPECT_EQ(CommandLine().line.substr(0, 9), "heatwise ");

    ResetToolkitState();
    platform_->command_line = std::string("heatwise one\0two", 16);
    platform_->executable_path = std::string("/bin/heatwise\0junk", 18);
    EXPECT_EQ(CommandLine().line, "heatwise one");
    EXPECT_EQ(Argument(0), "/bin/heatwise");
}

}  // namespace
}  // namespace windlass
