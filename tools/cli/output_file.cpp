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

namespace fs = std::filesystem;

// As many links in a row as the system itself follows before it gives up with ELOOP.
constexpr int kMostLinks = 40;

// The file that `path` names, and whether it is a link to it.
struct Target {
    fs::path file;
    bool linked = false;
};

std::string Named(const fs::path& path, const Target& target) {
    return path.string() + (target.linked ? " (a link to " + target.file.string() + ")" : "");
}

[[noreturn]] void Refuse(const std::string& named, const std::string& reason) {
    throw OutputFileError(named + ": " + reason);
}

[[noreturn]] void CannotWrite(const std::string& named, int error) {
    Refuse(named, std::string("cannot be written: ") + std::strerror(error));
}

// Follows symbolic links from `path` to the file they lead to, which need not exist yet.
Target FollowLinks(const fs::path& path) {
    Target target{path, false};
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat status {};
        if (lstat(target.file.c_str(), &status) != 0) {
            if (errno == ENOENT) {
                return target;
            }
            CannotWrite(Named(path, target), errno);
        }
        if (!S_ISLNK(status.st_mode)) {
            return target;
        }
        std::string link(static_cast<std::size_t>(status.st_size) + 1, '\0');
        const ssize_t length = readlink(target.file.c_str(), link.data(), link.size());
        if (length < 0) {
            CannotWrite(Named(path, target), errno);
        }
        link.resize(static_cast<std::size_t>(length));
        const fs::path next(link);
        target.file = next.is_absolute() ? next : target.file.parent_path() / next;
        target.linked = true;
    }
    CannotWrite(path.string(), ELOOP);
}

// What a file that is not a plain one is, in words.
std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) {
        return "a folder";
    }
    if (S_ISFIFO(mode)) {
        return "a FIFO";
    }
    if (S_ISSOCK(mode)) {
        return "a socket";
    }
    if (S_ISCHR(mode) || S_ISBLK(mode)) {
        return "a device";
    }
    return "not a plain file";
}

// The permissions of the new file: an existing file's own, else those of any new file under
// the user's umask.
mode_t NewFileMode(const struct stat* existing) {
    if (existing != nullptr) {
        return existing->st_mode & 0777;
    }
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

}  // namespace

void WriteWholeFile(const fs::path& path, std::string_view contents) {
    if (path.filename().empty()) {
        Refuse(path.string(), "names a folder, not a file to write");
    }
    const Target target = FollowLinks(path);
    const std::string named = Named(path, target);
    struct stat existing {};
    const bool exists = lstat(target.file.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) {
        CannotWrite(named, errno);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        Refuse(named,
               "is " + KindOf(existing.st_mode) +
                   ", not a plain file; only a plain file is replaced, so nothing was written");
    }
    if (exists && (existing.st_mode & 0222) == 0) {
        Refuse(named, "is read-only; it is kept as it is, and nothing was written");
    }
    if (exists && access(target.file.c_str(), W_OK) != 0) {
        CannotWrite(named, errno);
    }

    const fs::path folder = target.file.parent_path();
    std::string temporary = ((folder.empty() ? fs::path(".") : folder) /
                             ("." + target.file.filename().string() + ".XXXXXX"))
                                .string();
    const int descriptor = mkstemp(temporary.data());
    if (descriptor < 0) {
        CannotWrite(named, errno);
    }
    const auto fail = [&](int error) {
        close(descriptor);
        unlink(temporary.c_str());
        CannotWrite(named, error);
    };
    if (fchmod(descriptor, NewFileMode(exists ? &existing : nullptr)) != 0) {
        fail(errno);
    }
    // The file keeps its owner where the user may give it one (root may); otherwise the new
    // file is the user's own, as any file the user writes anew.
    if (exists && (existing.st_uid != geteuid() || existing.st_gid != getegid())) {
        [[maybe_unused]] const int kept = fchown(descriptor, existing.st_uid, existing.st_gid);
    }
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t n = write(descriptor, contents.data() + written, contents.size() - written);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            fail(n < 0 ? errno : EIO);
        }
        written += static_cast<std::size_t>(n);
    }
    if (close(descriptor) != 0 || rename(temporary.c_str(), target.file.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        CannotWrite(named, error);
    }
}

}  // namespace heatwise::cli
