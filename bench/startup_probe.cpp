// heatwise-startup-probe: Heatwise itself, built from the program's own sources, with one
// difference: it stops at its first wait for the platform. There it writes "first wait" on its
// standard output and ends by its own close path, so that heatwise-startup-bench can time the
// start-up from outside the process and read its peak memory. With the argument "first-paint"
// it lets the platform paint the window first and stops when the platform has nothing left to
// do. The program heatwise never stops this way.
#include <cstdio>
#include <cstring>

#include "main_loop.h"
#include "message/startup_probe.h"
#include "windlass/windlass.h"

int main(int argc, char** argv) {
    const bool after_paint = argc == 2 && std::strcmp(argv[1], "first-paint") == 0;
    if (argc > 2 || (argc == 2 && !after_paint)) {
        std::fprintf(stderr, "usage: %s [first-paint]\n", argv[0]);
        return 2;
    }
    WInstallQtBackend();
    windlass::ArmFirstWaitStop(after_paint ? windlass::StopPoint::FirstPaint
                                           : windlass::StopPoint::FirstWait);
    return heatwise::RunHeatwise();
}
