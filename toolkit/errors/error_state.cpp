#include "errors/error_state.h"

#include <cstdio>
#include <iostream>
#include <string>

#include "errors/fixed_text.h"
#include "errors/window_hooks.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

constexpr int kMessageColumns = 62;

// A report runs with the level at 0, so that a failure inside the report (a box that cannot
// be shown, a debug file that cannot be made) is stored but not reported again. Afterwards
// the level comes back and the error being reported is the last error again, even when the
// report itself raised another or the program is ending under it.
class ReportScope {
  public:
    explicit ReportScope(int code) : code_(code), level_(Errors().debug_level) {
        Errors().debug_level = 0;
    }
    ~ReportScope() {
        Errors().debug_level = level_;
        Errors().last_toolkit_error = code_;
    }
    ReportScope(const ReportScope&) = delete;
    ReportScope& operator=(const ReportScope&) = delete;

    int level() const { return level_; }

  private:
    int code_;
    int level_;
};

void ReportInBox(const std::string& line) {
    WMessageBox(1, 3, 1, line, "Library Error");
    // Cancel means the user wants the program to end here, without any further message.
    if (WInfoDialog(4) == 0) {
        IOsExitProgram("", 0);
    }
}

}  // namespace

void ResetErrorState() {
    Errors() = ErrorState{};
}

std::string ErrorLine(int code) {
    char number[16];
    std::snprintf(number, sizeof number, "%4d", code);
    std::string message(kMessageColumns, ' ');
    WInfoErrorMessage(code, message);
    return std::string("Error=") + number + ":" + std::string(TrimTrailingBlanks(message));
}

}  // namespace windlass

void yyerror(int code) {
    using windlass::Errors;
    Errors().last_toolkit_error = code;
    if (Errors().debug_level <= 0) {
        return;
    }
    windlass::ReportScope scope(code);
    std::string line = windlass::ErrorLine(code);
    switch (scope.level()) {
        case 1:
            std::cerr << line << std::endl;
            break;
        case 2:
            IDebug(line);
            break;
        case 3:
            if (auto write = windlass::Hooks().write_status_bar_report) {
                write(line);
            }
            break;
        case 4:
            windlass::ReportInBox(line);
            break;
        default:
            break;
    }
}

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
