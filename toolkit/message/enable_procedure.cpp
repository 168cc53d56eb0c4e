// WMessageEnable: switches one message type on or off.
#include "message/message_queue.h"
#include "windlass/windlass.h"

void WMessageEnable(int itype, int istate) {
    windlass::Messages().enable_table().Set(itype, istate);
}
