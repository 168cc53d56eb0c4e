// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The gate every focus move of the dialogs passes: a numeric field that holds the focus is
// asked (through its dialog's listener) before any other control may take it, and when the
// answer is no, the focus stays and no other control sees a focus event at all.
//
// One application-wide event filter does the asking for the user's own moves: it sees each
// mouse press at its window before Qt gives the focus to the widget under it, and each key
// before the focused widget gets it, so that a dialog handles its navigation keys itself.
// When the window manager activates another of the program's windows (a dialog, a main
// window), the field is asked as for a press there, the main window standing for itself; a
// refusal gives the focus back to the field and reactivates its window. Other windows, such
// as message boxes and the help viewer, are not asked about.

class QWidget;

namespace windlass::qt {

// Installs the filter; the first dialog does it, later calls do nothing.
void InstallDialogGate();

// Whether the focus may go to `target`: true when no numeric field holds the focus, when the
// target is that field, or when its dialog's listener allows it. The target stands for the
// control the move ends at (a dialog for the control it hands the focus to).
bool MayMoveFocus(QWidget* target);
// The same for a move that ends at `destination` itself.
bool MayGoTo(QWidget* destination);

}  // namespace windlass::qt
