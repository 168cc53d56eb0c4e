// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "message/raised_message.h"

namespace windlass {

// The messages a dialog raises for the program. Each names the dialog by its resource id;
// values a message does not use are -1. `time` is in milliseconds, as the platform's.

// A field changed or the focus moved to another field: the previous and the current field.
RaisedMessage FieldChangedMessage(int dialog_id, int previous_field, int current_field, int time);

// A push button was pressed (F1 counts as button 9): the button and the field left for it.
RaisedMessage ButtonPressedMessage(int dialog_id, int button_id, int previous_field, int time);

// The user chose another page of a tab control: the tab control and the dialog id of the page
// now shown.
RaisedMessage TabSelectedMessage(int dialog_id, int tab_control, int page_dialog, int time);

}  // namespace windlass
