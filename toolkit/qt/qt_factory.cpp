// This build draws its windows with Qt Widgets.
#include <memory>

#include "platform/platform.h"
#include "qt/qt_platform.h"

namespace windlass {

std::unique_ptr<Platform> CreateDefaultPlatform() {
    return std::make_unique<qt::QtPlatform>();
}

}  // namespace windlass
