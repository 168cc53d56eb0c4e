// Shared by the tests that run the program's own start-up and main loop on Qt's offscreen
// platform, against the real form, menu, help document and climate files, with real key and
// mouse events. The events are played from inside WMessage, where a user's would arrive. The
// tests reach the toolkit's own tables only through this fixture.
#pragma once

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bin_calc.h"
#include "climate_data.h"
#include "dialog/dialog_table.h"
#include "errors/message_box.h"
#include "form_ids.h"
#include "form_inputs.h"
#include "main_loop.h"
#include "message/message_queue.h"
#include "platform/platform.h"
#include "program_state.h"
#include "qt/help_viewer/qt_help_viewer.h"
#include "qt/help_viewer/qt_help_window.h"
#include "qt/qt_frame.h"
#include "qt/qt_platform.h"
#include "startup.h"
#include "support/counting_qt_platform.h"
#include "support/scratch_directory.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace heatwise::testing {

// The Qt platform with a bell that only counts, where no case expects a message box: one that
// shows (a climate file the program cannot use, say) fails the case with its text and is
// answered at once, instead of waiting for a click that never comes.
class WindowTestPlatform : public windlass::testing::CountingQtPlatform {
  public:
    WindowTestPlatform() {
        windowing_.answer_box = [](const windlass::MessageBoxRequest& request) {
            ADD_FAILURE() << "a message box showed: " << request.text;
            return windlass::ButtonAt(request.buttons, request.default_button);
        };
    }
};

class HeatwiseWindowTest : public ::testing::Test {
  public:
    HeatwiseWindowTest() {
        // The program reads its climate files from its working folder, which is the case's
        // own: cases of the same program run at the same time and must not see each other's
        // copies half written.
        for (const char* name : {kBinFileName, kDesignFileName}) {
            std::filesystem::copy_file(std::filesystem::path(HEATWISE_SOURCE_DIR) / "data" / name,
                                       name, std::filesystem::copy_options::overwrite_existing);
        }
        ResetToolkit();
        auto platform = std::make_unique<WindowTestPlatform>();
        platform_ = platform.get();
        previous_ = windlass::InstallPlatform(std::move(platform));
    }

    ~HeatwiseWindowTest() override {
        WHelpFile1("");
        ShutDown();
        windlass::UnloadAllDialogs();
        ResetToolkit();
        QCoreApplication::processEvents();
        windlass::InstallPlatform(std::move(previous_));
    }

    static void ResetToolkit() { windlass::testing::ResetToolkitState(); }

