// The program's form on the real Qt platform used without a mouse: what a screen reader
// announces for each field, Tab and Shift+Tab through every input in template order, the
// arrow keys within the radio groups, and the city list worked by keys.
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include <string>
#include <utility>
#include <vector>

#include "app/form_ids.h"
#include "dialog/main_form_accessible_names.h"
#include "form_on_qt.h"

namespace windlass::testing {
namespace {

// Where Tab stops on the form, in order from the field that has the focus when it opens (the
// first the template marks as a tab stop): each radio group once, at its checked button.
const std::vector<int> kTabOrderFromRate = {
    FLD_FUEL_ELECTRIC,  FLD_FUEL_PRICE,     FLD_COOL_CAPACITY,  FLD_HEAT_CAPACITY,
    FLD_COOL_EER,       FLD_HEAT_EFF,       FLD_CITY,           FLD_TSTAT_HOURS_1,
    FLD_TSTAT_SUMMER_1, FLD_TSTAT_WINTER_1, FLD_TSTAT_HOURS_2,  FLD_TSTAT_SUMMER_2,
    FLD_TSTAT_WINTER_2, FLD_TSTAT_HOURS_3,  FLD_TSTAT_SUMMER_3, FLD_TSTAT_WINTER_3,
    FLD_MODE_COOLING,   FLD_ELECTRIC_RATE};

class MainFormKeyboard : public FormOnQt {
  protected:
    MainFormKeyboard() {
        Open(DLG_MAIN);
        WMessageEnable(MSG_FIELD, 1);
    }

    // Waits until the window is active with the form's first focus in place, and forgets the
    // messages of the opening.
    void Start() {
        ASSERT_TRUE(QTest::qWaitForWindowActive(Frame()));
        ASSERT_EQ(FocusedId(), FLD_ELECTRIC_RATE) << "the form opens at its first tab stop";
        TakeMessages();
    }

    static int FocusedId() {
        QWidget* focused = QApplication::focusWidget();
        for (const ControlRecord& control : Dialogs().Current()->controls) {
            QWidget* widget = qt::ToWidget(control.handle);
            if (widget == focused || widget->isAncestorOf(focused)) {
                return control.id;
            }
        }
        return 0;
    }

    static void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    // Presses Tab (or Shift+Tab) until the focus is on `id`, at most once round the form.
    static void TabTo(int id, Qt::Key key = Qt::Key_Tab) {
        Qt::KeyboardModifiers modifiers =
            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier;
        for (std::size_t press = 0; press <= kTabOrderFromRate.size() && FocusedId() != id;
             ++press) {
            Press(key, modifiers);
        }
        ASSERT_EQ(FocusedId(), id);
    }

    static int Radio(int member) {
        int chosen = 0;
        WDialogGetRadioButton(member, chosen);
        return chosen;
    }

    static int City() {
        int chosen = 0;
        WDialogGetMenu1(FLD_CITY, chosen);
        return chosen;
    }
};

TEST_F(MainFormKeyboard, TheRealWidgetsCarryTheNamesAndDescriptions) {
    for (const ExpectedName& expected : kMainFormNames) {
        SCOPED_TRACE("field " + std::to_string(expected.id));
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(Widget(expected.id));
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->text(QAccessible::Name).toStdString(), expected.name);
        EXPECT_EQ(field->text(QAccessible::Description).toStdString(), expected.description);
    }
    // The city list is a combo box whose value is the city it shows.
    QAccessibleInterface* city = QAccessible::queryAccessibleInterface(Widget(FLD_CITY));
    EXPECT_EQ(city->role(), QAccessible::ComboBox);
    EXPECT_EQ(city->text(QAccessible::Value).toStdString(), "austin, TX");
    EXPECT_TRUE(city->state().collapsed);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(Widget(FLD_FUEL_GAS))->role(),
              QAccessible::RadioButton);
}

