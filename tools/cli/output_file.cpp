#include "output_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace heatwise::cli {

namespace {

[[noreturn]] void Refuse(const std::filesystem::path& path, int error) {
    throw OutputFileError(path.string() + ": cannot be written: " + std::strerror(error));
}

}  // namespace

void WriteWholeFile(const std::filesystem::path& path, std::string_view contents) {
    std::error_code ignored;
    if (path.filename().empty() || std::filesystem::is_directory(path, ignored)) {
        Refuse(path, EISDIR);
    }
    const std::filesystem::path folder = path.parent_path();
    std::string temporary = ((folder.empty() ? std::filesystem::path(".") : folder) /
                             ("." + path.filename().string() + ".XXXXXX"))
                                .string();
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        Refuse(path, errno);
    }
    // A new file is made readable by others as the user's umask allows, like any other file.
    const mode_t mask = umask(0);
    umask(mask);
    fchmod(descriptor, 0666 & ~mask);
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = write(descriptor, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            const int error = n < 0 ? errno : EIO;
            close(descriptor);
            unlink(temporary.c_str());
            Refuse(path, error);
        }
        written += static_cast<std::size_t>(n);
    }
    if (close(descriptor) != 0 || rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        Refuse(path, error);
    }
}

}  // namespace heatwise::cli
