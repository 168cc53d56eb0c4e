// The random user of the random-use test: one key or click at a time, chosen by a seeded
// pseudo-random generator, on the running program's window. Acts that take several keys or
// clicks (a number typed over a field's text, the city list opened and then chosen in, Help
// opened and then closed) are played one key or click per step, so that the program answers
// each before the next, as it answers a user's.
#pragma once

#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "heatwise_window_test.h"
#include "qt/qt_help_viewer.h"
#include "qt/qt_help_window.h"
#include "random_use_form_model.h"

namespace heatwise::testing {

// The control of the form that holds the main window's focus, 0 when none does (the menu bar
// may hold the keyboard for a while).
inline int FocusedControlId() {
    QWidget* focused = HeatwiseWindowTest::Frame()->focusWidget();
    windlass::DialogRecord* form = windlass::Dialogs().Embedded();
    for (const windlass::ControlRecord& control : form->controls) {
        QWidget* widget = windlass::qt::ToWidget(control.handle);
        if (widget != nullptr && focused != nullptr &&
            (widget == focused || widget->isAncestorOf(focused))) {
            return control.id;
        }
    }
    return 0;
}

class RandomUser {
  public:
    // `fail` reports a fault met while acting; the run ends after it.
    RandomUser(std::uint32_t seed, std::function<void(const std::string&)> fail)
        : rng_(seed), fail_(std::move(fail)) {}

    // Plays the next key or click of an act under way, else begins a new act.
    void PlayOneStep();

    // What the last step did, for failure messages and the trace.
    const std::string& action() const { return action_; }
    // The key and mouse events played so far.
    int events() const { return events_; }

  private:
    void Fail(const std::string& what) { fail_(what); }
    int Chance(int below) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(below)); }
    QWidget* KeyTarget();
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void TypeCharacter();
    void ClickIn(int id);
    enum class Margin { Inside, Outside };
    std::string NumberFor(const InputField& input, Margin margin);
    void TypeOver(const std::string& text);
    void Retype();
    void UseCityList();
    void ChooseInOpenList();
    void OpenHelp();
    void CloseHelp();
    void OpenFileMenu();
    void LeaveFileMenu();
    void LeaveMenuBar();
    // Plays `act` as a later step of its own, after the program has answered this one.
    void Then(std::string action, std::function<void()> act) {
        script_.emplace_back(std::move(action), std::move(act));
    }

    std::mt19937 rng_;
    std::function<void(const std::string&)> fail_;
    std::string action_ = "start-up";
    int events_ = 0;
    // The later steps of an act that takes several, such as a number typed key by key.
    std::deque<std::pair<std::string, std::function<void()>>> script_;
};

inline QWidget* RandomUser::KeyTarget() {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        Fail("no widget has the keyboard focus");
    }
    return target;
}

inline void RandomUser::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWidget* target = KeyTarget()) {
        QTest::keyClick(target, key, modifiers);
        ++events_;
    }
}

inline void RandomUser::TypeCharacter() {
    static const char kLetters[] = "abcdefhklmnoprstwxzE";
    const int kind = Chance(100);
    char c = 0;
    if (kind < 60) {
        c = static_cast<char>('0' + Chance(10));
    } else if (kind < 70) {
        c = '.';
    } else if (kind < 80) {
        c = '-';
    } else if (kind < 88) {
        c = 'E';
    } else {
        c = kLetters[Chance(sizeof kLetters - 1)];
    }
    action_ = std::string("type '") + c + "' into control " + std::to_string(FocusedControlId());
    if (QWidget* target = KeyTarget()) {
        QTest::keyClick(target, c);
        ++events_;
    }
}

inline void RandomUser::ClickIn(int id) {
    QWidget* widget = HeatwiseWindowTest::Field(id);
    // Anywhere along the field's middle line, so that the text cursor lands in different
    // places of a number.
    QPoint at(1 + Chance(std::max(1, widget->width() - 2)), widget->height() / 2);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    ++events_;
}

// A number for a field, written as a user would: whole numbers for the integer fields, two
// decimals for the reals. With a margin, it may lie a little outside the field's range.
inline std::string RandomUser::NumberFor(const InputField& input, Margin margin) {
    if (input.whole_number) {
        const int span = static_cast<int>(input.maximum - input.minimum);
        const int outside = margin == Margin::Outside ? std::max(2, span / 20) : 0;
        return std::to_string(static_cast<int>(input.minimum) - outside +
                              Chance(span + 2 * outside + 1));
    }
    // In hundredths, with a margin of a tenth of the range on each side; the electric rate's
    // bounds themselves lie just outside its range, so its inner numbers keep clear of them.
    int low = static_cast<int>(std::ceil(input.minimum * 100));
    int high = static_cast<int>(std::floor(input.maximum * 100));
    const int outside = margin == Margin::Outside ? std::max(1, (high - low) / 10) : 0;
    low -= outside;
    high += outside;
    const int hundredths = low + Chance(high - low + 1);
    std::ostringstream written;
    written << (hundredths < 0 ? "-" : "") << std::abs(hundredths) / 100 << "."
            << (std::abs(hundredths) % 100 < 10 ? "0" : "") << std::abs(hundredths) % 100;
    return written.str();
}

