// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

namespace windlass {

// The process-wide error slots. Toolkit procedures never return a status: a failure is
// raised into these slots, and programs read and clear them with InfoError().
struct ErrorState {
    int last_toolkit_error = 0;
    int last_file_status = 0;
    int last_os_error = 0;
    int debug_level = 0;
    int last_result = 0;
};

ErrorState& Errors();

}  // namespace windlass

// Raises a toolkit error: stores the code and reports it as the debug level asks.
void yyerror(int code);
