// The main window on Qt's offscreen platform: frame, menu, status bar, close box, and a
// screenshot to look at.
#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <gtest/gtest.h>

#include <vector>

#include "window/qt_window_test.h"

namespace windlass::testing {
namespace {

using QtWindow = QtWindowTest;

QAction* ActionWithId(QWidget* container, int id) {
    for (QAction* action : container->actions()) {
        if (action->data().toInt() == id) {
            return action;
        }
    }
    return nullptr;
}

std::vector<int> RightEdges(const qt::StatusBar& bar) {
    std::vector<int> edges;
    for (const QRect& part : bar.PartRectangles()) {
        edges.push_back(part.x() + part.width());
    }
    return edges;
}

TEST_F(QtWindow, NoArgumentsGiveACentredResizableWindowOf80PercentOfTheScreen) {
    WindowOpen2();
    QRect screen = QGuiApplication::primaryScreen()->geometry();
    qt::FrameWindow* frame = Frame();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(Client()->width(), screen.width() * 80 / 100);
    EXPECT_EQ(Client()->height(), screen.height() * 80 / 100);
    EXPECT_EQ(frame->pos(), QPoint((screen.width() - frame->width()) / 2,
                                   (screen.height() - frame->height()) / 2));
    EXPECT_EQ(frame->menu_bar(), nullptr);
    EXPECT_EQ(frame->status_bar(), nullptr);
    EXPECT_NE(frame->minimumSize(), frame->maximumSize()) << "the window can be resized";
    Qt::WindowFlags flags = frame->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowStaysOnTopHint));
}

TEST_F(QtWindow, TheApplicationsWindowHasItsTitleIconMenuAndStatusBar) {
    OpenApplicationWindow(600, 300);
    qt::FrameWindow* frame = Frame();
    EXPECT_EQ(frame->windowTitle(), "Heatwise 2.0");
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(Client()->size(), QSize(600, 300));
    ASSERT_NE(frame->menu_bar(), nullptr);
    QList<QAction*> bar = frame->menu_bar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&Help");
    EXPECT_EQ(bar[0]->data().toInt(), 40002);
    EXPECT_EQ(bar[0]->menu(), nullptr) << "Help is a command directly on the bar";
    EXPECT_EQ(bar[1]->text(), "&File");
    EXPECT_EQ(bar[1]->data().toInt(), 40001);
    ASSERT_NE(bar[1]->menu(), nullptr);
    ASSERT_EQ(bar[1]->menu()->actions().size(), 1);
    EXPECT_EQ(ActionWithId(bar[1]->menu(), 40004)->text(), "E&xit");
    ASSERT_NE(frame->status_bar(), nullptr);
    EXPECT_EQ(frame->status_bar()->width(), 600);
    EXPECT_EQ(frame->height(), frame->menu_bar()->height() + 300 + frame->status_bar()->height());
}

TEST_F(QtWindow, FlagsBecomeDecorations) {
    WindowOpen2(WF_SYSMENU | WF_TOPMOST | WF_FIXEDSIZE | WF_STATUSBAR, 10, 20, 300, 200);
    qt::FrameWindow* frame = Frame();
    EXPECT_EQ(frame->pos(), QPoint(10, 20));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "no sizing border";
    Qt::WindowFlags flags = frame->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
}

TEST_F(QtWindow, HiddenAndMaximisedStarts) {
    WindowOpen2(WF_HIDDEN | WF_SYSMENU, WINDOW_CENTRED, WINDOW_CENTRED, 200, 100);
    EXPECT_FALSE(Frame()->isVisible());
    WindowClose();
    WindowOpen2(WF_MAXIMISED | WF_SYSMENU | WF_MAXBOX, WINDOW_CENTRED, WINDOW_CENTRED, 200, 100);
    EXPECT_TRUE(Frame()->isMaximized());
}

TEST_F(QtWindow, StatusBarPartsEndAtTheirEdges) {
    OpenApplicationWindow(1000, 200);
    const qt::StatusBar& bar = *Frame()->status_bar();
    const int thirds[] = {3333, 3333, 3333};
    WindowStatusBarParts(3, thirds);
    EXPECT_EQ(RightEdges(bar), (std::vector<int>{333, 666, 999}));
    const int half[] = {5000, -1};
    WindowStatusBarParts(2, half);
    EXPECT_EQ(RightEdges(bar), (std::vector<int>{499, 1000}));
}

TEST_F(QtWindow, ScreenshotOfTheWindowWithMenuAndThreeParts) {
    OpenApplicationWindow(640, 240);
    const int thirds[] = {3333, 3333, 3333};
    WindowStatusBarParts(3, thirds);
    WindowOutStatusBar(1, "\tAnn Arbor, Michigan");
    WindowOutStatusBar(2, "\tQuillmoor Software, Inc.");
    WindowOutStatusBar(3, "\tFounded 1987");
    SettleFirstDisplay();
    QString folder = QStringLiteral(HEATWISE_BINARY_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    QPixmap shot = Frame()->grab();
    EXPECT_EQ(shot.size(), Frame()->size());
    EXPECT_TRUE(shot.save(folder + "/window.png"));
}

TEST_F(QtWindow, TheCloseBoxAsksAndTheWindowStays) {
    OpenApplicationWindow(300, 200);
    Post([] { Frame()->close(); });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_CLOSE);
    EXPECT_EQ(record.window, 0);
    EXPECT_TRUE(Frame()->isVisible());
    EXPECT_NE(Windows().by_slot[0].frame, nullptr);
    WindowClose();
    EXPECT_EQ(Windows().by_slot[0].frame, nullptr);
}

