// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <Qt>

namespace windlass::qt {

// Another window, a popup or the menu bar (which keeps the keyboard after a menu is left with
// Escape) only borrows the focus: the form's own focus stays with its control, and a control
// that gets it back from them has not newly arrived.
inline bool IsWindowOrPopupChange(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

}  // namespace windlass::qt
