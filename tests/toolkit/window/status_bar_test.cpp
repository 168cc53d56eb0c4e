#include <gtest/gtest.h>

#include <vector>

#include "qt/status_part_spans.h"
#include "window/status_bar_layout.h"
#include "window/status_bar_model.h"

namespace windlass {
namespace {

struct LayoutCase {
    const char* what;
    int nparts;
    std::vector<int> widths;
    std::vector<int> types;
    std::vector<int> edges;
    std::vector<PartBorder> borders;
};

TEST(StatusBarLayout, RightEdgesAreRunningSumsOfPixelWidths) {
    constexpr auto S = PartBorder::Sunken;
    const LayoutCase cases[] = {
        {"three thirds", 3, {3333, 3333, 3333}, {}, {333, 666, 999}, {S, S, S}},
        {"half and the rest", 2, {5000, -1}, {}, {499, -1}, {S, S}},
        {"parts after a -1 have no room", 3, {-1, 2000, 2000}, {}, {-1, -1, -1}, {S, S, S}},
        {"missing widths reach the edge", 3, {1000}, {}, {99, -1, -1}, {S, S, S}},
        {"border types",
         4,
         {1000, 1000, 1000, 1000},
         {0, 1, 2, 7},
         {99, 198, 297, 396},
         {PartBorder::None, S, PartBorder::Raised, S}},
        {"missing types are sunken", 2, {1000, 1000}, {0}, {99, 198}, {PartBorder::None, S}},
    };
    for (const LayoutCase& c : cases) {
        auto layout = LayoutStatusParts(c.nparts, c.widths, c.types, 1000);
        ASSERT_TRUE(layout) << c.what;
        EXPECT_EQ(layout->right_edges, c.edges) << c.what;
        EXPECT_EQ(layout->borders, c.borders) << c.what;
    }
}

TEST(StatusBarLayout, PartCountsOutsideOneTo255AreRefused) {
    std::vector<int> widths(300, 10);
    for (int nparts : {0, -1, 256, 1000}) {
        EXPECT_FALSE(LayoutStatusParts(nparts, widths, {}, 1000)) << nparts;
    }
    for (int nparts : {1, 255}) {
        auto layout = LayoutStatusParts(nparts, widths, {}, 1000);
        ASSERT_TRUE(layout) << nparts;
        EXPECT_EQ(layout->right_edges.size(), static_cast<std::size_t>(nparts));
    }
}

TEST(StatusBarLayout, SpansFollowTheEdgesAndStayOnTheBar) {
    struct SpanCase {
        std::vector<int> edges;
        int bar_width;
        std::vector<std::pair<int, int>> spans;
    };
    const SpanCase cases[] = {
        {{333, 666, 999}, 1000, {{0, 333}, {333, 666}, {666, 999}}},
        {{499, -1}, 1000, {{0, 499}, {499, 1000}}},
        // A part that would end left of its start is empty; one past the bar stops at its end.
        {{300, 100, 2000, -1}, 1000, {{0, 300}, {300, 300}, {300, 1000}, {1000, 1000}}},
        {{-1, -1}, 50, {{0, 50}, {50, 50}}},
    };
    for (const SpanCase& c : cases) {
        std::vector<std::pair<int, int>> spans;
        for (const PartSpan& span : PartSpans(c.edges, c.bar_width)) {
            spans.emplace_back(span.left, span.right);
        }
        EXPECT_EQ(spans, c.spans);
    }
}

TEST(StatusBarText, TabsSplitTheTextIntoLeftCentreAndRight) {
    struct TextCase {
        const char* text;
        const char* left;
        const char* centre;
        const char* right;
    };
    const TextCase cases[] = {
        {"Ready", "Ready", "", ""},
        {"\tQuillmoor Software, Inc.", "", "Quillmoor Software, Inc.", ""},
        {"\tFounded 1987   ", "", "Founded 1987", ""},
        {"left\tmiddle\tright", "left", "middle", "right"},
        {"\t\tAnn Arbor", "", "", "Ann Arbor"},
        {"a\tb\tc\td", "a", "b", "c d"},
        {"   ", "", "", ""},
        {"", "", "", ""},
        // Blanks inside the text, and leading blanks, are kept.
        {"  two  words \t x ", "  two  words ", " x", ""},
    };
    for (const TextCase& c : cases) {
        StatusTextPieces pieces = SplitStatusText(c.text);
        EXPECT_EQ(pieces.left, c.left) << '"' << c.text << '"';
        EXPECT_EQ(pieces.centre, c.centre) << '"' << c.text << '"';
        EXPECT_EQ(pieces.right, c.right) << '"' << c.text << '"';
    }
}

TEST(StatusBarModel, StartsWithOnePartAcrossTheBar) {
    StatusBarModel bar;
    ASSERT_EQ(bar.parts().size(), 1u);
    EXPECT_EQ(bar.parts()[0].right_edge, kToRightEdge);
    EXPECT_EQ(bar.parts()[0].border, PartBorder::Sunken);
    EXPECT_TRUE(bar.SetText(0, "Ready  "));
    EXPECT_EQ(bar.parts()[0].text, "Ready");
    EXPECT_FALSE(bar.SetText(1, "no such part"));
    EXPECT_FALSE(bar.SetText(-1, "no such part"));
}

TEST(StatusBarModel, NewPartsKeepTheTextsOfThePartsThatRemain) {
    StatusBarModel bar;
    bar.SetParts(*LayoutStatusParts(3, std::vector<int>{3333, 3333, 3333}, {}, 1000));
    ASSERT_TRUE(bar.SetText(0, "one"));
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
