// The main form's controls as the program's form tables lay them down, one row per control in
// template order, for the tests that read the compiled form back.
#pragma once

#include <span>
#include <string>

namespace heatwise {

// What a control is, which decides its kind bits: left-aligned label, group box, automatic
// radio button, drop-down list with a vertical scroll bar, or centred multi-line numeric field.
enum class ControlKind { kLabel, kGroupBox, kRadio, kDropDownList, kNumeric };

struct ExpectedControl {
    int id;
    const char* class_name;
    ControlKind kind;
    std::string text;
    int x;
    int y;
    int width;
    int height;
    // "D" disabled, "G" starts a group, "T" tab stop, in any combination; "" for none.
    const char* flags;
};

// The 162 controls in template order.
std::span<const ExpectedControl> ExpectedMainFormControls();

}  // namespace heatwise
