#include "window/frame_plan.h"

#include <gtest/gtest.h>

#include "windlass/windlass.h"

namespace windlass {
namespace {

TEST(FrameFlags, FormCombinedWithTheApplicationsFlagsGives99) {
    EXPECT_EQ(FlagsCombinedWithForm(39), 99);
    // The maximised and hidden starts go as well; unrelated bits stay.
    EXPECT_EQ(FlagsCombinedWithForm(WF_MAXIMISED | WF_HIDDEN | WF_TOPMOST | WF_MAXBOX),
              WF_TOPMOST | WF_FIXEDSIZE);
    EXPECT_EQ(FlagsCombinedWithForm(0), WF_FIXEDSIZE);
}

struct StyleCase {
    int flags;
    FrameStyle expected;
};

bool SameStyle(const FrameStyle& a, const FrameStyle& b) {
    return a.system_menu == b.system_menu && a.minimise_box == b.minimise_box &&
           a.maximise_box == b.maximise_box && a.sizing_border == b.sizing_border &&
           a.maximised == b.maximised && a.hidden == b.hidden && a.topmost == b.topmost &&
           a.status_bar == b.status_bar;
}

TEST(FrameFlags, StyleFollowsEachFlag) {
    const StyleCase cases[] = {
        // The default flags 7: system menu, both boxes, resizable.
        {7, {true, true, true, true, false, false, false, false}},
        // The application's window once its form is combined.
        {99, {true, true, false, false, false, false, false, true}},
        {WF_MAXIMISED, {false, false, false, true, true, false, false, false}},
        {WF_HIDDEN | WF_TOPMOST, {false, false, false, true, false, true, true, false}},
        // Bits without a meaning here change nothing.
        {16 | 256 | 1024, {false, false, false, true, false, false, false, false}},
    };
    for (const StyleCase& c : cases) {
        EXPECT_TRUE(SameStyle(StyleFromFlags(c.flags), c.expected)) << "flags " << c.flags;
    }
}

TEST(FrameArguments, AbsentArgumentsGiveTheDefaults) {
    FramePlan plan = ResolveOpenArguments(OpenArguments{}, 1280, 1024);
    EXPECT_EQ(plan.flags, 7);
    EXPECT_EQ(plan.x, kCentreOnScreen);
    EXPECT_EQ(plan.y, kCentreOnScreen);
    EXPECT_EQ(plan.client_width, 1024);
    EXPECT_EQ(plan.client_height, 819);  // 80 % of 1024, truncated.
    EXPECT_EQ(plan.menu_id, 0);
    EXPECT_EQ(plan.dialog_id, 0);
    EXPECT_EQ(plan.title, "");
    EXPECT_EQ(plan.colours, 16);
    EXPECT_EQ(kCentreOnScreen, WINDOW_CENTRED);
}

TEST(FrameArguments, SizesUnderOnePixelAndUnknownColourCountsFallBack) {
    OpenArguments arguments;
    arguments.width = -5;
    arguments.height = 1;
    arguments.title = "Test window   ";
    for (int colours : {0, 8, 31, 256}) {
        arguments.colours = colours;
        FramePlan plan = ResolveOpenArguments(arguments, 800, 600);
        EXPECT_EQ(plan.client_width, 640);
        EXPECT_EQ(plan.client_height, 1);
        EXPECT_EQ(plan.title, "Test window");
        EXPECT_EQ(plan.colours, 16) << colours;
    }
    for (int colours : {16, 32, 64, 128}) {
        arguments.colours = colours;
        EXPECT_EQ(ResolveOpenArguments(arguments, 800, 600).colours, colours);
    }
}

struct PlacementCase {
    const char* what;
    int flags;
    int x;
    int y;
    FrameMeasures extents;
    FramePlacement expected;
};

TEST(FramePlacement, CentresWithTheDescribedIntegerFormulas) {
    constexpr int kCentred = kCentreOnScreen;
    const PlacementCase cases[] = {
        {"centred, no status bar", 7, kCentred, kCentred, {641, 481, 0}, {79, 59, 641, 481}},
        // The bar grows the frame and lifts it by half its height, truncated: 150 - 21 / 2.
        {"centred with a status bar", 39, kCentred, kCentred, {500, 300, 21}, {150, 140, 500, 321}},
        {"given position stays", 39, 10, 20, {500, 300, 21}, {10, 20, 500, 321}},
        // A maximised frame is not lifted.
        {"maximised", 39 | WF_MAXIMISED, kCentred, kCentred, {500, 300, 21}, {150, 150, 500, 321}},
        // A frame larger than the screen: the halving truncates toward zero.
        {"larger than the screen", 7, kCentred, kCentred, {803, 605, 0}, {-1, -2, 803, 605}},
    };
    for (const PlacementCase& c : cases) {
        OpenArguments arguments;
        arguments.flags = c.flags;
        arguments.x = c.x;
        arguments.y = c.y;
        FramePlan plan = ResolveOpenArguments(arguments, 800, 600);
        FramePlacement placement = PlaceFrame(plan, c.extents, 800, 600);
        EXPECT_EQ(placement.x, c.expected.x) << c.what;
        EXPECT_EQ(placement.y, c.expected.y) << c.what;
        EXPECT_EQ(placement.outer_width, c.expected.outer_width) << c.what;
        EXPECT_EQ(placement.outer_height, c.expected.outer_height) << c.what;
    }
}

}  // namespace
}  // namespace windlass
