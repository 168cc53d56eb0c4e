// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "dialog/dialog_record.h"
#include "platform/platform.h"

namespace windlass {

// What yydialogshow reports besides showing.
inline constexpr int kShowDone = 0;
inline constexpr int kShowModeChanged = -1;
inline constexpr int kShowRootHidden = -2;
inline constexpr int kShowRootCombined = -3;

// Whether a show is the one that embeds a form in the main window as it opens.
enum class ShowRoot { No, Yes };

// A position of a dialog in pixels; kCentred along an axis centres it there.
struct DialogPlace {
    static constexpr int kCentred = -1;
    int x = kCentred;
    int y = kCentred;
};

// yydialogshow: shows a loaded dialog in mode 1 (modal: returns when a push button ends it),
// 2 (modeless) or 3 (modeless with every other window disabled), at `place`, with the focus
// on `focus_field` (0 for the dialog's first stop), its whole text selected. The dialog belongs
// to the active dialog (else to the main window). A dialog shown before is only brought back.
// A child-style dialog is always modeless and shows inside the main window, which must be
// visible and must not hold a form already (unless this is the show that embeds the form).
// Gives kShowDone, or kShowModeChanged when the mode had to change (the dialog is shown), or
// kShowRootHidden or kShowRootCombined (nothing is shown).
int yydialogshow(DialogRecord& dialog, DialogPlace place, int focus_field, int mode, ShowRoot root);

// yydialogcentre: the corner that centres the dialog along each axis asked for: in the main
// window's client area for a child-style dialog, on the screen otherwise.
DialogPlace yydialogcentre(const DialogRecord& dialog, DialogPlace place);

// yyDialogSelectAll: the focus to a control with its whole text selected (a multi-line plain
// edit field keeps its caret instead).
void yyDialogSelectAll(const ControlRecord& control);

// Hides a dialog: not shown any more, and a semi-modal show's windows enabled again. The user
// goes back to the window the dialog belongs to, or, when that is no longer shown, to the one
// that window belongs to, and in the end to the main window's form: that window gets the focus
// and, when the hidden dialog was the active one, becomes the active dialog.
void HideShownDialog(DialogRecord& dialog);

}  // namespace windlass
