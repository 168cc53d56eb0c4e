// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

#include "platform/help_types.h"

class QWidget;

namespace windlass::qt {

class HelpPopup;
class HelpWindow;

// Carries out a help request on this program's help window or pop-up, over the owner's window
// (null for none); true when the document and the asked-for topic or contents were shown. The
// QApplication must exist, except to close the viewers.
bool ShowHelpViewer(QWidget* owner, const std::string& document, const HelpRequest& request);

// Closes the help window and the pop-up, when they are open.
void CloseHelpViewers();

// The help window and the pop-up of this program, while they exist; null otherwise. There is
// at most one of each: every help request reuses them.
HelpWindow* OpenHelpWindow();
HelpPopup* OpenHelpPopup();

}  // namespace windlass::qt
