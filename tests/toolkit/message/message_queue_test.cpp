// Messages as plain functions: the codes of keys, the mouse's modifier bits and button numbers,
// what the record of each type of window message fills in (window units are checked with real
// events in QtMessages), the enable table, and the queue that holds and orders the messages.
#include "message/message_queue.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <optional>
#include <set>
#include <vector>

#include "message/enable_table.h"
#include "message/key_codes.h"
#include "message/window_messages.h"

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

// A queue and a window table of their own, and a platform whose events come in scripted
// batches: each wait runs the next batch, as one pass of platform dispatch would.
class MessageQueueTest : public ::testing::Test {
  protected:
    MessageQueueTest() {
        windows_.by_slot[0].has_client = true;
        windows_.by_slot[0].client = {640, 480};
    }
    void AddBatch(std::vector<RaisedMessage> batch) { batches_.push_back(std::move(batch)); }
    RaisedMessage Next() {
        return queue_.Next(windows_, [this] {
            ASSERT_FALSE(batches_.empty()) << "the program would wait for ever";
            std::vector<RaisedMessage> batch = batches_.front();
            batches_.pop_front();
            ++waits_;
            for (const RaisedMessage& message : batch) {
                queue_.Raise(message);
            }
        });
    }
    // A lower-case letter: its key's virtual-key code is the upper-case letter.
    static RaisedMessage Key(char letter) {
        KeyPress key{letter - 'a' + 'A', letter, Held::No, Held::No};
        return *KeyMessage(0, key, 5, 6, 0);
    }
    static RaisedMessage Expose(int slot, int x, int y, int width, int height) {
        return ExposeMessage(slot, ExposedArea{x, y, width, height}, 0);
    }
    static RaisedMessage Resize(int slot, int width, int height) {
        return *ResizeMessage(slot, width, height, ResizeKind::Normal, 0);
    }
    MessageQueue queue_;
    WindowTable windows_;
    std::deque<std::vector<RaisedMessage>> batches_;
    int waits_ = 0;
};

TEST(MessageEnableTable, StartValuesTheResetAfterWindowCloseAndTheTypesItIgnores) {
    MessageEnableTable table;
    auto enabled = [&table] {
        std::set<int> types;
        for (int type = -2; type <= kMessageTypes + 2; ++type) {
            if (table.IsEnabled(type)) {
                types.insert(type);
            }
        }
        return types;
    };
    EXPECT_EQ(enabled(), (std::set<int>{1, 2, 3, 4, 7, 8, 9, 13, 14}));
    for (int type : {-1, 0, 16, 1000}) {
        table.Set(type, 1);
    }
    table.Set(MSG_FIELD, -7);
    table.Set(MSG_MENU, 0);
    EXPECT_EQ(enabled(), (std::set<int>{1, 3, 4, 7, 8, 9, 10, 13, 14}));
    table.ResetAfterWindowClose();
    EXPECT_EQ(enabled(), (std::set<int>{1, 2, 3, 4, 7, 8, 9, 13, 14, 15}));
}

TEST_F(MessageQueueTest, FurtherMessagesOfOneBatchComeNextInOrder) {
    AddBatch({Key('a'), Expose(0, 1, 2, 3, 4), Resize(0, 100, 50), Key('b')});
    EXPECT_EQ(Next().record.data1, 'a');
    RaisedMessage expose = Next();
    EXPECT_EQ(expose.type, MSG_EXPOSE);
    EXPECT_EQ(expose.record.data1, 3) << "a repaint raised while waiting is not held";
    EXPECT_EQ(Next().type, MSG_RESIZE);
    EXPECT_EQ(Next().record.data1, 'b');
    EXPECT_EQ(waits_, 1);
}

TEST_F(MessageQueueTest, RepaintWhileBusyComesFirstAndCoversTheClient) {
    // Events that arrive while the program is busy: a key, then a repaint of part of the
    // client, then another key.
    queue_.Raise(Key('a'));
    queue_.Raise(Expose(0, 10, 20, 30, 40));
    queue_.Raise(Key('b'));
    const MessageRecord first = Next().record;
    EXPECT_EQ(std::vector<int>({first.window, first.x, first.y, first.data1, first.data2}),
              std::vector<int>({0, 0, 0, 640, 480}));
    EXPECT_EQ(Next().record.data1, 'a');
    EXPECT_EQ(Next().record.data1, 'b');
    EXPECT_EQ(waits_, 0);
}

TEST_F(MessageQueueTest, PendingSlotRules) {
    struct Case {
        const char* what;
        std::vector<RaisedMessage> while_busy;
        int type;
        int data1;
    };
    // clang-format off
    const Case cases[] = {
        {"a later repaint does not replace a pending resize",
         {Resize(0, 300, 200), Expose(0, 0, 0, 5, 5)}, MSG_RESIZE, 300},
        {"a new resize replaces a pending resize",
         {Resize(0, 300, 200), Resize(0, 310, 210)}, MSG_RESIZE, 310},
        {"a new resize replaces a pending repaint",
         {Expose(0, 0, 0, 5, 5), Resize(0, 320, 220)}, MSG_RESIZE, 320},
        {"two repaints give one over the whole client",
         {Expose(0, 0, 0, 5, 5), Expose(0, 9, 9, 1, 1)}, MSG_EXPOSE, 640},
    };
    // clang-format on
    for (const Case& c : cases) {
        queue_.Clear();
        for (const RaisedMessage& message : c.while_busy) {
            queue_.Raise(message);
        }
        AddBatch({Key('z')});
        RaisedMessage first = Next();
        EXPECT_EQ(first.type, c.type) << c.what;
        EXPECT_EQ(first.record.data1, c.data1) << c.what;
        EXPECT_EQ(Next().record.data1, 'z') << c.what << ": exactly one message was held";
    }
}

TEST_F(MessageQueueTest, DisabledTypesAndRepaintsOfDialogFieldsAreNotHeld) {
    queue_.Raise(CloseRequestMessage(0, 0));  // Type 9: on.
    queue_.enable_table().Set(MSG_CLOSE, 0);
    queue_.Raise(CloseRequestMessage(0, 0));
    RaisedMessage field_expose = Expose(0, 1, 1, 2, 2);
    field_expose.record.data3 = 1;
    queue_.Raise(field_expose);
    queue_.Raise(Expose(99, 0, 0, 1, 1));  // No such window slot: not held.
    EXPECT_EQ(Next().type, MSG_CLOSE);
    RaisedMessage field = Next();
    EXPECT_EQ(field.type, MSG_EXPOSE);
    EXPECT_EQ(field.record.data1, 2) << "a field's repaint keeps its own area";
    AddBatch({CloseRequestMessage(0, 0), Key('z')});
    EXPECT_EQ(Next().record.data1, 'z') << "the disabled close request is dropped";
}

}  // namespace
}  // namespace windlass
