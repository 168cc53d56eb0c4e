// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

namespace windlass::qt {

class HelpPopup;
class HelpWindow;

// The help window and the pop-up of this program, while they exist; null otherwise. There is
// at most one of each: every help request reuses them.
HelpWindow* OpenHelpWindow();
HelpPopup* OpenHelpPopup();

}  // namespace windlass::qt
