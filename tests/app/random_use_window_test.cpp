// Thousands of keys and clicks chosen by a pseudo-random generator with a fixed seed, played
// one at a time on the running program's window: characters typed into whatever has the
// focus, Backspace and Delete, Tab and Shift+Tab, arrow keys, clicks on the input fields, on
// the radio buttons and on the outputs, cities chosen in the list with the mouse and with the
// keyboard, Help opened and closed again, the File menu opened and left.
//
// After every recalculation pass each output field must show what the bin method gives for
// the inputs the form holds at that moment, read from the widgets themselves; between passes
// nothing may change an output; and after every key or click no number field that lost the
// focus may hold a text it refuses. Every failure names the seed and the step, so that the
// same run can be played again (HEATWISE_RANDOM_USE_TRACE=1 prints every step as it is played).
#include <QAbstractItemView>
#include <QMenu>
#include <QMenuBar>

#include <cstdint>
#include <cstdlib>
#include <deque>
#include <iostream>
#include <random>
#include <set>
#include <sstream>
#include <vector>

#include "heatwise_window_test.h"
#include "platform/qt/qt_help_viewer.h"
#include "platform/qt/qt_help_window.h"
#include "random_use_form_model.h"

namespace heatwise::testing {
namespace {

struct RandomRun {
    std::uint32_t seed;
    int steps;
};

void PrintTo(const RandomRun& run, std::ostream* out) {
    *out << "seed " << run.seed << ", " << run.steps << " steps";
}

// The output fields: 63 bin hours, 21 percentages, the city's three values and the two costs.
std::vector<int> OutputIds() {
    std::vector<int> ids;
    for (int id = FLD_HOURS_1_8; id < FLD_PCT_CALCD + kBinCount; ++id) {
        ids.push_back(id);
    }
    for (int id : {FLD_DEGREE_DAYS, FLD_SUMMER_DESIGN, FLD_WINTER_DESIGN, FLD_COST_COOLING,
                   FLD_COST_HEATING}) {
        ids.push_back(id);
    }
    return ids;
}

std::string Describe(const FormInputs& in) {
    std::ostringstream text;
    text << "city " << in.city << ", mode " << static_cast<int>(in.mode) << ", fuel "
         << static_cast<int>(in.fuel) << ", hours " << in.thermostat_hours[0] << "/"
         << in.thermostat_hours[1] << "/" << in.thermostat_hours[2] << ", summer "
         << in.summer_setpoint[0] << "/" << in.summer_setpoint[1] << "/" << in.summer_setpoint[2]
         << ", winter " << in.winter_setpoint[0] << "/" << in.winter_setpoint[1] << "/"
         << in.winter_setpoint[2] << ", capacities " << in.cool_capacity << "/" << in.heat_capacity
         << ", efficiency " << in.heat_efficiency << ", rate " << in.electric_rate << ", price "
         << in.fuel_price << ", EER " << in.cool_eer;
    return text.str();
}

class RandomUseWindow : public HeatwiseWindowTest, public ::testing::WithParamInterface<RandomRun> {
  protected:
    // Plays the run's steps while the program's loop answers them, then ends the loop with
    // the close box.
    void PlayRun();

  private:
    // The program's main loop, answering each message as the program does; after each
    // field-changed message, that is after each recalculation pass, the outputs are checked.
    void RunLoop();
    void NextStep();
    void PlayOneStep();
    void CheckPass();
    void CheckBetweenSteps();
    void Fail(const std::string& what);
    std::string Where() const;

    // The user's single acts.
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
    int FocusedControlId() const;
    std::vector<std::string> OutputTexts() const;

