#include "window/window_units.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace windlass {
namespace {

// Results that would leave the 32-bit range are held at its ends rather than wrapping round,
// so that absurd inputs give absurd but ordered positions instead of undefined ones.
int ClampToInt(double value) {
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    if (value <= kLowest) {
        return std::numeric_limits<int>::min();
    }
    if (value >= kHighest) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(value);
}

}  // namespace

int UnitsToPixels(int units, int size) {
    std::int64_t product = static_cast<std::int64_t>(units) * (static_cast<std::int64_t>(size) - 1);
    return ClampToInt(static_cast<double>(product / kWindowUnitsMax));
}

int UnitsFromPixels(int pixels, int size) {
    if (size < 2) {
        return 0;
    }
    double units = (static_cast<double>(pixels) + 0.5) * kWindowUnitsMax / size;
    return ClampToInt(std::round(units));
}

}  // namespace windlass