TEST_F(MainFormKeyboard, TabVisitsEveryInputInTemplateOrderAndComesBack) {
    Start();
    std::vector<int> visited;
    std::vector<std::pair<int, int>> expected_messages;
    int left = FLD_ELECTRIC_RATE;
    for (std::size_t press = 0; press < kTabOrderFromRate.size(); ++press) {
        Press(Qt::Key_Tab);
        visited.push_back(FocusedId());
        if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            EXPECT_EQ(edit->selectedText(), edit->text()) << "Tab selects the text to type over";
        }
        expected_messages.emplace_back(left, visited.back());
        left = visited.back();
    }
    EXPECT_EQ(visited, kTabOrderFromRate);
    EXPECT_EQ(FieldMessages(), expected_messages) << "one message for each field left by Tab";
    EXPECT_EQ(platform_->beeps, 0);
    EXPECT_EQ(Radio(FLD_MODE_COOLING), 1) << "Tab only visits a radio group";
    EXPECT_EQ(Radio(FLD_FUEL_ELECTRIC), 1);
}

TEST_F(MainFormKeyboard, ShiftTabVisitsThemInReverse) {
    Start();
    std::vector<int> visited;
    for (std::size_t press = 0; press < kTabOrderFromRate.size(); ++press) {
        Press(Qt::Key_Backtab, Qt::ShiftModifier);
        visited.push_back(FocusedId());
    }
    std::vector<int> expected(kTabOrderFromRate.rbegin() + 1, kTabOrderFromRate.rend());
    expected.push_back(FLD_ELECTRIC_RATE);
    EXPECT_EQ(visited, expected);
}

TEST_F(MainFormKeyboard, ArrowsChooseWithinARadioGroupAndTabComesBackToTheChoice) {
    Start();
    TabTo(FLD_FUEL_ELECTRIC);
    TakeMessages();
    Press(Qt::Key_Down);
    EXPECT_EQ(FocusedId(), FLD_FUEL_OIL);
    EXPECT_EQ(FieldMessages(), (std::vector<std::pair<int, int>>{{FLD_FUEL_ELECTRIC, FLD_FUEL_OIL},
                                                                 {FLD_FUEL_OIL, FLD_FUEL_OIL}}));
    Press(Qt::Key_Down);
    Press(Qt::Key_Right);
    EXPECT_EQ(FocusedId(), FLD_FUEL_GAS);
    EXPECT_EQ(Radio(FLD_FUEL_ELECTRIC), 4) << "Natural Gas";
    Press(Qt::Key_Down);
    EXPECT_EQ(Radio(FLD_FUEL_ELECTRIC), 1) << "round to Electricity";
    Press(Qt::Key_Up);
    EXPECT_EQ(Radio(FLD_FUEL_ELECTRIC), 4);

    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), FLD_FUEL_PRICE);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusedId(), FLD_FUEL_GAS) << "the group's stop is its checked button";

    TabTo(FLD_MODE_COOLING);
    Press(Qt::Key_Down);
    EXPECT_EQ(FocusedId(), FLD_MODE_HEATING);
    EXPECT_EQ(Radio(FLD_MODE_COOLING), 2);
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), FLD_ELECTRIC_RATE);
}

TEST_F(MainFormKeyboard, TheCityListIsWorkedByKeys) {
    Start();
    TabTo(FLD_CITY);
    TakeMessages();
    auto* list = qobject_cast<QComboBox*>(Widget(FLD_CITY));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count(), 211) << "the companion text's entries reach the real list";

    Press(Qt::Key_Down);
    EXPECT_EQ(City(), 2);
    EXPECT_EQ(FieldMessages(), (std::vector<std::pair<int, int>>{{FLD_CITY, FLD_CITY}}));
    Press(Qt::Key_Up);
    EXPECT_EQ(City(), 1);
    QTest::keyClicks(list, "des");
    EXPECT_EQ(list->currentText().toStdString(), "des moines, IA") << "letters find a city";
    EXPECT_EQ(City(), 72);

    // F4 and Alt+Down open the list; the arrows and Return choose in it.
    QAbstractItemView* entries = list->view();
    Press(Qt::Key_F4);
    ASSERT_TRUE(QTest::qWaitFor([entries] { return entries->isVisible(); }));
    QTest::keyClick(entries, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([entries] { return !entries->isVisible(); }));
    EXPECT_EQ(City(), 72) << "Escape leaves the choice as it was";
    Press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(QTest::qWaitFor([entries] { return entries->isVisible(); }));
    QTest::keyClick(entries, Qt::Key_Down);
    QTest::keyClick(entries, Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([entries] { return !entries->isVisible(); }));
    EXPECT_EQ(City(), 73);
    EXPECT_EQ(FocusedId(), FLD_CITY);
}

}  // namespace
}  // namespace windlass::testing
