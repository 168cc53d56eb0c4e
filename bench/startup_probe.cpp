// heatwise-startup-probe: Heatwise itself, built from the program's own sources, with one
// difference: it stops at its first wait for the platform. There it writes "first wait" on its
// standard output and ends by its own close path, so that heatwise-startup-bench can time the
// start-up from outside the process and read its peak memory. The program heatwise never stops
// this way.
#include "message/startup_probe.h"
#include "main_loop.h"

int main() {
    windlass::ArmFirstWaitStop();
    return heatwise::RunHeatwise();
}
