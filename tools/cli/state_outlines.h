// The state borders and coasts that the map of heatwise-cli compare --svg draws under its dots,
// from state_outlines.txt beside the climate files (its format is in data/README.md).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "station_positions.h"

namespace heatwise::cli {

inline constexpr const char* kStateOutlineFileName = "state_outlines.txt";

// A border between two states, or a stretch of one state's coast or of its border with another
// country (then `other_state` is empty). Each border is one line, so that it is drawn once.
struct OutlineLine {
    std::string state;                // a postal code of one of the 50 states or DC, such as "CO"
    std::string other_state;          // the state on the other side of a border, or empty
    std::vector<GeoPosition> points;  // at least two
};

using StateOutlines = std::vector<OutlineLine>;

// Reads the outline file in `data_dir`. A folder without the file gives nothing, so that a
// map can still be drawn from the climate files and stations alone; a file that is there but
// cannot be read, or holds a fault, throws a std::runtime_error naming the file, the line and
// the value, and nothing of it is used.
std::optional<StateOutlines> ReadStateOutlines(const std::filesystem::path& data_dir);

}  // namespace heatwise::cli
