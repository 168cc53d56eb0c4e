#include "dialog/dialog_show.h"

#include <vector>

#include "dialog/dialog_keyboard.h"
#include "dialog/dialog_table.h"
#include "init/settings.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass {
namespace {

bool MainWindowHidden() {
    const WindowTable& windows = Windows();
    return windows.by_slot[kMainWindowSlot].frame == nullptr ||
           (windows.flags != -1 && (windows.flags & WF_HIDDEN) != 0);
}

// The window a dialog shown now belongs to: the active dialog while it is on the screen, never
// the dialog itself, else the program's main window.
WindowHandle OwnerFor(const DialogRecord& dialog) {
    DialogTable& table = Dialogs();
    const DialogRecord* active = table.FindDialog(table.active);
    if (active != nullptr && active != &dialog && active->shown != 0) {
        return active->window;
    }
    return Windows().by_slot[kMainWindowSlot].frame;
}

// Where the user goes back to as `dialog` goes: its owner while that is on the screen, else
// the owner's own owner, and so on; in the end the main window, through the form it holds,
// or nothing when there is no main window.
WindowHandle ReturnTargetOf(const DialogRecord& dialog) {
    DialogTable& table = Dialogs();
    WindowHandle owner = dialog.owner;
    for (int step = 0; step <= table.count; ++step) {
        const DialogRecord* owning = table.FindDialog(owner);
        if (owning == nullptr) {
            break;
        }
        if (owning != &dialog && owning->shown != 0) {
            return owning->window;
        }
        owner = owning->owner;
    }
    if (Windows().by_slot[kMainWindowSlot].frame == nullptr) {
        return nullptr;
    }
    const DialogRecord* form = table.Embedded();
    return form != nullptr ? form->window : Windows().by_slot[kMainWindowSlot].frame;
}

// The control the focus goes to first when a dialog is shown: the focus field asked for when
// the dialog has it, else the first the keyboard reaches (dialog_keyboard.h); null for none.
ControlRecord* FocusOnShow(DialogRecord& dialog, int focus_field) {
    if (ControlRecord* field = focus_field != 0 ? dialog.Find(focus_field) : nullptr) {
        return field;
    }
    int entry = dialog.procedure != nullptr ? dialog.procedure->EntryControl() : -1;
    if (entry < 0 || entry >= static_cast<int>(dialog.controls.size())) {
        return nullptr;
    }
    return &dialog.controls[static_cast<std::size_t>(entry)];
}

// Every window of the program other than `except`: the loaded dialogs and the frames.
std::vector<WindowHandle> OtherWindows(const DialogRecord& except) {
    std::vector<WindowHandle> windows;
    DialogTable& table = Dialogs();
    for (int slot = 1; slot <= table.count; ++slot) {
        const DialogRecord* dialog = table.AtSlot(slot);
        if (dialog != &except && dialog->window != nullptr) {
            windows.push_back(dialog->window);
        }
    }
    for (const WindowSlot& slot : Windows().by_slot) {
        if (slot.frame != nullptr) {
            windows.push_back(slot.frame);
        }
    }
    return windows;
}

void EnableAll(const std::vector<WindowHandle>& windows, Enable enable) {
    DialogControls& platform = ThePlatform().Controls();
    for (WindowHandle window : windows) {
        platform.EnableWindow(window, enable);
    }
}

// The focus after a first show: on the field asked for, else on the dialog's first stop, with
// its whole text selected so that typing replaces it.
void FocusAfterShow(DialogRecord& dialog, int focus_field) {
    ControlRecord* focus = FocusOnShow(dialog, focus_field);
    if (focus != nullptr) {
        yyDialogSelectAll(*focus);
    }
    dialog.previous_field = focus != nullptr ? focus->id : 0;
}

// The focus after a dialog shown before is brought back: on the field asked for when the
// dialog has it, else where the platform put it as the dialog appeared.
void FocusAfterReturn(DialogRecord& dialog, int focus_field) {
    ControlRecord* focus = focus_field != 0 ? dialog.Find(focus_field) : nullptr;
    if (focus != nullptr) {
        yyDialogSelectAll(*focus);
    }
    ControlRecord* focused =
        focus != nullptr ? focus : dialog.Find(ThePlatform().Controls().FocusedControl());
    dialog.previous_field = focused != nullptr ? focused->id : 0;
}

// A blocking modal show: the program's other windows wait until a push button ends it.
void RunModal(DialogRecord& dialog, DialogPlace place, int focus_field) {
    DialogControls& platform = ThePlatform().Controls();
    DialogTable& table = Dialogs();
    std::vector<WindowHandle> others = OtherWindows(dialog);
    EnableAll(others, Enable::No);
    WindowHandle active = table.active;
    WindowHandle focus = platform.FocusedControl();
    place = yydialogcentre(dialog, place);
    platform.MoveDialog(dialog.window, place.x, place.y);
    table.modal = &dialog;
    dialog.running_modal = true;
    table.active = dialog.window;
    // The show does not return before the dialog ends: its focus is given first.
    if (ControlRecord* field = FocusOnShow(dialog, focus_field)) {
        yyDialogSelectAll(*field);
    }
    platform.ShowDialog(dialog.window, DialogShowMode::Modal);
    dialog.running_modal = false;
    table.modal = nullptr;
    platform.HideDialog(dialog.window);
    EnableAll(others, Enable::Yes);
    table.active = active;
    if (focus != nullptr) {
        platform.FocusControl(focus, SelectText::Keep);
    }
}

}  // namespace

