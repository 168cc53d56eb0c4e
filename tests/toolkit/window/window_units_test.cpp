#include "window/window_units.h"

#include <gtest/gtest.h>

#include <limits>

#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass {
namespace {

struct UnitsCase {
    int value;
    int size;
    int expected;
};

class UnitsToPixelsTest : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(UnitsToPixelsTest, TruncatesTowardZero) {
    const UnitsCase& c = GetParam();
    EXPECT_EQ(UnitsToPixels(c.value, c.size), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnitsToPixelsTest,
    ::testing::Values(UnitsCase{0, 1000, 0}, UnitsCase{3333, 1000, 333}, UnitsCase{6666, 1000, 666},
                      UnitsCase{9999, 1000, 999}, UnitsCase{5000, 1000, 499}, UnitsCase{9999, 1, 0},
                      // Negative positions truncate toward zero, not downward.
                      UnitsCase{-1, 1000, 0}, UnitsCase{-3333, 1000, -333},
                      // A position far past the edge is held to the 32-bit range.
                      UnitsCase{std::numeric_limits<int>::max(), std::numeric_limits<int>::max(),
                                std::numeric_limits<int>::max()}));

class UnitsFromPixelsTest : public ::testing::TestWithParam<UnitsCase> {};

TEST_P(UnitsFromPixelsTest, RoundsToTheNearestUnit) {
    const UnitsCase& c = GetParam();
    EXPECT_EQ(UnitsFromPixels(c.value, c.size), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, UnitsFromPixelsTest,
                         ::testing::Values(
                             // (0 + 0.5) × 9999 / 1000 = 4.9995 rounds to 5.
                             UnitsCase{0, 1000, 5}, UnitsCase{333, 1000, 3335},
                             UnitsCase{999, 1000, 9994}, UnitsCase{1000, 1000, 10004},
                             // (1 + 0.5) × 9999 / 2 = 7499.25.
                             UnitsCase{1, 2, 7499},
                             // (-1 + 0.5) × 9999 / 10 = -499.95 rounds away from zero.
                             UnitsCase{-1, 10, -500},
                             // Under 2 pixels there is nothing to measure with.
                             UnitsCase{500, 1, 0}, UnitsCase{500, 0, 0}, UnitsCase{500, -7, 0}));

TEST(UnitsFromPixels, NeverRunsBackwardsAcrossAnAxis) {
    for (int size : {2, 3, 640, 1000}) {
        int previous = UnitsFromPixels(0, size);
        for (int pixel = 1; pixel < size; ++pixel) {
            int units = UnitsFromPixels(pixel, size);
            EXPECT_GT(units, previous) << "pixel " << pixel << " of " << size;
            previous = units;
        }
    }
}

TEST(UnitsProcedures, ConvertWithTheCurrentWindowsClientSize) {
    WindowTable saved = Windows();
    Windows().current = kMainWindowSlot;
    Windows().Current().client = {1000, 500};
    int px = 0;
    int py = 0;
    WindowUnitsToPixels(3333, 9999, px, py);
    EXPECT_EQ(px, 333);
    EXPECT_EQ(py, 499);
    int ix = 0;
    int iy = 0;
    WindowUnitsFromPixels(333, 0, ix, iy);
    EXPECT_EQ(ix, 3335);
    EXPECT_EQ(iy, 10);
    Windows() = saved;
}

}  // namespace
}  // namespace windlass
