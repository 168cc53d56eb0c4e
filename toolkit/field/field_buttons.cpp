// The button procedures of the dialog fields: WDialogPutCheckBox, WDialogGetCheckBox,
// WDialogPutRadioButton and WDialogGetRadioButton.
#include "dialog/dialog_table.h"
#include "errors/error_state.h"
#include "field/field_access.h"
#include "field/radio_group.h"
#include "platform/platform.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// A radio button's dialog and group, or nothing with ERR_FIELD_IDENTIFIER raised when the
// field is not an automatic radio button (every radio button is one once loaded).
struct RadioField {
    DialogRecord* dialog = nullptr;
    ControlRecord* control = nullptr;
    RadioGroup group;
};

RadioField FindRadio(DialogRecord& dialog, int field_id) {
    ControlRecord* control = dialog.Find(field_id);
    if (control == nullptr || !IsAutoRadioButton(control->control_class, control->style)) {
        yyerror(ERR_FIELD_IDENTIFIER);
        return {};
    }
    return {&dialog, control, yyfieldgroup(dialog, dialog.PositionOf(*control))};
}

}  // namespace
}  // namespace windlass

void WDialogPutCheckBox(int ifield, int istate) {
    using namespace windlass;
    if (ControlRecord* control = CurrentFieldOrRaise(ifield)) {
        if (!ThePlatform().Controls().SetCheckState(control->handle, istate)) {
            yyerror(ERR_FIELD_IDENTIFIER);
        }
    }
}

void WDialogGetCheckBox(int ifield, int& istate) {
    using namespace windlass;
    ControlRecord* control = CurrentFieldOrRaise(ifield);
    if (control == nullptr) {
        return;
    }
    if (!IsAutoCheckBox(control->control_class, control->style) &&
        !IsAutoRadioButton(control->control_class, control->style)) {
        yyerror(ERR_FIELD_IDENTIFIER);
        return;
    }
    istate = ThePlatform().Controls().CheckState(control->handle);
}

void WDialogPutRadioButton(int ifield) {
    using namespace windlass;
    DialogRecord* dialog = CurrentDialogOrRaise();
    if (dialog == nullptr) {
        return;
    }
    RadioField radio = FindRadio(*dialog, ifield);
    if (radio.control == nullptr) {
        return;
    }
    DialogControls& platform = ThePlatform().Controls();
    for (int at = radio.group.first; at <= radio.group.last; ++at) {
        const ControlRecord& member = dialog->controls[static_cast<std::size_t>(at)];
        platform.SetCheckState(member.handle, &member == radio.control ? 1 : 0);
    }
}

void WDialogGetRadioButton(int ifield, int& istate) {
    using namespace windlass;
    DialogRecord* dialog = CurrentDialogOrRaise();
    if (dialog == nullptr) {
        return;
    }
    RadioField radio = FindRadio(*dialog, ifield);
    if (radio.control == nullptr) {
        istate = 0;
        return;
    }
    DialogControls& platform = ThePlatform().Controls();
    for (int at = radio.group.first; at <= radio.group.last; ++at) {
        if (platform.CheckState(dialog->controls[static_cast<std::size_t>(at)].handle) == 1) {
            istate = at - radio.group.first + 1;
            return;
        }
    }
    istate = -999;
}
