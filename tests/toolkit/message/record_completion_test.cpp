#include "message/record_completion.h"

#include <gtest/gtest.h>

#include "message/window_messages.h"

namespace windlass {
namespace {

constexpr ClientSize kClient{1000, 500};

TEST(MessageRecordCompletion, KeyAndMousePositionsBecomeWindowUnits) {
    std::optional<RaisedMessage> key =
        KeyMessage(0, KeyPress{'A', 'a', Held::No, Held::No}, 333, 0, 17);
    ASSERT_TRUE(key);
    CompleteRecord(*key, kClient);
    EXPECT_EQ(key->record.x, 3335);
    EXPECT_EQ(key->record.y, 10);
    EXPECT_FLOAT_EQ(key->record.graph_x, 3335.0f);
    // y measured upward: the top row of pixels lies at the top of the graphics area.
    EXPECT_FLOAT_EQ(key->record.graph_y, 9989.0f);
    EXPECT_EQ(key->record.time, 17);

    MouseEvent press{MouseAction::Press, MouseButton::Right, 999, 499};
    RaisedMessage mouse = MouseMessage(0, press, 0);
    CompleteRecord(mouse, kClient);
    EXPECT_EQ(mouse.record.x, 9994);
    EXPECT_EQ(mouse.record.y, 9989);
    EXPECT_FLOAT_EQ(mouse.record.graph_y, 10.0f);
}

TEST(MessageRecordCompletion, DialogFieldAndViewerPositionsStayInPixels) {
    MouseEvent press{MouseAction::Press, MouseButton::Left, 40, 30};
    RaisedMessage field = MouseMessage(0, press, 0);
    field.record.data3 = 1;
    CompleteRecord(field, kClient);
    EXPECT_EQ(field.record.x, 40);
    EXPECT_EQ(field.record.y, 30);
    EXPECT_FLOAT_EQ(field.record.graph_x, 405.0f);

    RaisedMessage viewer;
    viewer.type = MSG_VIEWER;
    viewer.record.x = 0;
    viewer.record.y = 0;
    CompleteRecord(viewer, kClient);
    EXPECT_EQ(viewer.record.x, 0);
    EXPECT_EQ(viewer.record.y, 0);
}

TEST(MessageRecordCompletion, RepaintCornersBecomeWindowUnits) {
    struct Case {
        ExposedArea area;
        int x, y, data1, data2;
    };
    const Case cases[] = {
        // The whole client: from the first pixel to the last.
        {{0, 0, 1000, 500}, 5, 10, 9994 - 5, 9989 - 10},
        {{333, 0, 334, 1}, 3335, 10, 6664 - 3335, 0},
        // One pixel: no distance between its corners.
        {{10, 10, 1, 1}, 105, 210, 0, 0},
    };
    for (const Case& c : cases) {
        RaisedMessage expose = ExposeMessage(0, c.area, 0);
        CompleteRecord(expose, kClient);
        EXPECT_EQ(expose.record.x, c.x);
        EXPECT_EQ(expose.record.y, c.y);
        EXPECT_EQ(expose.record.data1, c.data1);
        EXPECT_EQ(expose.record.data2, c.data2);
        EXPECT_EQ(expose.record.data3, 0);
        EXPECT_FLOAT_EQ(expose.record.graph_width, static_cast<float>(c.data1));
        EXPECT_FLOAT_EQ(expose.record.graph_height, static_cast<float>(c.data2));
    }
}

TEST(MessageRecordCompletion, ResizeMenuAndCloseKeepTheirValues) {
    RaisedMessage resize = *ResizeMessage(0, 800, 600, ResizeKind::Normal, 0);
    CompleteRecord(resize, kClient);
    EXPECT_EQ(resize.record.data1, 800);
    EXPECT_EQ(resize.record.data2, 600);
    RaisedMessage menu = MenuCommandMessage(0, 40002, 0);
    CompleteRecord(menu, kClient);
    EXPECT_EQ(menu.record.data1, 40002);
    EXPECT_EQ(menu.record.x, -1);
}

}  // namespace
}  // namespace windlass
