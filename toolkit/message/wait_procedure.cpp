// WMessage: the program's wait for its next message.
#include "message/message_queue.h"
#include "message/record_completion.h"
#include "message/startup_probe.h"
#include "message/window_messages.h"
#include "platform/platform.h"
#include "windlass/windlass.h"
#include "window/form_embedding.h"
#include "window/window_table.h"

namespace windlass {
namespace {

// The client size the message's positions refer to: its window's, or for a message of a
// dialog the current window's.
ClientSize ClientFor(const RaisedMessage& message, WindowTable& windows) {
    if (std::optional<ClientSize> client = windows.ClientOf(message.record.window)) {
        return *client;
    }
    return windows.Current().client;
}

}  // namespace
}  // namespace windlass

void WMessage(int& itype, MessageRecord& mesg) {
    using namespace windlass;
    WindowTable& windows = Windows();
    MessageQueue& queue = Messages();
    RaisedMessage message;
    const FormEmbedding& embedding = Embedding();
    const bool dialog_shown = embedding.any_dialog_shown && embedding.any_dialog_shown();
    if (!windows.AnyOpen() && !dialog_shown && !queue.HasQueued()) {
        // With nothing open nothing could ever end the wait: the program is told at once that
        // its window is to close, so that its loop ends instead of hanging, or, with close
        // requests turned off, that there is no message at all.
        if (queue.enable_table().IsEnabled(MSG_CLOSE)) {
            message = CloseRequestMessage(kMainWindowSlot, CurrentMessageTime());
        } else {
            itype = 0;
            mesg = MessageRecord{};
            return;
        }
    } else {
        message = queue.Next(windows, [&queue] {
            if (FirstWaitEndsRun()) {
                // A start-up being timed ends here, through the program's own close path.
                queue.Raise(CloseRequestMessage(kMainWindowSlot, CurrentMessageTime()));
                return;
            }
            ThePlatform().Windowing().WaitForEvents();
        });
    }
    if (message.type == MSG_RESIZE) {
        if (WindowSlot* window = windows.Slot(message.record.window)) {
            window->client = {message.record.data1, message.record.data2};
        }
    }
    CompleteRecord(message, ClientFor(message, windows));
    itype = message.type;
    mesg = message.record;
}
