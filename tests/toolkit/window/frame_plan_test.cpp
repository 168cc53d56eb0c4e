// The rules of the main window as plain functions: flags and styles, the open arguments,
// window units and the status bar's parts and texts.
#include "window/frame_plan.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "windlass/windlass.h"
#include "window/status_bar_layout.h"
#include "window/status_bar_model.h"
#include "window/window_table.h"
#include "window/window_units.h"

namespace windlass {
namespace {

// The style as a string of the flags set, in the order of FrameStyle's members.
std::string Letters(const FrameStyle& s) {
    std::string letters;
    for (auto [set, letter] : {std::pair{s.system_menu, 'S'},
                               {s.minimise_box, 'n'},
                               {s.maximise_box, 'x'},
                               {s.sizing_border, 'b'},
                               {s.maximised, 'M'},
                               {s.hidden, 'H'},
                               {s.topmost, 'T'},
                               {s.status_bar, 'B'}}) {
        letters += set ? letter : '-';
    }
    return letters;
}

TEST(FramePlan, FlagsStylesAndTheFormCombinedWithTheApplicationsFlags) {
    EXPECT_EQ(FlagsCombinedWithForm(39), 99);
    // The maximised and hidden starts go as well; unrelated bits stay.
    EXPECT_EQ(FlagsCombinedWithForm(WF_MAXIMISED | WF_HIDDEN | WF_TOPMOST | WF_MAXBOX),
              WF_TOPMOST | WF_FIXEDSIZE);
    EXPECT_EQ(FlagsCombinedWithForm(0), WF_FIXEDSIZE);
    const std::pair<int, const char*> styles[] = {
        {7, "Snxb----"},
        {99, "Sn-----B"},
        {WF_MAXIMISED, "---bM---"},
        {WF_HIDDEN | WF_TOPMOST, "---b-HT-"},
        {16 | 256 | 1024, "---b----"},  // Bits without a meaning here change nothing.
    };
    for (const auto& [flags, letters] : styles) {
        EXPECT_EQ(Letters(StyleFromFlags(flags)), letters) << "flags " << flags;
    }
}

TEST(FramePlan, OpenArgumentsFallBackToTheDefaults) {
    FramePlan plan = ResolveOpenArguments(OpenArguments{}, 1280, 1024);
    EXPECT_EQ(std::vector<int>({plan.flags, plan.x, plan.y, plan.client_width, plan.client_height,
                                plan.menu_id, plan.dialog_id, plan.colours}),
              std::vector<int>({7, WINDOW_CENTRED, WINDOW_CENTRED, 1024, 819, 0, 0, 16}));
    OpenArguments arguments;
    arguments.width = -5;
    arguments.height = 1;
    arguments.title = "Test window   ";
    for (int colours : {0, 8, 31, 256, 16, 32, 64, 128}) {
        arguments.colours = colours;
        plan = ResolveOpenArguments(arguments, 800, 600);
        EXPECT_EQ(plan.client_width, 640);
        EXPECT_EQ(plan.client_height, 1);
        EXPECT_EQ(plan.title, "Test window");
        EXPECT_EQ(plan.colours, colours % 16 == 0 && colours >= 16 && colours <= 128 ? colours : 16)
            << colours;
    }
}

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

TEST(StatusBarText, TabsSplitTheTextIntoLeftCentreAndRight) {
    const std::vector<std::string> cases[] = {
        {"Ready", "Ready", "", ""},
        {"\tFounded 1987   ", "", "Founded 1987", ""},
        {"left\tmiddle\tright", "left", "middle", "right"},
        {"a\tb\tc\td", "a", "b", "c d"},
        // Blanks inside the text, and leading blanks, are kept.
        {"  two  words \t x ", "  two  words ", " x", ""}};
    for (const std::vector<std::string>& c : cases) {
        StatusTextPieces pieces = SplitStatusText(c[0]);
        EXPECT_EQ((std::vector<std::string>{c[0], pieces.left, pieces.centre, pieces.right}), c);
    }
}

TEST(StatusBarModel, OnePartAtFirstAndNewPartsKeepTheTextsOfThePartsThatRemain) {
    StatusBarModel bar;
    ASSERT_EQ(bar.parts().size(), 1u);
    EXPECT_EQ(bar.parts()[0].right_edge, kToRightEdge);
    EXPECT_EQ(bar.parts()[0].border, PartBorder::Sunken);
    EXPECT_FALSE(bar.SetText(1, "no such part"));
    EXPECT_FALSE(bar.SetText(-1, "no such part"));
    bar.SetParts(*LayoutStatusParts(3, std::vector<int>{3333, 3333, 3333}, {}, 1000));
    ASSERT_TRUE(bar.SetText(0, "one  "));
    ASSERT_TRUE(bar.SetText(2, "three"));
    bar.SetParts(*LayoutStatusParts(2, std::vector<int>{5000, -1}, std::vector<int>{2, 0}, 1000));
    ASSERT_EQ(bar.parts().size(), 2u);
    EXPECT_EQ(bar.parts()[0].text, "one");
    EXPECT_EQ(bar.parts()[0].right_edge, 499);
    EXPECT_EQ(bar.parts()[0].border, PartBorder::Raised);
    EXPECT_EQ(bar.parts()[1].text, "");
    EXPECT_EQ(bar.parts()[1].border, PartBorder::None);
    bar.SetParts(*LayoutStatusParts(3, std::vector<int>{1, 1, 1}, {}, 1000));
    EXPECT_EQ(bar.parts()[2].text, "") << "the text of a part that went is gone";
}

}  // namespace
}  // namespace windlass
