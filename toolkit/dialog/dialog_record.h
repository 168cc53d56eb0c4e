// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "dialog/control_class.h"
#include "dialog/field_record.h"
#include "platform/platform.h"
#include "resources/resource_types.h"

namespace windlass {

// One control of a loaded dialog: the platform's window, the template entry it was made from,
// the class and style the toolkit decides by, and its field record.
struct ControlRecord {
    WindowHandle handle = nullptr;
    const DialogControl* source = nullptr;
    int id = 0;
    ControlClass control_class = ControlClass::Other;
    // The template's style with button kinds normalised (see NormalisedStyle).
    std::uint32_t style = 0;
    FieldRecord field;

    bool GroupStart() const { return styles::Has(style, styles::kGroup); }
};

// Show modes as the dialog record keeps them; 0 while the dialog has not been shown.
enum class ShowMode { None = 0, Modal = 1, Modeless = 2, SemiModal = 3 };

// What the toolkit keeps for one loaded dialog, from its load to its unload.
struct DialogRecord {
    int id = 0;
    // 1 once the dialog has been shown (and until it is hidden).
    int shown = 0;
    // The control that last took the focus, was clicked or changed its selection, and the
    // value that had before its last change.
    int current_field = 0;
    int previous_field = 0;
    ShowMode show_mode = ShowMode::None;
    // The window that was active when the dialog was shown, to hand the focus back to.
    WindowHandle owner = nullptr;
    WindowHandle previous_active = nullptr;
    // Control of the last mouse or expose message, the dialog's event flag and the mouse
    // buttons held; the program's form leaves them all 0.
    int last_event_field = 0;
    int event_flag = 0;
    int mouse_buttons = 0;
    // Set by the companion data's "[Dialog]" section.
    int dialog_flag = 0;
    // The main window's frame while the dialog is embedded in it, else null.
    WindowHandle main_window = nullptr;
    // The control that gets the focus when the dialog regains it; null leaves the choice to
    // the platform.
    WindowHandle focus_on_return = nullptr;

    // A dialog shown as a page of a tab control: that tab control, and the dialog it lies on
    // (whose companion data loaded this one); both null for any other dialog.
    WindowHandle tab_control = nullptr;
    DialogRecord* tab_owner = nullptr;

    // The platform's dialog window and the template it was made from.
    WindowHandle window = nullptr;
    const DialogTemplate* source = nullptr;
    // Set while the platform makes the dialog: its notices are not heard then.
    bool creating = false;
    // Set while a modal show of the dialog runs.
    bool running_modal = false;
    std::vector<ControlRecord> controls;
    // The position in `controls` of the first control of each id, made with the controls: a
    // recalculation pass of a large form looks up hundreds of fields by id.
    std::unordered_map<int, int> first_of_id;
    // The dialog procedure that hears the platform's notices; lives as long as the window.
    std::unique_ptr<DialogListener> procedure;

    // The control of this id, or null. Several controls may share an id; the first in
    // template order is the one meant.
    ControlRecord* Find(int field_id);
    // The control of this platform window, or null.
    ControlRecord* Find(WindowHandle control);
    int PositionOf(const ControlRecord& control) const;
    bool ChildStyle() const;
    // The dialog's default push button, or null when it has none.
    ControlRecord* DefaultButton();
};

}  // namespace windlass
