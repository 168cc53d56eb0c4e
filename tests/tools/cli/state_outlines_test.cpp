// The reader of state_outlines.txt: what it takes from a file, and each fault it refuses with
// the file, the line and the value. Each case writes its file into a folder of its own.
#include <gtest/gtest.h>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "cli_run.h"
#include "state_outlines.h"

namespace heatwise::cli {
namespace {

namespace fs = std::filesystem;

fs::path FolderWith(const std::string& name, const std::string& text) {
    fs::remove_all(kScratch / ("outlines-" + name));
    const fs::path folder = ScratchFolder("outlines-" + name);
    std::ofstream(folder / kStateOutlineFileName, std::ios::binary) << text;
    return folder;
}

TEST(cli_StateOutlines, ReadsBordersAndCoastsPastCommentsAndBlankLines) {
    const fs::path folder = FolderWith("good",
                                       "# made by hand\r\n"
                                       "\n"
                                       "CO NM -103,37 -109.04,37.0\r\n"
                                       "  \t\n"
                                       "HI\t-155.5,19.25   -154.81,19.5 -155.5,19.25\n"
                                       "AK -187.1,52.9 -172.5,52.1");
    const std::optional<StateOutlines> outlines = ReadStateOutlines(folder);
    ASSERT_TRUE(outlines.has_value());
    // Each line as it was written, its numbers in the fewest digits that read back the same.
    std::string read;
    for (const OutlineLine& line : *outlines) {
        read += line.state + " " + line.other_state;
        for (const GeoPosition& point : line.points) {
            char number[64];
            char* end = std::to_chars(number, number + sizeof number, point.longitude).ptr;
            *end++ = ',';
            end = std::to_chars(end, number + sizeof number, point.latitude).ptr;
            read += " " + std::string(number, end);
        }
        read += "\n";
    }
    // The Aleutians west of the 180th meridian are written on west of -180.
    EXPECT_EQ(read,
              "CO NM -103,37 -109.04,37\nHI  -155.5,19.25 -154.81,19.5 -155.5,19.25\n"
              "AK  -187.1,52.9 -172.5,52.1\n");
    // A folder without the file gives nothing.
    fs::remove(folder / kStateOutlineFileName);
    EXPECT_FALSE(ReadStateOutlines(folder).has_value());
}

TEST(cli_StateOutlines, EachFaultIsNamedByFileLineAndValue) {
    struct Case {
        std::string name;
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"empty", "", "the file holds no outlines"},
        {"only-comments", "# nothing\n\n", "the file holds no outlines"},
        {"unknown-state", "# x\nPR -66,18 -67,18\n",
         "line 2: 'PR' is not the postal code of one of the 50 states or DC, such as CO"},
        {"lower-case", "co -103,37 -109,37\n", "line 1: 'co' is not the postal code"},
        {"no-state", "-103,37 -109,37\n",
         "line 1: the line starts with '-103,37'; it should start with the postal code"},
        {"three-states", "CA NV OR -120,42 -120,41.99\n",
         "line 1: 'OR' stands where a point longitude,latitude belongs"},
        {"same-state-twice", "TX TX -100,30 -101,30\n", "line 1: the line names TX twice"},
        {"alaska-border", "AK WA -130,55 -131,55\n",
         "line 1: the line names AK and WA; AK borders no other state"},
        {"hawaii-border", "CA HI -120,30 -121,30\n",
         "line 1: the line names CA and HI; HI borders no other state"},
        {"one-point", "UT -111,40\n",
         "line 1: the line has 1 point; a border or a coast needs at least 2 points"},
        {"no-point", "UT NV\n", "line 1: the line has 0 points"},
        {"semicolon", "UT -111,40 -112;41\n",
         "line 1: point 2: '-112;41' is not longitude,latitude in degrees"},
        {"no-comma", "UT -111,40 -112 41\n", "line 1: point 2: '-112' is not"},
        {"missing-latitude", "UT -111,40 -112,\n", "line 1: point 2: '-112,' is not"},
        {"three-values", "UT -111,40 -112,41,5\n", "line 1: point 2: '-112,41,5' is not"},
        {"plus-sign", "UT +111,40 -112,41\n", "line 1: point 1: '+111,40' is not"},
        {"not-a-number", "UT -111,40 nan,41\n", "line 1: point 2: 'nan,41' is not"},
        {"infinite", "UT -111,40 -112,inf\n", "line 1: point 2: '-112,inf' is not"},
        {"latitude-north", "UT -111,40 -112,90.5\n",
         "line 1: point 2: latitude '90.5' is outside -90 to 90 degrees"},
        {"latitude-south", "UT -111,-91 -112,41\n", "line 1: point 1: latitude '-91' is outside"},
        {"longitude-east", "UT -111,40 180.01,41\n",
         "line 1: point 2: longitude '180.01' is outside -190 to 180 degrees"},
        {"longitude-west", "AK -190.5,52 -172,52\n",
         "line 1: point 1: longitude '-190.5' is outside"},
        // A byte that is not printable is shown escaped, and a long word is cut.
        {"binary", "UT -111,40 -11\x01\xFF,41\n",
         "line 1: point 2: '-11\\x01\\xFF,41' is not longitude,latitude"},
        {"long-word", "UT -111,40 " + std::string(100, '9') + ",41\n",
         "line 1: point 2: longitude '" + std::string(40, '9') + "...' is outside"},
        // The fault of a later line stops the reading; nothing before it is used.
        {"late-fault", "CO NM -103,37 -109.04,37\nUT -111,40 -112,95\n",
         "line 2: point 2: latitude '95' is outside"},
        // A folder stands in place of the file.
        {"folder", "", "is a folder, not an outline file"},
    };
    for (const Case& c : cases) {
        const fs::path folder = FolderWith(c.name, c.text);
        if (c.name == "folder") {
            fs::remove(folder / kStateOutlineFileName);
            fs::create_directory(folder / kStateOutlineFileName);
        }
        try {
            ReadStateOutlines(folder);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const std::runtime_error& error) {
            // The file is named as the reader was given it, its folder and all.
            EXPECT_TRUE(
                std::string(error.what())
                    .starts_with((folder / kStateOutlineFileName).string() + ": " + c.message))
                << c.name << ": " << error.what();
        }
    }
}

}  // namespace
}  // namespace heatwise::cli
