// Start-up of the program against two yardsticks, all on Qt's offscreen platform and each
// started as a process, in alternating runs. Every run is timed from just before the fork to the
// child's line "first wait", and the peak memory of each process comes from wait4 once it has
// ended.
//
// Heatwise writes the line when its start-up is over and it first waits for the platform in
// WMessage (heatwise-startup-probe, Heatwise built to stop there: it closes its window and ends
// by its own close path), and with "first-paint" once its window is painted as well. The fair
// yardstick, heatwise-qt-form, is the same main window and form written directly in Qt: it
// writes the line just before its event loop first runs, and with "painted" once its window is
// painted. The bare program, one empty window, is the second yardstick: the cost of any Qt
// window at all, at its loop entry, at its first idle after its first paint, and with one line
// of text, which makes Qt set up its fonts as any window with text must.
//
//   heatwise-startup-bench [--runs=N] [--heatwise=PATH] [--form=PATH] [--bare=PATH]
//
// Prints the medians and the ratios, and one line "summary key value" for each figure, which
// scripts/bench gathers. A run that fails ends the bench with a message and exit code 1.
#include <stdlib.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "child_timing.h"

namespace heatwise::bench {
namespace {

struct Options {
    int runs = 30;
    std::string heatwise = HEATWISE_PROGRAM_PATH;
    std::string form = QT_FORM_PROGRAM_PATH;
    std::string bare = BARE_QT_PROGRAM_PATH;
};

struct Contender {
    std::string_view key;
    std::string_view description;
    StartRequest request;
    std::vector<double> milliseconds;
    std::vector<long> peak_kilobytes;
};

template <typename T>
T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    if (values.size() % 2 == 1) {
        return values[middle];
    }
    return (values[middle - 1] + values[middle]) / 2;
}

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument.starts_with("--runs=")) {
            options.runs = std::atoi(argv[i] + 7);
            if (options.runs < 1) {
                std::fprintf(stderr, "startup bench: --runs needs a whole number of 1 or more\n");
                return false;
            }
        } else if (argument.starts_with("--heatwise=")) {
            options.heatwise = std::string(argument.substr(11));
        } else if (argument.starts_with("--form=")) {
            options.form = std::string(argument.substr(7));
        } else if (argument.starts_with("--bare=")) {
            options.bare = std::string(argument.substr(7));
        } else {
            std::fprintf(stderr,
                         "usage: %s [--runs=N] [--heatwise=PATH] [--form=PATH] [--bare=PATH]\n",
                         argv[0]);
            return false;
        }
    }
    return true;
}

// The contenders in the order of the table; the ratios below refer to them by these places.
enum Place : std::size_t {
    kHeatwise,
    kHeatwisePainted,
    kFormLoopEntry,
    kFormPainted,
    kBareLoopEntry,
    kBareIdle,
    kBareLabel,
    kContenders
};

double Megabytes(long kilobytes) {
    return static_cast<double>(kilobytes) / 1024.0;
}

