// Shared by the tests of the dialog layer on the real Qt platform: a fixture that opens the
// main window with a form as its client area, on the offscreen platform, with a bell that
// counts, and helpers that play the user and collect what the program would hear.
#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "dialog/dialog_manager.h"
#include "dialog/dialog_table.h"
#include "qt/qt_platform.h"
#include "support/counting_qt_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass::testing {

// One message as WMessage hands it to the program.
struct TakenMessage {
    int type = 0;
    MessageRecord record;
};

class FormOnQt : public ::testing::Test {
  protected:
    FormOnQt() {
        ResetToolkitState();
        auto platform = std::make_unique<CountingQtPlatform>();
        platform_ = platform.get();
        previous_ = InstallPlatform(std::move(platform));
        InstallDialogManager();
    }
    ~FormOnQt() override {
        WindowClose();
        QCoreApplication::processEvents();
        ResetToolkitState();
        InstallPlatform(std::move(previous_));
    }

    // Opens the main window with form `form_id` as its client area, as the program does.
    void Open(int form_id) {
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, form_id, "Form");
    }

    static QWidget* Frame() { return qt::ToWidget(Windows().by_slot[kMainWindowSlot].frame); }
    static QWidget* Form() { return qt::ToWidget(Dialogs().Current()->window); }
    static QWidget* Widget(int id) { return qt::ToWidget(Dialogs().Current()->Find(id)->handle); }

    // Waits until the main window is active, then clicks the user into field `id`.
    static void UserIn(int id) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        QTest::mouseClick(Widget(id), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), Widget(id));
    }

    // Every message that the user's actions so far have raised, taken through WMessage. Only
    // messages already queued are taken, so that WMessage never waits for a user.
    static std::vector<TakenMessage> TakeMessages() {
        std::vector<TakenMessage> taken;
        while (Messages().HasQueued()) {
            TakenMessage message;
            WMessage(message.type, message.record);
            taken.push_back(message);
        }
        return taken;
    }

    // The field-changed messages among them, as (previous, current) pairs.
    static std::vector<std::pair<int, int>> FieldMessages() {
        std::vector<std::pair<int, int>> fields;
        for (const TakenMessage& message : TakeMessages()) {
            if (message.type == MSG_FIELD) {
                fields.emplace_back(message.record.data1, message.record.data2);
            }
        }
        return fields;
    }

    CountingQtPlatform* platform_ = nullptr;

  private:
    std::unique_ptr<Platform> previous_;
};

}  // namespace windlass::testing
