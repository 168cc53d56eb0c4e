// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>

#include "platform/window_types.h"

namespace windlass {

// Key codes of MSG_KEY that do not come from a character.
namespace key_code {
inline constexpr int kUp = 258;
inline constexpr int kDown = 259;
inline constexpr int kRight = 260;
inline constexpr int kLeft = 261;
inline constexpr int kPageUp = 262;
inline constexpr int kPageDown = 263;
inline constexpr int kHome = 270;
inline constexpr int kEnd = 271;
inline constexpr int kInsert = 272;
inline constexpr int kDelete = 273;
inline constexpr int kShiftTab = 274;
inline constexpr int kKeypad0 = 280;  // Keypad 0 to 9 give 280 to 289; 5 and Clear give 285.
inline constexpr int kKeypadMinus = 290;
inline constexpr int kKeypadDecimal = 291;
inline constexpr int kKeypadPlus = 292;
inline constexpr int kKeypadDivide = 293;
inline constexpr int kKeypadMultiply = 294;
inline constexpr int kPrintScreen = 300;
inline constexpr int kF1 = 301;        // F1 to F20 give 301 to 320,
inline constexpr int kShiftF1 = 321;   // 321 to 340 with Shift held,
inline constexpr int kCtrlF1 = 341;    // and 341 to 360 with Ctrl held.
inline constexpr int kArrowShift = 4;  // Added to an arrow's code with Shift held,
inline constexpr int kArrowCtrl = 8;   // or with Ctrl held (Ctrl wins over Shift).
}  // namespace key_code

// The key code a key press gives a program, or nothing for a key that gives no message (the
// modifier and lock keys alone, Pause, and a key without code or character). Keypad keys give their
// keypad codes even when they also produce a character; other keys that produce a character give
// its code.
std::optional<int> KeyCode(const KeyPress& key);

// The modifier bits of a mouse message: 1 Ctrl, 2 Shift, 4 left, 8 middle, 16 right button.
int MouseModifierBits(const MouseEvent& mouse);

// The number of a mouse button in mouse messages: 1 left, 2 middle, 3 right; -1 for none.
int MouseButtonNumber(MouseButton button);

}  // namespace windlass
