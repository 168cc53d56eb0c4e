// The operating-system utilities: environment, current directory, debug level and the command
// line. The abnormal end of the program is checked with the version request in Initialise.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "init/command_line.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

using OsUtilities = testing::ToolkitTest;

TEST_F(OsUtilities, VariableIsCopiedBlankPaddedOrLeftBlankWhenTooLong) {
    platform_->environment = {{"HOME", "/home/ann"}, {"EMPTY", ""}};
    struct Case {
        std::string name;
        std::size_t length;
        std::string value;
        int error;
    };
    const std::vector<Case> cases = {
        {"HOME", 12, "/home/ann   ", 0}, {"HOME   ", 9, "/home/ann", 0},
        {"HOME", 8, "        ", 1023},   {"UNSET", 4, "    ", 0},
        {"HOME", 0, "", 1023},           {"home", 5, "     ", 0}};
    for (const Case& c : cases) {
        std::string value(c.length, '#');
        IOsVariable(c.name, value);
        EXPECT_EQ(value, c.value) << c.name << " into " << c.length;
        EXPECT_EQ(InfoError(1), c.error) << c.name << " into " << c.length;
    }
}

TEST_F(OsUtilities, DirectoryNameWithItsFailures) {
    platform_->working_directory = CurrentDirectory{"/home/ann/work", 0};
    std::string name(20, '#');
    std::string small(5, '#');
    IOsDirName(name);
    IOsDirName(small);
    EXPECT_EQ(name + "|" + small, "/home/ann/work      |     ");
    EXPECT_EQ(InfoError(1), ERR_TEXT_TOO_SMALL);
    platform_->working_directory = CurrentDirectory{"", 2};
    IOsDirName(name);
    EXPECT_EQ(name, std::string(20, ' '));
    EXPECT_EQ(InfoError(1), ERR_OS_COMMAND);
    EXPECT_EQ(InfoError(3), 2);
}

TEST_F(OsUtilities, DebugLevelTakesOnlyZeroToFour) {
    struct Case {
        int requested, level;
    };
    const std::vector<Case> cases = {{3, 3}, {5, 3}, {-1, 3}, {0, 0}, {4, 4}};
    for (const Case& c : cases) {
        IDebugLevel(c.requested);
        EXPECT_EQ(Errors().debug_level, c.level) << c.requested;
    }
}

TEST_F(OsUtilities, CommandLineArgumentsAreWordsAfterTheProgramName) {
    const std::pair<std::string, std::vector<std::string>> lines[] = {
        {"", {}},
        {"heatwise a b  c", {"a", "b", "c"}},
        {"heatwise \"runs to the end", {"runs to the end"}},
        {"heatwise \"closed\"tail", {"closed", "tail"}},
        {"heatwise half\"quoted", {"half\"quoted"}}};
    for (const auto& [line, arguments] : lines) {
        EXPECT_EQ(SplitArguments(line), arguments) << "line: " << line;
    }
    // Argument 0 is the executable; the copy is taken once, cut at its limits and at a NUL.
    platform_->command_line = "heatwise \"C:/my files/x.ini\" -v " + std::string(2000, 'a');
    platform_->executable_path = "/" + std::string(400, 'p');
    EXPECT_EQ(ArgumentCount(), 3);
    EXPECT_EQ(Argument(0), platform_->executable_path.substr(0, 255));
    EXPECT_EQ(Argument(1), "C:/my files/x.ini");
    EXPECT_EQ(Argument(2), "-v");
    EXPECT_EQ(Argument(4), "");
    EXPECT_EQ(Argument(-1), "");
    EXPECT_EQ(CommandLine().line.size(), 1024u);
    ResetToolkitState();
    platform_->command_line = std::string("heatwise one\0two", 16);
    platform_->executable_path = std::string("/bin/heatwise\0junk", 18);
    EXPECT_EQ(CommandLine().line, "heatwise one");
    EXPECT_EQ(Argument(0), "/bin/heatwise");
}

}  // namespace
}  // namespace windlass
