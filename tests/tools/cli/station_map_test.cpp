// The map of the compare command drawn from a hand-made list: ties with the last of the named
// places are told, and a station outside the lower 48, Alaska and Hawaii gets an inset.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "station_map.h"

namespace heatwise::cli {
namespace {

TEST(cli_StationMap, TiesWithTheLastNamedPlaceAreCountedAndStrayStationsGetAnInset) {
    struct Case {
        std::vector<std::int32_t> costs;
        GeoPosition last_station;
        std::vector<std::string> ties;
        bool elsewhere;
    };
    const GeoPosition kansas{38.5, -98.0};
    const Case cases[] = {
        {{900, 800, 700, 600, 500, 450, 300, 200, 100, 90, 80, 70}, kansas, {}, false},
        {{900, 800, 700, 600, 500, 500, 300, 300, 100, 90, 80, 70},
         {0.5, 10.0},
         {"and 1 more at $500", "and 1 more at $300"},
         true},
        {std::vector<std::int32_t>(12, 1000),
         kansas,
         {"and 7 more at $1,000", "and 7 more at $1,000"},
         false},
    };
    for (const Case& c : cases) {
        std::vector<CompareRow> rows;
        CityPositions positions{};
        for (std::size_t i = 0; i < c.costs.size(); ++i) {
            rows.push_back({static_cast<int>(i) + 1, "place", {}, 0, c.costs[i], {}});
            positions[i] = i + 1 == c.costs.size() ? c.last_station : kansas;
        }
        const std::string svg =
            StationMap(rows, positions, StateOutlines{}, MappedCost::kHeating, "inputs");
        const std::regex tie("and [0-9]+ more at \\$[0-9,]+");
        std::vector<std::string> ties;
        for (auto at = std::sregex_iterator(svg.begin(), svg.end(), tie);
             at != std::sregex_iterator(); ++at) {
            ties.push_back(at->str());
        }
        EXPECT_EQ(ties, c.ties) << c.costs[5];
        EXPECT_EQ(svg.find(">Elsewhere<") != std::string::npos, c.elsewhere) << c.costs[5];
        EXPECT_NE(svg.find(">Alaska<"), std::string::npos);
    }
}

}  // namespace
}  // namespace heatwise::cli