DialogPlace yydialogcentre(const DialogRecord& dialog, DialogPlace place) {
    PixelSize size = ThePlatform().Controls().DialogSize(dialog.window);
    int area_width = 0;
    int area_height = 0;
    if (dialog.ChildStyle()) {
        const ClientSize& client = Windows().by_slot[kMainWindowSlot].client;
        area_width = client.width;
        area_height = client.height;
    } else {
        DisplayMetrics display = ThePlatform().Windowing().Display();
        area_width = display.width_px;
        area_height = display.height_px;
    }
    if (place.x == DialogPlace::kCentred) {
        place.x = (area_width - size.width) / 2;
    }
    if (place.y == DialogPlace::kCentred) {
        place.y = (area_height - size.height) / 2;
    }
    return place;
}

void yyDialogSelectAll(const ControlRecord& control) {
    ThePlatform().Controls().FocusControl(control.handle,
                                          SelectionOnEntry(control.control_class, control.style));
}

int yydialogshow(DialogRecord& dialog, DialogPlace place, int focus_field, int mode,
                 ShowRoot root) {
    DialogControls& platform = ThePlatform().Controls();
    DialogTable& table = Dialogs();
    if (dialog.shown != 0) {
        platform.ShowDialog(dialog.window, DialogShowMode::Modeless);
        if (dialog.ChildStyle()) {
            table.active = dialog.window;
            FocusAfterReturn(dialog, focus_field);
        }
        return kShowDone;
    }
    int result = kShowDone;
    if (mode != 1 && mode != 2 && mode != 3) {
        mode = 2;
        result = kShowModeChanged;
    }
    if (mode == 2 && table.semimodal_shows > 0) {
        mode = 3;
        result = kShowModeChanged;
    }
    if (dialog.ChildStyle() && mode != 2) {
        mode = 2;
        result = kShowModeChanged;
    }
    dialog.show_mode = static_cast<ShowMode>(mode);
    dialog.owner = OwnerFor(dialog);
    if (mode == 1) {
        RunModal(dialog, place, focus_field);
        return result;
    }
    if (dialog.ChildStyle() && root == ShowRoot::No) {
        if (MainWindowHidden()) {
            return kShowRootHidden;
        }
        if (table.Embedded() != nullptr) {
            return kShowRootCombined;
        }
    }
    if (mode == 3) {
        ++table.semimodal_shows;
        EnableAll(OtherWindows(dialog), Enable::No);
    }
    place = yydialogcentre(dialog, place);
    platform.MoveDialog(dialog.window, place.x, place.y);
    if (dialog.ChildStyle()) {
        table.active = dialog.window;
    }
    platform.ShowDialog(dialog.window, DialogShowMode::Modeless);
    FocusAfterShow(dialog, focus_field);
    dialog.shown = 1;
    return result;
}

void HideShownDialog(DialogRecord& dialog) {
    DialogControls& platform = ThePlatform().Controls();
    DialogTable& table = Dialogs();
    platform.HideDialog(dialog.window);
    const bool was_shown = dialog.shown != 0;
    if (was_shown && dialog.show_mode == ShowMode::SemiModal) {
        table.semimodal_shows = std::max(table.semimodal_shows - 1, 0);
        if (table.semimodal_shows == 0) {
            EnableAll(OtherWindows(dialog), Enable::Yes);
        }
        if (dialog.owner != nullptr) {
            platform.EnableWindow(dialog.owner, Enable::Yes);
        }
    }
    dialog.shown = 0;
    // The user goes back to the window the dialog belongs to, never to one no longer shown.
    WindowHandle back = ReturnTargetOf(dialog);
    if (table.active == dialog.window) {
        table.active = back;
    }
    if (was_shown && back != nullptr) {
        platform.FocusControl(back, SelectText::Keep);
    }
}

}  // namespace windlass
