#include "message/startup_probe.h"

#include <cstdio>

namespace windlass {

void ArmFirstWaitStop() {
    StartupStop() = FirstWaitStop::Armed;
}

bool FirstWaitEndsRun() {
    // Only the first wait of an armed run ends it: every later wait is an ordinary one.
    if (StartupStop() != FirstWaitStop::Armed) {
        return false;
    }
    StartupStop() = FirstWaitStop::Passed;
    // Flushed before the run ends, so that the clock outside stops now and not at the exit.
    std::fputs("first wait\n", stdout);
    std::fflush(stdout);
    return true;
}

}  // namespace windlass
