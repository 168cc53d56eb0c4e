#include "message/startup_probe.h"

#include <cstdio>

#include "platform/platform.h"

namespace windlass {

void ArmFirstWaitStop(StopPoint point) {
    StartupStop() =
        point == StopPoint::FirstPaint ? FirstWaitStop::ArmedAfterPaint : FirstWaitStop::Armed;
}

bool FirstWaitEndsRun() {
    // Only the first wait of an armed run ends it: every later wait is an ordinary one.
    const FirstWaitStop stop = StartupStop();
    if (stop != FirstWaitStop::Armed && stop != FirstWaitStop::ArmedAfterPaint) {
        return false;
    }
    StartupStop() = FirstWaitStop::Passed;
    if (stop == FirstWaitStop::ArmedAfterPaint) {
        ThePlatform().Windowing().SettleEvents();
    }
    // Flushed before the run ends, so that the clock outside stops now and not at the exit.
    std::fputs("first wait\n", stdout);
    std::fflush(stdout);
    return true;
}

}  // namespace windlass
