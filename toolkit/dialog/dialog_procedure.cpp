#include "dialog/dialog_procedure.h"

#include <string>

#include "dialog/button_ids.h"
#include "dialog/dialog_keyboard.h"
#include "dialog/dialog_messages.h"
#include "dialog/dialog_table.h"
#include "errors/message_box.h"
#include "init/settings.h"
#include "message/message_queue.h"
#include "message/window_messages.h"
#include "numeric/focus_check.h"
#include "numeric/numeric_input.h"
#include "numeric/validation_state.h"

namespace windlass {
namespace {

// Puts the text and value a field had when it gained the focus back into it.
void RestoreSavedCopy(WindowHandle field) {
    ControlRef found = Dialogs().FindControl(field);
    if (!found) {
        return;
    }
    const ValidationState& validation = Validation();
    DialogControls& platform = ThePlatform().Controls();
    if (platform.SetControlText(field, validation.saved_text)) {
        platform.SetModified(field, false);
        found.control->field.value = validation.saved_value;
        found.control->field.has_value = validation.saved_text.empty() ? 0 : 1;
    }
}

// The keyboard's view of a loaded dialog: its control records, and its procedure to hear what
// the keyboard did as it hears the platform.
class RecordKeyboard : public KeyboardDialog {
  public:
    RecordKeyboard(DialogRecord& dialog, DialogListener& procedure)
        : dialog_(dialog), procedure_(procedure) {}

    int ControlCount() const override { return static_cast<int>(dialog_.controls.size()); }
    ControlClass ClassAt(int position) const override { return At(position).control_class; }
    std::uint32_t StyleAt(int position) const override { return At(position).style; }
    int IdAt(int position) const override { return At(position).id; }
    WindowHandle HandleAt(int position) const override { return At(position).handle; }
    void TellNumericTab(int position) override { procedure_.OnNumericKey(position, vk::kTab); }
    void Notice(int position, ControlNotice notice) override {
        procedure_.OnNotice(position, notice);
    }

  private:
    const ControlRecord& At(int position) const {
        return dialog_.controls[static_cast<std::size_t>(position)];
    }

