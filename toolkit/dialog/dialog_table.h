// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "dialog/dialog_record.h"
#include "platform/platform.h"

namespace windlass {

// At most this many dialogs are loaded at a time.
inline constexpr int kMaxDialogs = 100;

// A control together with the dialog it belongs to.
struct ControlRef {
    DialogRecord* dialog = nullptr;
    ControlRecord* control = nullptr;

    explicit operator bool() const { return control != nullptr; }
};

// The toolkit's loaded dialogs. Slots 1 to count hold them in load order; unloading one moves
// the later ones down. The modal slot (slot 0 of the table) names the dialog of a blocking
// modal show while it runs; that dialog stays in its own slot too.
struct DialogTable {
    std::array<std::unique_ptr<DialogRecord>, kMaxDialogs + 1> loaded;
    DialogRecord* modal = nullptr;
    int count = 0;
    // The slot the field procedures act on; 0 for none.
    int current = 0;
    // The dialog window that last became active, for focus and owner decisions.
    WindowHandle active = nullptr;
    // Semi-modal shows in progress.
    int semimodal_shows = 0;
    // The resource id of the current dialog as the procedures test it; 0 for none.
    int current_id = 0;
    // The dialogs a message box disabled, to be enabled again when it closes.
    std::vector<WindowHandle> disabled_for_box;
    // The form made and measured for the main window before the window exists; it is loaded
    // into the window's client area once the window is made, and so is made only once.
    std::unique_ptr<DialogRecord> tried_form;

    // The current dialog's record, or null.
    DialogRecord* Current();
    DialogRecord* AtSlot(int slot);
    // The slot (1 to count) of the loaded dialog with this id, or 0.
    int SlotOf(int dialog_id) const;
    int SlotOf(const DialogRecord& dialog) const;
    // The loaded dialog whose window this is, or null.
    DialogRecord* FindDialog(WindowHandle window);
    // The control of any loaded dialog that is this window.
    ControlRef FindControl(WindowHandle window);
    // The dialog embedded in the main window, or null.
    DialogRecord* Embedded();
};

// The process-wide dialog table.
DialogTable& Dialogs();

// Destroys every loaded dialog and forgets all dialog state, as closing the main window does
// (and as tests do between cases).
void UnloadAllDialogs();

}  // namespace windlass
