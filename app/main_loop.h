// The main loop: the program waits for the toolkit's messages and answers each in turn.
#pragma once

#include "program_state.h"
#include "windlass/windlass.h"

namespace heatwise {

// Answers one message: a menu command goes to ProcessMenu, a close request sets the quit
// flag, a field change runs one full recalculation pass; every other message is ignored.
void HandleMessage(ProgramState& state, int type, const MessageRecord& message);

// Waits for messages and answers them until the quit flag is set. The flag is tested before
// each wait, so a pass or a command always completes before the loop ends.
void RunMainLoop(ProgramState& state);

// Closes the main window with its form. Nothing is saved.
void ShutDown();

// The whole program: start-up, the main loop, shutdown. Gives the process's exit code.
int RunHeatwise();

}  // namespace heatwise
