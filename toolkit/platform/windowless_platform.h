// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace windlass {

// The problem a program without a backend reports for its display.
inline constexpr const char* kNoBackendProblem = "no backend that draws windows is installed";

// The platform of a program that installed no backend: the operating system answers as on every
// POSIX system, and nothing can be shown. The display is missing, no frame, dialog or help
// viewer can be made (each request gives the answer of a window the platform refuses), nobody
// answers a message box, and there are never events to wait for. Every other request finds no
// window to act on and does nothing.
std::unique_ptr<Platform> MakeWindowlessPlatform();

}  // namespace windlass
