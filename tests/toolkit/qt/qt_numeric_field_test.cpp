// Numeric fields on the offscreen platform: every typed character through the toolkit, the
// focus that stays in a field the toolkit will not let go, without any other control seeing it
// for a moment, and which field holds the focus whose value is checked before it may leave:
// another control takes it away, while another window, a popup or the menu bar only borrow it.
// Focus that comes back from a popup (the field's own context menu) is no new arrival, for the
// field nor for its dialog.
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QObject>
#include <QTest>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "qt/qt_numeric_edit.h"
#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using ::testing::ElementsAre;
using QtNumericField = QtTestDialog;

// Counts the focus events the watched widgets receive between them.
class FocusInCounter : public QObject {
  public:
    void Watch(QWidget* widget) { widget->installEventFilter(this); }
    int focus_ins = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) {
            ++focus_ins;
        }
        return false;
    }
};

// A rule for a field, as the toolkit could answer: a letter is dropped with a beep, an 'e'
// goes in upper case, and everything else goes in as typed.
CharacterVerdict RealFieldRule(int character) {
    if (character == 'e') {
        return {CharacterVerdict::Kind::Insert, 'E', false};
    }
    bool letter = character >= 'a' && character <= 'z';
    return {letter ? CharacterVerdict::Kind::Drop : CharacterVerdict::Kind::Insert, character,
            letter};
}

TEST_F(QtNumericField, EveryTypedCharacterGoesThroughTheToolkit) {
    listener_.characters = RealFieldRule;
    ShowActive(101);
    Type("1a2e");
    EXPECT_EQ(TextOf(101), "12E");
    EXPECT_EQ(platform_->beeps, 1) << "the dropped 'a'";
    EXPECT_TRUE(ModifiedOf(101));
    EXPECT_THAT(listener_.Only({"char"}),
                ElementsAre("char 101 49", "char 101 97", "char 101 50", "char 101 101"));
    // Keys go down before their characters; the Delete key has no character.
    listener_.log.clear();
    Press(Qt::Key_Home);
    Press(Qt::Key_Delete);
    EXPECT_THAT(listener_.Only({"key", "char"}), ElementsAre("key 101 36", "key 101 46"));
    EXPECT_EQ(TextOf(101), "2E");
    // A dropped character without the toolkit's beep is silent.
    listener_.characters = [](int) {
        return CharacterVerdict{CharacterVerdict::Kind::Drop, 0, false};
    };
    Type("9");
    EXPECT_EQ(TextOf(101), "2E");
    EXPECT_EQ(platform_->beeps, 1);
}

// The spin keys ask the toolkit for a step; the toolkit writes the text.
TEST_F(QtNumericField, SpinKeysAskTheToolkitToStep) {
    ShowActive(106);
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown}) {
        Press(key);
    }
    EXPECT_THAT(listener_.Only({"spin"}),
                ElementsAre("spin 106 1", "spin 106 -1", "spin 106 5", "spin 106 -5"));
    EXPECT_EQ(TextOf(106), "72");
}

// The arrow held down is drawn pressed in, lit from below, and only while it is held; the other
// stands out, lit from above.
TEST_F(QtNumericField, TheArrowHeldDownIsDrawnPressedInAndKeepsStepping) {
    ShowActive();
    QWidget* arrows = As<qt::NumericEdit>(106)->arrows();
    ASSERT_NE(arrows, nullptr);
    const int half = arrows->height() / 2;
    // Whether each half, up then down, is lit from above: its top edge lighter than its bottom.
    auto lit_from_above = [&] {
        const QImage shot = arrows->grab().toImage();
        const double ratio = shot.devicePixelRatio();
        std::vector<bool> lit;
        for (auto [top, end] : {std::pair(0, half), std::pair(half, arrows->height())}) {
            const int x = shot.width() / 2;
            lit.push_back(shot.pixelColor(x, static_cast<int>(top * ratio)).lightness() >
                          shot.pixelColor(x, static_cast<int>(end * ratio) - 1).lightness());
        }
        return lit;
    };
    EXPECT_THAT(lit_from_above(), ElementsAre(true, true));
    for (auto [at, pressed] : {std::pair(QPoint(4, 2), ElementsAre(false, true)),
                               std::pair(QPoint(4, half + 2), ElementsAre(true, false))}) {
        QTest::mousePress(arrows, Qt::LeftButton, {}, at);
        EXPECT_THAT(lit_from_above(), pressed) << at.y();
        QTest::mouseRelease(arrows, Qt::LeftButton, {}, at);
        EXPECT_THAT(lit_from_above(), ElementsAre(true, true)) << at.y();
    }
    EXPECT_THAT(listener_.Only({"spin"}), ElementsAre("spin 106 1", "spin 106 -1"));

    // Held down, an arrow goes on stepping, after a first pause, for as long as it is held.
    listener_.log.clear();
    QTest::mousePress(arrows, Qt::LeftButton, {}, QPoint(4, 2));
    const auto steps = [&] { return listener_.Only({"spin"}).size(); };
    EXPECT_TRUE(QTest::qWaitFor([&] { return steps() >= 4; }, 10000)) << steps() << " steps";
    QTest::mouseRelease(arrows, Qt::LeftButton, {}, QPoint(4, 2));
    EXPECT_THAT(listener_.Only({"spin"}), ::testing::Each("spin 106 1"));
}

