// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

namespace windlass {

// Starts a one-shot timer for the current window: after `milliseconds` the timer stops and
// the window raises MSG_TIMER with `timer_id`. A timer of the same id that is still running is
// started afresh. Nothing happens when the current window is not open.
void StartWindowTimer(int timer_id, int milliseconds);

}  // namespace windlass
