// WindowStatusBarParts and WindowOutStatusBar, and the error report in the status bar.
#include "window/status_bar_output.h"

#include <vector>

#include "platform/platform.h"
#include "windlass/windlass.h"
#include "window/status_bar_layout.h"

namespace windlass {

void ShowStatusBar(const WindowSlot& window) {
    if (!window.status_bar || window.frame == nullptr) {
        return;
    }
    std::vector<StatusPartView> views;
    for (const StatusPart& part : window.status_bar->parts()) {
        StatusTextPieces pieces = SplitStatusText(part.text);
        views.push_back({part.right_edge, part.border, std::move(pieces.left),
                         std::move(pieces.centre), std::move(pieces.right)});
    }
    ThePlatform().Windowing().ShowStatusBar(window.frame, views);
}

void WriteStatusBarReport(std::string_view line) {
    WindowTable& windows = Windows();
    int noted = windows.current;
    windows.current = kMainWindowSlot;
    WindowOutStatusBar(1, line);
    windows.current = noted;
}

}  // namespace windlass

void WindowStatusBarParts(int nparts, std::span<const int> iwidths, std::span<const int> itypes) {
    using namespace windlass;
    WindowSlot& window = Windows().Current();
    std::optional<StatusPartLayout> layout =
        LayoutStatusParts(nparts, iwidths, itypes, window.client.width);
    if (!layout || !window.status_bar) {
        return;
    }
    window.status_bar->SetParts(*layout);
    ShowStatusBar(window);
}

void WindowOutStatusBar(int ipart, std::string_view text) {
    using namespace windlass;
    if (ipart < 1 || ipart > kMaxStatusParts) {
        return;
    }
    WindowSlot& window = Windows().Current();
    if (window.status_bar && window.status_bar->SetText(ipart - 1, text)) {
        ShowStatusBar(window);
    }
}
