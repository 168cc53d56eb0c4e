// A program built with the recording platform runs on it from its start, as Heatwise runs on
// the Qt backend it installs in main: no display, nothing shown. Each test that needs the
// platform's record installs a recording platform of its own as well.
#include <memory>

#include "platform/platform.h"
#include "recording_platform.h"

namespace windlass {
namespace {

// Installed before main runs; the platform slot is a function's static, so it exists by then.
struct InstallAtStart {
    InstallAtStart() { InstallPlatform(std::make_unique<RecordingPlatform>()); }
} const kInstallAtStart;

}  // namespace
}  // namespace windlass
