// WMessage on Qt's offscreen platform: real key and mouse events, repaints, resizes and timers,
// posted so that they are dispatched while the program waits.
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

struct KeyCase {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int code;
    // The text the keyboard produces, where it differs from what the key alone gives.
    char text = 0;
};

// Each key and each modifier of Qt once; the rules of the code table itself are checked in
// MessageKeyCodes.EveryRowOfTheTable.
TEST_F(QtMessages, KeysGiveTheirCodes) {
    const KeyCase cases[] = {
        {"letter", Qt::Key_A, Qt::NoModifier, 'a'},
        {"capital", Qt::Key_A, Qt::ShiftModifier, 'A', 'A'},
        {"Ctrl+A", Qt::Key_A, Qt::ControlModifier, 1},
        {"Enter", Qt::Key_Return, Qt::NoModifier, 13},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, 274},
        {"F1", Qt::Key_F1, Qt::NoModifier, 301},
        {"F20", Qt::Key_F20, Qt::NoModifier, 320},
        {"Up", Qt::Key_Up, Qt::NoModifier, 258},
        {"Ctrl+Shift+Right", Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier, 268},
        {"Page Down", Qt::Key_PageDown, Qt::NoModifier, 263},
        {"Home", Qt::Key_Home, Qt::NoModifier, 270},
        {"Insert", Qt::Key_Insert, Qt::NoModifier, 272},
        {"Delete", Qt::Key_Delete, Qt::NoModifier, 273},
        {"Print Screen", Qt::Key_Print, Qt::NoModifier, 300},
        {"keypad 0", Qt::Key_0, Qt::KeypadModifier, 280},
        {"keypad 5 without Num Lock", Qt::Key_Clear, Qt::KeypadModifier, 285},
        {"keypad minus", Qt::Key_Minus, Qt::KeypadModifier, 290},
        {"keypad point", Qt::Key_Period, Qt::KeypadModifier, 291},
        {"keypad plus", Qt::Key_Plus, Qt::KeypadModifier, 292},
        {"keypad divide", Qt::Key_Slash, Qt::KeypadModifier, 293},
        {"keypad multiply", Qt::Key_Asterisk, Qt::KeypadModifier, 294},
        {"keypad Up without Num Lock", Qt::Key_Up, Qt::KeypadModifier, 258},
        {"minus", Qt::Key_Minus, Qt::NoModifier, '-'},
    };
    for (const KeyCase& c : cases) {
        qt::ClientArea* client = Client();
        Post([client, c] {
            if (c.text != 0) {
                QTest::keyClick(client, c.text, c.modifiers);
            } else {
                QTest::keyClick(client, c.key, c.modifiers);
            }
        });
        MessageRecord record;
        ASSERT_EQ(Wait(record), MSG_KEY) << c.what;
        EXPECT_EQ(record.data1, c.code) << c.what;
    }
}

TEST_F(QtMessages, ModifierAndLockKeysAloneGiveNothing) {
    qt::ClientArea* client = Client();
    Post([client] {
        for (Qt::Key key : {Qt::Key_Shift, Qt::Key_Control, Qt::Key_Alt, Qt::Key_CapsLock,
                            Qt::Key_NumLock, Qt::Key_ScrollLock, Qt::Key_Pause}) {
            QTest::keyClick(client, key);
        }
        QTest::keyClick(client, Qt::Key_X);
    });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_KEY);
    EXPECT_EQ(record.data1, 'x');
}

TEST_F(QtMessages, MouseButtonsWithModifiersInWindowUnitsAndUpAndMoveOnlyWhenEnabled) {
    qt::ClientArea* client = Client();
    Post([client] {
        QTest::mouseMove(client, QPoint(10, 10));
        QTest::mouseRelease(client, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mousePress(client, Qt::RightButton, {}, QPoint(20, 20));
        QTest::mouseRelease(client, Qt::RightButton, {}, QPoint(20, 20));
    });
    MessageRecord record;
    ASSERT_EQ(Wait(record), MSG_MOUSE_DOWN);
    EXPECT_EQ(record.data1, 3);

    WMessageEnable(MSG_MOUSE_UP, 1);
    WMessageEnable(MSG_MOUSE_MOVE, 1);
    Post([client] {
        QTest::mousePress(client, Qt::LeftButton, Qt::ShiftModifier, QPoint(333, 0));
        QTest::mouseMove(client, QPoint(500, 250));
        QTest::mouseRelease(client, Qt::LeftButton, Qt::ControlModifier, QPoint(999, 499));
    });
    ASSERT_EQ(Wait(record), MSG_MOUSE_DOWN);
    EXPECT_EQ(record.data1, 1);
    EXPECT_EQ(record.data2, 2 + 4);
    EXPECT_EQ(record.x, 3335);
    EXPECT_EQ(record.y, 10);
    ASSERT_EQ(Wait(record), MSG_MOUSE_MOVE);
    EXPECT_EQ(record.x, 5004);
    ASSERT_EQ(Wait(record), MSG_MOUSE_UP);
    EXPECT_EQ(record.data1, 1);
    EXPECT_EQ(record.data2, 1) << "Ctrl, and no button held after the release";
}

TEST_F(QtMessages, TheFirstDisplayGivesNoRepaint) {
    QAction* go = Frame()->menu_bar()->actions().at(1);
    Post([go] { go->trigger(); });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_MENU);
}

TEST_F(QtMessages, ARepaintWhileBusyComesFirstAndCoversTheClient) {
    qt::ClientArea* client = Client();
    Post([client] { QTest::keyClick(client, Qt::Key_B); });
    // The program is busy: the platform repaints part of the client area now.
    client->repaint(10, 20, 30, 40);
    MessageRecord record;
    ASSERT_EQ(Wait(record), MSG_EXPOSE);
    EXPECT_EQ(record.x, 5);
    EXPECT_EQ(record.y, 10);
    EXPECT_EQ(record.data1, 9994 - 5);
    EXPECT_EQ(record.data2, 9989 - 10);
    ASSERT_EQ(Wait(record), MSG_KEY);
    EXPECT_EQ(record.data1, 'b');
}

TEST_F(QtMessages, ARepaintWhileWaitingKeepsItsArea) {
    qt::ClientArea* client = Client();
    Post([client] { client->repaint(100, 50, 100, 50); });
    MessageRecord record;
    ASSERT_EQ(Wait(record), MSG_EXPOSE);
    EXPECT_EQ(record.x, 1005);
    EXPECT_EQ(record.y, 1010);
    EXPECT_EQ(record.data1, 1995 - 1005);
    EXPECT_EQ(record.data2, 1990 - 1010);
}

TEST_F(QtMessages, AResizeReportsTheNewClientSize) {
    qt::FrameWindow* frame = Frame();
    int extra = frame->height() - Client()->height();
    Post([frame, extra] { frame->resize(800, 300 + extra); });
    MessageRecord record;
    int type = Wait(record);
    // The resize may bring its repaint; the resize comes first.
    ASSERT_EQ(type, MSG_RESIZE);
    EXPECT_EQ(record.data1, 800);
    EXPECT_EQ(record.data2, 300);
    int px = 0;
    int py = 0;
    WindowUnitsToPixels(9999, 9999, px, py);
    EXPECT_EQ(px, 799);
    EXPECT_EQ(py, 299);
}

TEST_F(QtMessages, ATimerStopsAndReportsItsId) {
    StartWindowTimer(42, 1);
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_TIMER);
    EXPECT_EQ(record.data1, 42);
}

}  // namespace
}  // namespace windlass::testing
