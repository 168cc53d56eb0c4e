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

// Every window of the program other than `except`: the loaded dialogs and the frames.
// The window that takes the focus when `owner` is to have it: the program's form when the
// owner is the main window that holds it, else the owner itself.
WindowHandle FocusTargetOf(WindowHandle owner) {
    DialogTable& table = Dialogs();
    for (int slot = 1; slot <= table.count; ++slot) {
        const DialogRecord* dialog = table.AtSlot(slot);
        if (dialog->main_window == owner) {
            return dialog->window;
        }
    }
    return owner;
}

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

// The focus after a show: on the field asked for when the dialog has it, else where the
// platform put it as the dialog appeared.
void FocusAfterShow(DialogRecord& dialog, int focus_field) {
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
    // The show does not return before the dialog ends: its focus field is given first.
    if (ControlRecord* field = focus_field != 0 ? dialog.Find(focus_field) : nullptr) {
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
            FocusAfterShow(dialog, focus_field);
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
    // The owner is the active dialog, else the program's main window.
    dialog.owner =
        table.active != nullptr ? table.active : Windows().by_slot[kMainWindowSlot].frame;
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
    if (table.active == dialog.window) {
        table.active = dialog.owner;
    }
    // The user goes back to the window the dialog belongs to.
    if (was_shown && dialog.owner != nullptr) {
        platform.FocusControl(FocusTargetOf(dialog.owner), SelectText::Keep);
    }
}

}  // namespace windlass
