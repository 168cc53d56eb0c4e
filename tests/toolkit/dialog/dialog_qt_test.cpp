// The dialog manager over the real Qt dialogs on the offscreen platform: the program's form in
// the main window, its companion text, and a user's keys and clicks turned into the messages
// and refusals the program expects.
#include <QApplication>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/form_ids.h"
#include "dialog/dialog_manager.h"
#include "dialog/dialog_table.h"
#include "errors/window_hooks.h"
#include "init/settings.h"
#include "message/message_queue.h"
#include "numeric/validation_state.h"
#include "platform/qt/qt_platform.h"
#include "windlass/windlass.h"
#include "window/form_embedding.h"
#include "window/window_table.h"

namespace windlass::testing {
namespace {

// The Qt platform with a bell that only counts.
class CountingQtPlatform : public qt::QtPlatform {
  public:
    void Beep() override { ++beeps; }
    int beeps = 0;
};

class FormOnQt : public ::testing::Test {
  protected:
    FormOnQt() {
        Reset();
        auto platform = std::make_unique<CountingQtPlatform>();
        platform_ = platform.get();
        previous_ = InstallPlatform(std::move(platform));
        InstallDialogManager();
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, MENU_MAIN, {}, DLG_MAIN, "Heatwise");
    }
    ~FormOnQt() override {
        WindowClose();
        QCoreApplication::processEvents();
        Reset();
        InstallPlatform(std::move(previous_));
    }

    static void Reset() {
        ForgetInitialisation();
        Windows() = WindowTable{};
        Messages() = MessageQueue{};
        Hooks() = WindowHooks{};
        Embedding() = FormEmbedding{};
        Dialogs() = DialogTable{};
        Validation() = ValidationState{};
    }

    QWidget* Widget(int id) { return qt::ToWidget(Dialogs().Current()->Find(id)->handle); }

    // Waits until the main window is active, then puts the user in field `id`.
    void UserIn(int id) {
        QWidget* frame = qt::ToWidget(Windows().by_slot[kMainWindowSlot].frame);
        ASSERT_TRUE(QTest::qWaitForWindowActive(frame));
        QTest::mouseClick(Widget(id), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), Widget(id));
    }

    // The field-changed messages raised so far, as (previous, current) pairs.
    std::vector<std::pair<int, int>> FieldMessages() {
        std::vector<std::pair<int, int>> taken;
        while (Messages().HasQueued()) {
            RaisedMessage message = Messages().Next(Windows(), [] {});
            if (message.type == MSG_FIELD) {
                taken.emplace_back(message.record.data1, message.record.data2);
            }
        }
        return taken;
    }

    CountingQtPlatform* platform_ = nullptr;

  private:
    std::unique_ptr<Platform> previous_;
};

TEST_F(FormOnQt, TheFormFillsTheWindowWithItsCompanionTextApplied) {
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(CurrentDialogId(), DLG_MAIN);
    int city = 0;
    std::string name(10, ' ');
    WDialogGetMenu1(FLD_CITY, city, name);
    EXPECT_EQ(city, 1);
    EXPECT_EQ(name, "austin, TX");
    int mode = 0;
    WDialogGetRadioButton(FLD_MODE_HEATING, mode);
    EXPECT_EQ(mode, 1);
    int fuel = 0;
    WDialogGetRadioButton(FLD_FUEL_GAS, fuel);
    EXPECT_EQ(fuel, 1);
    float rate = 0.0f;
    WDialogGetReal(FLD_ELECTRIC_RATE, rate);
    EXPECT_EQ(rate, 0.08f);
    WDialogPutReal(FLD_ELECTRIC_RATE, 0.08f, "(F4.2)");
    std::string text(6, '?');
    WDialogGetString(FLD_ELECTRIC_RATE, text);
    EXPECT_EQ(text, "0.08  ");
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(FormOnQt, ARateOutsideItsRangeKeepsTheFocusAndARateInsideLetsItGo) {
    WDialogRangeReal(FLD_ELECTRIC_RATE, 0.05f, 0.35f);
    WMessageEnable(MSG_FIELD, 1);
    UserIn(FLD_ELECTRIC_RATE);
    FieldMessages();
    QTest::keyClick(Widget(FLD_ELECTRIC_RATE), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Widget(FLD_ELECTRIC_RATE), "0.05");
    QTest::keyClick(Widget(FLD_ELECTRIC_RATE), Qt::Key_Tab);
    EXPECT_EQ(platform_->beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), Widget(FLD_ELECTRIC_RATE));
    EXPECT_TRUE(FieldMessages().empty());
    QTest::keyClicks(Widget(FLD_ELECTRIC_RATE), "0.06");
    QTest::keyClick(Widget(FLD_ELECTRIC_RATE), Qt::Key_Tab);
    EXPECT_EQ(platform_->beeps, 1);
    EXPECT_NE(QApplication::focusWidget(), Widget(FLD_ELECTRIC_RATE));
    auto messages = FieldMessages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].first, FLD_ELECTRIC_RATE);
    float rate = 0.0f;
    WDialogGetReal(FLD_ELECTRIC_RATE, rate);
    EXPECT_EQ(rate, 0.06f);
}

TEST_F(FormOnQt, LettersAreKeptOutOfANumericField) {
    UserIn(FLD_ELECTRIC_RATE);
    QTest::keyClick(Widget(FLD_ELECTRIC_RATE), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Widget(FLD_ELECTRIC_RATE), "1x5e");
    EXPECT_EQ(platform_->beeps, 1);
    std::string text(5, '?');
    WDialogGetString(FLD_ELECTRIC_RATE, text);
    EXPECT_EQ(text, "15E  ");
}

TEST_F(FormOnQt, ARadioClickFromAnotherFieldPostsTwoMessages) {
    WMessageEnable(MSG_FIELD, 1);
    UserIn(FLD_ELECTRIC_RATE);
    FieldMessages();
    QTest::mouseClick(Widget(FLD_MODE_HEATING), Qt::LeftButton);
    auto messages = FieldMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], std::make_pair(FLD_ELECTRIC_RATE, FLD_MODE_HEATING));
    EXPECT_EQ(messages[1], std::make_pair(FLD_MODE_HEATING, FLD_MODE_HEATING));
    int mode = 0;
    WDialogGetRadioButton(FLD_MODE_COOLING, mode);
    EXPECT_EQ(mode, 2);
}

}  // namespace
}  // namespace windlass::testing
