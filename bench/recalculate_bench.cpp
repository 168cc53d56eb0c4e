// One recalculation pass of the program through the toolkit into the real Qt widgets, in this
// process on Qt's offscreen platform: the program's own start-up opens its window with the
// form and the committed climate files, then each iteration runs RecalculateForm as the main
// loop does for a field change. Run from a Release build:
//   heatwise-recalc-bench
// Each benchmark is repeated and reported by its mean, median and spread. At the end the peak
// memory of this process after all its passes is printed as one "summary" line.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/input_defaults.h"
#include "form_ids.h"
#include "main_loop.h"
#include "program_state.h"
#include "recalculate_form.h"
#include "startup.h"
#include "windlass/windlass.h"

namespace heatwise {
namespace {

constexpr int kRepetitions = 20;

ProgramState& Program() {
    static ProgramState state;
    return state;
}

// Writes a thermostat schedule of `hours` in all three shifts, so that the next pass finds
// every scaled bin hour, every percentage and both costs changed.
void WriteSchedule(int hours) {
    for (int field : {FLD_TSTAT_HOURS_1, FLD_TSTAT_HOURS_2, FLD_TSTAT_HOURS_3}) {
        WDialogPutInteger(field, hours);
    }
}

// A pass after a field change that changed nothing, such as a move of the focus: every field
// is written with what it already shows.
void BM_RecalculateForm_Unchanged(benchmark::State& bench) {
    ProgramState& program = Program();
    RecalculateForm(program.climate, program.carried);
    for (auto _ : bench) {
        RecalculateForm(program.climate, program.carried);
    }
}
BENCHMARK(BM_RecalculateForm_Unchanged)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

// What follows each timed pass: nothing, or what the main loop's next wait does before the
// user sees the results (the platform's events dealt with and the changed fields repainted).
enum class AfterPass { kNothing, kRepaint };

// Passes after a new thermostat schedule: every result field shows a new value. The three
// writes of the schedule are timed with each pass.
void TimeNewSchedules(benchmark::State& bench, AfterPass after) {
    ProgramState& program = Program();
    int hours = kDefaultThermostatHours[0];
    for (auto _ : bench) {
        hours = hours == 8 ? 7 : 8;
        WriteSchedule(hours);
        RecalculateForm(program.climate, program.carried);
        if (after == AfterPass::kRepaint) {
            QCoreApplication::processEvents();
        }
    }
    WriteSchedule(kDefaultThermostatHours[0]);
}

void BM_RecalculateForm_NewSchedule(benchmark::State& bench) {
    TimeNewSchedules(bench, AfterPass::kNothing);
}
BENCHMARK(BM_RecalculateForm_NewSchedule)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

void BM_RecalculateForm_NewScheduleRepainted(benchmark::State& bench) {
    TimeNewSchedules(bench, AfterPass::kRepaint);
}
BENCHMARK(BM_RecalculateForm_NewScheduleRepainted)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(kRepetitions)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace heatwise

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The program reads its climate files from its working folder; the build copies the
    // committed ones beside this bench, as it does beside the program.
    std::error_code error;
    std::filesystem::current_path(std::filesystem::read_symlink("/proc/self/exe").parent_path(),
                                  error);
    if (error) {
        std::fprintf(stderr, "recalc bench: cannot work in its own folder: %s\n",
                     error.message().c_str());
        return 1;
    }
    WInstallQtBackend();
    heatwise::StartUp(heatwise::Program());
    // The window's first display, as the user first sees it, before any pass is timed.
    QCoreApplication::processEvents();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    heatwise::ShutDown();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("summary recalc_process_peak_rss_mb %.1f\n",
                static_cast<double>(usage.ru_maxrss) / 1024.0);
    return 0;
}
