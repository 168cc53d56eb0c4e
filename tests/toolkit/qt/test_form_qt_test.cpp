// A small form in the main window on the real Qt platform, driven with real key presses and
// clicks: what numeric fields let the user type, the focus they keep while their text is out
// of range, the field messages the program hears, and push buttons pressed while a field is
// invalid.
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "form_on_qt.h"

namespace windlass::testing {
namespace {

// The fields of form 500, in tab order.
constexpr int kForm = 500;
constexpr int kHours = 510;  // INTEGEREDIT held to 0 to 8 by the companion text.
constexpr int kCount = 511;  // INTEGEREDIT without a range.
constexpr int kRate = 512;   // REALEDIT without a range.
constexpr int kPrice = 513;  // REALEDIT showing 0.08.
constexpr int kCooling = 520;
constexpr int kHeating = 521;   // A plain radio button, made automatic when the form loads.
constexpr int kWeekends = 530;  // A plain check box, made automatic likewise.
constexpr int kCity = 540;
constexpr int kOk = 1;
constexpr int kApply = 550;

class TestFormOnQt : public FormOnQt {
  protected:
    TestFormOnQt() {
        Open(kForm);
        WMessageEnable(MSG_FIELD, 1);
    }

    static QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(Widget(id)); }
    static std::string Text(int id) { return Edit(id)->text().toStdString(); }

    // Replaces the text of the focused field by typing, as a user does.
    static void Retype(int id, const char* text) {
        QTest::keyClick(Widget(id), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(Widget(id), Qt::Key_Delete);
        QTest::keyClicks(Widget(id), text);
    }
};

// A way the user may try to leave a field: a key press, or a click on another control.
struct WayOut {
    const char* what;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int click;

    friend void PrintTo(const WayOut& way, std::ostream* out) { *out << way.what; }
};

class HourOutOfRange : public TestFormOnQt, public ::testing::WithParamInterface<WayOut> {};

// Each way is tried on a fresh form: a refusal already met (by Tab) would decide a later one.
TEST_P(HourOutOfRange, KeepsTheFocusWithItsTextSelectedAndRaisesNothing) {
    UserIn(kHours);
    QTest::keyClicks(Widget(kHours), "9");
    TakeMessages();
    const WayOut& way = GetParam();
    if (way.click != 0) {
        QTest::mouseClick(Widget(way.click), Qt::LeftButton);
    } else {
        QTest::keyClick(Widget(kHours), way.key, way.modifiers);
    }
    EXPECT_EQ(platform_->beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), Widget(kHours));
    EXPECT_EQ(Edit(kHours)->selectedText().toStdString(), "9");
    EXPECT_TRUE(TakeMessages().empty()) << "no field message, and no button pressed";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, HourOutOfRange,
    ::testing::Values(
        WayOut{"Tab", Qt::Key_Tab, Qt::NoModifier, 0},
        // Backwards from the first field the focus would go round to the last push button.
        WayOut{"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, 0},
        WayOut{"a click on another field", Qt::Key_unknown, Qt::NoModifier, kRate},
        WayOut{"a click on the city list", Qt::Key_unknown, Qt::NoModifier, kCity},
        WayOut{"a click on a check box", Qt::Key_unknown, Qt::NoModifier, kWeekends},
        WayOut{"a click on OK", Qt::Key_unknown, Qt::NoModifier, kOk}));

TEST_F(TestFormOnQt, AnHourPutRightLetsTabGoWithOneMessage) {
    UserIn(kHours);
    QTest::keyClicks(Widget(kHours), "9");
    QTest::keyClick(Widget(kHours), Qt::Key_Tab);
    TakeMessages();
    // The selected 9 is typed over.
    QTest::keyClicks(Widget(kHours), "8");
    QTest::keyClick(Widget(kHours), Qt::Key_Tab);
    EXPECT_EQ(platform_->beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), Widget(kCount));
    EXPECT_EQ(FieldMessages(), (std::vector<std::pair<int, int>>{{kHours, kCount}}));
    int hours = 0;
    WDialogGetInteger(kHours, hours);
    EXPECT_EQ(hours, 8);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(TestFormOnQt, TypedCharactersAreThoseOfTheFieldsNumbers) {
    struct Case {
        int field;
        const char* typed;
        const char* text;
        int beeps;
    };
    const Case cases[] = {
        {kCount, "12a.", "12", 2},     // Neither a letter nor a point is part of a whole number.
        {kRate, "1.5e3", "1.5E3", 0},  // An exponent typed in lower case goes in as upper case.
    };
    for (const Case& c : cases) {
        UserIn(c.field);
        int beeps = platform_->beeps;
        QTest::keyClicks(Widget(c.field), c.typed);
        EXPECT_EQ(platform_->beeps - beeps, c.beeps) << c.typed;
        EXPECT_EQ(Text(c.field), c.text) << c.typed;
    }
    float rate = 0.0f;
    WDialogGetReal(kRate, rate);
    EXPECT_EQ(rate, 1500.0f);
}

TEST_F(TestFormOnQt, ARealWrittenInAFormatShowsThatWayAndReadsBack) {
    WDialogPutReal(kPrice, 0.08f, "(F4.2)");
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Text(kPrice), "0.08");
    float price = 0.0f;
    WDialogGetReal(kPrice, price);
    EXPECT_EQ(price, 0.08f);
    // Without a format the field's own one goes on being used.
    WDialogPutReal(kPrice, 4.0f);
    EXPECT_EQ(Text(kPrice), "4.00");
}

TEST_F(TestFormOnQt, ARadioClickFromAnotherFieldRaisesTwoMessages) {
    UserIn(kCount);
    TakeMessages();
    QTest::mouseClick(Widget(kHeating), Qt::LeftButton);
    auto messages = FieldMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], std::make_pair(kCount, kHeating));
    EXPECT_EQ(messages[1], std::make_pair(kHeating, kHeating));
    // The plain radio button checked itself and unchecked the other of its group.
    int mode = 0;
    WDialogGetRadioButton(kCooling, mode);
    EXPECT_EQ(mode, 2);
    int cooling = -1;
    WDialogGetCheckBox(kCooling, cooling);
    EXPECT_EQ(cooling, 0);
}

