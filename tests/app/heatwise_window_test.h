// Shared by the tests that run the program's own start-up and main loop on Qt's offscreen
// platform, against the real form, menu, help document and climate files, with real key and
// mouse events played from inside WMessage, where a user's would arrive.
#pragma once

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "dialog/dialog_table.h"
#include "engine/climate_data.h"
#include "form_ids.h"
#include "main_loop.h"
#include "qt/qt_frame.h"
#include "startup.h"
#include "support/counting_qt_platform.h"
#include "support/scratch_directory.h"
#include "support/toolkit_reset.h"
#include "window/window_table.h"

namespace heatwise::testing {

// A number field the user may type into and the bounds its range holds it to, the real ones
// single-precision values widened exactly, as the field holds them.
struct InputField {
    int id;
    bool whole_number;
    double minimum, maximum;

    // The numbers a user writes for the field, whole or in hundredths, from the smallest to
    // the largest inside its range, and one of them as the user writes it.
    int Low() const { return static_cast<int>(std::ceil(minimum * (whole_number ? 1 : 100))); }
    int High() const { return static_cast<int>(std::floor(maximum * (whole_number ? 1 : 100))); }
    std::string Written(int number) const {
        char written[32];
        std::snprintf(written, sizeof written, "%s%d.%02d", number < 0 ? "-" : "",
                      std::abs(number) / 100, std::abs(number) % 100);
        return whole_number ? std::to_string(number) : std::string(written);
    }
};
// clang-format off
inline const InputField kInputFields[] = {
    {FLD_TSTAT_HOURS_1, true, 0, 8}, {FLD_TSTAT_SUMMER_1, true, 65, 94},
    {FLD_TSTAT_WINTER_1, true, 40, 84}, {FLD_TSTAT_HOURS_2, true, 0, 8},
    {FLD_TSTAT_SUMMER_2, true, 65, 94}, {FLD_TSTAT_WINTER_2, true, 40, 84},
    {FLD_TSTAT_HOURS_3, true, 0, 8}, {FLD_TSTAT_SUMMER_3, true, 65, 94},
    {FLD_TSTAT_WINTER_3, true, 40, 84}, {FLD_COOL_CAPACITY, true, 0, 240000},
    {FLD_HEAT_CAPACITY, true, 0, 240000}, {FLD_HEAT_EFF, true, 50, 250},
    {FLD_ELECTRIC_RATE, false, static_cast<double>(0.05f), static_cast<double>(0.35f)},
    {FLD_FUEL_PRICE, false, 0.0, 10.0}, {FLD_COOL_EER, false, 4.0, 15.0}};
// clang-format on

class HeatwiseWindowTest : public ::testing::Test {
  public:
    HeatwiseWindowTest() {
        // The program reads its climate files from its working folder, the case's own.
        for (const char* name : {kBinFileName, kDesignFileName}) {
            std::filesystem::copy_file(std::filesystem::path(HEATWISE_SOURCE_DIR) / "data" / name,
                                       name, std::filesystem::copy_options::overwrite_existing);
        }
        windlass::testing::ResetToolkitState();
        auto platform = std::make_unique<windlass::testing::CountingQtPlatform>();
        platform_ = platform.get();
        // No case expects a message box: one that shows fails the case and is answered at once.
        static_cast<windlass::testing::CountingQtWindowing&>(platform_->Windowing()).answer_box =
            [](const windlass::MessageBoxRequest& request) {
                ADD_FAILURE() << "a message box showed: " << request.text;
                return windlass::ButtonAt(request.buttons, request.default_button);
            };
        previous_ = windlass::InstallPlatform(std::move(platform));
    }

    ~HeatwiseWindowTest() override {
        WHelpFile1("");
        ShutDown();
        windlass::UnloadAllDialogs();
        windlass::testing::ResetToolkitState();
        QCoreApplication::processEvents();
        windlass::InstallPlatform(std::move(previous_));
    }

    // The program's start-up, then the window's first display, as a user first sees it.
    void Start() {
        StartUp(state_);
        ASSERT_NE(Frame(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        QCoreApplication::processEvents();
    }

    // Runs the program's main loop while `user` acts from inside it, then ends the loop with
    // the close box and clears the quit flag, so that the test may go on with the same window.
    void Act(std::function<void()> user) {
        QTimer::singleShot(0, QCoreApplication::instance(), [user = std::move(user)] {
            user();
            QCoreApplication::processEvents();
            Frame()->close();
        });
        RunMainLoop(state_);
        state_.quit_flag = 0;
    }

    static windlass::qt::FrameWindow* Frame() {
        return windlass::qt::ToFrame(windlass::Windows().by_slot[0].frame);
    }

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

    static QWidget* Field(int id) {
        windlass::DialogRecord* form = windlass::Dialogs().Embedded();
        windlass::ControlRecord* control = form != nullptr ? form->Find(id) : nullptr;
        EXPECT_NE(control, nullptr) << "the form has field " << id;
        return control != nullptr ? windlass::qt::ToWidget(control->handle) : nullptr;
    }

    // What a number field shows.
    static std::string Shown(int id) {
        auto* edit = qobject_cast<QLineEdit*>(Field(id));
        return edit != nullptr ? edit->text().toStdString() : std::string();
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

    // A user's key to the widget with the focus.
    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    windlass::testing::ScratchDirectory scratch_;
    ProgramState state_;
    windlass::testing::CountingQtPlatform* platform_ = nullptr;

  private:
    std::unique_ptr<windlass::Platform> previous_;
};

}  // namespace heatwise::testing
