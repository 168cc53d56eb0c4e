// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The first steps every field procedure takes: there must be a current dialog, and it must
// have a control of the id. Each raises its error when the step fails.

#include "dialog/dialog_record.h"

namespace windlass {

// The current dialog; null, with ERR_NO_DIALOG raised, when there is none.
DialogRecord* CurrentDialogOrRaise();

// The control of this id in the dialog; null, with ERR_FIELD_IDENTIFIER raised, when the
// dialog has none.
ControlRecord* FieldOrRaise(DialogRecord& dialog, int field_id);

// Both steps: the control of this id in the current dialog, or null with the error raised.
ControlRecord* CurrentFieldOrRaise(int field_id);

}  // namespace windlass
