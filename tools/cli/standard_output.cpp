#include "standard_output.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "cli.h"

namespace heatwise::cli {

int WriteStandardOutput(std::string_view text, int status, std::ostream& err) {
    while (!text.empty()) {
        const ssize_t written = write(STDOUT_FILENO, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            err << "heatwise-cli: standard output: cannot be written: "
                << std::strerror(written < 0 ? errno : EIO) << "\n";
            return status == kExitSuccess ? kExitDataError : status;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return status;
}

}  // namespace heatwise::cli
