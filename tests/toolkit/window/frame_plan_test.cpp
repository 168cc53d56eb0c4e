// The rules of the main window as plain functions: window units, the status bar's parts and the
// numbering of menu items.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "windlass/windlass.h"
#include "window/menu_model.h"
#include "window/status_bar_layout.h"
#include "window/window_table.h"
#include "window/window_units.h"

namespace windlass {
namespace {

TEST(WindowUnits, ToPixelsTruncatesTowardZeroAndFromPixelsRoundsToTheNearestUnit) {
    constexpr int kMax = std::numeric_limits<int>::max();
    struct Case {
        int value, size, expected;
    };
    // Negative positions truncate toward zero; a position far past the edge is held to 32 bits.
    const Case to_pixels[] = {{3333, 1000, 333},
                              {9999, 1000, 999},
                              {9999, 1, 0},
                              {-3333, 1000, -333},
                              {kMax, kMax, kMax}};
    for (const Case& c : to_pixels) {
        EXPECT_EQ(UnitsToPixels(c.value, c.size), c.expected) << c.value << " of " << c.size;
    }
    // (0 + 0.5) × 9999 / 1000 = 4.9995 rounds to 5; (-1 + 0.5) × 9999 / 10 = -499.95 rounds away
    // from zero; under 2 pixels there is nothing to measure with.
    const Case from_pixels[] = {{0, 1000, 5},   {999, 1000, 9994}, {1, 2, 7499},
                                {-1, 10, -500}, {500, 1, 0},       {500, -7, 0}};
    for (const Case& c : from_pixels) {
        EXPECT_EQ(UnitsFromPixels(c.value, c.size), c.expected) << c.value << " of " << c.size;
    }
    // The procedures use the current window's client size.
    WindowTable saved = Windows();
    Windows().current = kMainWindowSlot;
    Windows().Current().client = {1000, 500};
    int px = 0;
    int py = 0;
    WindowUnitsToPixels(3333, 9999, px, py);
    EXPECT_EQ(std::make_pair(px, py), std::make_pair(333, 499));
    WindowUnitsFromPixels(333, 0, px, py);
    EXPECT_EQ(std::make_pair(px, py), std::make_pair(3335, 10));
    Windows() = saved;
}

TEST(StatusBarLayout, RightEdgesAreRunningSumsOfPixelWidths) {
    constexpr auto S = PartBorder::Sunken;
    constexpr auto N = PartBorder::None;
    struct Case {
        int nparts;
        std::vector<int> widths, types, edges;
        std::vector<PartBorder> borders;
    };
    const Case cases[] = {{3, {3333, 3333, 3333}, {}, {333, 666, 999}, {S, S, S}},
                          {2, {5000, -1}, {}, {499, -1}, {S, S}},
                          {3, {-1, 2000, 2000}, {}, {-1, -1, -1}, {S, S, S}},
                          {3, {1000}, {}, {99, -1, -1}, {S, S, S}},
                          {4,
                           {1000, 1000, 1000, 1000},
                           {0, 1, 2, 7},
                           {99, 198, 297, 396},
                           {N, S, PartBorder::Raised, S}},
                          {2, {1000, 1000}, {0}, {99, 198}, {N, S}}};
    for (const Case& c : cases) {
        auto layout = LayoutStatusParts(c.nparts, c.widths, c.types, 1000);
        ASSERT_TRUE(layout) << "row " << (&c - cases);
        EXPECT_EQ(layout->right_edges, c.edges) << "row " << (&c - cases);
        EXPECT_EQ(layout->borders, c.borders) << "row " << (&c - cases);
    }
    // Part counts outside 1 to 255 are refused.
    std::vector<int> widths(300, 10);
    for (int nparts : {0, -1, 256, 1000, 1, 255}) {
        auto layout = LayoutStatusParts(nparts, widths, {}, 1000);
        EXPECT_EQ(layout.has_value(), nparts == 1 || nparts == 255) << nparts;
        EXPECT_EQ(layout ? layout->right_edges.size() : 0u, layout ? std::size_t(nparts) : 0u);
    }
}

// The application's menu: "&Help" on the bar, then the "&File" pop-up holding "E&xit".
MenuBar ApplicationMenu() {
    MenuEntry help;
    help.text = "&Help";
    help.id = 40002;
    MenuEntry exit;
    exit.text = "E&xit";
    exit.id = 40004;
    MenuEntry file;
    file.kind = MenuEntry::Kind::PopUp;
    file.text = "&File";
    file.items = {exit};
    return {help, file};
}

// Records that number pop-ups from a menu resource are checked from the resources to the
// frame's menu in WindowOpen.TheMenuResourceGivesItemsAcceleratorsPromptsAndTheIcon.
TEST(MenuNumbering, PathsThatLeadNowhereAreSkipped) {
    MenuBar bar = ApplicationMenu();
    std::vector<MenuNumbering> numbering = {
        {1, {3}},        // Past the end of the bar.
        {2, {1, 1}},     // On through "&Help", which is no pop-up.
        {3, {2, 2}},     // Past the end of "&File".
        {4, {0}},        // Positions count from 1.
        {5, {2, 1}},     // "E&xit" itself.
        {6, {2, 1, 1}},  // On through "E&xit".
    };
    EXPECT_EQ(NumberMenuItems(bar, numbering), 1);
    EXPECT_EQ(bar[0].id, 40002);
    EXPECT_EQ(bar[1].id, 0);
    EXPECT_EQ(bar[1].items[0].id, 5);
}

}  // namespace
}  // namespace windlass
