// The records of window messages: what each type fills in. Window units are checked with real
// events in QtMessages.
#include <gtest/gtest.h>

#include <array>

#include "message/window_messages.h"

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
        RaisedMessage message;
        int type;
        std::array<int, 7> values;
    };
    const Case cases[] = {
        {MenuCommandMessage(0, 40004, 5), MSG_MENU, {0, 40004, -1, -1, -1, -1, -1}},
        {CloseRequestMessage(0, 5), MSG_CLOSE, {0, -1, -1, -1, -1, -1, -1}},
        {*KeyMessage(0, {vk::kF1, 0, Held::No, Held::Yes}, 7, 8, 5),
         MSG_KEY,
         {0, 341, -1, 0, -1, 7, 8}},
        {MouseMessage(0, press, 5), MSG_MOUSE_DOWN, {0, 1, 1 + 4, 0, -1, 12, 34}},
        {MouseMessage(0, release, 5), MSG_MOUSE_UP, {0, 2, 2, 0, -1, 1, 2}},
        {MouseMessage(0, move, 5), MSG_MOUSE_MOVE, {0, -1, 16, 0, -1, 3, 4}},
        {ExposeMessage(0, {1, 2, 3, 4}, 5), MSG_EXPOSE, {0, 3, 4, 0, -1, 1, 2}},
        {*ResizeMessage(0, 640, 480, ResizeKind::Normal, 5),
         MSG_RESIZE,
         {0, 640, 480, -1, -1, -1, -1}},
        {*FrameClickMessage(0, MouseButton::Right, FramePart::Other, 5),
         MSG_FRAME_CLICK,
         {0, 3, -1, -1, -1, -1, -1}},
        {TimerMessage(2, 77, 5), MSG_TIMER, {2, 77, -1, -1, -1, -1, -1}}};
    for (const Case& c : cases) {
        EXPECT_EQ(c.message.type, c.type) << "row " << (&c - cases);
        EXPECT_EQ(Values(c.message), c.values) << "row " << (&c - cases);
        EXPECT_EQ(c.message.record.time, 5) << "row " << (&c - cases);
    }
}

}  // namespace
}  // namespace windlass
