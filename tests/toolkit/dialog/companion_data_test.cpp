// The companion text of a dialog read on its own: what each section asks for, and the quirks
// of the reading that resource scripts rely on.
#include "dialog/companion_data.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace windlass {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

// Writes down every action as one line of text.
class Recorder : public CompanionActions {
  public:
    void Check(int field, int state) override { Note("check", field, state); }
    void ClearEntries(int field) override { Note("clear", field); }
    void AddEntry(int field, std::string_view text) override {
        log.push_back("add " + std::to_string(field) + " [" + std::string(text) + "]");
    }
    void SelectEntry(int field, int index) override { Note("select", field, index); }
    void Range(int field, double minimum, double maximum) override {
        std::ostringstream line;
        line << "range " << field << " " << minimum << " " << maximum;
        log.push_back(line.str());
    }
    void Length(int field, int limit) override { Note("length", field, limit); }
    void Format(int field, std::string_view format) override {
        log.push_back("format " + std::to_string(field) + " [" + std::string(format) + "]");
    }
    void DialogFlag(int flag) override { Note("dialog", flag); }
    void Colours(int field, ColourTriple text, ColourTriple background) override {
        Note("colours", field, text.red, text.green, text.blue, background.red, background.green,
             background.blue);
    }
    void TabPages(int field, int initial, const std::vector<TabPage>& pages) override {
        std::string line = "tabs " + std::to_string(field) + " " + std::to_string(initial);
        for (const TabPage& page : pages) {
            line += " " + std::to_string(page.dialog_id) + ":[" + page.caption + "]";
        }
        log.push_back(line);
    }
    void Trackbar(int field, const TrackbarSettings& t) override {
        Note("trackbar", field, t.tick_frequency, t.page_size, t.line_size, t.selection_start,
             t.selection_end);
    }
    std::size_t GridSettings(int field, std::string_view) override {
        Note("grid", field);
        return grid_reads;
    }
    void Treeview(int field, int first, int second) override {
        Note("treeview", field, first, second);
    }

    template <typename... Numbers>
    void Note(const char* what, Numbers... numbers) {
        std::string line = what;
        ((line += " " + std::to_string(numbers)), ...);
        log.push_back(line);
    }

    std::vector<std::string> log;
    std::size_t grid_reads = 0;
};

std::vector<std::string> Parse(std::string_view text, std::size_t grid_reads = 0) {
    Recorder recorder;
    recorder.grid_reads = grid_reads;
    ParseCompanionData(text, recorder);
    return recorder.log;
}

struct Case {
    const char* what;
    std::string text;
    std::vector<std::string> log;
};

void ExpectKept(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_THAT(Parse(c.text), ElementsAreArray(c.log)) << c.what;
    }
}

TEST(CompanionQuirks, Headers) {
    ExpectKept({{"a header may follow spaces and be followed by anything on its line",
                 "   [Checks] initial states\n210 1 \n",
                 {"check 210 1"}},
                // "[checks]" is a data line for field 0 whose next number is searched for
                // across the line end, so the line after it goes with it.
                {"headers are compared with their letter case",
                 "[Checks]\n[checks]\n211 1 \n212 1 \n",
                 {"check 0 1", "check 212 1"}},
                {"a header in the middle of a line is no header",
                 "[Checks]\n210 [Menus]\n211 1 \n",
                 {"check 210 0", "check 211 1"}},
                {"the text ends at its first zero byte",
                 std::string("[Checks]\n210 1 \n\0[Checks]\n211 1 \n", 33),
                 {"check 210 1"}},
                {"an empty text does nothing", "", {}}});
}

TEST(CompanionQuirks, NumberSteps) {
    ExpectKept(
        {{"the last number of a line needs no space after it",
          "[Checks]\n210 1\n211 0\n",
          {"check 210 1", "check 211 0"}},
         // The step after 210 finds the space after "1" on the next line; the check
         // state is then read at that line's end, and the line is taken with it.
         {"a number not followed by a space takes the next line with it",
          "[Checks]\n210\n1 \n211 1 \n",
          {"check 210 0", "check 211 1"}},
         {"a blank line is a line for field 0 that swallows the line after",
          "[Checks]\n210 1 \n\n211 1 \n212 1 \n",
          {"check 210 1", "check 0 1", "check 212 1"}},
         {"field ids take digits only", "[Checks]\n-5 1 \n+7 1 \n", {"check 0 1", "check 0 1"}}});
}

