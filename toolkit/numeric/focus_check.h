// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The check a numeric field makes as it loses the focus, and the return of the focus to a
// field whose text is not accepted.

#include "platform/platform.h"

namespace windlass {

// Whether the check counts a text that is not wholly a number as invalid even when the focus
// stays in the field.
enum class StrictText { No, Yes };

// yyoutofrange: whether `field` may give up the focus to `gaining` (another control, the
// field itself when a push button asks about the focused field, or null for the main window
// and anything outside the dialogs). True when it may not: its text is not wholly a number
// (while the focus goes elsewhere, or when asked strictly), lies outside the range in force,
// or is empty where a value was and a range is in force. An invalid field gets the focus
// back at once, unless the focus goes to a push button other than OK by mouse: the field then
// waits as the pending invalid field for that button's press to decide. The check is off
// while the toolkit moves the focus itself, and for fields of other classes.
bool yyoutofrange(WindowHandle field, WindowHandle gaining, StrictText strict);

// Whether a window is the tab flag's "left by Tab" field.
enum class LeftByTab { No, Yes };

// yyselectinvalid: gives the focus back to an invalid field with its whole text selected,
// with a beep (while the bell is on) unless the focus was meant for the field itself. A push
// button that took the default look from the move, not being the default button, loses it
// again (or, after Tab, keeps it and the default button goes plain).
void yyselectinvalid(WindowHandle meant_for, WindowHandle field, LeftByTab left_by_tab);

}  // namespace windlass
