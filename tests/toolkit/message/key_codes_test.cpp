// The message codes of keys and the mouse's modifier bits and button numbers.
#include "message/key_codes.h"

#include <gtest/gtest.h>

#include <optional>

namespace windlass {
namespace {

constexpr Held N = Held::No;
constexpr Held Y = Held::Yes;

TEST(MessageKeyCodes, EveryRowOfTheTable) {
    struct Case {
        const char* what;
        KeyPress key;
        std::optional<int> code;
    };
    const Case cases[] = {
        {"letter", {'A', 'a', N, N}, 'a'},
        {"shifted letter", {'A', 'A', Y, N}, 'A'},
        {"Ctrl+letter gives its control character", {'A', 1, N, Y}, 1},
        {"Enter", {vk::kReturn, 13, N, N}, 13},
        {"Tab", {vk::kTab, 9, N, N}, 9},
        {"Shift+Tab", {vk::kTab, 9, Y, N}, 274},
        {"Up", {vk::kUp, 0, N, N}, 258},
        {"Left", {vk::kLeft, 0, N, N}, 261},
        {"Shift+Up is Page Up's code", {vk::kUp, 0, Y, N}, 262},
        {"Shift+Left", {vk::kLeft, 0, Y, N}, 265},
        {"Ctrl+Up", {vk::kUp, 0, N, Y}, 266},
        {"Ctrl+Left", {vk::kLeft, 0, N, Y}, 269},
        {"Ctrl wins over Shift", {vk::kRight, 0, Y, Y}, 268},
        {"Page Up does not grow with Shift", {vk::kPageUp, 0, Y, N}, 262},
        {"Home", {vk::kHome, 0, N, N}, 270},
        {"Select", {vk::kSelect, 0, N, N}, 271},
        {"Insert", {vk::kInsert, 0, N, N}, 272},
        {"Delete, even where the platform gives it a character", {vk::kDelete, 127, N, N}, 273},
        {"Print Screen", {vk::kPrintScreen, 0, N, N}, 300},
        {"F1", {vk::kF1, 0, N, N}, 301},
        {"F20", {vk::kF1 + 19, 0, N, N}, 320},
        {"Shift+F1", {vk::kF1, 0, Y, N}, 321},
        {"Ctrl+F1", {vk::kF1, 0, N, Y}, 341},
        {"Ctrl+Shift+F20", {vk::kF1 + 19, 0, Y, Y}, 360},
        {"F21 gives its virtual-key code", {vk::kF1 + 20, 0, N, N}, vk::kF1 + 20},
        {"keypad 0 with Num Lock", {vk::kNumpad0, '0', N, N}, 280},
        {"keypad 5", {vk::kNumpad0 + 5, '5', N, N}, 285},
        {"keypad 5 without Num Lock", {vk::kClear, 0, N, N}, 285},
        {"keypad minus", {vk::kSubtract, '-', N, N}, 290},
        {"keypad plus", {vk::kAdd, '+', N, N}, 292},
        {"keypad separator", {vk::kSeparator, 0, N, N}, 292},
        {"a key without character or code", {vk::kApplications, 0, N, N}, vk::kApplications},
        {"punctuation known by its character only", {0, '-', N, N}, '-'},
        {"a key without character or any code", {0, 0, N, N}, std::nullopt},
        {"Shift alone", {vk::kShift, 0, Y, N}, std::nullopt},
        {"Alt alone", {vk::kAlt, 0, N, N}, std::nullopt},
        {"Pause", {vk::kPause, 0, N, N}, std::nullopt}};
    for (const Case& c : cases) {
        EXPECT_EQ(KeyCode(c.key), c.code) << c.what;
    }
}

TEST(MessageMouseCodes, ModifierBitsAndButtonNumbers) {
    MouseEvent mouse;
    EXPECT_EQ(MouseModifierBits(mouse), 0);
    mouse.ctrl = mouse.middle_down = Y;
    EXPECT_EQ(MouseModifierBits(mouse), 1 + 8);
    mouse.shift = mouse.left_down = mouse.right_down = Y;
    EXPECT_EQ(MouseModifierBits(mouse), 31);
    EXPECT_EQ(MouseButtonNumber(MouseButton::Left), 1);
    EXPECT_EQ(MouseButtonNumber(MouseButton::Middle), 2);
    EXPECT_EQ(MouseButtonNumber(MouseButton::Right), 3);
    EXPECT_EQ(MouseButtonNumber(MouseButton::None), -1);
}

}  // namespace
}  // namespace windlass
