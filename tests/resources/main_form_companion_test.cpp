// The main form's companion text (data resource 102 of resources/heatwise.rc), compiled into
// this test as into the program: the radio states, the 211 entries of the city list and the
// empty range section, as 8-bit text with line feeds that ends at a zero byte.

#include <gtest/gtest.h>

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
    EXPECT_EQ(windlass::DataText(bytes).size(), bytes.size() - 1) << "no zero byte before it";
}

// Every line is compared whole, so a carriage return or a missing last line feed shows too.
TEST(resources_MainFormCompanion, ChecksMenusAndAnEmptyRangeSection) {
    std::vector<std::string> expected = {
        "[Checks]", "1118 1 ", "1119 0 ", "1144 1 ",     "1145 0 ",
        "1146 0 ",  "1147 0 ", "[Menus]", "1112 211 1 ",
    };
    for (std::string_view city : CityNames()) {
        // The companion text's reader would drop trailing spaces, take a line starting with '['
        // for a section header, and cut an entry at 1024 characters.
        SCOPED_TRACE("city '" + std::string(city) + "'");
        EXPECT_FALSE(city.empty());
        EXPECT_NE(city.front(), ' ');
        EXPECT_NE(city.back(), ' ');
        EXPECT_NE(city.front(), '[');
        EXPECT_LE(city.size(), 1024u);
        expected.emplace_back(city);
    }
    expected.emplace_back("[Ranges]");
    EXPECT_EQ(CompanionLines(), expected);
}

}  // namespace
}  // namespace heatwise