TEST(CompanionQuirks, Menus) {
    ExpectKept({{"entries keep leading spaces and lose trailing ones",
                 "[Menus]\n240 2 2 \n  birmingham, AL   \nnome\r\n",
                 {"clear 240", "add 240 [  birmingham, AL]", "add 240 [nome\r]", "select 240 1"}},
                {"an initial entry of 0 selects nothing",
                 "[Menus]\n240 1 0 \nnome\n",
                 {"clear 240", "add 240 [nome]"}},
                {"entries are taken by count alone, headers and blank lines too",
                 "[Menus]\n240 4 1 \na\n\nb\n[Checks]\n210 1 \n",
                 {"clear 240", "add 240 [a]", "add 240 []", "add 240 [b]", "add 240 [[Checks]]",
                  "select 240 0", "clear 210"}},
                {"entries stop where the data ends",
                 "[Menus]\n240 5 2 \na\nb",
                 {"clear 240", "add 240 [a]", "add 240 [b]", "select 240 1"}},
                {"a count of 0 only empties the list",
                 "[Menus]\n240 0 0 \n241 1 1 \nx\n",
                 {"clear 240", "clear 241", "add 241 [x]", "select 241 0"}}});
}

TEST(CompanionQuirks, OtherSections) {
    ExpectKept({{"ranges are reals",
                 "[Ranges]\n251 -2.5 2.5e1 \n202 .05 0.35 \n",
                 {"range 251 -2.5 25", "range 202 0.05 0.35"}},
                {"lengths", "[Lengths]\n204 5 \n", {"length 204 5"}},
                {"a format is the rest of its line as it stands",
                 "[Formats]\n250 (F8.3)  \n251 \n",
                 {"format 250 [(F8.3)  ]", "format 251 []"}},
                {"the dialog flag is whether the line's id is not 0",
                 "[Dialog]\n1 \n0 \n",
                 {"dialog 1", "dialog 0"}},
                {"colours are two triples",
                 "[Colours]\n204 255 0 10 256 0 0 \n",
                 {"colours 204 255 0 10 256 0 0"}},
                {"trackbars take five numbers",
                 "[Trackbars]\n270 10 5 1 20 40 \n",
                 {"trackbar 270 10 5 1 20 40"}},
                {"treeviews take two numbers", "[Treeviews]\n280 1 2 \n", {"treeview 280 1 2"}},
                {"tab pages are whole lines after the count",
                 "[Tabs]\n500 2 602 \n601 First page\n602  Second \n[Checks]\n210 1 \n",
                 {"tabs 500 602 601:[First page] 602:[Second ]", "check 210 1"}},
                {"a grid that reads nothing leaves the rest of its line",
                 "[Grids]\n290 3 4 \n[Checks]\n210 1 \n",
                 {"grid 290", "check 210 1"}}});
}

TEST(CompanionData, AnEntryLongerThan1024CharactersIsCutBeforeItsTrailingSpacesAreDropped) {
    std::string line = std::string(1020, 'x') + std::string(10, ' ') + "yy";
    std::vector<std::string> log = Parse("[Menus]\n240 2 1 \n" + line + "\nnext\n");
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[1], "add 240 [" + std::string(1020, 'x') + "]");
    EXPECT_EQ(log[2], "add 240 [next]");
}

TEST(CompanionData, AGridThatReadsItsSettingsLeavesTheReadingAfterThem) {
    // The grid reads "3 4 \n9 9 " (9 characters); the rest of the line it ends on is passed
    // over as after every line, and the reading goes on at "[Checks]".
    EXPECT_THAT(Parse("[Grids]\n290 3 4 \n9 9 \n[Checks]\n210 1 \n", 9),
                ElementsAre("grid 290", "check 210 1"));
    // A grid that claims more than there is ends the data.
    EXPECT_THAT(Parse("[Grids]\n290 3 \n[Checks]\n210 1 \n", 1000), ElementsAre("grid 290"));
}

}  // namespace
}  // namespace windlass
