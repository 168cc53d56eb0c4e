// The records of window messages: what each type fills in, and the positions completed in
// window units.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "message/record_completion.h"
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

TEST(WindowMessageRecords, EventsThatRaiseNothing) {
    EXPECT_FALSE(KeyMessage(0, {vk::kShift, 0, Held::Yes, Held::No}, 0, 0, 0));
    EXPECT_FALSE(ResizeMessage(0, 0, 0, ResizeKind::Minimised, 0));
    EXPECT_FALSE(ResizeMessage(0, 640, 480, ResizeKind::NotVisible, 0));
    EXPECT_FALSE(FrameClickMessage(0, MouseButton::Left, FramePart::MinimiseBox, 0));
}

constexpr ClientSize kClient{1000, 500};

TEST(MessageRecordCompletion, KeyAndMousePositionsBecomeWindowUnits) {
    std::optional<RaisedMessage> key =
        KeyMessage(0, KeyPress{'A', 'a', Held::No, Held::No}, 333, 0, 17);
    ASSERT_TRUE(key);
    CompleteRecord(*key, kClient);
    EXPECT_EQ(std::make_pair(key->record.x, key->record.y), std::make_pair(3335, 10));
    EXPECT_FLOAT_EQ(key->record.graph_x, 3335.0f);
    // y measured upward: the top row of pixels lies at the top of the graphics area.
    EXPECT_FLOAT_EQ(key->record.graph_y, 9989.0f);
    EXPECT_EQ(key->record.time, 17);
    MouseEvent press{MouseAction::Press, MouseButton::Right, 999, 499};
    RaisedMessage mouse = MouseMessage(0, press, 0);
    CompleteRecord(mouse, kClient);
    EXPECT_EQ(std::make_pair(mouse.record.x, mouse.record.y), std::make_pair(9994, 9989));
    EXPECT_FLOAT_EQ(mouse.record.graph_y, 10.0f);
}

TEST(MessageRecordCompletion, DialogFieldAndViewerPositionsStayInPixels) {
    MouseEvent press{MouseAction::Press, MouseButton::Left, 40, 30};
    RaisedMessage field = MouseMessage(0, press, 0);
    field.record.data3 = 1;
    CompleteRecord(field, kClient);
    EXPECT_EQ(std::make_pair(field.record.x, field.record.y), std::make_pair(40, 30));
    EXPECT_FLOAT_EQ(field.record.graph_x, 405.0f);
    RaisedMessage viewer;
    viewer.type = MSG_VIEWER;
    viewer.record.x = 0;
    viewer.record.y = 0;
    CompleteRecord(viewer, kClient);
    EXPECT_EQ(std::make_pair(viewer.record.x, viewer.record.y), std::make_pair(0, 0));
}

TEST(MessageRecordCompletion, RepaintCornersBecomeWindowUnits) {
    struct Case {
        ExposedArea area;
        int x, y, data1, data2;
    };
    const Case cases[] = {// The whole client: from the first pixel to the last.
                          {{0, 0, 1000, 500}, 5, 10, 9994 - 5, 9989 - 10},
                          {{333, 0, 334, 1}, 3335, 10, 6664 - 3335, 0},
                          // One pixel: no distance between its corners.
                          {{10, 10, 1, 1}, 105, 210, 0, 0}};
    for (const Case& c : cases) {
        RaisedMessage expose = ExposeMessage(0, c.area, 0);
        CompleteRecord(expose, kClient);
        const MessageRecord& r = expose.record;
        EXPECT_EQ(std::vector<int>({r.x, r.y, r.data1, r.data2, r.data3}),
                  std::vector<int>({c.x, c.y, c.data1, c.data2, 0}));
        EXPECT_FLOAT_EQ(expose.record.graph_width, static_cast<float>(c.data1));
        EXPECT_FLOAT_EQ(expose.record.graph_height, static_cast<float>(c.data2));
    }
}

TEST(MessageRecordCompletion, ResizeAndMenuKeepTheirValues) {
    RaisedMessage resize = *ResizeMessage(0, 800, 600, ResizeKind::Normal, 0);
    RaisedMessage menu = MenuCommandMessage(0, 40002, 0);
    CompleteRecord(resize, kClient);
    CompleteRecord(menu, kClient);
    EXPECT_EQ(std::vector<int>(
                  {resize.record.data1, resize.record.data2, menu.record.data1, menu.record.x}),
              std::vector<int>({800, 600, 40002, -1}));
}

}  // namespace
}  // namespace windlass