TEST_F(TestFormOnQt, APlainCheckBoxTurnsItselfOnAndOff) {
    UserIn(kCount);
    QTest::mouseClick(Widget(kWeekends), Qt::LeftButton);
    int weekends = -1;
    WDialogGetCheckBox(kWeekends, weekends);
    EXPECT_EQ(weekends, 1);
    QTest::mouseClick(Widget(kWeekends), Qt::LeftButton);
    WDialogGetCheckBox(kWeekends, weekends);
    EXPECT_EQ(weekends, 0);
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(TestFormOnQt, ChoosingACityWithTheMouseRaisesOneMessageAfterTheFocusOne) {
    UserIn(kCount);
    TakeMessages();
    auto* city = qobject_cast<QComboBox*>(Widget(kCity));
    QTest::mouseClick(city, Qt::LeftButton);
    QWidget* list = city->view();
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }));
    QRect entry = city->view()->visualRect(city->model()->index(2, 0));
    QTest::mouseClick(city->view()->viewport(), Qt::LeftButton, {}, entry.center());
    ASSERT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }));
    auto messages = FieldMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0], std::make_pair(kCount, kCity));
    EXPECT_EQ(messages[1].second, kCity);
    int chosen = 0;
    WDialogGetMenu1(kCity, chosen);
    EXPECT_EQ(chosen, 3);
}

TEST_F(TestFormOnQt, PastedTextIsNotFilteredButMustBeANumberToLeave) {
    UserIn(kCount);
    QApplication::clipboard()->setText("7.9");
    QTest::keyClick(Widget(kCount), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kCount), "7.9");
    int value = 0;
    WDialogGetInteger(kCount, value);
    EXPECT_EQ(value, 7);
    // Text that is not wholly a number keeps the focus, range or none.
    QApplication::clipboard()->setText("x");
    QTest::keyClick(Widget(kCount), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Text(kCount), "7.9x");
    QTest::keyClick(Widget(kCount), Qt::Key_Tab);
    EXPECT_EQ(platform_->beeps, 1);
    EXPECT_EQ(QApplication::focusWidget(), Widget(kCount));
    EXPECT_EQ(Edit(kCount)->selectedText().toStdString(), "7.9x");
    WDialogGetInteger(kCount, value);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(InfoError(1), ERR_INVALID_CHARACTER);
}

TEST_F(TestFormOnQt, AnotherButtonPressedWhileAnHourIsOutOfRangeRestoresIt) {
    // The hour the field showed when the user entered it is the one put back.
    UserIn(kCount);
    WDialogPutInteger(kHours, 3);
    QTest::keyClick(Widget(kCount), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), Widget(kHours));
    Retype(kHours, "9");
    TakeMessages();
    QTest::mouseClick(Widget(kApply), Qt::LeftButton);
    EXPECT_EQ(Text(kHours), "3");
    int hours = 0;
    WDialogGetInteger(kHours, hours);
    EXPECT_EQ(hours, 3);
    // The button took the focus from the hour, then reported its press with the hour as the
    // field the user was in.
    auto messages = TakeMessages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].type, MSG_FIELD);
    EXPECT_EQ(messages[0].record.data1, kHours);
    EXPECT_EQ(messages[0].record.data2, kApply);
    EXPECT_EQ(messages[1].type, MSG_BUTTON);
    EXPECT_EQ(messages[1].record.window, kForm);
    EXPECT_EQ(messages[1].record.data1, kApply);
    EXPECT_EQ(messages[1].record.data2, kHours);
}

}  // namespace
}  // namespace windlass::testing
