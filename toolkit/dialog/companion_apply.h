// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "dialog/dialog_record.h"

namespace windlass {

// yydialogextra: applies the dialog's companion data (the text resource of the dialog's id)
// to its controls and records. A dialog without one is left as it is. Lines naming controls
// the dialog has not got, and values a control cannot take, are passed over in silence.
void yydialogextra(DialogRecord& dialog);

}  // namespace windlass
