// Shared by tests that open windows and dialogs: puts every piece of the toolkit's process-wide
// state back as a fresh process has it, so that one case leaves nothing behind for the next.
#pragma once

#include "dialog/dialog_table.h"
#include "errors/message_box.h"
#include "errors/window_hooks.h"
#include "init/settings.h"
#include "message/message_queue.h"
#include "numeric/validation_state.h"
#include "window/form_embedding.h"
#include "window/window_table.h"

namespace windlass::testing {

inline void ResetToolkitState() {
    ForgetInitialisation();
    Windows() = WindowTable{};
    Messages() = MessageQueue{};
    Hooks() = WindowHooks{};
    Embedding() = FormEmbedding{};
    Dialogs() = DialogTable{};
    Validation() = ValidationState{};
    DialogExit() = DialogExitState{};
}

}  // namespace windlass::testing