// Selects the whole text of the field with the focus with Ctrl+A and types `text`, one step
// for each key. The keys go wherever the focus is by then, as a user's do who types on
// without looking.
inline void RandomUser::TypeOver(const std::string& text) {
    Then("Ctrl+A", [this] { Key(Qt::Key_A, Qt::ControlModifier); });
    for (char c : text) {
        Then(std::string("type '") + c + "' of \"" + text + "\"", [this, c] {
            if (QWidget* target = KeyTarget()) {
                QTest::keyClick(target, c);
                ++events_;
            }
        });
    }
}

// Clicks into an input field, then types a number near its range over its text.
inline void RandomUser::Retype() {
    const InputField& input = kInputFields[static_cast<std::size_t>(Chance(kInputFields.size()))];
    const std::string text = NumberFor(input, Margin::Outside);
    action_ = "click field " + std::to_string(input.id) + " to retype \"" + text + "\"";
    ClickIn(input.id);
    TypeOver(text);
}

// Clicks the city list open; the next step chooses in it.
inline void RandomUser::UseCityList() {
    auto* list = qobject_cast<QComboBox*>(HeatwiseWindowTest::Field(FLD_CITY));
    ASSERT_NE(list, nullptr);
    const int before = FocusedControlId();
    action_ = "click the city list from control " + std::to_string(before);
    QTest::mouseClick(list, Qt::LeftButton);
    ++events_;
    QWidget* popup = list->view()->window();
    if (!popup->isVisible()) {
        // Only a number field that holds a text it refuses may keep the list shut.
        for (const InputField& input : kInputFields) {
            if (input.id == before &&
                !Acceptable(input, TextOf(HeatwiseWindowTest::Field(input.id)))) {
                return;
            }
        }
        Fail("a click on the city list did not open it");
        return;
    }
    if (!QTest::qWaitForWindowExposed(popup)) {
        Fail("the city list opened but was never shown");
        return;
    }
    Then("choose in the open city list", [this] { ChooseInOpenList(); });
}

inline void RandomUser::ChooseInOpenList() {
    auto* list = qobject_cast<QComboBox*>(HeatwiseWindowTest::Field(FLD_CITY));
    QAbstractItemView* view = list->view();
    QWidget* popup = view->window();
    const int way = Chance(10);
    if (way < 3) {
        const int city = 1 + Chance(kCityCount);
        action_ += ": click city " + std::to_string(city);
        // The open list takes no click until a double-click's time has passed, so that the
        // release of the click that opened it chooses nothing.
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QModelIndex entry = view->model()->index(city - 1, 0);
        view->scrollTo(entry, QAbstractItemView::PositionAtCenter);
        QTest::qWait(50);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
        ++events_;
    } else if (way < 9) {
        static const Qt::Key kMoves[] = {Qt::Key_Down,   Qt::Key_Up,  Qt::Key_PageDown,
                                         Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home};
        const int move = Chance(6);
        const int presses = 1 + Chance(move < 4 ? 12 : 1);
        action_ += ": " + std::to_string(presses) + " x key " + std::to_string(move) + ", Return";
        for (int press = 0; press < presses; ++press) {
            QTest::keyClick(view, kMoves[move]);
            ++events_;
        }
        QTest::keyClick(view, Qt::Key_Return);
        ++events_;
    } else {
        action_ += ": Escape";
        QTest::keyClick(view, Qt::Key_Escape);
        ++events_;
    }
    if (!QTest::qWaitFor([popup] { return !popup->isVisible(); })) {
        Fail("the city list stayed open");
    }
}

// Clicks Help on the menu bar; the program opens the help window when it answers the
// command, and the next step closes it again.
inline void RandomUser::OpenHelp() {
    action_ = "click Help on the menu bar";
    QAction* help = HeatwiseWindowTest::MenuBarEntry("&Help");
    ASSERT_NE(help, nullptr);
    HeatwiseWindowTest::ClickOnMenuBar(help);
    ++events_;
    Then("close the help window", [this] { CloseHelp(); });
}

inline void RandomUser::CloseHelp() {
    windlass::qt::HelpWindow* window = windlass::qt::OpenHelpWindow();
    if (window == nullptr || !window->isVisible()) {
        Fail("Help opened no help window");
        return;
    }
    window->close();
    HeatwiseWindowTest::Frame()->activateWindow();
    if (!QTest::qWaitForWindowActive(HeatwiseWindowTest::Frame())) {
        Fail("the main window did not become active again after the help window closed");
    }
}

