// A program built with the fake platform alone runs on it: no display, nothing shown.
#include <memory>

#include "platform/fake/fake_platform.h"
#include "platform/platform.h"

namespace windlass {

std::unique_ptr<Platform> CreateDefaultPlatform() {
    return std::make_unique<FakePlatform>();
}

}  // namespace windlass
