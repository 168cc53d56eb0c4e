#include "window/window_units.h"

#include <gtest/gtest.h>

#include <limits>

#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass {
namespace {

TEST(WindowUnits, ToPixelsTruncatesTowardZeroAndFromPixelsRoundsToTheNearestUnit) {
    constexpr int kMax = std::numeric_limits<int>::max();
    struct Case {
        int value, size, expected;
    };
    const Case to_pixels[] = {
        {0, 1000, 0},
        {3333, 1000, 333},
        {9999, 1000, 999},
        {5000, 1000, 499},
        {9999, 1, 0},
        // Negative positions truncate toward zero, not downward.
        {-1, 1000, 0},
        {-3333, 1000, -333},
        // A position far past the edge is held to the 32-bit range.
        {kMax, kMax, kMax},
    };
    for (const Case& c : to_pixels) {
        EXPECT_EQ(UnitsToPixels(c.value, c.size), c.expected) << c.value << " of " << c.size;
    }
    const Case from_pixels[] = {
        // (0 + 0.5) × 9999 / 1000 = 4.9995 rounds to 5; (1 + 0.5) × 9999 / 2 = 7499.25.
        {0, 1000, 5},
        {333, 1000, 3335},
        {999, 1000, 9994},
        {1000, 1000, 10004},
        {1, 2, 7499},
        // (-1 + 0.5) × 9999 / 10 = -499.95 rounds away from zero.
        {-1, 10, -500},
        // Under 2 pixels there is nothing to measure with.
        {500, 1, 0},
        {500, 0, 0},
        {500, -7, 0},
    };
    for (const Case& c : from_pixels) {
        EXPECT_EQ(UnitsFromPixels(c.value, c.size), c.expected) << c.value << " of " << c.size;
    }
}

TEST(WindowUnits, ProceduresConvertWithTheCurrentWindowsClientSize) {
    WindowTable saved = Windows();
    Windows().current = kMainWindowSlot;
    Windows().Current().client = {1000, 500};
    int px = 0;
    int py = 0;
    WindowUnitsToPixels(3333, 9999, px, py);
    EXPECT_EQ(px, 333);
    EXPECT_EQ(py, 499);
    WindowUnitsFromPixels(333, 0, px, py);
    EXPECT_EQ(px, 3335);
    EXPECT_EQ(py, 10);
    Windows() = saved;
}

}  // namespace
}  // namespace windlass
