// The commands of the main window's menu bar.
#pragma once

namespace heatwise {

// The name of the program's help document, which the toolkit looks for beside the program.
inline constexpr const char* kHelpFileName = "HELP.HLP";

// Carries out the menu command `menu_item`: Help (CMD_HELP) opens the help document at its
// contents and leaves `quit_flag` alone; Exit (CMD_EXIT) sets `quit_flag` to 1, which ends the
// main loop at its next test. Any other command does nothing.
void ProcessMenu(int menu_item, int& quit_flag);

}  // namespace heatwise
