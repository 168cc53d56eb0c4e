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
    // The program the desktop associates with the kind of a file (given by its path) or with
    // the scheme of a web address, with the arguments that open it there. Nothing is started.
    virtual AssociatedProgram FindAssociatedProgram(const std::string& path_or_address) = 0;
};

}  // namespace windlass
