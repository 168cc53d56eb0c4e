// Thousands of keys and clicks chosen by a generator with a fixed seed, played one at a time
// on the running program's window: characters typed, Backspace and Delete, Tab and Shift+Tab,
// arrows, clicks on fields, radio buttons and outputs, cities chosen in the list with the
// mouse and with keys, Help opened and closed. After every recalculation pass each output must
// show what the bin method gives for the inputs read from the widgets themselves; between
// passes no output may change; every move of the focus or new choice must bring a pass; and no
// number field that lost the focus may hold a text it refuses.
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
#include <cstdint>
#include <deque>
#include <random>
#include <regex>

#include "heatwise_window_test.h"
#include "qt/help_viewer/qt_help_viewer.h"
#include "qt/help_viewer/qt_help_window.h"

namespace heatwise::testing {
namespace {

// A number field the user may type into, with the bounds its range holds it to, the real ones
// single-precision values widened exactly, as the field holds them.
struct InputField {
    int id;
    bool whole_number;
    double minimum;
    double maximum;
};
const InputField kInputFields[] = {
    {FLD_TSTAT_HOURS_1, true, 0, 8},
    {FLD_TSTAT_SUMMER_1, true, 65, 94},
    {FLD_TSTAT_WINTER_1, true, 40, 84},
    {FLD_TSTAT_HOURS_2, true, 0, 8},
    {FLD_TSTAT_SUMMER_2, true, 65, 94},
    {FLD_TSTAT_WINTER_2, true, 40, 84},
    {FLD_TSTAT_HOURS_3, true, 0, 8},
    {FLD_TSTAT_SUMMER_3, true, 65, 94},
    {FLD_TSTAT_WINTER_3, true, 40, 84},
    {FLD_COOL_CAPACITY, true, 0, 240000},
    {FLD_HEAT_CAPACITY, true, 0, 240000},
    {FLD_HEAT_EFF, true, 50, 250},
    {FLD_ELECTRIC_RATE, false, static_cast<double>(0.05f), static_cast<double>(0.35f)},
    {FLD_FUEL_PRICE, false, 0.0, 10.0},
    {FLD_COOL_EER, false, 4.0, 15.0}};
const int kModeButtons[] = {FLD_MODE_COOLING, FLD_MODE_HEATING};
const int kFuelButtons[] = {FLD_FUEL_ELECTRIC, FLD_FUEL_OIL, FLD_FUEL_PROPANE, FLD_FUEL_GAS};

std::string TextOf(int id) {
    auto* edit = qobject_cast<QLineEdit*>(HeatwiseWindowTest::Field(id));
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

// The number a pass takes from a text the field accepts: the nearest to what it writes, an
// exponent letter e or d, and a sign or a point alone writing zero.
double NumberIn(std::string text) {
    const std::size_t letter = text.find_first_of("eEdD");
    if (text.substr(0, letter).find_first_of("0123456789") == std::string::npos) {
        return 0.0;
    }
    if (letter != std::string::npos) {
        text[letter] = 'e';
        if (text.find_first_of("0123456789", letter) == std::string::npos) {
            text.resize(letter);
        }
    }
    return std::strtod(text.c_str(), nullptr);
}

// Whether a number field lets the focus go with this text: blanks and tabs, a sign, digits
// with at most one point, an exponent letter with its own sign and digits, the whole a number
// inside the field's range.
bool Acceptable(const InputField& field, const std::string& text) {
    static const std::regex kNumber("[ \t]*[-+]?[0-9]*\\.?[0-9]*([eEdD][-+]?[0-9]*)?");
    const double value = NumberIn(text);
    return text.find_first_not_of(" \t") != std::string::npos && std::regex_match(text, kNumber) &&
           value >= field.minimum && value <= field.maximum;
}

// The position from 1 of the checked button of a group, -999 when none is checked.
template <std::size_t N>
int CheckedPosition(const int (&buttons)[N]) {
    for (std::size_t at = 0; at < N; ++at) {
        if (qobject_cast<QRadioButton*>(HeatwiseWindowTest::Field(buttons[at]))->isChecked()) {
            return static_cast<int>(at) + 1;
        }
    }
    return -999;
}

int CityOnTheList() {
    return qobject_cast<QComboBox*>(HeatwiseWindowTest::Field(FLD_CITY))->currentIndex() + 1;
}

// The output fields: 63 bin hours, 21 percentages, the city's three values and the two costs.
std::vector<int> OutputIds() {
    std::vector<int> ids = {FLD_DEGREE_DAYS, FLD_SUMMER_DESIGN, FLD_WINTER_DESIGN, FLD_COST_COOLING,
                            FLD_COST_HEATING};
    for (int id = FLD_PCT_CALCD + kBinCount - 1; id >= FLD_HOURS_1_8; --id) {
        ids.insert(ids.begin(), id);
    }
    return ids;
}

class RandomUseWindow : public HeatwiseWindowTest {
  protected:
    void PlayRun();

  private:
    void NextStep();
    void PlayOneStep();
    void CheckPass();
    void CheckBetweenSteps();
    void Fail(const std::string& what) {
        ADD_FAILURE() << "seed " << seed_ << ", step " << step_ << " (" << action_ << "), pass "
                      << passes_ << ": " << what;
        failed_ = true;  // What follows the first fault would only repeat it.
    }
    int Chance(int below) { return static_cast<int>(rng_() % static_cast<std::uint32_t>(below)); }
    void Then(std::string action, std::function<void()> act) {
        script_.emplace_back(std::move(action), std::move(act));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void ClickIn(int id);
    std::string NumberFor(const InputField& input, bool with_margin);
    void TypeOver(const std::string& text);
    void UseCityList();
    void ChooseInOpenList();
    std::vector<std::string> OutputTexts() const {
        std::vector<std::string> texts;
        for (int id : OutputIds()) {
            texts.push_back(TextOf(id));
        }
        return texts;
    }
    // Where the user stands: the control with the focus, the city and the two radio groups.
    static std::array<int, 4> Stance() {
        return {FocusedId(), CityOnTheList(), CheckedPosition(kModeButtons),
                CheckedPosition(kFuelButtons)};
    }

    // One run of 4000 steps with a fixed seed.
    const std::uint32_t seed_ = 20261206u;
    const int steps_ = 4000;
    std::mt19937 rng_{seed_};
    std::string action_ = "start-up";
    // The later steps of an act under way, such as a number typed key by key.
    std::deque<std::pair<std::string, std::function<void()>>> script_;
    int step_ = 0;
    int passes_ = 0;
    int passes_before_step_ = 0;
    std::array<int, 4> before_step_{};
    double carried_heating_cost_ = 0.0;
    std::vector<std::string> outputs_after_pass_;
    bool failed_ = false;
    bool closing_ = false;
    QTimer watchdog_;
};

void RandomUseWindow::PlayRun() {
    Start();
    outputs_after_pass_ = OutputTexts();
    // A step that takes a minute has hung; the close box then ends the loop.
    watchdog_.setSingleShot(true);
    watchdog_.setInterval(60000);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
        Fail("no step finished for a minute: the program hangs");
        Frame()->close();
    });
    watchdog_.start();
    QTimer::singleShot(0, QCoreApplication::instance(), [this] { NextStep(); });
    // The program's main loop as RunMainLoop runs it, each field-changed message, that is each
    // recalculation pass, followed by a check of the outputs.
    while (state_.quit_flag == 0) {
        int type = 0;
        MessageRecord message;
        WMessage(type, message);
        HandleMessage(state_, type, message);
        if (type == MSG_FIELD && !failed_) {
            CheckPass();
        }
    }
    watchdog_.stop();
    if (!failed_) {
        EXPECT_EQ(step_, steps_) << "the run ended early";
        EXPECT_GT(passes_, steps_ / 20) << "a run with hardly a pass proves little";
    }
}

void RandomUseWindow::NextStep() {
    // A step is played only once the program has answered every message of the last one.
    if (!windlass::Messages().waiting() || windlass::Messages().HasQueued()) {
        QTimer::singleShot(1, QCoreApplication::instance(), [this] { NextStep(); });
        return;
    }
    if (!failed_) {
        CheckBetweenSteps();
    }
    if (failed_ || step_ == steps_) {
        if (!closing_) {
            closing_ = true;
            Frame()->close();
        }
        return;
    }
    ++step_;
    before_step_ = Stance();
    passes_before_step_ = passes_;
    watchdog_.start();
    PlayOneStep();
    QTimer::singleShot(0, QCoreApplication::instance(), [this] { NextStep(); });
}

void RandomUseWindow::CheckPass() {
    ++passes_;
    FormInputs inputs;
    inputs.city = CityOnTheList();
    inputs.mode = static_cast<CalcMode>(CheckedPosition(kModeButtons));
    inputs.fuel = static_cast<HeatingFuel>(CheckedPosition(kFuelButtons));
    for (const InputField& input : kInputFields) {
        if (!Acceptable(input, TextOf(input.id))) {
            return Fail("a pass ran while field " + std::to_string(input.id) + " holds \"" +
                        TextOf(input.id) + "\", which it does not let go of");
        }
    }
    auto whole = [](int id) { return static_cast<std::int32_t>(std::trunc(NumberIn(TextOf(id)))); };
    auto real = [](int id) { return static_cast<float>(NumberIn(TextOf(id))); };
    inputs.thermostat_hours = {whole(FLD_TSTAT_HOURS_1), whole(FLD_TSTAT_HOURS_2),
                               whole(FLD_TSTAT_HOURS_3)};
    inputs.summer_setpoint = {whole(FLD_TSTAT_SUMMER_1), whole(FLD_TSTAT_SUMMER_2),
                              whole(FLD_TSTAT_SUMMER_3)};
    inputs.winter_setpoint = {whole(FLD_TSTAT_WINTER_1), whole(FLD_TSTAT_WINTER_2),
                              whole(FLD_TSTAT_WINTER_3)};
    inputs.cool_capacity = whole(FLD_COOL_CAPACITY);
    inputs.heat_capacity = whole(FLD_HEAT_CAPACITY);
    inputs.heat_efficiency = whole(FLD_HEAT_EFF);
    inputs.electric_rate = real(FLD_ELECTRIC_RATE);
    inputs.fuel_price = real(FLD_FUEL_PRICE);
    inputs.cool_eer = real(FLD_COOL_EER);

    static const ClimateTables climate = LoadClimateTables(HEATWISE_SOURCE_DIR "/data");
    const BinCalcResult expected =
        ComputeBinCosts(MakeBinCalcInput(inputs, climate), carried_heating_cost_);
    carried_heating_cost_ = expected.carried_heating_cost;
    std::vector<std::int32_t> numbers(expected.scaled_hours.begin(), expected.scaled_hours.end());
    numbers.insert(numbers.end(), expected.percent_calcd.begin(), expected.percent_calcd.end());
    numbers.insert(numbers.end(),
                   {expected.degree_days, expected.summer_design, expected.winter_design,
                    expected.cooling_cost, expected.heating_cost});
    const std::vector<int> ids = OutputIds();
    for (std::size_t at = 0; at < ids.size(); ++at) {
        if (TextOf(ids[at]) != std::to_string(numbers[at])) {
            return Fail("field " + std::to_string(ids[at]) + " shows \"" + TextOf(ids[at]) +
                        "\" where the bin method gives " + std::to_string(numbers[at]));
        }
    }
    outputs_after_pass_ = OutputTexts();
}

void RandomUseWindow::CheckBetweenSteps() {
    if (OutputTexts() != outputs_after_pass_) {
        return Fail("an output field changed without a recalculation pass");
    }
    if (!Frame()->isActiveWindow()) {
        return Fail("the main window is no longer the active window");
    }
    // A radio click, a new city and every move of the focus from one control of the form to
    // another are answered by a pass; the menu bar borrowing the keyboard moves it to none.
    const std::array<int, 4> now = Stance();
    const bool moved = before_step_[0] != 0 && now[0] != 0 && before_step_[0] != now[0];
    const bool chose = !std::equal(now.begin() + 1, now.end(), before_step_.begin() + 1);
    if (step_ > 0 && (moved || chose) && passes_ == passes_before_step_) {
        return Fail(moved ? "no pass followed a move of the focus"
                          : "no pass followed a new choice of city, mode or fuel");
    }
    for (const InputField& input : kInputFields) {
        if (now[0] != 0 && input.id != now[0] && !Acceptable(input, TextOf(input.id))) {
            return Fail("the focus left field " + std::to_string(input.id) + " holding \"" +
                        TextOf(input.id) + "\", a text it refuses");
        }
    }
}

void RandomUseWindow::Key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (QApplication::focusWidget() == nullptr) {
        return Fail("no widget has the keyboard focus");
    }
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void RandomUseWindow::ClickIn(int id) {
    // Anywhere along the field's middle line, so that the text cursor lands in different
    // places of a number.
    QWidget* widget = Field(id);
    QTest::mouseClick(widget, Qt::LeftButton, {},
                      QPoint(1 + Chance(std::max(1, widget->width() - 2)), widget->height() / 2));
}

// A number for a field as a user writes it: whole numbers for the integer fields, two
// decimals for the reals. With a margin, it may lie a little outside the field's range; the
// electric rate's bounds lie just outside its range, so its inner numbers keep clear of them.
std::string RandomUseWindow::NumberFor(const InputField& input, bool with_margin) {
    const double scale = input.whole_number ? 1.0 : 100.0;
    int low = static_cast<int>(std::ceil(input.minimum * scale));
    int high = static_cast<int>(std::floor(input.maximum * scale));
    const int margin = with_margin ? std::max(input.whole_number ? 2 : 1, (high - low) / 10) : 0;
    const int number = low - margin + Chance(high - low + 2 * margin + 1);
    if (input.whole_number) {
        return std::to_string(number);
    }
    char written[32];
    std::snprintf(written, sizeof written, "%s%d.%02d", number < 0 ? "-" : "",
                  std::abs(number) / 100, std::abs(number) % 100);
    return written;
}

// Selects the whole text of the field with the focus and types `text`, a step for each key,
// wherever the focus is by then, as a user's keys go who types on without looking.
void RandomUseWindow::TypeOver(const std::string& text) {
    Then("Ctrl+A", [this] { Key(Qt::Key_A, Qt::ControlModifier); });
    for (char c : text) {
        Then(std::string("type '") + c + "' of \"" + text + "\"", [this, c] {
            if (QApplication::focusWidget() != nullptr) {
                QTest::keyClick(QApplication::focusWidget(), c);
            }
        });
    }
}

// Clicks the city list open; the next step chooses in it.
void RandomUseWindow::UseCityList() {
    auto* list = qobject_cast<QComboBox*>(Field(FLD_CITY));
    const int before = FocusedId();
    action_ = "click the city list from control " + std::to_string(before);
    QTest::mouseClick(list, Qt::LeftButton);
    QWidget* popup = list->view()->window();
    if (!popup->isVisible()) {
        // Only a number field that holds a text it refuses may keep the list shut.
        for (const InputField& input : kInputFields) {
            if (input.id == before && !Acceptable(input, TextOf(input.id))) {
                return;
            }
        }
        return Fail("a click on the city list did not open it");
    }
    if (!QTest::qWaitForWindowExposed(popup)) {
        return Fail("the city list opened but was never shown");
    }
    Then("choose in the open city list", [this] { ChooseInOpenList(); });
}

void RandomUseWindow::ChooseInOpenList() {
    QAbstractItemView* view = qobject_cast<QComboBox*>(Field(FLD_CITY))->view();
    const int way = Chance(10);
    if (way < 3) {
        // The open list takes no click until a double-click's time has passed; the entry is
        // scrolled to the middle, clear of the arrows that scroll the list at its edges.
        const QModelIndex entry = view->model()->index(Chance(kCityCount), 0);
        action_ += ": click city " + std::to_string(entry.row() + 1);
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        view->scrollTo(entry, QAbstractItemView::PositionAtCenter);
        QTest::qWait(50);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(entry).center());
    } else if (way < 9) {
        static const Qt::Key kMoves[] = {Qt::Key_Down,   Qt::Key_Up,  Qt::Key_PageDown,
                                         Qt::Key_PageUp, Qt::Key_End, Qt::Key_Home};
        const int move = Chance(6);
        const int presses = 1 + Chance(move < 4 ? 12 : 1);
        action_ += ": " + std::to_string(presses) + " x key " + std::to_string(move) + ", Return";
        for (int press = 0; press < presses; ++press) {
            QTest::keyClick(view, kMoves[move]);
        }
        QTest::keyClick(view, Qt::Key_Return);
    } else {
        action_ += ": Escape";
        QTest::keyClick(view, Qt::Key_Escape);
    }
    if (!QTest::qWaitFor([view] { return !view->window()->isVisible(); })) {
        Fail("the city list stayed open");
    }
}

// The single keys a user presses, with their weights out of 1000.
struct KeyAct {
    int weight;
    std::string name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};
const KeyAct kKeys[] = {{70, "Backspace", Qt::Key_Backspace, {}},
                        {25, "Delete", Qt::Key_Delete, {}},
                        {110, "Tab", Qt::Key_Tab, {}},
                        {55, "Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier},
                        {10, "Up", Qt::Key_Up, {}},
                        {10, "Down", Qt::Key_Down, {}},
                        {10, "Left", Qt::Key_Left, {}},
                        {10, "Right", Qt::Key_Right, {}}};

void RandomUseWindow::PlayOneStep() {
    if (!script_.empty()) {
        auto [action, act] = std::move(script_.front());
        script_.pop_front();
        action_ = action;
        return act();
    }
    const int focused = FocusedId();
    const std::string from = " in control " + std::to_string(focused);
    for (const InputField& input : kInputFields) {
        if (input.id == focused && !Acceptable(input, TextOf(input.id)) && Chance(4) == 0) {
            // A user held in a field mends its number now and then.
            action_ = "mend field " + std::to_string(input.id);
            TypeOver(NumberFor(input, false));
            return PlayOneStep();
        }
    }
    // Weights out of 1000: mostly typing, then moves of the focus, and now and then the list
    // and Help, which take longer.
    int roll = Chance(1000);
    auto take = [&roll](int weight) { return (roll -= weight) < 0; };
    if (take(280)) {
        static const char kTyped[] =
            "0123456789012345678901234567890123456789012345678901234567"
            "89..........----------EEEEEEEEabcdefhklmnoprstwxzE";
        const char c = kTyped[Chance(sizeof kTyped - 1)];
        action_ = std::string("type '") + c + "'" + from;
        if (QApplication::focusWidget() != nullptr) {
            QTest::keyClick(QApplication::focusWidget(), c);
        }
    } else if (const KeyAct* act =
                   std::find_if(std::begin(kKeys), std::end(kKeys),
                                [&take](const KeyAct& k) { return take(k.weight); });
               act != std::end(kKeys)) {
        action_ = act->name + from;
        Key(act->key, act->modifiers);
    } else if (take(130)) {
        const int id = kInputFields[Chance(std::size(kInputFields))].id;
        action_ = "click field " + std::to_string(id) + " from control " + std::to_string(focused);
        ClickIn(id);
    } else if (take(80)) {
        const int id = Chance(3) == 0 ? kModeButtons[Chance(2)] : kFuelButtons[Chance(4)];
        action_ = "click radio button " + std::to_string(id) + from;
        ClickIn(id);
    } else if (take(15)) {
        const int id =
            OutputIds()[static_cast<std::size_t>(Chance(static_cast<int>(OutputIds().size())))];
        action_ = "click output field " + std::to_string(id);
        ClickIn(id);
    } else if (take(150)) {
        const InputField& input = kInputFields[Chance(std::size(kInputFields))];
        const std::string text = NumberFor(input, true);
        action_ = "click field " + std::to_string(input.id) + " to retype \"" + text + "\"";
        ClickIn(input.id);
        TypeOver(text);
    } else if (take(30)) {
        UseCityList();
    } else {
        // Help opens the help window when the program answers the command; the next step
        // closes it again.
        action_ = "click Help on the menu bar";
        ClickOnMenuBar("&Help");
        Then("close the help window", [this] {
            QWidget* help = windlass::qt::OpenHelpWindow();
            if (help == nullptr || !help->isVisible()) {
                return Fail("Help opened no help window");
            }
            help->close();
            Frame()->activateWindow();
            if (!QTest::qWaitForWindowActive(Frame())) {
                Fail("the main window did not become active again after the help window closed");
            }
        });
    }
}

TEST_F(RandomUseWindow, EveryPassShowsTheBinMethodsResultsAndNoRefusedTextLetsTheFocusGo) {
    PlayRun();
}

}  // namespace
}  // namespace heatwise::testing