void PrintResults(const std::array<Contender, kContenders>& contenders) {
    std::printf("%-40s %9s %9s %9s %13s %11s\n", "start-up", "median ms", "min ms", "max ms",
                "median RSS MB", "max RSS MB");
    for (const Contender& contender : contenders) {
        const auto [least, most] =
            std::minmax_element(contender.milliseconds.begin(), contender.milliseconds.end());
        std::printf("%-40s %9.1f %9.1f %9.1f %13.1f %11.1f\n",
                    std::string(contender.description).c_str(), Median(contender.milliseconds),
                    *least, *most, Megabytes(Median(contender.peak_kilobytes)),
                    Megabytes(*std::max_element(contender.peak_kilobytes.begin(),
                                                contender.peak_kilobytes.end())));
    }
    auto time = [&contenders](Place place) { return Median(contenders[place].milliseconds); };
    auto memory = [&contenders](Place place) {
        return Megabytes(Median(contenders[place].peak_kilobytes));
    };
    const double form_entry = time(kHeatwise) / time(kFormLoopEntry);
    const double form_painted = time(kHeatwisePainted) / time(kFormPainted);
    const double form_memory = memory(kHeatwise) / memory(kFormLoopEntry);
    std::printf("ratio heatwise / Qt form, to the first wait (loop entry): %.2f\n", form_entry);
    std::printf("ratio heatwise / Qt form, to the first paint:             %.2f\n", form_painted);
    std::printf("ratio heatwise / Qt form, peak memory (medians):          %.2f\n", form_memory);
    const double bare_entry = time(kHeatwise) / time(kBareLoopEntry);
    const double bare_idle = time(kHeatwise) / time(kBareIdle);
    const double bare_label = time(kHeatwise) / time(kBareLabel);
    std::printf(
        "ratio heatwise / empty window: %.2f at loop entry, %.2f at its first idle, "
        "%.2f with a label\n",
        bare_entry, bare_idle, bare_label);
    for (const Contender& contender : contenders) {
        const std::string key(contender.key);
        std::printf("summary %s_median_ms %.1f\n", key.c_str(), Median(contender.milliseconds));
        std::printf("summary %s_median_rss_mb %.1f\n", key.c_str(),
                    Megabytes(Median(contender.peak_kilobytes)));
        std::printf("summary %s_peak_rss_mb %.1f\n", key.c_str(),
                    Megabytes(*std::max_element(contender.peak_kilobytes.begin(),
                                                contender.peak_kilobytes.end())));
    }
    std::printf("summary startup_ratio_form_loop_entry %.2f\n", form_entry);
    std::printf("summary startup_ratio_form_painted %.2f\n", form_painted);
    std::printf("summary memory_ratio_form %.2f\n", form_memory);
    std::printf("summary startup_ratio_loop_entry %.2f\n", bare_entry);
    std::printf("summary startup_ratio_idle %.2f\n", bare_idle);
    std::printf("summary startup_ratio_label %.2f\n", bare_label);
}

}  // namespace
}  // namespace heatwise::bench

int main(int argc, char** argv) {
    using namespace heatwise::bench;
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        return 2;
    }
    // Every program draws on Qt's offscreen platform; each says where it stops by its
    // argument, Heatwise at its first wait unless told to stop at its first paint.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Heatwise and the Qt form read the climate files from their working folder, where the
    // build puts them beside Heatwise.
    const std::string heatwise_folder =
        std::filesystem::path(options.heatwise).parent_path().string();
    auto entry = [&heatwise_folder](std::string_view key, std::string_view description,
                                    const std::string& program,
                                    std::vector<std::string> arguments) {
        return Contender{
            key, description, {program, std::move(arguments), heatwise_folder}, {}, {}};
    };
    std::array<Contender, kContenders> contenders = {
        entry("heatwise", "heatwise (first wait in WMessage)", options.heatwise, {}),
        entry("heatwise_painted", "heatwise (first paint)", options.heatwise, {"first-paint"}),
        entry("form_loop_entry", "Qt form (loop entry)", options.form, {"loop-entry"}),
        entry("form_painted", "Qt form (first paint)", options.form, {"painted"}),
        entry("bare_loop_entry", "empty Qt window (loop entry)", options.bare, {"loop-entry"}),
        entry("bare_idle", "empty Qt window (first idle, painted)", options.bare, {"idle"}),
        entry("bare_label", "Qt window with a label (loop entry)", options.bare, {"label"}),
    };
    try {
        for (int run = 0; run < options.runs; ++run) {
            // Each run starts with the next program in turn, so that none always goes first.
            for (std::size_t turn = 0; turn < contenders.size(); ++turn) {
                Contender& contender =
                    contenders[(static_cast<std::size_t>(run) + turn) % contenders.size()];
                const TimedStart start = TimeStartToFirstLine(contender.request);
                contender.milliseconds.push_back(start.milliseconds);
                contender.peak_kilobytes.push_back(start.peak_kilobytes);
            }
        }
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "startup bench: %s\n", failure.what());
        return 1;
    }
    std::printf("%d runs of each, alternating, on Qt's offscreen platform\n", options.runs);
    PrintResults(contenders);
    return 0;
}