inline void RandomUser::OpenFileMenu() {
    action_ = "click File on the menu bar";
    QAction* file = HeatwiseWindowTest::MenuBarEntry("&File");
    ASSERT_NE(file, nullptr);
    HeatwiseWindowTest::ClickOnMenuBar(file);
    ++events_;
    if (!QTest::qWaitForWindowExposed(file->menu())) {
        Fail("the File menu did not open");
        return;
    }
    Then("Escape in the open File menu", [this] { LeaveFileMenu(); });
}

inline void RandomUser::LeaveFileMenu() {
    QMenu* menu = HeatwiseWindowTest::MenuBarEntry("&File")->menu();
    QTest::keyClick(menu, Qt::Key_Escape);
    ++events_;
    if (!QTest::qWaitFor([menu] { return !menu->isVisible(); })) {
        Fail("the File menu stayed open after Escape");
    }
}

// The menu bar keeps the keyboard after a menu is left with Escape, until a second Escape or
// a click elsewhere. Letters typed there would choose its commands, Exit among them.
inline void RandomUser::LeaveMenuBar() {
    action_ = "Escape on the menu bar";
    QTest::keyClick(HeatwiseWindowTest::Frame()->menu_bar(), Qt::Key_Escape);
    ++events_;
}

inline void RandomUser::PlayOneStep() {
    if (!script_.empty()) {
        auto [action, act] = std::move(script_.front());
        script_.pop_front();
        action_ = action;
        act();
        return;
    }
    // Weights out of 1000: mostly typing, then moves of the focus, and now and then the list,
    // Help and the File menu, which take longer.
    int roll = Chance(1000);
    auto take = [&roll](int weight) {
        roll -= weight;
        return roll < 0;
    };
    const int focused = FocusedControlId();
    const std::string from = " in control " + std::to_string(focused);
    const bool menu_bar_has_keys =
        QApplication::focusWidget() == HeatwiseWindowTest::Frame()->menu_bar();
    const InputField* stuck = nullptr;
    for (const InputField& input : kInputFields) {
        if (input.id == focused &&
            !Acceptable(input, TextOf(HeatwiseWindowTest::Field(input.id)))) {
            stuck = &input;
        }
    }
    if (stuck != nullptr && Chance(4) == 0) {
        // A user held in a field mends its number now and then.
        const std::string text = NumberFor(*stuck, Margin::Inside);
        action_ = "mend field " + std::to_string(stuck->id) + " with \"" + text + "\"";
        TypeOver(text);
        auto [first, act] = std::move(script_.front());
        script_.pop_front();
        action_ += ": " + first;
        act();
    } else if (menu_bar_has_keys && Chance(2) == 0) {
        LeaveMenuBar();
    } else if (menu_bar_has_keys && Chance(2) == 0) {
        const int id = kInputFields[static_cast<std::size_t>(Chance(kInputFields.size()))].id;
        action_ = "click field " + std::to_string(id) + " while the menu bar has the keyboard";
        ClickIn(id);
    } else if (menu_bar_has_keys) {
        action_ = "click the Cooling button while the menu bar has the keyboard";
        ClickIn(FLD_MODE_COOLING);
    } else if (take(280)) {
        TypeCharacter();
    } else if (take(70)) {
        action_ = "Backspace" + from;
        Key(Qt::Key_Backspace);
    } else if (take(25)) {
        action_ = "Delete" + from;
        Key(Qt::Key_Delete);
    } else if (take(110)) {
        action_ = "Tab" + from;
        Key(Qt::Key_Tab);
    } else if (take(55)) {
        action_ = "Shift+Tab" + from;
        Key(Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (take(40)) {
        static const Qt::Key kArrows[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right};
        const int arrow = Chance(4);
        action_ = "arrow key " + std::to_string(arrow) + from;
        Key(kArrows[arrow]);
    } else if (take(130)) {
        const int id = kInputFields[static_cast<std::size_t>(Chance(kInputFields.size()))].id;
        action_ = "click field " + std::to_string(id) + " from control " + std::to_string(focused);
        ClickIn(id);
    } else if (take(80)) {
        const int id = Chance(3) == 0 ? kModeButtons[static_cast<std::size_t>(Chance(2))]
                                      : kFuelButtons[static_cast<std::size_t>(Chance(4))];
        action_ =
            "click radio button " + std::to_string(id) + " from control " + std::to_string(focused);
        ClickIn(id);
    } else if (take(15)) {
        const std::vector<int> outputs = OutputIds();
        const int id = outputs[static_cast<std::size_t>(Chance(static_cast<int>(outputs.size())))];
        action_ = "click output field " + std::to_string(id);
        ClickIn(id);
    } else if (take(150)) {
        Retype();
    } else if (take(30)) {
        UseCityList();
    } else if (take(5)) {
        OpenHelp();
    } else {
        OpenFileMenu();
    }
}

}  // namespace heatwise::testing
