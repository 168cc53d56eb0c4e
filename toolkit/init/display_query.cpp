// InfoDisplay: whether WInitialise found a display that windows can be shown on.
#include <string>

#include "errors/fixed_text.h"
#include "init/settings.h"
#include "windlass/windlass.h"

int InfoDisplay() {
    return windlass::Settings().display == windlass::DisplayState::Open ? 1 : 0;
}

int InfoDisplay(std::string& reason) {
    const windlass::ToolkitSettings& settings = windlass::Settings();
    const bool open = settings.display == windlass::DisplayState::Open;
    windlass::PutFixed(reason, open ? std::string() : settings.display_problem);
    return open ? 1 : 0;
}
