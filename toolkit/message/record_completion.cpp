#include "message/record_completion.h"

#include "window/window_units.h"

namespace windlass {
namespace {

// Dialog fields report positions in their own pixels, which the program uses as they are.
constexpr int kFromDialogField = 1;

float GraphX(int x, ClientSize client) {
    return static_cast<float>(UnitsFromPixels(x, client.width));
}

float GraphY(int y, ClientSize client) {
    return static_cast<float>(UnitsFromPixels(client.height - 1 - y, client.height));
}

void CompletePosition(RaisedMessage& message, ClientSize client) {
    MessageRecord& record = message.record;
    record.graph_x = GraphX(record.x, client);
    record.graph_y = GraphY(record.y, client);
    if (message.type == MSG_VIEWER || record.data3 == kFromDialogField) {
        return;
    }
    record.x = UnitsFromPixels(record.x, client.width);
    record.y = UnitsFromPixels(record.y, client.height);
}

void CompleteRepaint(MessageRecord& record, ClientSize client) {
    int right = record.x + record.data1 - 1;
    int bottom = record.y + record.data2 - 1;
    record.graph_x = GraphX(record.x, client);
    record.graph_y = GraphY(record.y, client);
    record.graph_width = GraphX(right, client) - record.graph_x;
    record.graph_height = record.graph_y - GraphY(bottom, client);
    record.x = UnitsFromPixels(record.x, client.width);
    record.y = UnitsFromPixels(record.y, client.height);
    record.data1 = UnitsFromPixels(right, client.width) - record.x;
    record.data2 = UnitsFromPixels(bottom, client.height) - record.y;
}

}  // namespace

void CompleteRecord(RaisedMessage& message, ClientSize client) {
    switch (message.type) {
        case MSG_KEY:
        case MSG_MOUSE_DOWN:
        case MSG_MOUSE_UP:
        case MSG_MOUSE_MOVE:
        case MSG_VIEWER:
            CompletePosition(message, client);
            break;
        case MSG_EXPOSE:
            CompleteRepaint(message.record, client);
            break;
        default:
            break;
    }
}

}  // namespace windlass
