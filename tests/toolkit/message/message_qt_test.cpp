// WMessage on Qt's offscreen platform: real key and mouse events, repaints, resizes and timers,
// posted so that they are dispatched while the program waits. The rules of the codes and the
// queue are checked in MessageKeyCodes and MessageQueueTest; here, only that Qt's events reach
// them.
#include <QKeyEvent>
#include <QMenuBar>

#include <gtest/gtest.h>

#include "window/qt_window_test.h"
#include "window/window_table.h"
#include "window/window_timer.h"

namespace windlass::testing {
namespace {

class QtMessages : public QtWindowTest {
  protected:
    QtMessages() {
        OpenMenuWindow(1000, 500);
        SettleFirstDisplay();
    }
};

TEST_F(QtMessages, KeysGiveTheirCodesAndModifiersAloneGiveNothing) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int code;
    };
    const Case cases[] = {{Qt::Key_A, Qt::NoModifier, 'a'},
                          {Qt::Key_A, Qt::ControlModifier, 1},
                          {Qt::Key_Backtab, Qt::ShiftModifier, 274},
                          {Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, 268},
                          {Qt::Key_Delete, Qt::NoModifier, 273},
                          {Qt::Key_0, Qt::KeypadModifier, 280},
                          {Qt::Key_Clear, Qt::KeypadModifier, 285},
                          {Qt::Key_Period, Qt::KeypadModifier, 291},
                          {Qt::Key_Slash, Qt::KeypadModifier, 293},
                          {Qt::Key_Asterisk, Qt::KeypadModifier, 294},
                          {Qt::Key_Minus, Qt::NoModifier, '-'}};
    qt::ClientArea* client = Client();
    for (const Case& c : cases) {
        Post([client, c] { QTest::keyClick(client, c.key, c.modifiers); });
        MessageRecord record;
        ASSERT_EQ(Wait(record), MSG_KEY) << c.code;
        EXPECT_EQ(record.data1, c.code);
    }
    Post([client] {
        QTest::keyClick(client, 'A', Qt::ShiftModifier);
        // F25 has no code of its own and no character, so it too gives nothing.
        for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_CapsLock,
                            Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Pause, Qt::Key_F25}) {
            QTest::keyClick(client, key);
        }
        QTest::keyClick(client, Qt::Key_X);
    });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_KEY);
    EXPECT_EQ(record.data1, 'A');
    EXPECT_EQ(Wait(record), MSG_KEY);
    EXPECT_EQ(record.data1, 'x');
}

TEST_F(QtMessages, MouseButtonsModifiersAndPositions) {
    qt::ClientArea* client = Client();
    WMessageEnable(MSG_MOUSE_UP, 1);
    WMessageEnable(MSG_MOUSE_MOVE, 1);
    Post([client] {
        QTest::mousePress(client, Qt::LeftButton, Qt::ShiftModifier, QPoint(333, 0));
        QTest::mouseMove(client, QPoint(500, 250));
        QTest::mouseRelease(client, Qt::LeftButton, Qt::ControlModifier, QPoint(999, 499));
    });
    MessageRecord record;
    ASSERT_EQ(Wait(record), MSG_MOUSE_DOWN);
    EXPECT_EQ(std::vector<int>({record.data1, record.data2, record.x, record.y}),
              std::vector<int>({1, 2 + 4, 3335, 10}));
    ASSERT_EQ(Wait(record), MSG_MOUSE_MOVE);
    EXPECT_EQ(record.x, 5004);
    ASSERT_EQ(Wait(record), MSG_MOUSE_UP);
    EXPECT_EQ(std::make_pair(record.data1, record.data2), std::make_pair(1, 1))
        << "Ctrl, and no button held after the release";
}

TEST_F(QtMessages, RepaintsResizesAndTimersArrive) {
    // The first display gives no repaint: the menu command comes first.
    QAction* go = Frame()->menu_bar()->actions().at(1);
    Post([go] { go->trigger(); });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_MENU);
    qt::ClientArea* client = Client();
    Post([client] { client->repaint(100, 50, 100, 50); });
    ASSERT_EQ(Wait(record), MSG_EXPOSE);
    EXPECT_EQ(std::vector<int>({record.x, record.y, record.data1, record.data2}),
              std::vector<int>({1005, 1010, 1995 - 1005, 1990 - 1010}));
    qt::FrameWindow* frame = Frame();
    int extra = frame->height() - client->height();
    Post([frame, extra] { frame->resize(800, 300 + extra); });
    // The resize may bring its repaint; the resize comes first.
    ASSERT_EQ(Wait(record), MSG_RESIZE);
    EXPECT_EQ(std::make_pair(record.data1, record.data2), std::make_pair(800, 300));
    int px = 0;
    int py = 0;
    WindowUnitsToPixels(9999, 9999, px, py);
    EXPECT_EQ(std::make_pair(px, py), std::make_pair(799, 299));
}

TEST_F(QtMessages, ATimerStopsAndReportsItsId) {
    MessageRecord record;
    StartWindowTimer(42, 1);
    EXPECT_EQ(Wait(record), MSG_TIMER);
    EXPECT_EQ(record.data1, 42);
}

}  // namespace
}  // namespace windlass::testing
