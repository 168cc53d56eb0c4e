// The main form's companion text (data resource 102 of resources/heatwise.rc), compiled into
// this test as into the program: the radio states, the 211 entries of the city list and the
// empty range section, as 8-bit text with line feeds that ends at a zero byte.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "city_list.h"
#include "resources/resource_lookup.h"

namespace heatwise {
namespace {

std::span<const std::uint8_t> CompanionBytes() {
    auto data = windlass::FindData(windlass::kTypeRcData, 102);
    if (!data) {
        ADD_FAILURE() << "data resource 102 is not among the program's resources";
        return {};
    }
    return *data;
}

// The text up to its zero byte, cut into lines at each line feed; the line feed that ends the
// last line leaves no empty line after it.
std::vector<std::string> CompanionLines() {
    std::string_view text = windlass::DataText(CompanionBytes());
    std::vector<std::string> lines;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        if (end == std::string_view::npos) {
            ADD_FAILURE() << "the last line has no line feed: '" << text << "'";
            lines.emplace_back(text);
            break;
        }
        lines.emplace_back(text.substr(0, end));
        text.remove_prefix(end + 1);
    }
    return lines;
}

TEST(resources_MainFormCompanion, EndsAtItsOneZeroByte) {
    std::span<const std::uint8_t> bytes = CompanionBytes();
    ASSERT_FALSE(bytes.empty());
    EXPECT_EQ(bytes.back(), 0);
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), std::uint8_t{0}), 1);
    EXPECT_EQ(windlass::DataText(bytes).size(), bytes.size() - 1);
}

TEST(resources_MainFormCompanion, LinesEndWithALineFeedAlone) {
    std::string_view text = windlass::DataText(CompanionBytes());
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find('\r'), std::string_view::npos);
    EXPECT_EQ(text.back(), '\n');
}

TEST(resources_MainFormCompanion, ChecksMenusAndAnEmptyRangeSection) {
    std::vector<std::string> expected = {
        "[Checks]", "1118 1 ", "1119 0 ", "1144 1 ",     "1145 0 ",
        "1146 0 ",  "1147 0 ", "[Menus]", "1112 211 1 ",
    };
    for (std::string_view city : CityNames()) {
        expected.emplace_back(city);
    }
    expected.emplace_back("[Ranges]");
    EXPECT_EQ(CompanionLines(), expected);
}

TEST(resources_MainFormCompanion, CityEntriesAreTheListTextsAsShown) {
    std::vector<std::string> lines = CompanionLines();
    ASSERT_EQ(lines.size(), 9u + 211u + 1u);
    ASSERT_EQ(lines[8], "1112 211 1 ");
    auto entry = [&](int k) { return lines[8 + k]; };
    // The list texts themselves are the city list's (engine_CityList checks them); here the
    // entries not named there, a state only on the first entry and texts that occur twice.
    EXPECT_EQ(entry(2), "birmingham, AL");
    EXPECT_EQ(entry(54), "brunswick");
    EXPECT_EQ(entry(85), "brunswick");
    for (int k = 1; k <= 211; ++k) {
        const std::string text = entry(k);
        SCOPED_TRACE("entry " + std::to_string(k) + " '" + text + "'");
        EXPECT_FALSE(text.empty());
        EXPECT_NE(text.front(), ' ');
        EXPECT_NE(text.back(), ' ');
        EXPECT_NE(text.front(), '[') << "an entry must not look like a section header";
        EXPECT_LE(text.size(), 1024u);
    }
}

}  // namespace
}  // namespace heatwise
