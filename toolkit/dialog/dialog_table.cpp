#include "dialog/dialog_table.h"

#include "numeric/validation_state.h"

namespace windlass {

ControlRecord* DialogRecord::Find(int field_id) {
    auto found = first_of_id.find(field_id);
    return found == first_of_id.end() ? nullptr
                                      : &controls[static_cast<std::size_t>(found->second)];
}

ControlRecord* DialogRecord::Find(WindowHandle control) {
    if (control == nullptr) {
        return nullptr;
    }
    for (ControlRecord& candidate : controls) {
        if (candidate.handle == control) {
            return &candidate;
        }
    }
    return nullptr;
}

int DialogRecord::PositionOf(const ControlRecord& control) const {
    return static_cast<int>(&control - controls.data());
}

bool DialogRecord::ChildStyle() const {
    return source != nullptr && styles::Has(source->style, styles::kChild);
}

ControlRecord* DialogRecord::DefaultButton() {
    for (ControlRecord& control : controls) {
        if (IsDefaultPushButton(control.control_class, control.style)) {
            return &control;
        }
    }
    return nullptr;
}

DialogRecord* DialogTable::Current() {
    return AtSlot(current);
}

DialogRecord* DialogTable::AtSlot(int slot) {
    if (slot < 1 || slot > count) {
        return nullptr;
    }
    return loaded[static_cast<std::size_t>(slot)].get();
}

int DialogTable::SlotOf(int dialog_id) const {
    for (int slot = 1; slot <= count; ++slot) {
        if (loaded[static_cast<std::size_t>(slot)]->id == dialog_id) {
            return slot;
        }
    }
    return 0;
}

int DialogTable::SlotOf(const DialogRecord& dialog) const {
    for (int slot = 1; slot <= count; ++slot) {
        if (loaded[static_cast<std::size_t>(slot)].get() == &dialog) {
            return slot;
        }
    }
    return 0;
}

DialogRecord* DialogTable::FindDialog(WindowHandle window) {
    for (int slot = 1; slot <= count && window != nullptr; ++slot) {
        if (loaded[static_cast<std::size_t>(slot)]->window == window) {
            return loaded[static_cast<std::size_t>(slot)].get();
        }
    }
    return nullptr;
}

ControlRef DialogTable::FindControl(WindowHandle window) {
    for (int slot = 1; slot <= count && window != nullptr; ++slot) {
        DialogRecord* dialog = loaded[static_cast<std::size_t>(slot)].get();
        if (ControlRecord* control = dialog->Find(window)) {
            return {dialog, control};
        }
    }
    return {};
}

DialogRecord* DialogTable::Embedded() {
    for (int slot = 1; slot <= count; ++slot) {
        if (loaded[static_cast<std::size_t>(slot)]->main_window != nullptr) {
            return loaded[static_cast<std::size_t>(slot)].get();
        }
    }
    return nullptr;
}

void UnloadAllDialogs() {
    DialogTable& table = Dialogs();
    DialogControls& platform = ThePlatform().Controls();
    // The latest first, so that a dialog is never left without the one it was shown from.
    for (int slot = table.count; slot >= 1; --slot) {
        std::unique_ptr<DialogRecord>& dialog = table.loaded[static_cast<std::size_t>(slot)];
        if (dialog->window != nullptr) {
            platform.HideDialog(dialog->window);
            platform.DestroyDialog(dialog->window);
        }
        dialog.reset();
    }
    if (table.tried_form != nullptr && table.tried_form->window != nullptr) {
        platform.DestroyDialog(table.tried_form->window);
    }
    table = DialogTable{};
    Validation() = ValidationState{};
}

}  // namespace windlass
