// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>
#include <string>

#include "convert/zstring_convert.h"
#include "platform/platform.h"

namespace windlass {

// The most characters the user may type into a field until its companion data says otherwise:
// into an integer field a whole number as wide as the integer format writes it (a sign and
// ten digits), into plain edit fields what the platform's edit control can hold.
inline constexpr int kIntegerTextLimit = static_cast<int>(kIntegerWidth);
inline constexpr int kSingleLineTextLimit = 32767;
inline constexpr int kMultiLineTextLimit = 65535;

// The reach of a spin field's arrows: an integer spin field's until a range is set and always
// at most, the range of a 16-bit position with room to spare; a real or double spin field's
// until a range is set.
inline constexpr int kIntegerSpinReach = 31073;
inline constexpr int kRealSpinReach = 100;

// How a control stood when its dialog was loaded.
enum class FieldState { Disabled = 0, Enabled = 1, ReadOnly = 2, Hidden = 3 };

// A colour as the toolkit keeps it: red, green and blue in the low three bytes; kSystemColour
// for the platform's own.
inline constexpr int kSystemColour = kPlatformColour;

// What the toolkit keeps for one control of a loaded dialog. A fresh field has no range: the
// range is in force only while the minimum is not greater than the maximum.
struct FieldRecord {
    static constexpr double kNoRangeMinimum = 1000.0;
    static constexpr double kNoRangeMaximum = -1000.0;

    // The last numeric value accepted or written.
    double value = 0.0;
    double minimum = kNoRangeMinimum;
    double maximum = kNoRangeMaximum;
    // Spin steps: 1 and 5 for the numeric classes, 0 for other controls.
    double small_step = 0.0;
    double large_step = 0.0;
    // 1 once the field holds text that was accepted or written.
    int has_value = 0;
    // Whether painting and mouse events of the control are posted to the program.
    int event_flag = 0;
    int text_colour = kSystemColour;
    int background_colour = kSystemColour;
    // 1 when the last key pressed in the field was Tab; cleared when the field gains focus.
    int tab_flag = 0;
    // The most characters the user may type; 0 when the toolkit set none.
    int text_limit = 0;
    FieldState state_at_load = FieldState::Enabled;
    // The field's display format, such as "(F4.2)"; none for most fields.
    std::optional<std::string> format;

    bool RangeInForce() const { return minimum <= maximum; }
};

}  // namespace windlass
