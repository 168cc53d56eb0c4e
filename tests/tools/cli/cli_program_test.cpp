// heatwise-cli run as a program, for what only the real process shows: its standard output on a
// full device or closed, the folder its environment names, and the files that --svg may and may
// not replace. Each run is the built program, started with its output and errors in files.
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_run.h"

namespace {

namespace fs = std::filesystem;
using heatwise::cli::FileText;
using heatwise::cli::kScratch;
using heatwise::cli::ScratchFolder;

const fs::path kData = fs::path(HEATWISE_SOURCE_DIR) / "data";

// Where the program's standard output goes.
enum class Output { kFile, kFullDevice, kClosed };

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs heatwise-cli in `folder` with `args`, HEATWISE_DATA_DIR set to `data_dir` (unset when
// null) and the umask 022.
ProgramRun RunProgram(const std::vector<std::string>& args, const fs::path& folder,
                      Output output = Output::kFile, const char* data_dir = nullptr) {
    const fs::path out_file = folder.parent_path() / (folder.filename().string() + ".out");
    const fs::path err_file = folder.parent_path() / (folder.filename().string() + ".err");
    std::vector<char*> argv = {const_cast<char*>(HEATWISE_CLI_PROGRAM)};
    for (const std::string& arg : args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        const char* out_path = output == Output::kFullDevice ? "/dev/full" : out_file.c_str();
        const int out = open(out_path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int err = open(err_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (out < 0 || err < 0 || chdir(folder.c_str()) != 0) {
            _exit(126);
        }
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        if (output == Output::kClosed) {
            close(STDOUT_FILENO);
        }
        umask(022);
        if (data_dir == nullptr) {
            unsetenv("HEATWISE_DATA_DIR");
        } else {
            setenv("HEATWISE_DATA_DIR", data_dir, 1);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ProgramRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.out = output == Output::kFile ? FileText(out_file) : "";
    run.err = FileText(err_file);
    return run;
}

// A fresh empty folder in the scratch folder, named after the test.
fs::path FreshFolder(const std::string& name) {
    fs::remove_all(kScratch / ("program-" + name));
    return ScratchFolder("program-" + name);
}

const std::string kFull =
    "heatwise-cli: standard output: cannot be written: No space left on device\n";

// Standard output that cannot be written is an error of its own, after the report is done; the
// climate files' folder is named as the environment gave it.
TEST(cli_Program, StatusAndMessagesOfTheRealProgram) {
    const fs::path folder = FreshFolder("program");
    const fs::path empty = folder / "empty";
    fs::create_directories(empty);
    const std::string data = kData.string();
    struct Case {
        std::vector<std::string> args;
        Output output;
        const char* data_dir;
        int status;
        std::string err;
    };
    const std::string here = fs::canonical(folder).string();
    const char* const kDataDir = data.c_str();
    constexpr Output kFile = Output::kFile;
    constexpr Output kFullDevice = Output::kFullDevice;
    // clang-format off
    const Case cases[] = {
        {{"estimate"}, kFile, kDataDir, 0, ""},
        {{"compare"}, kFullDevice, kDataDir, 1, kFull},
        {{"estimate", "--json"}, kFullDevice, kDataDir, 1, kFull},
        {{"sweep", "--vary", "rate=0.06:0.34:0.02", "--csv"}, kFullDevice, kDataDir, 1, kFull},
        {{"--help"}, kFullDevice, nullptr, 1, kFull},
        {{"estimate", "--data-dir", data}, Output::kClosed, nullptr, 1,
         "heatwise-cli: standard output: cannot be written: Bad file descriptor\n"},
        // A refused command line prints nothing, and keeps its own status.
        {{"estimate", "--rate", "0.05"}, kFullDevice, kDataDir, 2,
         "heatwise-cli estimate: --rate: '0.05' is outside the accepted range above 0.05 and "
         "below 0.35 (single-precision limits 0.0500000007 and 0.349999994)\nRun 'heatwise-cli "
         "estimate --help' for the options.\n"},
        {{"estimate"}, kFile, "empty", 1,
         "heatwise-cli: empty/bindata2.dat: cannot be opened for reading: No such file or "
         "directory\nheatwise-cli: the climate files and stations.csv are read from empty, the "
         "folder that HEATWISE_DATA_DIR names, as --data-dir is not given\n"},
        {{"compare", "--svg", "map.svg"}, kFile, nullptr, 1,
         "heatwise-cli: bindata2.dat: cannot be opened for reading: No such file or "
         "directory\nheatwise-cli: the climate files and stations.csv are read from the working "
         "folder, " + here + ", as neither --data-dir nor HEATWISE_DATA_DIR names one\n"},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.args));
        const ProgramRun run = RunProgram(c.args, folder, c.output, c.data_dir);
        EXPECT_EQ(run.status, c.status) << run.err;
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(run.out.empty(), c.status != 0);
    }
    EXPECT_FALSE(fs::exists(folder / "map.svg"));
}

// What stands at the picture's path before the command, and what the command must leave there.
enum class Before {
    kNothing,
    kPlainFile,  // mode 0600
    kReadOnly,   // mode 0444
    kFolder,
    kFifo,
    kSocket,
    kDevice,      // the null device
    kLinkToFile,  // a link to a plain file of mode 0640
    kLinkToFifo,
    kDanglingLink  // a link to a file not yet there
};

// Makes what stands at `path` and returns the path to give --svg.
fs::path Prepare(Before before, const fs::path& path) {
    const fs::path target = path.parent_path() / "target";
    switch (before) {
        case Before::kNothing:
            break;
        case Before::kPlainFile:
        case Before::kReadOnly:
            std::ofstream(path) << "kept\n";
            fs::permissions(path, before == Before::kPlainFile ? fs::perms(0600) : fs::perms(0444));
            break;
        case Before::kFolder:
            fs::create_directory(path);
            break;
        case Before::kFifo:
            EXPECT_EQ(mkfifo(path.c_str(), 0644), 0);
            break;
        case Before::kSocket: {
            const int socket_fd = socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address{};
            address.sun_family = AF_UNIX;
            std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
            EXPECT_EQ(bind(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address),
                      0);
            close(socket_fd);
            break;
        }
        case Before::kDevice:
            // Only root may make a device; anyone else is shown the system's own null device,
            // which only root could replace.
            if (geteuid() != 0) {
                return "/dev/null";
            }
            EXPECT_EQ(mknod(path.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
            break;
        case Before::kLinkToFile:
            std::ofstream(target) << "kept\n";
            fs::permissions(target, fs::perms(0640));
            fs::create_symlink("target", path);
            break;
        case Before::kLinkToFifo:
            EXPECT_EQ(mkfifo(target.c_str(), 0644), 0);
            fs::create_symlink("target", path);
            break;
        case Before::kDanglingLink:
            fs::create_symlink("target", path);
            break;
    }
    return path;
}

// A picture replaces a plain file only, through a link to one, keeping its permissions; anything
// else is refused with status 1, left as it was, and nothing is left beside it.
TEST(cli_Program, APictureReplacesOnlyAPlainFile) {
    const fs::path folder = FreshFolder("picture");
    const std::string refused =
        ", not a plain file; only a plain file is replaced, so nothing "
        "was written\n";
    struct Case {
        Before before;
        std::string message;  // after "heatwise-cli: PATH"; empty when the picture is written
        fs::file_type type;   // of what stands at the path afterwards
        fs::perms mode;       // of the file written, or kept
    };
    const Case cases[] = {
        {Before::kNothing, "", fs::file_type::regular, fs::perms(0644)},
        {Before::kPlainFile, "", fs::file_type::regular, fs::perms(0600)},
        {Before::kReadOnly, ": is read-only; it is kept as it is, and nothing was written\n",
         fs::file_type::regular, fs::perms(0444)},
        {Before::kFolder, ": is a folder" + refused, fs::file_type::directory, fs::perms::none},
        {Before::kFifo, ": is a FIFO" + refused, fs::file_type::fifo, fs::perms::none},
        {Before::kSocket, ": is a socket" + refused, fs::file_type::socket, fs::perms::none},
        {Before::kDevice, ": is a device" + refused, fs::file_type::character, fs::perms::none},
        {Before::kLinkToFile, "", fs::file_type::symlink, fs::perms(0640)},
        {Before::kLinkToFifo, " (a link to PLACE/target): is a FIFO" + refused,
         fs::file_type::symlink, fs::perms::none},
        {Before::kDanglingLink, "", fs::file_type::symlink, fs::perms(0644)},
    };
    for (const Case& c : cases) {
        const fs::path place = folder / std::to_string(static_cast<int>(c.before));
        fs::create_directory(place);
        const fs::path path = Prepare(c.before, place / "picture.svg");
        const fs::path written = c.type == fs::file_type::symlink ? place / "target" : path;
        const ProgramRun run =
            RunProgram({"estimate", "--data-dir", kData.string(), "--svg", path.string()}, folder);
        std::string message = c.message;
        if (const std::size_t at = message.find("PLACE"); at != std::string::npos) {
            message.replace(at, 5, place.string());
        }
        SCOPED_TRACE(path.string() + message);
        EXPECT_EQ(run.status, c.message.empty() ? 0 : 1);
        EXPECT_EQ(run.err, c.message.empty() ? "" : "heatwise-cli: " + path.string() + message);
        EXPECT_EQ(fs::symlink_status(path).type(), c.type);
        if (c.mode != fs::perms::none) {
            EXPECT_EQ(fs::status(written).permissions(), c.mode);
            EXPECT_EQ(FileText(written).starts_with("<?xml"), c.message.empty());
        }
        // Nothing else stands beside it: no temporary file is left.
        std::string names;
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(place)) {
            names += entry.path().filename().string() + " ";
            ++count;
        }
        const bool has_target = written != path || c.before == Before::kLinkToFifo;
        EXPECT_EQ(count, (path.parent_path() == place ? 1u : 0u) + (has_target ? 1u : 0u)) << names;
    }
}

}  // namespace
