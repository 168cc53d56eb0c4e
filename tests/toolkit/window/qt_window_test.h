// Shared by the tests that drive real Qt windows on the offscreen platform: a fixture that
// starts every case from the toolkit's state at program start, and helpers that post events
// so that they are dispatched inside WMessage, as a user's would be.
#pragma once

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "platform/platform.h"
#include "qt/qt_client_area.h"
#include "qt/qt_frame.h"
#include "qt/qt_status_bar.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass::testing {

class QtWindowTest : public ::testing::Test {
  protected:
    QtWindowTest() { ResetToolkitState(); }
    ~QtWindowTest() override {
        WindowClose();
        ResetToolkitState();
    }
    // A main window with the test menu 500, a status bar, and a client area of the given size.
    static void OpenMenuWindow(int width, int height) {
        WindowOpen2(7 | WF_STATUSBAR, WINDOW_CENTRED, WINDOW_CENTRED, width, height, 500, {}, 0,
                    "Test window");
    }
    static qt::FrameWindow* Frame() { return qt::ToFrame(Windows().by_slot[0].frame); }
    static qt::ClientArea* Client() { return Frame()->client(); }
    // Lets the window reach the screen and finish its first display, as it would while the
    // program is still starting up.
    static void SettleFirstDisplay() {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Frame()));
        QCoreApplication::processEvents();
    }
    // Runs `action` from the event loop, that is from inside the next WMessage.
    static void Post(std::function<void()> action) {
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(action));
    }
    static int Wait(MessageRecord& record) {
        int type = 0;
        WMessage(type, record);
        return type;
    }
};

}  // namespace windlass::testing
