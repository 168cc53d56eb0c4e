// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

namespace windlass {

// The process-wide error slots. Toolkit procedures never return a status: a failure is
// raised into these slots, and programs read and clear them with InfoError().
struct ErrorState {
    int last_toolkit_error = 0;
    // Status of the last failed open, read, write or seek of the toolkit's file routines.
    int last_file_status = 0;
    // Error number of the last failed operating-system request.
    int last_os_error = 0;
    // How a raised error is reported: 0 silent, 1 standard error, 2 debug file, 3 status bar,
    // 4 message box.
    int debug_level = 0;
    int last_result = 0;
};

ErrorState& Errors();

// Sets every slot, the debug level and the last result to zero, as initialisation does.
void ResetErrorState();

// The report line of an error: "Error=", the code right-aligned in four columns, ":" and the
// code's message, without trailing blanks; code 1006 gives "Error=1006:Invalid field
// identifier".
std::string ErrorLine(int code);

}  // namespace windlass

// Raises a toolkit error: stores the code and reports it as the debug level asks.
void yyerror(int code);