// The field holds the focus until another control takes it; the dialog hears of a control's
// focus when it arrives, not when it comes back to the control that had it from another window,
// a popup or the menu bar.
TEST_F(QtNumericField, FocusLentToAnotherWindowComesBackUnannouncedAndLeavesTheFieldHoldingIt) {
    struct Reason {
        Qt::FocusReason reason;
        bool borrowed;  // lent to another window, a popup or the menu bar
    };
    const Reason reasons[] = {{Qt::MouseFocusReason, false},   {Qt::TabFocusReason, false},
                              {Qt::BacktabFocusReason, false}, {Qt::ShortcutFocusReason, false},
                              {Qt::OtherFocusReason, false},   {Qt::ActiveWindowFocusReason, true},
                              {Qt::PopupFocusReason, true},    {Qt::MenuBarFocusReason, true}};
    ShowActive();
    ASSERT_EQ(FocusedId(), 101);
    auto* field = As<qt::NumericEdit>(101);
    ASSERT_NE(field, nullptr);
    auto send = [](QWidget* to, QEvent::Type type, Qt::FocusReason reason) {
        QFocusEvent event(type, reason);
        QCoreApplication::sendEvent(to, &event);
    };
    const std::vector<std::string> arrival = {"numeric-focus 101", "focus 101"};
    for (const Reason& r : reasons) {
        listener_.log.clear();
        send(field, QEvent::FocusIn, r.reason);
        QCoreApplication::processEvents();
        EXPECT_EQ(listener_.Only({"numeric-focus", "focus"}),
                  r.borrowed ? std::vector<std::string>{} : arrival)
            << "back " << r.reason;
    }
    for (const Reason& r : reasons) {
        qt::NumericEdit::ReleaseHolder();
        send(field, QEvent::FocusIn, r.reason);
        EXPECT_EQ(qt::NumericEdit::Holder(), r.reason == Qt::PopupFocusReason ? nullptr : field)
            << "in " << r.reason;
        send(field, QEvent::FocusIn, Qt::TabFocusReason);
        send(As<qt::NumericEdit>(106), QEvent::FocusOut, r.reason);
        send(field, QEvent::FocusOut, r.reason);
        EXPECT_EQ(qt::NumericEdit::Holder(), r.borrowed ? field : nullptr) << "out " << r.reason;
    }
}

// Only the toolkit knows which windows are exempt from the check; the backend asks for a press
// in any other window as it does for one in the field's own.
TEST_F(QtNumericField, APressInAnotherWindowAsksTheFieldThatHoldsTheFocus) {
    ShowActive(101);
    QWidget other;
    auto* edit = new QLineEdit(&other);
    other.move(Dialog()->frameGeometry().bottomRight() + QPoint(20, 20));
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    listener_.refuse_leaving = true;
    listener_.log.clear();
    QTest::mouseClick(edit, Qt::LeftButton);
    // Refused, the field's window is the active one again.
    EXPECT_THAT(listener_.log, ElementsAre("leaving 101 to none", "activate"));
    EXPECT_EQ(FocusedId(), 101);
    EXPECT_FALSE(edit->hasFocus());
    // Let go once, the field is asked again only when the focus is back in it.
    listener_.refuse_leaving = false;
    listener_.log.clear();
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::mouseClick(edit, Qt::LeftButton);
    EXPECT_THAT(listener_.log, ElementsAre("leaving 101 to none"));
}

class RefusedMove : public QtNumericField {
  protected:
    void SetUp() override {
        ASSERT_NO_FATAL_FAILURE(QtNumericField::SetUp());
        ShowActive(101);
        As<QLineEdit>(101)->deselect();
        for (int position = 0; position < template_->control_count; ++position) {
            QWidget* control = qt::ToWidget(Controls().Control(dialog_, position));
            if (control != Widget(101)) {
                others_.Watch(control);
            }
        }
        listener_.refuse_leaving = true;
        listener_.log.clear();
    }

    // The field keeps the focus with its text selected, and nothing else saw the focus.
    void ExpectFocusKept() {
        EXPECT_EQ(FocusedId(), 101);
        EXPECT_EQ(As<QLineEdit>(101)->selectedText(), "0.08");
        EXPECT_EQ(others_.focus_ins, 0) << "no other control saw a focus event";
        EXPECT_THAT(listener_.Notices(), ElementsAre());
    }

    FocusInCounter others_;
};

TEST_F(RefusedMove, TabAndShiftTab) {
    Press(Qt::Key_Tab);
    EXPECT_THAT(listener_.log, ElementsAre("key 101 9", "leaving 101 to 103"));
    ExpectFocusKept();
    listener_.log.clear();
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_THAT(listener_.log, ElementsAre("key 101 16", "key 101 9", "leaving 101 to 2"))
        << "Shift goes down first";
    ExpectFocusKept();
}

TEST_F(RefusedMove, MouseClicksOnOtherControls) {
    for (int id : {103, 111, 122, 141, 143, 1}) {
        listener_.log.clear();
        Click(id);
        EXPECT_THAT(listener_.log, ElementsAre("leaving 101 to " + std::to_string(id)));
        ExpectFocusKept();
    }
    EXPECT_EQ(CheckOf(122), 0) << "the refused click did not click";
    // Clicking the field itself, or a label that takes no focus, asks nothing.
    listener_.log.clear();
    Click(101);
    Click(100);
    EXPECT_THAT(listener_.log, ElementsAre());
}

}  // namespace
}  // namespace windlass::testing
