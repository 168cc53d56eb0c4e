// The message codes of keys and the mouse's modifier bits and button numbers.
#include "message/key_codes.h"

#include <gtest/gtest.h>

#include <optional>

namespace windlass {
namespace {

constexpr Held N = Held::No;
constexpr Held Y = Held::Yes;

TEST(MessageKeyCodes, EveryRowOfTheTable) {
    // Shift and Ctrl move the arrows and function keys to codes of their own, Ctrl winning;
    // Delete is 273 whatever character it brings; keys past F20, and keys without a character,
    // give their virtual-key code; modifiers and Pause alone give nothing.
    // clang-format off
    const std::pair<KeyPress, std::optional<int>> cases[] = {
        {{'A', 'a', N, N}, 'a'}, {{'A', 'A', Y, N}, 'A'}, {{'A', 1, N, Y}, 1},
        {{vk::kReturn, 13, N, N}, 13}, {{vk::kTab, 9, N, N}, 9}, {{vk::kTab, 9, Y, N}, 274},
        {{vk::kUp, 0, N, N}, 258}, {{vk::kLeft, 0, N, N}, 261}, {{vk::kUp, 0, Y, N}, 262},
        {{vk::kLeft, 0, Y, N}, 265}, {{vk::kUp, 0, N, Y}, 266}, {{vk::kLeft, 0, N, Y}, 269},
        {{vk::kRight, 0, Y, Y}, 268}, {{vk::kPageUp, 0, Y, N}, 262}, {{vk::kHome, 0, N, N}, 270},
        {{vk::kSelect, 0, N, N}, 271}, {{vk::kInsert, 0, N, N}, 272},
        {{vk::kDelete, 127, N, N}, 273}, {{vk::kPrintScreen, 0, N, N}, 300},
        {{vk::kF1, 0, N, N}, 301}, {{vk::kF1 + 19, 0, N, N}, 320}, {{vk::kF1, 0, Y, N}, 321},
        {{vk::kF1, 0, N, Y}, 341}, {{vk::kF1 + 19, 0, Y, Y}, 360},
        {{vk::kF1 + 20, 0, N, N}, vk::kF1 + 20}, {{vk::kNumpad0, '0', N, N}, 280},
        {{vk::kNumpad0 + 5, '5', N, N}, 285}, {{vk::kClear, 0, N, N}, 285},
        {{vk::kSubtract, '-', N, N}, 290}, {{vk::kAdd, '+', N, N}, 292},
        {{vk::kSeparator, 0, N, N}, 292}, {{vk::kApplications, 0, N, N}, vk::kApplications},
        {{0, '-', N, N}, '-'}, {{0, 0, N, N}, std::nullopt}, {{vk::kShift, 0, Y, N}, std::nullopt},
        {{vk::kAlt, 0, N, N}, std::nullopt}, {{vk::kPause, 0, N, N}, std::nullopt},
    };
    // clang-format on
    for (const auto& [key, code] : cases) {
        EXPECT_EQ(KeyCode(key), code) << key.virtual_key << " " << key.character;
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
