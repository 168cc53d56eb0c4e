#include "main_loop.h"

#include "process_menu.h"
#include "recalculate_form.h"
#include "startup.h"

namespace heatwise {

void HandleMessage(ProgramState& state, int type, const MessageRecord& message) {
    switch (type) {
        case MSG_MENU:
            ProcessMenu(message.data1, state.quit_flag);
            break;
        case MSG_CLOSE:
            // The close box only asks; the window closes when the loop has ended.
            state.quit_flag = 1;
            break;
        case MSG_FIELD:
            // Whichever field changed, every input is read again and every result rewritten.
            RecalculateForm(state.climate, state.carried);
            break;
        default:
            break;
    }
}

void RunMainLoop(ProgramState& state) {
    while (state.quit_flag == 0) {
        int type = 0;
        MessageRecord message;
        WMessage(type, message);
        HandleMessage(state, type, message);
    }
}

void ShutDown() {
    WindowClose();
}

int RunHeatwise() {
    ProgramState state;
    StartUp(state);
    RunMainLoop(state);
    ShutDown();
    return 0;
}

}  // namespace heatwise
