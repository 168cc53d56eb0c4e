// Thousands of keys and clicks chosen by a generator with a fixed seed, played one act at a
// time on the running program's window. After every recalculation pass each output must show
// what the bin method gives for the inputs read from the widgets themselves, and between passes
// no output may change. A failure names the step and what it did, and ends the run.
#include <QLineEdit>
#include <QRadioButton>

#include <cstdint>
#include <random>
#include <regex>

#include "engine/bin_calc.h"
#include "engine/estimate_inputs.h"
#include "heatwise_window_test.h"
#include "message/message_queue.h"

namespace heatwise::testing {
namespace {

const int kModeButtons[] = {FLD_MODE_COOLING, FLD_MODE_HEATING};
const int kFuelButtons[] = {FLD_FUEL_ELECTRIC, FLD_FUEL_OIL, FLD_FUEL_PROPANE, FLD_FUEL_GAS};

// The number a pass takes from a text the field accepts: the nearest to what it writes, with
// an exponent letter e or d; a sign or a point alone writes zero.
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

// The position from 1 of the checked button of a group.
template <std::size_t N>
int CheckedPosition(const int (&buttons)[N]) {
    for (std::size_t at = 0; at < N; ++at) {
        if (qobject_cast<QRadioButton*>(HeatwiseWindowTest::Field(buttons[at]))->isChecked()) {
            return static_cast<int>(at) + 1;
        }
    }
    return -999;
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

std::vector<std::string> OutputTexts() {
    std::vector<std::string> texts;
    for (int id : OutputIds()) {
        texts.push_back(HeatwiseWindowTest::Shown(id));
    }
    return texts;
}

class RandomUseWindow : public HeatwiseWindowTest {
  protected:
    void Fail(const std::string& what) {
        ADD_FAILURE() << "step " << step_ << " (" << action_ << "), pass " << passes_ << ": "
                      << what;
        failed_ = true;
    }
    int Chance(std::size_t below) {
        return static_cast<int>(rng_() % static_cast<std::uint32_t>(below));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        if (QApplication::focusWidget() == nullptr) {
            return Fail("no widget has the keyboard focus");
        }
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Anywhere along the field's middle line, so that the text cursor lands in different
    // places of a number.
    void ClickIn(int id) {
        QWidget* widget = Field(id);
        QTest::mouseClick(
            widget, Qt::LeftButton, {},
            QPoint(1 + Chance(std::max(1, widget->width() - 2)), widget->height() / 2));
    }
    // Types `text` into the widget with the focus, over its whole text if so asked.
    enum class Select { Nothing, All };
    void TypeOver(const std::string& text, Select select = Select::All) {
        if (select == Select::All) {
            Key(Qt::Key_A, Qt::ControlModifier);
        }
        if (QApplication::focusWidget() != nullptr) {
            QTest::keyClicks(QApplication::focusWidget(), QString::fromStdString(text));
        }
    }
    std::string NumberFor(const InputField& input, bool with_margin);
    void PlayOneStep();
    void NextStep();
    void CheckPass();

    static constexpr int kSteps = 4000;
    std::mt19937 rng_{20261206u};
    std::string action_ = "start-up";
    std::string retype_;
    int step_ = 0;
    int passes_ = 0;
    double carried_heating_cost_ = 0.0;
    std::vector<std::string> outputs_after_pass_;
    bool failed_ = false;
};

// A number near the field's range; with a margin it may lie a little outside.
std::string RandomUseWindow::NumberFor(const InputField& input, bool with_margin) {
    const int span = input.High() - input.Low();
    const int margin = with_margin ? std::max(input.whole_number ? 2 : 1, span / 10) : 0;
    return input.Written(input.Low() - margin +
                         Chance(static_cast<std::size_t>(span + 2 * margin + 1)));
}

void RandomUseWindow::PlayOneStep() {
    const int focused = FocusedId();
    action_ = "in control " + std::to_string(focused) + ": ";
    if (!retype_.empty()) {
        // The number for the field clicked in the step before, once the program has answered
        // the click.
        action_ += "type " + retype_ + " over the text";
        TypeOver(retype_);
        return retype_.clear();
    }
    for (const InputField& held : kInputFields) {
        // A user held in a field by a text it refuses mends its number now and then.
        if (held.id == focused && !Acceptable(held, Shown(held.id)) && Chance(4) == 0) {
            action_ += "mend it";
            return TypeOver(NumberFor(held, false));
        }
    }
    // Backspace, Delete, Tab, Shift+Tab and the arrows, with their weights out of 316.
    // clang-format off
    static const std::pair<Qt::Key, int> kKeys[] = {{Qt::Key_Backspace, 70}, {Qt::Key_Delete, 25},
        {Qt::Key_Tab, 110}, {Qt::Key_Backtab, 55}, {Qt::Key_Up, 20}, {Qt::Key_Down, 20},
        {Qt::Key_Left, 8}, {Qt::Key_Right, 8}};
    // clang-format on
    static const char kTyped[] =
        "01234567890123456789012345678901234567890123456789012345678"
        "9..........----------EEEEEEEEEabcdefhklmnoprstwxz";
    // Weights out of 1000: mostly typing, then moves of the focus and clicks. The arrows choose
    // another city when the city list has the focus.
    int roll = Chance(1000);
    auto take = [&roll](int weight) { return (roll -= weight) < 0; };
    if (take(280)) {
        const char c = kTyped[Chance(sizeof kTyped - 1)];
        action_ += std::string("type '") + c + "'";
        TypeOver(std::string(1, c), Select::Nothing);
    } else if (take(316)) {
        int pick = Chance(316);
        const auto* key = std::find_if(std::begin(kKeys), std::end(kKeys),
                                       [&pick](const auto& k) { return (pick -= k.second) < 0; });
        action_ += "key " + std::to_string(key->first);
        Key(key->first, key->first == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    } else if (take(225)) {
        // An input field, a radio button (a mode one time in three) or an output.
        const int kind = Chance(225);
        const std::vector<int> outputs = OutputIds();
        const int id = kind < 130 ? kInputFields[Chance(std::size(kInputFields))].id
                       : kind < 210
                           ? (Chance(3) == 0 ? kModeButtons[Chance(2)] : kFuelButtons[Chance(4)])
                           : outputs[static_cast<std::size_t>(Chance(outputs.size()))];
        action_ += "click control " + std::to_string(id);
        ClickIn(id);
    } else {
        const InputField& input = kInputFields[Chance(std::size(kInputFields))];
        action_ += "click field " + std::to_string(input.id) + " to retype it";
        ClickIn(input.id);
        retype_ = NumberFor(input, true);
    }
}

void RandomUseWindow::NextStep() {
    // A step is played only once the program has answered every message of the last one.
    if (!windlass::Messages().waiting() || windlass::Messages().HasQueued()) {
        QTimer::singleShot(1, QCoreApplication::instance(), [this] { NextStep(); });
        return;
    }
    if (!failed_ && OutputTexts() != outputs_after_pass_) {
        Fail("an output field changed without a recalculation pass");
    }
    if (failed_ || step_ == kSteps) {
        Frame()->close();
        return;
    }
    ++step_;
    PlayOneStep();
    QTimer::singleShot(0, QCoreApplication::instance(), [this] { NextStep(); });
}

void RandomUseWindow::CheckPass() {
    ++passes_;
    auto whole = [](int id) {
        return static_cast<std::int32_t>(std::trunc(NumberIn(HeatwiseWindowTest::Shown(id))));
    };
    auto real = [](int id) { return static_cast<float>(NumberIn(HeatwiseWindowTest::Shown(id))); };
    EstimateInputs inputs;
    inputs.city = qobject_cast<QComboBox*>(Field(FLD_CITY))->currentIndex() + 1;
    inputs.mode = static_cast<CalcMode>(CheckedPosition(kModeButtons));
    inputs.fuel = static_cast<HeatingFuel>(CheckedPosition(kFuelButtons));
    for (std::size_t shift = 0; shift < kShiftCount; ++shift) {
        const int first = FLD_TSTAT_HOURS_1 + 3 * static_cast<int>(shift);
        inputs.thermostat_hours[shift] = whole(first);
        inputs.summer_setpoint[shift] = whole(first + 1);
        inputs.winter_setpoint[shift] = whole(first + 2);
    }
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
        if (HeatwiseWindowTest::Shown(ids[at]) != std::to_string(numbers[at])) {
            return Fail("field " + std::to_string(ids[at]) + " shows \"" +
                        HeatwiseWindowTest::Shown(ids[at]) + "\" where the bin method gives " +
                        std::to_string(numbers[at]));
        }
    }
    outputs_after_pass_ = OutputTexts();
}

TEST_F(RandomUseWindow, EveryPassShowsTheBinMethodsResultsAndNoOutputChangesBetweenPasses) {
    Start();
    outputs_after_pass_ = OutputTexts();
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
    if (!failed_) {
        EXPECT_EQ(step_, kSteps) << "the run ended early";
        EXPECT_GT(passes_, kSteps / 20) << "a run with hardly a pass proves little";
    }
}

}  // namespace
}  // namespace heatwise::testing
