#include "state/toolkit_state.h"

namespace windlass {

ToolkitState& TheToolkitState() {
    static ToolkitState state;
    return state;
}

void ResetToolkitState() {
    TheToolkitState() = ToolkitState{};
}

// The accessors of every area of the toolkit, each declared in its own area's header.

ErrorState& Errors() {
    return TheToolkitState().errors;
}

WindowHooks& Hooks() {
    return TheToolkitState().hooks;
}

DialogExitState& DialogExit() {
    return TheToolkitState().dialog_exit;
}

std::unique_ptr<DebugFile>& DebugFileInUse() {
    return TheToolkitState().debug_file;
}

ToolkitSettings& Settings() {
    return TheToolkitState().settings;
}

std::optional<CapturedCommandLine>& CommandLineCopy() {
    return TheToolkitState().command_line;
}

WindowTable& Windows() {
    return TheToolkitState().windows;
}

FormEmbedding& Embedding() {
    return TheToolkitState().embedding;
}

MessageQueue& Messages() {
    return TheToolkitState().messages;
}

FirstWaitStop& StartupStop() {
    return TheToolkitState().startup_stop;
}

ValidationState& Validation() {
    return TheToolkitState().validation;
}

DialogTable& Dialogs() {
    return TheToolkitState().dialogs;
}

}  // namespace windlass
