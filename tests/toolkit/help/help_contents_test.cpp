// The reader of contents files: entries, headings and levels, and the message, with its line,
// for each way a line can be wrong.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "help/help_contents.h"

namespace windlass {
namespace {

using ::testing::HasSubstr;

TEST(HelpContents, ReadsLevelsTopicsHeadingsAndTitles) {
    ContentsReading reading = ParseHelpContents(
        "# A comment\r\n"
        "\r\n"
        "1 1 Contents\r\n"
        "1\t-\tUsing the program\r\n"
        "  2 10    What it   estimates  \r\n"
        "3 11 A 2nd level: 3 deep\n"
        "1 99 Glossary");

    ASSERT_TRUE(reading.entries) << reading.error;
    const std::vector<ContentsEntry>& entries = *reading.entries;
    ASSERT_EQ(entries.size(), 5u);
    EXPECT_EQ(entries[0].context, 1);
    EXPECT_EQ(entries[1].level, 1);
    EXPECT_EQ(entries[1].context, std::nullopt);
    EXPECT_EQ(entries[1].title, "Using the program");
    EXPECT_EQ(entries[2].level, 2);
    EXPECT_EQ(entries[2].context, 10);
    EXPECT_EQ(entries[2].title, "What it estimates");
    EXPECT_EQ(entries[2].line, 5);
    EXPECT_EQ(entries[3].title, "A 2nd level: 3 deep");
    EXPECT_EQ(entries[4].level, 1);
}

TEST(HelpContents, EveryFaultIsNamedWithItsLine) {
    struct Case {
        std::string label;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"no entry", "# only a comment\n\n", "the file holds no entry"},
        {"a level that is no number", "1 1 A\nx 2 B\n", "line 2: the level 'x' is not a whole"},
        {"level 0", "0 1 A\n", "line 1: the level '0'"},
        {"level 10", "1 1 A\n10 1 B\n", "line 2: the level '10'"},
        {"a first entry below level 1", "\n2 1 A\n", "line 2: the first entry has level 2"},
        {"a jump of two levels", "1 1 A\n2 2 B\n4 3 C\n", "line 3: level 4 follows level 2"},
        {"a context that is no number", "1 x A\n", "line 1: the context number 'x'"},
        {"context 0", "1 0 A\n", "line 1: the context number '0'"},
        {"a missing context and title", "1\n", "line 1: the context number ''"},
        {"a missing title", "1 5   \n", "line 1: the entry has no title"},
        {"not UTF-8", "1 1 A\n1 2 \xFF\n", "line 2: the file is not UTF-8 text"}};
    for (const Case& c : cases) {
        ContentsReading reading = ParseHelpContents(c.text);
        EXPECT_FALSE(reading.entries) << c.label;
        EXPECT_THAT(reading.error, HasSubstr(c.message)) << c.label;
    }
}

TEST(HelpContents, AFileThatCannotBeOpenedIsNamed) {
    ContentsReading reading = ReadHelpContents("no/such/HELP.CNT");
    EXPECT_FALSE(reading.entries);
    EXPECT_EQ(reading.error, "no/such/HELP.CNT: the file cannot be opened");
}

}  // namespace
}  // namespace windlass
