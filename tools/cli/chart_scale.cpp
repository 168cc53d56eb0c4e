#include "chart_scale.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace heatwise::cli {

std::vector<double> RoundTicks(double low, double high, int count) {
    if (high <= low) {
        high = low + 1.0;
    }
    const double rough = (high - low) / std::max(1, count);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    double step = 10.0 * power;
    for (const double multiple : {1.0, 2.0, 2.5, 5.0}) {
        if (multiple * power >= rough) {
            step = multiple * power;
            break;
        }
    }
    std::vector<double> ticks;
    const double first = std::floor(low / step + 1e-9) * step;
    for (int i = 0; first + (i - 1) * step < high - 1e-9 * step; ++i) {
        ticks.push_back(first + i * step + 0.0);
    }
    return ticks;
}

std::string TickText(double value, double step) {
    int decimals = 0;
    while (decimals < 6 && std::abs(step * std::pow(10.0, decimals) -
                                    std::round(step * std::pow(10.0, decimals))) > 1e-6) {
        ++decimals;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value + 0.0);
    return buffer;
}

namespace {

// The colour at `position` 0..1 along a ramp of evenly spaced stops.
template <std::size_t kCount>
std::string RampColour(const std::array<std::array<double, 3>, kCount>& stops, double position) {
    const double at = std::clamp(position, 0.0, 1.0) * (kCount - 1);
    const std::size_t below = std::min<std::size_t>(static_cast<std::size_t>(at), kCount - 2);
    const double weight = at - static_cast<double>(below);
    char buffer[8];
    int channels[3];
    for (std::size_t c = 0; c < 3; ++c) {
        channels[c] = static_cast<int>(
            std::lround(stops[below][c] * (1 - weight) + stops[below + 1][c] * weight));
    }
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", channels[0], channels[1], channels[2]);
    return buffer;
}

}  // namespace

std::string CostColour(double fraction) {
    // Stops of a yellow-orange-red ramp, lightest for the cheapest.
    static constexpr std::array<std::array<double, 3>, 6> kStops = {{{255, 237, 160},
                                                                     {254, 217, 118},
                                                                     {253, 141, 60},
                                                                     {240, 59, 32},
                                                                     {189, 0, 38},
                                                                     {110, 0, 30}}};
    return RampColour(kStops, fraction);
}

std::string DivergingColour(double fraction) {
    // Red for the side below 0, blue above, both pale near 0.
    static constexpr std::array<std::array<double, 3>, 7> kStops = {{{103, 0, 31},
                                                                     {214, 96, 77},
                                                                     {253, 219, 199},
                                                                     {247, 247, 247},
                                                                     {209, 229, 240},
                                                                     {67, 147, 195},
                                                                     {5, 48, 97}}};
    return RampColour(kStops, (std::clamp(fraction, -1.0, 1.0) + 1.0) / 2.0);
}

}  // namespace heatwise::cli
