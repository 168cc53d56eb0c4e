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

// The platform in use. The first call creates the backend the program was built with.
Platform& ThePlatform();

// Puts a platform in place (a test double, typically) and hands back the previous one, which
// may be null when none had been created yet. Passing null makes the next ThePlatform() create
// the built-in backend again.
std::unique_ptr<Platform> InstallPlatform(std::unique_ptr<Platform> platform);

// Creates the backend this program was built with; each backend provides it in its own
// factory file.
std::unique_ptr<Platform> CreateDefaultPlatform();

}  // namespace windlass