    std::mt19937 rng_;
    RandomRun run_{};
    int step_ = 0;
    int events_ = 0;
    int passes_ = 0;
    std::string action_ = "start-up";
    double carried_heating_cost_ = 0.0;
    // What the passes have seen, for the summary of a run.
    std::set<int> cities_;
    std::set<std::pair<int, int>> modes_and_fuels_;
    std::vector<std::string> outputs_after_pass_;
    // The later steps of an act that takes several, such as a number typed key by key.
    std::deque<std::pair<std::string, std::function<void()>>> script_;
    bool failed_ = false;
    bool closing_ = false;
    bool trace_ = std::getenv("HEATWISE_RANDOM_USE_TRACE") != nullptr;
    QTimer watchdog_;
};

std::string RandomUseWindow::Where() const {
    return "seed " + std::to_string(run_.seed) + ", step " + std::to_string(step_) + " of " +
           std::to_string(run_.steps) + " (" + action_ + "), pass " + std::to_string(passes_);
}

void RandomUseWindow::Fail(const std::string& what) {
    ADD_FAILURE() << Where() << ": " << what;
    // The first fault ends the run: what follows it would only repeat it.
    failed_ = true;
}

const ClimateTables& Climate() {
    static const ClimateTables climate = LoadClimateTables(HEATWISE_SOURCE_DIR "/data");
    return climate;
}

void RandomUseWindow::PlayRun() {
    run_ = GetParam();
    rng_.seed(run_.seed);
    Start();
    outputs_after_pass_ = OutputTexts();
    RunLoop();
    if (!failed_) {
        EXPECT_EQ(step_, run_.steps) << Where() << ": the run ended early";
        // A run in which hardly anything was recalculated would prove little.
        EXPECT_GT(passes_, run_.steps / 20) << Where();
    }
    std::cout << "seed " << run_.seed << ": " << step_ << " steps, " << events_
              << " key and mouse events, " << passes_ << " recalculation passes over "
              << cities_.size() << " cities and " << modes_and_fuels_.size()
              << " pairs of mode and fuel\n";
}

void RandomUseWindow::RunLoop() {
    // A step that takes this long has hung; the close box then ends the loop.
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(60000);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        Fail("no step finished for a minute: the program hangs");
        Frame()->close();
    });
    watchdog_.start();
    QTimer::singleShot(0, QCoreApplication::instance(), [this] { NextStep(); });
    while (state_.quit_flag == 0) {
        int type = 0;
        MessageRecord message;
        WMessage(type, message);
        if (trace_) {
            std::cerr << "  message " << type << " (" << message.data1 << ", " << message.data2
                      << ")\n";
        }
        HandleMessage(state_, type, message);
        if (type == MSG_FIELD && !failed_) {
            CheckPass();
        }
    }
    watchdog_.stop();
}

void RandomUseWindow::NextStep() {
    // A step is played only once the program has answered every message of the last one and
    // waits again.
    if (!windlass::Messages().waiting() || windlass::Messages().HasQueued()) {
        QTimer::singleShot(1, QCoreApplication::instance(), [this] { NextStep(); });
        return;
    }
    if (!failed_) {
        CheckBetweenSteps();
    }
    if (failed_ || step_ == run_.steps) {
        if (!closing_) {
            closing_ = true;
            Frame()->close();
        }
        return;
    }
    ++step_;
    watchdog_.start();
    PlayOneStep();
    if (trace_) {
        std::cerr << "seed " << run_.seed << " step " << step_ << ": " << action_ << "\n";
    }
    QTimer::singleShot(0, QCoreApplication::instance(), [this] { NextStep(); });
}

void RandomUseWindow::CheckPass() {
    ++passes_;
    ReadInputs read = InputsOnTheForm(&Field);
    if (!read.refused.empty()) {
        Fail("a recalculation pass ran while " + read.refused);
        return;
    }
    const BinCalcResult expected =
        ComputeBinCosts(MakeBinCalcInput(read.inputs, Climate()), carried_heating_cost_);
    carried_heating_cost_ = expected.carried_heating_cost;
    cities_.insert(read.inputs.city);
    modes_and_fuels_.emplace(static_cast<int>(read.inputs.mode),
                             static_cast<int>(read.inputs.fuel));
    std::string differences = OutputDifferences(expected, &Field);
    if (!differences.empty()) {
        Fail("after this pass the form does not show what the bin method gives for " +
             Describe(read.inputs) + ":\n" + differences);
    }
    outputs_after_pass_ = OutputTexts();
}

void RandomUseWindow::CheckBetweenSteps() {
    if (OutputTexts() != outputs_after_pass_) {
        Fail("an output field changed without a recalculation pass");
        return;
    }
    if (!Frame()->isActiveWindow()) {
        Fail("the main window is no longer the active window");
        return;
    }
    // The menu bar may borrow the keyboard (after Escape in one of its menus) and give it
    // back; only a control of the form that took the focus has left a field behind.
    const int focused = FocusedControlId();
    for (const InputField& input : kInputFields) {
        std::string text = TextOf(Field(input.id));
        if (focused != 0 && input.id != focused && !Acceptable(input, text)) {
            Fail("the focus is on control " + std::to_string(focused) + " while field " +
                 std::to_string(input.id) + ", which it left, holds \"" + text +
                 "\": a number field let the focus go with a text it refuses");
            return;
        }
    }
}

int RandomUseWindow::FocusedControlId() const {
    QWidget* focused = Frame()->focusWidget();
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

std::vector<std::string> RandomUseWindow::OutputTexts() const {
    std::vector<std::string> texts;
    for (int id : OutputIds()) {
        texts.push_back(TextOf(Field(id)));
    }
    return texts;
}

// ---- The user's acts ----------------------------------------------------------------------

QWidget* RandomUseWindow::KeyTarget() {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) {
        Fail("no widget has the keyboard focus");
    }
    return target;
}

void RandomUseWindow::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QWidget* target = KeyTarget()) {
        QTest::keyClick(target, key, modifiers);
        ++events_;
    }
}

