// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <memory>

#include "dialog/dialog_record.h"
#include "platform/platform.h"

namespace windlass {

// What yydialogload2 gives when it loads nothing.
inline constexpr int kLoadTableFull = -1;  // Also: the platform could not make the dialog.
inline constexpr int kLoadNoResource = -2;

// yydialogfind: the slot (1 to count) of the loaded dialog with this id, or 0.
int yydialogfind(int dialog_id);

// yydialogload2: makes the loaded dialog of this id current, or loads it and makes it
// current: the dialog is made from its template inside `parent` (null for a window of its
// own), its controls are prepared, its companion data applied and each control's state noted.
// Gives the dialog's id, or kLoadTableFull or kLoadNoResource.
int yydialogload2(int dialog_id, WindowHandle parent);

// The two halves of yydialogload2 for a dialog not yet loaded. MakeDialogRecord makes the
// dialog from its template inside `parent` (null for a window of its own), prepares its
// controls and names them; null when the platform cannot make it. EnterDialog puts a made
// dialog into the table as the newest loaded one, makes it current and applies its companion
// data. Between the two the dialog belongs to no table: the main window's form is made and
// measured so, before the window exists.
std::unique_ptr<DialogRecord> MakeDialogRecord(int dialog_id, const DialogTemplate& source,
                                               WindowHandle parent);
void EnterDialog(std::unique_ptr<DialogRecord> dialog);

// yydialoginitialise: the field record of every control as the platform made it, with the
// numeric classes' values from their template texts, and the text limits and spin ranges
// their classes call for.
void yydialoginitialise(DialogRecord& dialog);

// yygetfieldstate: a control's state from its template style: hidden, disabled, read-only
// (edit-like controls only) or enabled.
FieldState yygetfieldstate(const ControlRecord& control);

// The parent of a dialog loaded by the program: the main window's client area for a dialog
// of the child style (null while there is no main window), else none.
WindowHandle ParentFor(const DialogTemplate& dialog);

}  // namespace windlass
