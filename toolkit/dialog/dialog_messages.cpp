#include "dialog/dialog_messages.h"

namespace windlass {

RaisedMessage FieldChangedMessage(int dialog_id, int previous_field, int current_field, int time) {
    RaisedMessage message;
    message.type = MSG_FIELD;
    message.record.window = dialog_id;
    message.record.data1 = previous_field;
    message.record.data2 = current_field;
    message.record.data3 = 0;
    message.record.time = time;
    return message;
}

RaisedMessage ButtonPressedMessage(int dialog_id, int button_id, int previous_field, int time) {
    RaisedMessage message;
    message.type = MSG_BUTTON;
    message.record.window = dialog_id;
    message.record.data1 = button_id;
    message.record.data2 = previous_field;
    message.record.time = time;
    return message;
}

RaisedMessage TabSelectedMessage(int dialog_id, int tab_control, int page_dialog, int time) {
    RaisedMessage message;
    message.type = MSG_TAB;
    message.record.window = dialog_id;
    message.record.data1 = tab_control;
    message.record.data2 = page_dialog;
    message.record.time = time;
    return message;
}

}  // namespace windlass
