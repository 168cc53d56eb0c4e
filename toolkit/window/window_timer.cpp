#include "window/window_timer.h"

#include <algorithm>

#include "platform/platform.h"
#include "window/window_table.h"

namespace windlass {

void StartWindowTimer(int timer_id, int milliseconds) {
    WindowSlot& window = Windows().Current();
    if (window.frame != nullptr) {
        ThePlatform().Windowing().StartTimer(window.frame, timer_id, std::max(milliseconds, 0));
    }
}

}  // namespace windlass