void RandomUseWindow::TypeCharacter() {
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

void RandomUseWindow::ClickIn(int id) {
    QWidget* widget = Field(id);
    // Anywhere along the field's middle line, so that the text cursor lands in different
    // places of a number.
    QPoint at(1 + Chance(std::max(1, widget->width() - 2)), widget->height() / 2);
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    ++events_;
}

// A number for a field, written as a user would: whole numbers for the integer fields, two
// decimals for the reals. With a margin, it may lie a little outside the field's range.
std::string RandomUseWindow::NumberFor(const InputField& input, Margin margin) {
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
void RandomUseWindow::TypeOver(const std::string& text) {
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
void RandomUseWindow::Retype() {
    const InputField& input = kInputFields[static_cast<std::size_t>(Chance(kInputFields.size()))];
    const std::string text = NumberFor(input, Margin::Outside);
    action_ = "click field " + std::to_string(input.id) + " to retype \"" + text + "\"";
    ClickIn(input.id);
    TypeOver(text);
}

// Clicks the city list open; the next step chooses in it.
void RandomUseWindow::UseCityList() {
    auto* list = qobject_cast<QComboBox*>(Field(FLD_CITY));
    ASSERT_NE(list, nullptr);
    const int before = FocusedControlId();
    action_ = "click the city list from control " + std::to_string(before);
    QTest::mouseClick(list, Qt::LeftButton);
    ++events_;
    QWidget* popup = list->view()->window();
    if (!popup->isVisible()) {
        // Only a number field that holds a text it refuses may keep the list shut.
        for (const InputField& input : kInputFields) {
            if (input.id == before && !Acceptable(input, TextOf(Field(input.id)))) {
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

void RandomUseWindow::ChooseInOpenList() {
    auto* list = qobject_cast<QComboBox*>(Field(FLD_CITY));
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

QAction* BarAction(const QString& text) {
    for (QAction* action : HeatwiseWindowTest::Frame()->menu_bar()->actions()) {
        if (action->text() == text) {
            return action;
        }
    }
    return nullptr;
}

void ClickOnBar(QAction* action) {
    QMenuBar* bar = HeatwiseWindowTest::Frame()->menu_bar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(action).center());
}

// Clicks Help on the menu bar; the program opens the help window when it answers the
// command, and the next step closes it again.
void RandomUseWindow::OpenHelp() {
    action_ = "click Help on the menu bar";
    QAction* help = BarAction("&Help");
    ASSERT_NE(help, nullptr);
    ClickOnBar(help);
    ++events_;
    Then("close the help window", [this] { CloseHelp(); });
}

void RandomUseWindow::CloseHelp() {
    windlass::qt::HelpWindow* window = windlass::qt::OpenHelpWindow();
    if (window == nullptr || !window->isVisible()) {
        Fail("Help opened no help window");
        return;
    }
    window->close();
    Frame()->activateWindow();
    if (!QTest::qWaitForWindowActive(Frame())) {
        Fail("the main window did not become active again after the help window closed");
    }
}

void RandomUseWindow::OpenFileMenu() {
    action_ = "click File on the menu bar";
    QAction* file = BarAction("&File");
    ASSERT_NE(file, nullptr);
    ClickOnBar(file);
    ++events_;
    if (!QTest::qWaitForWindowExposed(file->menu())) {
        Fail("the File menu did not open");
        return;
    }
    Then("Escape in the open File menu", [this] { LeaveFileMenu(); });
}

void RandomUseWindow::LeaveFileMenu() {
    QMenu* menu = BarAction("&File")->menu();
    QTest::keyClick(menu, Qt::Key_Escape);
    ++events_;
    if (!QTest::qWaitFor([menu] { return !menu->isVisible(); })) {
        Fail("the File menu stayed open after Escape");
    }
}

// The menu bar keeps the keyboard after a menu is left with Escape, until a second Escape or
// a click elsewhere. Letters typed there would choose its commands, Exit among them.
void RandomUseWindow::LeaveMenuBar() {
    action_ = "Escape on the menu bar";
    QTest::keyClick(Frame()->menu_bar(), Qt::Key_Escape);
    ++events_;
}

void RandomUseWindow::PlayOneStep() {
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
    const bool menu_bar_has_keys = QApplication::focusWidget() == Frame()->menu_bar();
    const InputField* stuck = nullptr;
    for (const InputField& input : kInputFields) {
        if (input.id == focused && !Acceptable(input, TextOf(Field(input.id)))) {
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

TEST_P(RandomUseWindow, EveryPassShowsTheBinMethodsResultsAndNoRefusedTextLetsTheFocusGo) {
    PlayRun();
}

// Four runs of 2500 steps: some ten thousand keys and clicks in all.
INSTANTIATE_TEST_SUITE_P(Seeds, RandomUseWindow,
                         ::testing::Values(RandomRun{20261206u, 2500}, RandomRun{1u, 2500},
                                           RandomRun{4242u, 2500}, RandomRun{90210u, 2500}),
                         [](const ::testing::TestParamInfo<RandomRun>& info) {
                             return "Seed" + std::to_string(info.param.seed);
                         });

}  // namespace
}  // namespace heatwise::testing
