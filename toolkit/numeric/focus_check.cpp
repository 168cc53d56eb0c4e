#include "numeric/focus_check.h"

#include <string>

#include "convert/zstring_convert.h"
#include "dialog/button_ids.h"
#include "dialog/dialog_table.h"
#include "init/settings.h"
#include "numeric/validation_state.h"
#include "window/window_table.h"

namespace windlass {
namespace {

// The most characters of a field's text the check reads.
constexpr std::size_t kCheckedText = 255;

bool IsMainWindow(WindowHandle window) {
    WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    if (window == nullptr) {
        return true;
    }
    return frame != nullptr &&
           (window == frame || window == ThePlatform().Windowing().ClientArea(frame));
}

bool IsPushButtonOtherThanOk(WindowHandle window) {
    ControlRef target = Dialogs().FindControl(window);
    return target && IsPushButton(target.control->control_class, target.control->style) &&
           target.control->id != kOkButton;
}

bool IsTabControl(WindowHandle window) {
    ControlRef target = Dialogs().FindControl(window);
    return target && target.control->control_class == ControlClass::TabControl;
}

// Whether the field's text is refused: the text itself, not yet where the focus goes.
bool TextRefused(const ControlRecord& field, bool elsewhere, StrictText strict) {
    std::string text = ThePlatform().Controls().ControlText(field.handle);
    if (text.size() > kCheckedText) {
        text.resize(kCheckedText);
    }
    const FieldRecord& record = field.field;
    if (text.empty()) {
        return record.has_value != 0 && record.RangeInForce();
    }
    int at_end = 0;
    double value = yyAsciiToDouble(text, at_end);
    if (at_end != 1) {
        return elsewhere || strict == StrictText::Yes;
    }
    return record.RangeInForce() && (value < record.minimum || value > record.maximum);
}

}  // namespace

bool yyoutofrange(WindowHandle field, WindowHandle gaining, StrictText strict) {
    ValidationState& validation = Validation();
    if (validation.CheckOff()) {
        return false;
    }
    ControlRef found = Dialogs().FindControl(field);
    if (!found || !IsNumericClass(found.control->control_class) || IsMainWindow(gaining)) {
        return false;
    }
    ControlRecord& control = *found.control;
    bool elsewhere = gaining != field;
    validation.pending_tab = nullptr;
    if (elsewhere) {
        validation.pending_invalid = nullptr;
        if (control.field.tab_flag == 0 && IsPushButtonOtherThanOk(gaining)) {
            // Left by mouse for a push button: its press decides (see the dialog procedure).
            validation.pending_invalid = field;
        }
        if (IsTabControl(gaining)) {
            validation.pending_tab = field;
        }
    }
    if (TextRefused(control, elsewhere, strict)) {
        if (validation.pending_invalid != nullptr) {
            return false;
        }
        {
            BusyScope busy;
            yyselectinvalid(gaining, field,
                            control.field.tab_flag != 0 ? LeftByTab::Yes : LeftByTab::No);
        }
        return true;
    }
    if (elsewhere) {
        validation.pending_invalid = nullptr;
        validation.pending_tab = nullptr;
        validation.save_on_next_focus = true;
    }
    return false;
}

void yyselectinvalid(WindowHandle meant_for, WindowHandle field, LeftByTab left_by_tab) {
    Platform& platform = ThePlatform();
    if (meant_for != field && Settings().bell_enabled != 0) {
        platform.Windowing().Beep();
    }
    {
        BusyScope busy;
        platform.Controls().FocusControl(field, SelectText::All);
    }
    ControlRef button = Dialogs().FindControl(meant_for);
    if (!button || !IsPushButton(button.control->control_class, button.control->style)) {
        return;
    }
    ControlRecord* default_button = button.dialog->DefaultButton();
    if (default_button == button.control) {
        return;
    }
    bool tab = left_by_tab == LeftByTab::Yes;
    platform.Controls().SetDefaultLook(meant_for, tab ? DefaultLook::Default : DefaultLook::Plain);
    if (default_button != nullptr) {
        platform.Controls().SetDefaultLook(default_button->handle,
                                           tab ? DefaultLook::Plain : DefaultLook::Default);
    }
}

}  // namespace windlass
