// The map of the compare command drawn from a hand-made list: ties with the last of the named
// places are told, and a station outside the lower 48, Alaska and Hawaii gets an inset.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "station_map.h"

namespace heatwise::cli {
namespace {

const GeoPosition kKansas{38.5, -98.0};

// The map of the heating costs of places 1, 2 and on, each in Kansas but those placed elsewhere,
// by their index from 0.
std::string MapOf(const std::vector<std::int32_t>& costs,
                  const std::vector<std::pair<std::size_t, GeoPosition>>& elsewhere) {
    std::vector<CompareRow> rows;
    CityPositions positions{};
    for (std::size_t i = 0; i < costs.size(); ++i) {
        rows.push_back({static_cast<int>(i) + 1, "place", {}, 0, costs[i], {}});
        positions[i] = kKansas;
    }
    for (const auto& [i, position] : elsewhere) {
        positions[i] = position;
    }
    return StationMap(rows, positions, StateOutlines{}, MappedCost::kHeating, "inputs");
}

TEST(cli_StationMap, TiesWithTheLastNamedPlaceAreCountedAndStrayStationsGetAnInset) {
    struct Case {
        std::vector<std::int32_t> costs;
        GeoPosition last_station;
        std::vector<std::string> ties;
        bool elsewhere;
    };
    const Case cases[] = {
        {{900, 800, 700, 600, 500, 450, 300, 200, 100, 90, 80, 70}, kKansas, {}, false},
        {{900, 800, 700, 600, 500, 500, 300, 300, 100, 90, 80, 70},
         {0.5, 10.0},
         {"and 1 more at $500", "and 1 more at $300"},
         true},
        {std::vector<std::int32_t>(12, 1000),
         kKansas,
         {"and 7 more at $1,000", "and 7 more at $1,000"},
         false},
    };
    for (const Case& c : cases) {
        const std::string svg = MapOf(c.costs, {{c.costs.size() - 1, c.last_station}});
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

// The inset is fitted to all its stations, in whatever order they come: a degree beyond the
// farthest on each side. Two stations on the equator at 4 and 10 degrees east span 3 to 11
// degrees across and -1 to 1 down: 13 units a degree fill the 104 units the box of 120 keeps
// for them, 2 degrees (26 units) stand centred in the 84 under its title, so the dots lie at
// 370 + 8 + 13 (longitude - 3) across and 540 + 16 + 29 + 13 down.
TEST(cli_StationMap, TheInsetIsFittedToAllItsStationsInAnyOrder) {
    const GeoPosition east{0.0, 10.0};
    const GeoPosition west{0.0, 4.0};
    for (const auto& [first, second] : {std::pair(east, west), std::pair(west, east)}) {
        const std::string svg = MapOf({100, 100, 100, 100}, {{2, first}, {3, second}});
        EXPECT_NE(svg.find(" cx=\"469\" cy=\"598\""), std::string::npos) << first.longitude;
        EXPECT_NE(svg.find(" cx=\"391\" cy=\"598\""), std::string::npos) << first.longitude;
    }
}

}  // namespace
}  // namespace heatwise::cli