    DialogRecord& dialog_;
    DialogListener& procedure_;
};

}  // namespace

ControlRecord* DialogProcedure::At(int position) {
    if (dialog_.creating || position < 0 || position >= static_cast<int>(dialog_.controls.size())) {
        return nullptr;
    }
    return &dialog_.controls[static_cast<std::size_t>(position)];
}

void DialogProcedure::FieldTouched(const ControlRecord& control, Post post) {
    dialog_.previous_field = dialog_.current_field;
    dialog_.current_field = control.id;
    if (dialog_.running_modal) {
        return;
    }
    if (post == Post::Always || dialog_.current_field != dialog_.previous_field) {
        Messages().Raise(FieldChangedMessage(dialog_.id, dialog_.previous_field,
                                             dialog_.current_field, CurrentMessageTime()));
    }
}

void DialogProcedure::PushButtonPressed(const ControlRecord& button) {
    Platform& platform = ThePlatform();
    ValidationState& validation = Validation();
    WindowHandle focused = platform.Controls().FocusedControl();
    if (focused != nullptr && yyoutofrange(focused, focused, StrictText::No)) {
        validation.pending_invalid = focused;
    }
    if (WindowHandle invalid = validation.pending_invalid) {
        validation.pending_invalid = nullptr;
        if (button.id == kOkButton) {
            // OK never takes an invalid field: the user is sent back to it.
            if (Settings().bell_enabled != 0) {
                platform.Windowing().Beep();
            }
            BusyScope busy;
            platform.Controls().FocusControl(invalid, SelectText::All);
            return;
        }
        // Any other button (Cancel, typically) goes ahead with the field as it was.
        RestoreSavedCopy(invalid);
        validation.save_on_next_focus = true;
    }
    if (dialog_.running_modal) {
        dialog_.current_field = button.id;
        DialogExit().exit_field = button.id;
        platform.Controls().EndModalDialog(dialog_.window);
        return;
    }
    if (focused != button.handle) {
        dialog_.previous_field = dialog_.current_field;
    }
    Messages().Raise(
        ButtonPressedMessage(dialog_.id, button.id, dialog_.previous_field, CurrentMessageTime()));
}

void DialogProcedure::OnNotice(int control, ControlNotice notice) {
    ControlRecord* record = At(control);
    if (record == nullptr) {
        return;
    }
    switch (notice) {
        case ControlNotice::PushButtonPressed:
        case ControlNotice::Clicked:
            if (IsPushButton(record->control_class, record->style)) {
                PushButtonPressed(*record);
                break;
            }
            // An automatic radio button has checked itself; the rest of its group follow.
            if (IsAutoRadioButton(record->control_class, record->style) &&
                ThePlatform().Controls().CheckState(record->handle) == 1) {
                UncheckRestOfGroup(RecordKeyboard(dialog_, *this), control);
            }
            FieldTouched(*record, Post::Always);
            break;
        case ControlNotice::SelectionChanged:
            FieldTouched(*record, Post::Always);
            break;
        case ControlNotice::DoubleClicked:
            if (record->control_class == ControlClass::ListBox ||
                record->control_class == ControlClass::ComboBox) {
                ControlRecord* default_button = dialog_.DefaultButton();
                if (default_button != nullptr &&
                    default_button->field.state_at_load != FieldState::Disabled) {
                    PushButtonPressed(*default_button);
                }
            }
            break;
        case ControlNotice::FocusGained:
            ShowDefaultLook(RecordKeyboard(dialog_, *this), control);
            FieldTouched(*record, Post::WhenChanged);
            break;
        case ControlNotice::Scrolled:
            if (record->control_class == ControlClass::Trackbar) {
                FieldTouched(*record, Post::Always);
            }
            break;
        case ControlNotice::TabSelected:
            TabSelected(*record);
            break;
    }
}

void DialogProcedure::TabSelected(const ControlRecord& tab_control) {
    if (tab_control.control_class != ControlClass::TabControl || dialog_.running_modal) {
        return;
    }
    WindowHandle page = ThePlatform().Controls().SelectedTabPage(tab_control.handle);
    DialogRecord* shown = page != nullptr ? Dialogs().FindDialog(page) : nullptr;
    Messages().Raise(TabSelectedMessage(dialog_.id, tab_control.id,
                                        shown != nullptr ? shown->id : 0, CurrentMessageTime()));
}

void DialogProcedure::OnHelpRequest() {
    if (dialog_.creating || dialog_.running_modal) {
        return;
    }
    ControlRecord* focused = dialog_.Find(ThePlatform().Controls().FocusedControl());
    if (focused == nullptr || focused->id != kHelpButton) {
        dialog_.previous_field = dialog_.current_field;
    }
    Messages().Raise(ButtonPressedMessage(dialog_.id, kHelpButton, dialog_.previous_field,
                                          CurrentMessageTime()));
}

void DialogProcedure::OnActivate() {
    if (!dialog_.creating) {
        Dialogs().active = dialog_.window;
    }
}

CharacterVerdict DialogProcedure::OnNumericCharacter(int control, int character) {
    ControlRecord* record = At(control);
    if (record == nullptr || !IsNumericClass(record->control_class)) {
        return {CharacterVerdict::Kind::Insert, character, false};
    }
    return NumericCharacter(*record, character);
}

void DialogProcedure::OnNumericKey(int control, int virtual_key) {
    if (ControlRecord* record = At(control)) {
        NumericKey(*record, virtual_key);
    }
}

void DialogProcedure::OnNumericFocusGained(int control) {
    ControlRecord* record = At(control);
    if (record != nullptr && IsNumericClass(record->control_class)) {
        NumericFocusGained(*record);
    }
}

FocusVerdict DialogProcedure::OnNumericFocusLeaving(int control, WindowHandle target) {
    ControlRecord* record = At(control);
    if (record == nullptr) {
        return FocusVerdict::Allow;
    }
    return yyoutofrange(record->handle, target, StrictText::No) ? FocusVerdict::Refuse
                                                                : FocusVerdict::Allow;
}

void DialogProcedure::OnSpin(int control, int step) {
    ControlRecord* record = At(control);
    if (record != nullptr && IsSpinClass(record->control_class)) {
        SpinStep(*record, step);
    }
}

void DialogProcedure::ReturnToPendingField(const ControlRecord& button, LeftByTab left_by_tab) {
    const ValidationState& validation = Validation();
    if (validation.pending_invalid == nullptr || validation.CheckOff()) {
        return;
    }
    yyselectinvalid(button.handle, validation.pending_invalid, left_by_tab);
}

void DialogProcedure::OnButtonFocusLost(int control) {
    // A button that the mouse gave the focus to loses it again by the keyboard.
    if (ControlRecord* record = At(control)) {
        ReturnToPendingField(*record, LeftByTab::Yes);
    }
}

void DialogProcedure::OnButtonReleasedOutside(int control) {
    // The field was left by mouse, or it would not be pending.
    if (ControlRecord* record = At(control)) {
        ReturnToPendingField(*record, LeftByTab::No);
    }
}

std::optional<KeyVerdict> DialogProcedure::CrossTabPage(int focused, NavigationKey key) {
    bool forward = key == NavigationKey::Tab;
    if (!forward && key != NavigationKey::BackTab) {
        return std::nullopt;
    }
    DialogControls& platform = ThePlatform().Controls();
    ControlRecord* record = At(focused);
    if (forward && record != nullptr && record->control_class == ControlClass::TabControl) {
        DialogRecord* page = Dialogs().FindDialog(platform.SelectedTabPage(record->handle));
        int entry = page != nullptr ? page->procedure->EntryControl() : -1;
        if (entry < 0) {
            return std::nullopt;
        }
        const ControlRecord& target = page->controls[static_cast<std::size_t>(entry)];
        platform.FocusControl(target.handle, SelectionOnEntry(target.control_class, target.style));
        return KeyVerdict::Taken;
    }
    DialogRecord* owner = dialog_.tab_owner;
    RecordKeyboard page_keys(dialog_, *this);
    if (owner == nullptr || focused < 0 || TabStopWithoutWrap(page_keys, focused, forward) >= 0) {
        return std::nullopt;
    }
    ControlRecord* tabs = owner->Find(dialog_.tab_control);
    if (tabs == nullptr) {
        return std::nullopt;
    }
    if (!forward) {
        platform.FocusControl(tabs->handle, SelectText::Keep);
        return KeyVerdict::Taken;
    }
    RecordKeyboard owner_keys(*owner, *owner->procedure);
    return ActOnNavigationKey(owner_keys, owner->PositionOf(*tabs), key);
}

KeyVerdict DialogProcedure::OnNavigationKey(int focused_control, NavigationKey key) {
    if (dialog_.creating) {
        return KeyVerdict::Taken;
    }
    if (std::optional<KeyVerdict> crossed = CrossTabPage(focused_control, key)) {
        return *crossed;
    }
    RecordKeyboard keyboard(dialog_, *this);
    return ActOnNavigationKey(keyboard, focused_control, key);
}

int DialogProcedure::EntryControl() {
    if (dialog_.creating) {
        return -1;
    }
    RecordKeyboard keyboard(dialog_, *this);
    return EntryStop(keyboard);
}

}  // namespace windlass
