// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

namespace windlass {

// The push buttons the dialog manager knows by their ids: OK never lets an invalid numeric
// field go and is what Return presses when no button looks like the default; Escape presses
// Cancel; F1 in a dialog is reported as a press of button 9.
inline constexpr int kOkButton = 1;
inline constexpr int kCancelButton = 2;
inline constexpr int kHelpButton = 9;

}  // namespace windlass
