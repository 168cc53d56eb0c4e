// A program built with the recording platform alone runs on it: no display, nothing shown.
#include <memory>

#include "platform/platform.h"
#include "recording_platform.h"

namespace windlass {

std::unique_ptr<Platform> CreateDefaultPlatform() {
    return std::make_unique<RecordingPlatform>();
}

}  // namespace windlass
