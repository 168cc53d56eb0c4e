// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace windlass {

// The debug file of a process: made, or emptied, in a directory on the first line written,
// as "debug", else "debug.txt", else "debug.dat". The attempt is made once; when every name
// fails, this and every later line are dropped without notice.
class DebugFile {
  public:
    // The longest text a line keeps.
    static constexpr std::size_t kLineLimit = 511;

    explicit DebugFile(std::filesystem::path directory) : directory_(std::move(directory)) {}
    ~DebugFile();
    DebugFile(const DebugFile&) = delete;
    DebugFile& operator=(const DebugFile&) = delete;

    // Appends the text, cut to kLineLimit characters, and CR LF.
    void WriteLine(std::string_view text);

    // The file in use; empty before the first line and when no name could be made.
    const std::filesystem::path& path() const { return path_; }

  private:
    enum class State { NotTried, Open, Failed };

    void Open();

    std::filesystem::path directory_;
    std::filesystem::path path_;
    std::FILE* file_ = nullptr;
    State state_ = State::NotTried;
};

// The process's debug file, in the current directory; IDebug() writes to it.
DebugFile& TheDebugFile();

// The debug file once a line has asked for it; empty before.
std::unique_ptr<DebugFile>& DebugFileInUse();

}  // namespace windlass
