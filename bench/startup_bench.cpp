// Start-up of the program against a bare Qt Widgets program, both on Qt's offscreen platform
// and each started as a process, in alternating runs. Every run is timed from just before the
// fork to the child's line "first wait": Heatwise writes it when its start-up is over and it
// first waits for the platform in WMessage (heatwise-startup-probe, Heatwise built to stop
// there: it closes its window and ends by its own close path); the bare program writes it at the
// same point, just before its event loop first runs, and in a second form when its loop first runs
// idle, after its window's first paint, and in a third with one line of text in its window, which
// makes Qt set up its fonts as any window with text must. The peak memory of each process comes
// from wait4 once it has ended.
//
//   heatwise-startup-bench [--runs=N] [--heatwise=PATH] [--bare=PATH]
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
        } else if (argument.starts_with("--bare=")) {
            options.bare = std::string(argument.substr(7));
        } else {
            std::fprintf(stderr, "usage: %s [--runs=N] [--heatwise=PATH] [--bare=PATH]\n", argv[0]);
            return false;
        }
    }
    return true;
}

void PrintResults(const std::array<Contender, 4>& contenders) {
    std::printf("%-34s %10s %10s %10s %12s\n", "start-up to first wait", "median ms", "min ms",
                "max ms", "peak RSS MB");
    for (const Contender& contender : contenders) {
        const auto [least, most] =
            std::minmax_element(contender.milliseconds.begin(), contender.milliseconds.end());
        const double peak_megabytes =
            static_cast<double>(*std::max_element(contender.peak_kilobytes.begin(),
                                                  contender.peak_kilobytes.end())) /
            1024.0;
        std::printf("%-34s %10.1f %10.1f %10.1f %12.1f\n",
                    std::string(contender.description).c_str(), Median(contender.milliseconds),
                    *least, *most, peak_megabytes);
    }
    const double heatwise = Median(contenders[0].milliseconds);
    const double bare_entry = Median(contenders[1].milliseconds);
    const double bare_idle = Median(contenders[2].milliseconds);
    const double bare_label = Median(contenders[3].milliseconds);
    std::printf("ratio heatwise / bare at the same point (loop entry): %.2f\n",
                heatwise / bare_entry);
    std::printf("ratio heatwise / bare at its first idle:              %.2f\n",
                heatwise / bare_idle);
    std::printf("ratio heatwise / bare with a label (loop entry):      %.2f\n",
                heatwise / bare_label);
    for (const Contender& contender : contenders) {
        std::printf("summary %s_median_ms %.1f\n", std::string(contender.key).c_str(),
                    Median(contender.milliseconds));
        std::printf("summary %s_peak_rss_mb %.1f\n", std::string(contender.key).c_str(),
                    static_cast<double>(*std::max_element(contender.peak_kilobytes.begin(),
                                                          contender.peak_kilobytes.end())) /
                        1024.0);
    }
    std::printf("summary startup_ratio_loop_entry %.2f\n", heatwise / bare_entry);
    std::printf("summary startup_ratio_idle %.2f\n", heatwise / bare_idle);
    std::printf("summary startup_ratio_label %.2f\n", heatwise / bare_label);
}

}  // namespace
}  // namespace heatwise::bench

int main(int argc, char** argv) {
    using namespace heatwise::bench;
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        return 2;
    }
    // Both programs draw on Qt's offscreen platform, and only Heatwise stops at its first
    // wait; the bare program says where it stops by its argument.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Heatwise reads its climate files from its working folder, where its build puts them.
    const std::string heatwise_folder =
        std::filesystem::path(options.heatwise).parent_path().string();
    std::array<Contender, 4> contenders = {{
        {"heatwise",
         "heatwise (first wait in WMessage)",
         {options.heatwise, {}, heatwise_folder},
         {},
         {}},
        {"bare_loop_entry",
         "bare Qt (loop entry)",
         {options.bare, {"loop-entry"}, heatwise_folder},
         {},
         {}},
        {"bare_idle",
         "bare Qt (first idle, painted)",
         {options.bare, {"idle"}, heatwise_folder},
         {},
         {}},
        {"bare_label",
         "bare Qt with a label (loop entry)",
         {options.bare, {"label"}, heatwise_folder},
         {},
         {}},
    }};
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
