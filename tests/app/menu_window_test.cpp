// The menu bar and the close box while the program's main loop runs: Help opens the help
// document and the loop goes on; File > Exit and the close box end the loop.
#include <QMenu>

#include "form_ids.h"
#include "heatwise_window_test.h"
#include "qt/qt_help_finder.h"
#include "qt/qt_help_viewer.h"
#include "qt/qt_help_window.h"

namespace heatwise::testing {
namespace {

using MenuWindow = HeatwiseWindowTest;

void ClickOnBar(const QString& text) {
    HeatwiseWindowTest::ClickOnMenuBar(HeatwiseWindowTest::MenuBarEntry(text));
}

void ChooseFileExit() {
    ClickOnBar("&File");
    QMenu* file = HeatwiseWindowTest::MenuBarEntry("&File")->menu();
    ASSERT_NE(file, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QAction* exit = file->actions().value(0);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), "E&xit");
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(exit).center());
}

TEST_F(MenuWindow, HelpOpensTheOneHelpWindowAtItsContentsAndTheLoopGoesOn) {
    Start();
    int quit_flag_after_help = -1;

    Act([this, &quit_flag_after_help] {
        ClickOnBar("&Help");
        QCoreApplication::processEvents();
        quit_flag_after_help = state_.quit_flag;
    });

    EXPECT_EQ(quit_flag_after_help, 0);
    windlass::qt::HelpWindow* help = windlass::qt::OpenHelpWindow();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Heatwise Help");
    EXPECT_EQ(help->current_topic(), 1) << "the contents topic";
    ASSERT_NE(help->finder(), nullptr);
    EXPECT_TRUE(help->finder()->isVisible()) << "HELP.CNT beside the program opens the finder";
    EXPECT_TRUE(Frame()->isVisible()) << "the main window stays open";

    // Help again shows the same window, not a second one.
    help->hide();
    Act([] { ClickOnBar("&Help"); });

    EXPECT_EQ(windlass::qt::OpenHelpWindow(), help);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(MenuWindow, FileExitEndsTheLoop) {
    Start();

    RunLoopWhile([] { ChooseFileExit(); });

    EXPECT_EQ(state_.quit_flag, 1);
    ShutDown();
    EXPECT_EQ(windlass::Windows().by_slot[0].frame, nullptr) << "the main window is closed";
}

TEST_F(MenuWindow, TheCloseBoxEndsTheLoopAsExitDoes) {
    Start();

    RunLoopWhile([] { Frame()->close(); });

    EXPECT_EQ(state_.quit_flag, 1);
    EXPECT_TRUE(Frame()->isVisible()) << "the close box only asks; the program closes";
    ShutDown();
    EXPECT_EQ(windlass::Windows().by_slot[0].frame, nullptr);
}

// Chooses File > Exit once the program's window is up and its form filled.
void ExitOnceStarted() {
    windlass::qt::FrameWindow* frame = HeatwiseWindowTest::Frame();
    if (frame == nullptr || !frame->isActiveWindow() ||
        HeatwiseWindowTest::Shown(FLD_ELECTRIC_RATE) != "0.08") {
        QTimer::singleShot(50, QCoreApplication::instance(), ExitOnceStarted);
        return;
    }
    ChooseFileExit();
}

TEST_F(MenuWindow, TheWholeProgramStartsRunsAndStopsOnExit) {
    windlass::ThePlatform().Windowing().Display();
    QTimer::singleShot(0, QCoreApplication::instance(), ExitOnceStarted);

    EXPECT_EQ(RunHeatwise(), 0);

    EXPECT_EQ(windlass::Windows().by_slot[0].frame, nullptr);
}

}  // namespace
}  // namespace heatwise::testing
