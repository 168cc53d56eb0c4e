// The main window on Qt's offscreen platform: frame, decorations, menu, accelerators, prompts,
// status bar and close box, driven with real mouse and key events. What the toolkit asks the
// platform for is checked on the recording platform in window_open_test.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "qt/qt_window_icon.h"
#include "resources/icon_directory.h"
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

// Clicks an item of the menu bar or of an open menu, as a user does.
template <typename Menu>
void ClickItem(Menu* menu, QAction* item) {
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
}

// The next message, which must be a menu command, and its command.
int NextCommand() {
    int type = 0;
    MessageRecord record;
    WMessage(type, record);
    EXPECT_EQ(type, MSG_MENU);
    return record.data1;
}

std::vector<int> RightEdges(const qt::StatusBar& bar) {
    std::vector<int> edges;
    for (const QRect& part : bar.PartRectangles()) {
        edges.push_back(part.x() + part.width());
    }
    return edges;
}

TEST_F(QtWindow, FlagsBecomeDecorationsAroundTheClientArea) {
    OpenMenuWindow(600, 300);
    qt::FrameWindow* frame = Frame();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->windowTitle(), "Test window");
    EXPECT_FALSE(frame->windowIcon().isNull());
    EXPECT_EQ(Client()->size(), QSize(600, 300));
    ASSERT_NE(frame->menu_bar(), nullptr);
    ASSERT_NE(frame->status_bar(), nullptr);
    EXPECT_EQ(frame->status_bar()->width(), 600);
    const int thirds[] = {3333, 3333, 3333};
    WindowStatusBarParts(3, thirds);
    EXPECT_EQ(RightEdges(*frame->status_bar()), (std::vector<int>{199, 398, 597}));
    EXPECT_EQ(frame->height(), frame->menu_bar()->height() + 300 + frame->status_bar()->height());
    EXPECT_NE(frame->minimumSize(), frame->maximumSize()) << "the window can be resized";
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(frame->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    WindowClose();
    WindowOpen2(WF_SYSMENU | WF_TOPMOST | WF_FIXEDSIZE, 10, 20, 300, 200);
    frame = Frame();
    EXPECT_EQ(frame->pos(), QPoint(10, 20));
    EXPECT_EQ(frame->menu_bar(), nullptr);
    EXPECT_EQ(frame->status_bar(), nullptr);
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "no sizing border";
    Qt::WindowFlags flags = frame->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    WindowClose();
    WindowOpen2(WF_HIDDEN | WF_SYSMENU, WINDOW_CENTRED, WINDOW_CENTRED, 200, 100);
    EXPECT_FALSE(Frame()->isVisible());
    WindowClose();
    WindowOpen2(WF_MAXIMISED | WF_SYSMENU | WF_MAXBOX, WINDOW_CENTRED, WINDOW_CENTRED, 200, 100);
    EXPECT_TRUE(Frame()->isMaximized());
}

