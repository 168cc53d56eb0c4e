// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

#include "platform/help_types.h"
#include "platform/window_types.h"

namespace windlass {

// What the toolkit asks of the help viewer and the desktop.
class HelpDesktop {
  public:
    virtual ~HelpDesktop() = default;

    // Shows a help document of the toolkit's own format in the platform's help viewer, which
    // stays open by itself; `owner` is the program's main window, or null. Gives false when the
    // viewer cannot be had or cannot fulfil the request (a document it cannot read, a topic it
    // does not hold). Quit names no document and closes the viewer if it is open.
    virtual bool ShowHelp(WindowHandle owner, const std::string& document,
                          const HelpRequest& request) = 0;
    // Opens a file (by its path) or a web address with the program the desktop associates with
    // its kind, and returns without waiting for that program.
    virtual DesktopOpen OpenWithDesktop(const std::string& path_or_address) = 0;
};

}  // namespace windlass