    // The program's start-up, then the window's first display, as a user first sees it.
    void Start() {
        StartUp(state_);
        ASSERT_NE(Frame(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        QCoreApplication::processEvents();
    }

    // The start-up, then a first pass, brought by a Tab out of the electric rate: the form as
    // the user sees it filled.
    void StartAndRunFirstPass() {
        Start();
        Act([] {
            Click(FLD_ELECTRIC_RATE);
            Press(Qt::Key_Tab);
        });
        ASSERT_NE(Shown(FLD_COST_COOLING), "0") << "the first pass has filled the form";
    }

    // Runs the program's main loop while `user` acts from inside it, and lets the loop end
    // with a click on the close box once everything the user did has been answered. The
    // quit flag is then cleared, so that a test may go on with the same window.
    void Act(std::function<void()> user) {
        RunLoopWhile([this, user = std::move(user)] {
            user();
            QCoreApplication::processEvents();
            Frame()->close();
        });
        state_.quit_flag = 0;
    }

    // Runs the program's main loop while `user` acts from inside it; the user must end the
    // loop. A loop still running after a generous while fails the test and is closed.
    void RunLoopWhile(std::function<void()> user) {
        QTimer::singleShot(0, QCoreApplication::instance(), std::move(user));
        QTimer watchdog;
        watchdog.setSingleShot(true);
        bool timed_out = false;
        QObject::connect(&watchdog, &QTimer::timeout, [this, &timed_out] {
            timed_out = true;
            // The flag is set here as well, so that a program whose close box no longer ends
            // the loop fails the test rather than hanging it.
            state_.quit_flag = 1;
            Frame()->close();
        });
        watchdog.start(20000);
        RunMainLoop(state_);
        watchdog.stop();
        EXPECT_FALSE(timed_out) << "the main loop did not end by itself";
    }

    static windlass::qt::FrameWindow* Frame() {
        return windlass::qt::ToFrame(windlass::Windows().by_slot[0].frame);
    }
    // The display that the program's main opens before the start-up.
    static void OpenDisplay() { windlass::ThePlatform().Windowing().Display(); }
    static bool MainWindowClosed() { return windlass::Windows().by_slot[0].frame == nullptr; }

    // Every control of the form with its id and widget, in template order.
    static std::vector<std::pair<int, QWidget*>> Controls() {
        std::vector<std::pair<int, QWidget*>> controls;
        if (windlass::DialogRecord* form = windlass::Dialogs().Embedded()) {
            for (const windlass::ControlRecord& control : form->controls) {
                controls.emplace_back(control.id, windlass::qt::ToWidget(control.handle));
            }
        }
        return controls;
    }

    // The platform's window of a field of the form, and its widget.
    static windlass::WindowHandle Handle(int id) {
        windlass::DialogRecord* form = windlass::Dialogs().Embedded();
        windlass::ControlRecord* control = form != nullptr ? form->Find(id) : nullptr;
        EXPECT_NE(control, nullptr) << "the form has field " << id;
        return control != nullptr ? control->handle : nullptr;
    }
    static QWidget* Field(int id) { return windlass::qt::ToWidget(Handle(id)); }

    // What a field shows, without the blanks around it.
    static std::string Shown(int id) {
        std::string text = windlass::ThePlatform().Controls().ControlText(Handle(id));
        std::size_t first = text.find_first_not_of(' ');
        std::size_t last = text.find_last_not_of(' ');
        return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    }

    // Whether the program waits for the user, with every message of the last act answered.
    static bool ProgramWaits() {
        return windlass::Messages().waiting() && !windlass::Messages().HasQueued();
    }

    // The help window, once Help has opened it.
    static QWidget* HelpWindow() { return windlass::qt::OpenHelpWindow(); }

    // What the bin method gives for these inputs on the committed climate files, for
    // comparison with what the form shows after a pass; `carried_heating_cost` is what the
    // pass before left for the heating cost.
    static BinCalcResult EngineResult(const FormInputs& inputs, double carried_heating_cost = 0.0) {
        static const ClimateTables climate = LoadClimateTables(HEATWISE_SOURCE_DIR "/data");
        return ComputeBinCosts(MakeBinCalcInput(inputs, climate), carried_heating_cost);
    }

    // A field's number as the program reads it.
    static int Number(int id) {
        int value = 0;
        WDialogGetInteger(id, value);
        return value;
    }

    // The control of the form that holds the main window's focus, 0 when none does (the menu
    // bar may hold the keyboard for a while).
    static int FocusedId() {
        QWidget* focused = Frame()->focusWidget();
        for (const auto& [id, widget] : Controls()) {
            if (widget != nullptr && focused != nullptr &&
                (widget == focused || widget->isAncestorOf(focused))) {
                return id;
            }
        }
        return 0;
    }

    // A user's click on a field, and keys to the widget with the focus.
    static void Click(int id) { QTest::mouseClick(Field(id), Qt::LeftButton); }
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void Type(const char* text) { QTest::keyClicks(QApplication::focusWidget(), text); }

    // Clicks into a number field, wipes its text with the keyboard and types a new one.
    static void Retype(int id, const char* text) {
        Click(id);
        Press(Qt::Key_End);
        for (std::size_t left = Shown(id).size(); left > 0; --left) {
            Press(Qt::Key_Backspace);
        }
        Type(text);
    }

    // The entry of the menu bar with this text, such as "&File", and a user's click on one.
    static QAction* MenuBarEntry(const QString& text) {
        for (QAction* action : Frame()->menu_bar()->actions()) {
            if (action->text() == text) {
                return action;
            }
        }
        ADD_FAILURE() << "no " << text.toStdString() << " on the menu bar";
        return nullptr;
    }
    static void ClickOnMenuBar(QAction* entry) {
        QMenuBar* bar = Frame()->menu_bar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
    }

    // Opens the city list with a click and clicks entry `city` (1-based) in it.
    static void ChooseCity(int city) {
        auto* list = qobject_cast<QComboBox*>(Field(FLD_CITY));
        ASSERT_NE(list, nullptr);
        QTest::mouseClick(list, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list->view()->window()));
        ClickListEntry(list->view(), city);
    }

    // Clicks entry `city` of the open city list.
    static void ClickListEntry(QAbstractItemView* view, int city) {
        // The open list takes no click until a double-click's time has passed, so that the
        // release of the click that opened it chooses nothing.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QModelIndex entry = view->model()->index(city - 1, 0);
        // Scrolled to the middle of the list, clear of the arrows that scroll it when the mouse
        // rests at its top or bottom edge.
        view->scrollTo(entry, QAbstractItemView::PositionAtCenter);
        QTest::qWait(50);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    }

    windlass::testing::ScratchDirectory scratch_;
    ProgramState state_;
    WindowTestPlatform* platform_ = nullptr;

  private:
    std::unique_ptr<windlass::Platform> previous_;
};

}  // namespace heatwise::testing
