// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

#include "platform/help_desktop.h"

namespace windlass::qt {

// The help viewer of this backend and the Qt desktop services.
class QtHelpDesktop : public HelpDesktop {
  public:
    bool ShowHelp(WindowHandle owner, const std::string& document,
                  const HelpRequest& request) override;
    AssociatedProgram FindAssociatedProgram(const std::string& path_or_address) override;
};

}  // namespace windlass::qt
