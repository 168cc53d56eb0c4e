#include "message/enable_table.h"

#include <cstddef>

#include "windlass/windlass.h"

namespace windlass {
namespace {

bool InRange(int type) {
    return type >= 1 && type <= kMessageTypes;
}

}  // namespace

MessageEnableTable::MessageEnableTable() {
    ResetAfterWindowClose();
    Set(MSG_VIEWER, 0);
}

void MessageEnableTable::ResetAfterWindowClose() {
    enabled_.fill(true);
    enabled_[0] = false;
    for (int type : {MSG_MOUSE_UP, MSG_MOUSE_MOVE, MSG_FIELD, MSG_TAB, MSG_FRAME_CLICK}) {
        Set(type, 0);
    }
}

void MessageEnableTable::Set(int type, int state) {
    if (InRange(type)) {
        enabled_[static_cast<std::size_t>(type)] = state != 0;
    }
}

bool MessageEnableTable::IsEnabled(int type) const {
    return InRange(type) && enabled_[static_cast<std::size_t>(type)];
}

}  // namespace windlass