TEST_F(QtWindow, MenuCommandsFromTheRealMenu) {
    OpenApplicationWindow(300, 200);
    SettleFirstDisplay();
    QMenuBar* bar = Frame()->menu_bar();
    QAction* help = ActionWithId(bar, 40002);
    QAction* file = ActionWithId(bar, 40001);
    ASSERT_NE(help, nullptr);
    ASSERT_NE(file, nullptr);
    QMenu* file_menu = file->menu();
    MessageRecord record;

    // Clicking "&Help" on the bar.
    Post([bar, help] {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(help).center());
    });
    EXPECT_EQ(Wait(record), MSG_MENU);
    EXPECT_EQ(record.data1, 40002);

    // Opening "&File" gives nothing; choosing "E&xit" in it gives 40004.
    Post([bar, file] {
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(file).center());
    });
    Post([file_menu] {
        QAction* exit = ActionWithId(file_menu, 40004);
        ASSERT_TRUE(file_menu->isVisible());
        QTest::mouseClick(file_menu, Qt::LeftButton, {}, file_menu->actionGeometry(exit).center());
    });
    EXPECT_EQ(Wait(record), MSG_MENU);
    EXPECT_EQ(record.data1, 40004);
}

TEST_F(QtWindow, NestedPopUpsAreNumberedAndAcceleratorsChooseCommands) {
    WindowOpen2(7, WINDOW_CENTRED, WINDOW_CENTRED, 300, 200, 500);
    SettleFirstDisplay();
    QMenuBar* bar = Frame()->menu_bar();
    QAction* edit = ActionWithId(bar, 510);
    ASSERT_NE(edit, nullptr);
    QList<QAction*> items = edit->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->data().toInt(), 501);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[2]->data().toInt(), 520);
    QAction* deep = ActionWithId(items[2]->menu(), 502);
    ASSERT_NE(deep, nullptr);
    EXPECT_FALSE(deep->isEnabled());
    EXPECT_EQ(ActionWithId(bar, 504)->text(), "&Go");

    // An accelerator chooses its command and the key goes no further.
    qt::ClientArea* client = Client();
    Post([client] { QTest::keyClick(client, Qt::Key_F5, Qt::ShiftModifier); });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_MENU);
    EXPECT_EQ(record.data1, 503);
    Post([client] {
        QTest::keyClick(client, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(client, Qt::Key_F5);
    });
    EXPECT_EQ(Wait(record), MSG_MENU);
    EXPECT_EQ(record.data1, 501);
    EXPECT_EQ(Wait(record), MSG_KEY) << "F5 without Shift is no accelerator";
    EXPECT_EQ(record.data1, 305);
}

TEST_F(QtWindow, PromptsShowWhileAMenuIsOpenAndThePartsComeBack) {
    WindowOpen2(7 | WF_STATUSBAR, WINDOW_CENTRED, WINDOW_CENTRED, 300, 200, 500);
    WindowOutStatusBar(1, "Ready");
    SettleFirstDisplay();
    qt::StatusBar* status = Frame()->status_bar();
    QMenu* edit = ActionWithId(Frame()->menu_bar(), 510)->menu();
    edit->popup(Frame()->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit));
    ActionWithId(edit, 501)->hover();
    EXPECT_TRUE(status->showing_simple_text());
    EXPECT_EQ(status->simple_text(), "Copies the selection");
    ActionWithId(edit, 520)->hover();
    EXPECT_EQ(status->simple_text(), "") << "an item without a prompt shows an empty text";
    edit->hide();
    QCoreApplication::processEvents();
    EXPECT_FALSE(status->showing_simple_text());
    EXPECT_EQ(status->parts()[0].left, "Ready");
}

TEST_F(QtWindow, WithoutPromptsTheStatusBarStaysWhileMenusAreOpen) {
    OpenApplicationWindow(300, 200);
    SettleFirstDisplay();
    QMenu* file = ActionWithId(Frame()->menu_bar(), 40001)->menu();
    file->popup(Frame()->mapToGlobal(QPoint(0, 0)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    ActionWithId(file, 40004)->hover();
    EXPECT_FALSE(Frame()->status_bar()->showing_simple_text());
    file->hide();
}

TEST_F(QtWindow, APressOnTheMenuBarIsAFrameClickWhenEnabled) {
    OpenApplicationWindow(300, 200);
    SettleFirstDisplay();
    WMessageEnable(MSG_FRAME_CLICK, 1);
    QMenuBar* bar = Frame()->menu_bar();
    Post([bar] { QTest::mousePress(bar, Qt::RightButton, {}, QPoint(bar->width() - 5, 5)); });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_FRAME_CLICK);
    EXPECT_EQ(record.data1, 3);
}

}  // namespace
}  // namespace windlass::testing
