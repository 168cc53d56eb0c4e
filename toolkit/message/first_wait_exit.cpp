#include "message/first_wait_exit.h"

#include <cstdio>
#include <optional>
#include <string>
#include <utility>

#include "platform/platform.h"

namespace windlass {

bool FirstWaitEndsRun() {
    // Only the first wait of the run can end it: every later wait is an ordinary one.
    static bool first_wait = true;
    if (!std::exchange(first_wait, false)) {
        return false;
    }
    std::optional<std::string> value =
        ThePlatform().Os().EnvironmentVariable(kFirstWaitExitVariable);
    if (value != "1") {
        return false;
    }
    // Flushed before the run ends, so that the clock outside stops now and not at the exit.
    std::fputs("first wait\n", stdout);
    std::fflush(stdout);
    return true;
}

}  // namespace windlass
