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
// same run can be played again: HEATWISE_RANDOM_USE_TRACE=1 prints every step and message as
// it is played, and HEATWISE_RANDOM_USE_SEED and HEATWISE_RANDOM_USE_STEPS give a run another
// seed and length.
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <vector>

#include "heatwise_window_test.h"
#include "random_use_form_model.h"
#include "random_use_user.h"

namespace heatwise::testing {
namespace {

struct RandomRun {
    std::uint32_t seed;
    int steps;
};

void PrintTo(const RandomRun& run, std::ostream* out) {
    *out << "seed " << run.seed << ", " << run.steps << " steps";
}

class RandomUseWindow : public HeatwiseWindowTest, public ::testing::WithParamInterface<RandomRun> {
  protected:
    // Plays the run's steps while the program's loop answers them, then ends the loop with
    // the close box.
    void PlayRun();

  private:
    // The program's main loop as RunMainLoop runs it: the quit flag tested before each wait,
    // each message answered by the program's HandleMessage. After each field-changed message,
    // that is right after its recalculation pass, the outputs are checked.
    void RunLoop();
    void NextStep();
    void CheckPass();
    void CheckBetweenSteps();
    void Fail(const std::string& what);
    std::string Where() const;
    std::vector<std::string> OutputTexts() const;

    RandomRun run_{};
    std::unique_ptr<RandomUser> user_;
    int step_ = 0;
    int passes_ = 0;
    double carried_heating_cost_ = 0.0;
    std::vector<std::string> outputs_after_pass_;
    // Where the user stood before the step: the control with the focus, the city and the
    // two radio groups. A step that changes one of them must bring a pass.
    struct Stance {
        int focused = 0;
        int city = 0;
        int mode = 0;
        int fuel = 0;
        bool operator==(const Stance&) const = default;
    };
    static Stance StanceNow();
    Stance before_step_;
    int passes_before_step_ = 0;
    bool failed_ = false;
    bool closing_ = false;
    bool trace_ = std::getenv("HEATWISE_RANDOM_USE_TRACE") != nullptr;
    QTimer watchdog_;
};

std::string RandomUseWindow::Where() const {
    return "seed " + std::to_string(run_.seed) + ", step " + std::to_string(step_) + " of " +
           std::to_string(run_.steps) + " (" + (user_ ? user_->action() : "start-up") + "), pass " +
           std::to_string(passes_);
}

void RandomUseWindow::Fail(const std::string& what) {
    ADD_FAILURE() << Where() << ": " << what;
    // The first fault ends the run: what follows it would only repeat it.
    failed_ = true;
}

void RandomUseWindow::PlayRun() {
    run_ = GetParam();
    // Other seeds and lengths can be tried without a rebuild.
    if (const char* seed = std::getenv("HEATWISE_RANDOM_USE_SEED")) {
        run_.seed = static_cast<std::uint32_t>(std::strtoul(seed, nullptr, 10));
    }
    if (const char* steps = std::getenv("HEATWISE_RANDOM_USE_STEPS")) {
        run_.steps = std::atoi(steps);
    }
    user_ =
        std::make_unique<RandomUser>(run_.seed, [this](const std::string& what) { Fail(what); });
    Start();
    outputs_after_pass_ = OutputTexts();
    RunLoop();
    if (!failed_) {
        EXPECT_EQ(step_, run_.steps) << Where() << ": the run ended early";
        // A run in which hardly anything was recalculated would prove little.
        EXPECT_GT(passes_, run_.steps / 20) << Where();
    }
    std::cout << "seed " << run_.seed << ": " << step_ << " steps, " << user_->events()
              << " key and mouse events, " << passes_ << " recalculation passes\n";
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
    if (!ProgramWaits()) {
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
    before_step_ = StanceNow();
    passes_before_step_ = passes_;
    watchdog_.start();
    user_->PlayOneStep();
    if (trace_) {
        std::cerr << "seed " << run_.seed << " step " << step_ << ": " << user_->action() << "\n";
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
    const BinCalcResult expected = EngineResult(read.inputs, carried_heating_cost_);
    carried_heating_cost_ = expected.carried_heating_cost;
    std::string differences = OutputDifferences(expected, &Field);
    if (!differences.empty()) {
        Fail(
            "after this pass the form does not show what the bin method gives for its "
            "inputs:\n" +
            differences);
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
    // A radio click, a new city and every move of the focus from one control of the form to
    // another are answered by a pass. The menu bar borrowing the keyboard, or another window
    // the focus, moves it to no control.
    const Stance now = StanceNow();
    const bool moved =
        before_step_.focused != 0 && now.focused != 0 && before_step_.focused != now.focused;
    const bool chose = before_step_.city != now.city || before_step_.mode != now.mode ||
                       before_step_.fuel != now.fuel;
    if (step_ > 0 && (moved || chose) && passes_ == passes_before_step_) {
        Fail("no recalculation pass followed " +
             std::string(moved ? "a move of the focus from control " +
                                     std::to_string(before_step_.focused) + " to " +
                                     std::to_string(now.focused)
                               : "a new choice of city, mode or fuel"));
        return;
    }
    // The menu bar may borrow the keyboard (after Escape in one of its menus) and give it
    // back; only a control of the form that took the focus has left a field behind.
    const int focused = FocusedId();
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

RandomUseWindow::Stance RandomUseWindow::StanceNow() {
    auto* list = qobject_cast<QComboBox*>(Field(FLD_CITY));
    return {FocusedId(), list->currentIndex() + 1, CheckedPosition(kModeButtons, &Field),
            CheckedPosition(kFuelButtons, &Field)};
}

std::vector<std::string> RandomUseWindow::OutputTexts() const {
    std::vector<std::string> texts;
    for (int id : OutputIds()) {
        texts.push_back(TextOf(Field(id)));
    }
    return texts;
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
