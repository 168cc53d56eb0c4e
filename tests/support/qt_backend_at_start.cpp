// A test program of the Qt backend runs on it from its start, as Heatwise does once its main
// has installed it.
#include "windlass/windlass.h"

namespace {

struct InstallAtStart {
    InstallAtStart() { WInstallQtBackend(); }
} const kInstallAtStart;

}  // namespace
