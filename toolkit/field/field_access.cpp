#include "field/field_access.h"

#include "dialog/dialog_table.h"
#include "errors/error_state.h"
#include "windlass/windlass.h"

namespace windlass {

DialogRecord* CurrentDialogOrRaise() {
    DialogTable& table = Dialogs();
    DialogRecord* dialog = table.current_id != 0 ? table.Current() : nullptr;
    if (dialog == nullptr) {
        yyerror(ERR_NO_DIALOG);
    }
    return dialog;
}

ControlRecord* FieldOrRaise(DialogRecord& dialog, int field_id) {
    ControlRecord* control = dialog.Find(field_id);
    if (control == nullptr) {
        yyerror(ERR_FIELD_IDENTIFIER);
    }
    return control;
}

ControlRecord* CurrentFieldOrRaise(int field_id) {
    DialogRecord* dialog = CurrentDialogOrRaise();
    return dialog == nullptr ? nullptr : FieldOrRaise(*dialog, field_id);
}

}  // namespace windlass
