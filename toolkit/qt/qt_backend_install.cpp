// A program that shows its windows with Qt Widgets installs this backend before WInitialise.
#include <memory>

#include "platform/platform.h"
#include "qt/qt_platform.h"
#include "windlass/windlass.h"

void WInstallQtBackend() {
    using windlass::qt::QtPlatform;
    // A second call keeps the backend in place, and with it every window it holds.
    if (dynamic_cast<QtPlatform*>(&windlass::ThePlatform()) != nullptr) {
        return;
    }
    windlass::InstallPlatform(std::make_unique<QtPlatform>());
}
