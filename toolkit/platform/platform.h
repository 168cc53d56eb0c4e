// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <memory>

#include "platform/dialog_controls.h"
#include "platform/help_desktop.h"
#include "platform/os_services.h"
#include "platform/windowing_system.h"

namespace windlass {

// The platform the toolkit runs on, as four parts: the operating system, the window system,
// dialogs and their controls, and help and the desktop. A backend hands out its own part of
// each kind; the parts live as long as the platform.
class Platform {
  public:
    virtual ~Platform() = default;

    virtual OsServices& Os() = 0;
    virtual WindowingSystem& Windowing() = 0;
    virtual DialogControls& Controls() = 0;
    virtual HelpDesktop& Desktop() = 0;
};

// The platform in use: the backend the program installed (through the backend's own install
// procedure, such as WInstallQtBackend, or InstallPlatform), or, until it installs one, the
// windowless platform of windowless_platform.h, on which everything that needs no window works.
Platform& ThePlatform();

// Puts a platform in place (a backend, or a test double) and hands back the previous one, which
// is null when none had been asked for yet. Passing null puts the windowless platform back.
std::unique_ptr<Platform> InstallPlatform(std::unique_ptr<Platform> platform);

}  // namespace windlass
