// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The Qt dialogs read the templates' style bits under the short name `style`.

#include "resources/template_styles.h"

namespace windlass::qt {
namespace style = ::windlass::styles;
}  // namespace windlass::qt
