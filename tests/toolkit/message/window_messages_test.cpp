#include "message/window_messages.h"

#include <gtest/gtest.h>

#include <array>

namespace windlass {
namespace {

std::array<int, 7> Values(const RaisedMessage& message) {
    const MessageRecord& r = message.record;
    return {r.window, r.data1, r.data2, r.data3, r.data4, r.x, r.y};
}

TEST(WindowMessageRecords, EachTypeFillsItsValuesAndLeavesTheRestAtMinusOne) {
    MouseEvent press{MouseAction::Press, MouseButton::Left, 12, 34, Held::Yes, Held::No, Held::Yes};
    MouseEvent release{MouseAction::Release, MouseButton::Middle, 1, 2, Held::No, Held::Yes};
    MouseEvent move{MouseAction::Move, MouseButton::None, 3,        4,        Held::No,
                    Held::No,          Held::No,          Held::No, Held::Yes};
    struct Case {
        const char* what;
        RaisedMessage message;
        int type;
        std::array<int, 7> values;
    };
    const Case cases[] = {
        {"menu", MenuCommandMessage(0, 40004, 5), MSG_MENU, {0, 40004, -1, -1, -1, -1, -1}},
        {"close", CloseRequestMessage(0, 5), MSG_CLOSE, {0, -1, -1, -1, -1, -1, -1}},
        {"key",
         *KeyMessage(0, {vk::kF1, 0, Held::No, Held::Yes}, 7, 8, 5),
         MSG_KEY,
         {0, 341, -1, 0, -1, 7, 8}},
        {"press", MouseMessage(0, press, 5), MSG_MOUSE_DOWN, {0, 1, 1 + 4, 0, -1, 12, 34}},
        {"release", MouseMessage(0, release, 5), MSG_MOUSE_UP, {0, 2, 2, 0, -1, 1, 2}},
        {"move", MouseMessage(0, move, 5), MSG_MOUSE_MOVE, {0, -1, 16, 0, -1, 3, 4}},
        {"expose", ExposeMessage(0, {1, 2, 3, 4}, 5), MSG_EXPOSE, {0, 3, 4, 0, -1, 1, 2}},
        {"resize",
         *ResizeMessage(0, 640, 480, ResizeKind::Normal, 5),
         MSG_RESIZE,
         {0, 640, 480, -1, -1, -1, -1}},
        {"frame click",
         *FrameClickMessage(0, MouseButton::Right, FramePart::Other, 5),
         MSG_FRAME_CLICK,
         {0, 3, -1, -1, -1, -1, -1}},
        {"timer", TimerMessage(2, 77, 5), MSG_TIMER, {2, 77, -1, -1, -1, -1, -1}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.message.type, c.type) << c.what;
        EXPECT_EQ(Values(c.message), c.values) << c.what;
        EXPECT_EQ(c.message.record.time, 5) << c.what;
    }
}

TEST(WindowMessageRecords, EventsThatRaiseNothing) {
    EXPECT_FALSE(KeyMessage(0, {vk::kShift, 0, Held::Yes, Held::No}, 0, 0, 0));
    EXPECT_FALSE(ResizeMessage(0, 0, 0, ResizeKind::Minimised, 0));
    EXPECT_FALSE(ResizeMessage(0, 640, 480, ResizeKind::NotVisible, 0));
    EXPECT_FALSE(FrameClickMessage(0, MouseButton::Left, FramePart::MinimiseBox, 0));
}

}  // namespace
}  // namespace windlass
