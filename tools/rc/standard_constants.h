// The symbolic constants that resource scripts use without defining them: window, dialog and
// control styles, menu item types and states, virtual keys and the standard button ids, all
// with the other platform's values, so one script serves both resource compilers.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace heatwise::rc {

// The value of a standard constant such as WS_CHILD (0x40000000); nothing for other names.
// Names are matched exactly, letter case included.
std::optional<std::uint32_t> StandardConstant(std::string_view name);

}  // namespace heatwise::rc
