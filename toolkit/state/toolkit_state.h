// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <memory>
#include <optional>

#include "dialog/dialog_table.h"
#include "errors/debug_file.h"
#include "errors/error_state.h"
#include "errors/message_box.h"
#include "errors/window_hooks.h"
#include "init/command_line.h"
#include "init/settings.h"
#include "message/message_queue.h"
#include "message/startup_probe.h"
#include "numeric/validation_state.h"
#include "window/form_embedding.h"
#include "window/window_table.h"

namespace windlass {

// Everything the toolkit keeps for the life of the process, in one place. Each area still
// reaches its own part through its own accessor (Windows(), Dialogs(), Settings(), ...); those
// accessors all answer with a member of this one object. The installed platform is not part of
// it: it belongs to the program, which installs it before the toolkit starts.
struct ToolkitState {
    ErrorState errors;
    WindowHooks hooks;
    DialogExitState dialog_exit;
    std::unique_ptr<DebugFile> debug_file;
    ToolkitSettings settings;
    std::optional<CapturedCommandLine> command_line;
    WindowTable windows;
    FormEmbedding embedding;
    MessageQueue messages;
    FirstWaitStop startup_stop = FirstWaitStop::Off;
    ValidationState validation;
    DialogTable dialogs;
};

ToolkitState& TheToolkitState();

// Puts the whole toolkit state back as a fresh process has it: no windows, no dialogs, no
// messages, no settings, no error, no captured command line, no debug file yet, no start-up stop
// armed. The platform's own windows are not touched: close them first (UnloadAllDialogs() for the
// dialogs). Tests that run several cases in one process use it between cases.
void ResetToolkitState();

}  // namespace windlass
