// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

namespace windlass {

// Virtual-key codes: the numbers the toolkit gives keys that produce no character. They are
// the codes of the system the toolkit was first written for, so that programs see the same
// numbers on every platform; each backend translates its own keys into them.
namespace vk {
inline constexpr int kBackspace = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kClear = 0x0C;
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kAlt = 0x12;
inline constexpr int kPause = 0x13;
inline constexpr int kCapsLock = 0x14;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kPageUp = 0x21;
inline constexpr int kPageDown = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kSelect = 0x29;
inline constexpr int kPrintScreen = 0x2C;
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int kHelp = 0x2F;
// Letters and digits use their upper-case character codes ('A' to 'Z', '0' to '9').
inline constexpr int kLeftWindows = 0x5B;
inline constexpr int kRightWindows = 0x5C;
inline constexpr int kApplications = 0x5D;
inline constexpr int kNumpad0 = 0x60;  // Keypad 0 to 9 are kNumpad0 + digit.
inline constexpr int kMultiply = 0x6A;
inline constexpr int kAdd = 0x6B;
inline constexpr int kSeparator = 0x6C;
inline constexpr int kSubtract = 0x6D;
inline constexpr int kDecimal = 0x6E;
inline constexpr int kDivide = 0x6F;
inline constexpr int kF1 = 0x70;  // F1 to F24 are kF1 + number − 1.
inline constexpr int kF24 = 0x87;
inline constexpr int kNumLock = 0x90;
inline constexpr int kScrollLock = 0x91;
inline constexpr int kLeftShift = 0xA0;
inline constexpr int kRightShift = 0xA1;
inline constexpr int kLeftControl = 0xA2;
inline constexpr int kRightControl = 0xA3;
inline constexpr int kLeftAlt = 0xA4;
inline constexpr int kRightAlt = 0xA5;
}  // namespace vk

// Whether a modifier key was held when an event happened.
enum class Held { No, Yes };

// A key press in a client area, as every platform can describe it: the virtual-key code, the
// character the press produced (0 for none, as for the arrow and function keys), and the
// modifier keys held.
struct KeyPress {
    int virtual_key = 0;
    int character = 0;
    Held shift = Held::No;
    Held ctrl = Held::No;
};

enum class MouseButton { None, Left, Middle, Right };
enum class MouseAction { Press, Release, Move };

// A mouse event in a client area, in pixels of that area. The buttons are those held after the
// event (a press counts its own button, a release no longer does).
struct MouseEvent {
    MouseAction action = MouseAction::Move;
    MouseButton button = MouseButton::None;
    int x = 0;
    int y = 0;
    Held ctrl = Held::No;
    Held shift = Held::No;
    Held left_down = Held::No;
    Held middle_down = Held::No;
    Held right_down = Held::No;
};

// A rectangle of a client area, in pixels, that needs repainting.
struct ExposedArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// How a client area came to change its size.
enum class ResizeKind { Normal, Minimised, NotVisible };

}  // namespace windlass
