#include "message/key_codes.h"

namespace windlass {
namespace {

bool IsHeld(Held held) {
    return held == Held::Yes;
}

// Keys that a program never hears about on their own.
bool GivesNoMessage(int virtual_key) {
    switch (virtual_key) {
        case vk::kShift:
        case vk::kControl:
        case vk::kAlt:
        case vk::kPause:
        case vk::kCapsLock:
        case vk::kNumLock:
        case vk::kScrollLock:
        case vk::kLeftShift:
        case vk::kRightShift:
        case vk::kLeftControl:
        case vk::kRightControl:
        case vk::kLeftAlt:
        case vk::kRightAlt:
            return true;
        default:
            return false;
    }
}

// The keypad has codes of its own, whether or not Num Lock makes its keys produce digits.
std::optional<int> KeypadCode(int virtual_key) {
    if (virtual_key >= vk::kNumpad0 && virtual_key <= vk::kNumpad0 + 9) {
        return key_code::kKeypad0 + (virtual_key - vk::kNumpad0);
    }
    switch (virtual_key) {
        case vk::kClear:
            return key_code::kKeypad0 + 5;
        case vk::kSubtract:
            return key_code::kKeypadMinus;
        case vk::kDecimal:
            return key_code::kKeypadDecimal;
        case vk::kAdd:
        case vk::kSeparator:
            return key_code::kKeypadPlus;
        case vk::kDivide:
            return key_code::kKeypadDivide;
        case vk::kMultiply:
            return key_code::kKeypadMultiply;
        default:
            return std::nullopt;
    }
}

std::optional<int> ArrowCode(int virtual_key) {
    switch (virtual_key) {
        case vk::kUp:
            return key_code::kUp;
        case vk::kDown:
            return key_code::kDown;
        case vk::kRight:
            return key_code::kRight;
        case vk::kLeft:
            return key_code::kLeft;
        default:
            return std::nullopt;
    }
}

// Keys that never produce a character and have a code of their own.
std::optional<int> NamedKeyCode(int virtual_key) {
    switch (virtual_key) {
        case vk::kPageUp:
            return key_code::kPageUp;
        case vk::kPageDown:
            return key_code::kPageDown;
        case vk::kHome:
            return key_code::kHome;
        case vk::kEnd:
        case vk::kSelect:
            return key_code::kEnd;
        case vk::kInsert:
            return key_code::kInsert;
        case vk::kDelete:
            return key_code::kDelete;
        case vk::kPrintScreen:
            return key_code::kPrintScreen;
        default:
            return std::nullopt;
    }
}

}  // namespace

std::optional<int> KeyCode(const KeyPress& key) {
    if (GivesNoMessage(key.virtual_key)) {
        return std::nullopt;
    }
    if (auto keypad = KeypadCode(key.virtual_key)) {
        return keypad;
    }
    if (auto arrow = ArrowCode(key.virtual_key)) {
        if (IsHeld(key.ctrl)) {
            return *arrow + key_code::kArrowCtrl;
        }
        return IsHeld(key.shift) ? *arrow + key_code::kArrowShift : *arrow;
    }
    if (auto named = NamedKeyCode(key.virtual_key)) {
        return named;
    }
    constexpr int kF20 = vk::kF1 + 19;
    if (key.virtual_key >= vk::kF1 && key.virtual_key <= kF20) {
        int offset = key.virtual_key - vk::kF1;
        if (IsHeld(key.ctrl)) {
            return key_code::kCtrlF1 + offset;
        }
        return (IsHeld(key.shift) ? key_code::kShiftF1 : key_code::kF1) + offset;
    }
    // Shift+Tab produces the same TAB character as Tab alone; only the code tells them apart.
    if (key.virtual_key == vk::kTab && IsHeld(key.shift)) {
        return key_code::kShiftTab;
    }
    if (key.character != 0) {
        return key.character;
    }
    // A key the platform has no code for, and that produces nothing, has nothing to report.
    if (key.virtual_key == 0) {
        return std::nullopt;
    }
    return key.virtual_key;
}

int MouseModifierBits(const MouseEvent& mouse) {
    int bits = 0;
    bits |= IsHeld(mouse.ctrl) ? 1 : 0;
    bits |= IsHeld(mouse.shift) ? 2 : 0;
    bits |= IsHeld(mouse.left_down) ? 4 : 0;
    bits |= IsHeld(mouse.middle_down) ? 8 : 0;
    bits |= IsHeld(mouse.right_down) ? 16 : 0;
    return bits;
}

int MouseButtonNumber(MouseButton button) {
    switch (button) {
        case MouseButton::Left:
            return 1;
        case MouseButton::Middle:
            return 2;
        case MouseButton::Right:
            return 3;
        case MouseButton::None:
            break;
    }
    return -1;
}

}  // namespace windlass
