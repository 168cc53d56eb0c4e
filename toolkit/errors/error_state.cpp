#include "errors/error_state.h"

#include "windlass/windlass.h"

namespace windlass {

ErrorState& Errors() {
    static ErrorState state;
    return state;
}

}  // namespace windlass

void yyerror(int code) { windlass::Errors().last_toolkit_error = code; }

int InfoError(int itype) {
    auto& errors = windlass::Errors();
    int result = errors.last_result;
    switch (itype) {
        case 1:
            result = errors.last_toolkit_error;
            errors.last_toolkit_error = 0;
            break;
        case 2:
            result = errors.last_file_status;
            errors.last_file_status = 0;
            break;
        case 3:
            result = errors.last_os_error;
            errors.last_os_error = 0;
            break;
        default:
            break;
    }
    errors.last_result = result;
    return result;
}
