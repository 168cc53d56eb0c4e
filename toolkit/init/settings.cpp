#include "init/settings.h"

#include "errors/error_state.h"
#include "init/command_line.h"

namespace windlass {

ToolkitSettings& Settings() {
    static ToolkitSettings settings;
    return settings;
}

void ForgetInitialisation() {
    Settings() = ToolkitSettings{};
    ResetErrorState();
    ForgetCommandLine();
}

}  // namespace windlass
