// What the pictures' charts share: a linear scale from values to picture units, round tick
// values for its axis, a sequential colour scale for costs and a diverging one for savings.
#pragma once

#include <string>
#include <vector>

namespace heatwise::cli {

// Maps values from `low`..`high` linearly onto `from`..`to` (`to` may be less than `from`, as
// a vertical axis runs upward).
struct LinearScale {
    double low;
    double high;
    double from;
    double to;

    double operator()(double value) const {
        return high == low ? (from + to) / 2 : from + (value - low) / (high - low) * (to - from);
    }
};

// Round values 1, 2, 2.5 or 5 times a power of ten from at most `low` to at least `high`, about
// `count` of them; the first and last are the ends of the axis.
std::vector<double> RoundTicks(double low, double high, int count);

// A tick value as text, with as many decimals as the tick step needs.
std::string TickText(double value, double step);

// A colour from pale yellow (0) through orange to dark red (1), as #rrggbb; readable on white
// with a dark outline and with no two costs that differ much looking alike.
std::string CostColour(double fraction);

// A colour for a value that may fall either side of 0, as #rrggbb: from dark red (-1) through
// near white (0) to dark blue (1), so that the side is told by hue and the size by depth.
std::string DivergingColour(double fraction);

}  // namespace heatwise::cli