// A window's icon draws each size from the image made for it, or else from the smallest image
// larger than asked, scaled down; a size beyond the largest image gets that image as it is. The
// program's icon holds images of 16, 32, 48 and 256 pixels.
TEST_F(QtWindow, TheIconDrawsEachSizeFromTheClosestImageOfItsFile) {
    ThePlatform().Windowing().Display();  // Pictures need the application.
    std::ifstream file(std::filesystem::path(HEATWISE_SOURCE_DIR) / "resources" / "heatwise.ico",
                       std::ios::binary);
    const std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
    const IconDirectory directory = ReadIconDirectory(bytes);
    ASSERT_EQ(directory.images.size(), 4u) << directory.problem;
    const auto image_of = [&](int index) {
        const IconImage& image = directory.images[static_cast<std::size_t>(index)];
        return QImage::fromData(image.bytes.data(), static_cast<int>(image.bytes.size()), "PNG")
            .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    };
    const QIcon icon = qt::WindowIconOf(bytes);
    const struct {
        int asked;
        int image;
    } cases[] = {{16, 0}, {32, 1}, {48, 2}, {256, 3}, {20, 1}, {40, 2}, {300, 3}};
    for (const auto& c : cases) {
        const auto drawn_at = [&](QIcon::Mode mode) {
            return icon.pixmap(QSize(c.asked, c.asked), mode)
                .toImage()
                .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        };
        const QImage drawn = drawn_at(QIcon::Normal);
        QImage expected = image_of(c.image);
        if (expected.width() > c.asked) {
            expected =
                expected.scaled(c.asked, c.asked, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        }
        EXPECT_EQ(drawn.size(), expected.size()) << c.asked;
        EXPECT_TRUE(drawn == expected) << c.asked << " pixels from image " << c.image;
        // The icon of a window that cannot be used is drawn greyed, as the style greys it.
        const QImage greyed = drawn_at(QIcon::Disabled);
        EXPECT_EQ(greyed.size(), expected.size()) << c.asked;
        EXPECT_FALSE(greyed == expected) << c.asked << " pixels, greyed";
    }
}

TEST_F(QtWindow, MenuItemsAcceleratorsAndPromptsWork) {
    OpenMenuWindow(300, 200);
    WindowOutStatusBar(1, "Ready");
    SettleFirstDisplay();
    // A closing menu uncovers the client area; its repaint is of no interest here.
    WMessageEnable(MSG_EXPOSE, 0);
    QMenuBar* bar = Frame()->menu_bar();
    QAction* go = ActionWithId(bar, 504);
    QMenu* edit = ActionWithId(bar, 510)->menu();
    QMenu* more = ActionWithId(edit, 520)->menu();
    ASSERT_TRUE(edit->actions().at(1)->isSeparator());
    EXPECT_FALSE(ActionWithId(more, 502)->isEnabled());
    // An accelerator chooses its command and the key goes no further; Ctrl+G is a letter key with
    // Ctrl, and F5 without Shift is no accelerator.
    qt::ClientArea* client = Client();
    Post([client] {
        QTest::keyClick(client, Qt::Key_F5, Qt::ShiftModifier);
        QTest::keyClick(client, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(client, Qt::Key_G, Qt::ControlModifier);
        QTest::keyClick(client, Qt::Key_F5);
    });
    EXPECT_EQ(std::vector<int>({NextCommand(), NextCommand(), NextCommand()}),
              std::vector<int>({503, 501, 504}));
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_KEY);
    EXPECT_EQ(record.data1, 305);
    // A command on the bar, and one in a pop-up that a click on the bar opens.
    Post([bar, go] { ClickItem(bar, go); });
    EXPECT_EQ(NextCommand(), 504);
    QAction* edit_on_bar = ActionWithId(bar, 510);
    Post([bar, edit_on_bar] { ClickItem(bar, edit_on_bar); });
    Post([edit] {
        ASSERT_TRUE(edit->isVisible());
        // The open menu shows the prompt of the highlighted item in the status bar.
        ActionWithId(edit, 501)->hover();
        EXPECT_TRUE(Frame()->status_bar()->showing_simple_text());
        EXPECT_EQ(Frame()->status_bar()->simple_text(), "Copies the selection");
        ActionWithId(edit, 520)->hover();
        EXPECT_EQ(Frame()->status_bar()->simple_text(), "") << "an item without a prompt";
        ClickItem(edit, ActionWithId(edit, 501));
    });
    EXPECT_EQ(NextCommand(), 501);
    QCoreApplication::processEvents();
    EXPECT_FALSE(Frame()->status_bar()->showing_simple_text());
    EXPECT_EQ(Frame()->status_bar()->parts()[0].left, "Ready");
}

// In a window without a status bar the menus work as in one with it, and no prompt is shown.
TEST_F(QtWindow, MenusWorkInAWindowWithoutAStatusBar) {
    WindowOpen2(7, WINDOW_CENTRED, WINDOW_CENTRED, 300, 200, 500, {}, 0, "Test window");
    SettleFirstDisplay();
    WMessageEnable(MSG_EXPOSE, 0);
    ASSERT_EQ(Frame()->status_bar(), nullptr);
    QMenuBar* bar = Frame()->menu_bar();
    QAction* edit_on_bar = ActionWithId(bar, 510);
    QMenu* edit = edit_on_bar->menu();
    Post([bar, edit_on_bar] { ClickItem(bar, edit_on_bar); });
    Post([edit] {
        ASSERT_TRUE(edit->isVisible());
        ActionWithId(edit, 501)->hover();
        ClickItem(edit, ActionWithId(edit, 501));
    });
    EXPECT_EQ(NextCommand(), 501);
    // The menu has closed; what follows its closing runs now.
    QCoreApplication::processEvents();
    EXPECT_FALSE(edit->isVisible());
}

TEST_F(QtWindow, TheCloseBoxAsksAndAPressOnTheMenuBarIsAFrameClickWhenEnabled) {
    OpenMenuWindow(300, 200);
    SettleFirstDisplay();
    WMessageEnable(MSG_FRAME_CLICK, 1);
    QMenuBar* bar = Frame()->menu_bar();
    Post([bar] {
        QTest::mousePress(bar, Qt::RightButton, {}, QPoint(bar->width() - 5, 5));
        Frame()->close();
    });
    MessageRecord record;
    EXPECT_EQ(Wait(record), MSG_FRAME_CLICK);
    EXPECT_EQ(record.data1, 3);
    EXPECT_EQ(Wait(record), MSG_CLOSE);
    EXPECT_EQ(record.window, 0);
    EXPECT_TRUE(Frame()->isVisible()) << "the window stays until the program closes it";
}

}  // namespace
}  // namespace windlass::testing
