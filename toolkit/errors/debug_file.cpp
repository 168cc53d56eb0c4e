#include "errors/debug_file.h"

#include <array>
#include <memory>

#include "errors/fixed_text.h"
#include "windlass/windlass.h"

namespace windlass {
DebugFile::~DebugFile() {
    if (file_ != nullptr) {
        std::fclose(file_);
    }
}

void DebugFile::Open() {
    constexpr std::array<const char*, 3> kNames = {"debug", "debug.txt", "debug.dat"};
    state_ = State::Failed;
    for (const char* name : kNames) {
        std::filesystem::path candidate = directory_ / name;
        // Binary mode: the line ends are written as CR LF, exactly.
        file_ = std::fopen(candidate.c_str(), "wb");
        if (file_ != nullptr) {
            path_ = candidate;
            state_ = State::Open;
            return;
        }
    }
}

void DebugFile::WriteLine(std::string_view text) {
    if (state_ == State::NotTried) {
        Open();
    }
    if (state_ != State::Open) {
        return;
    }
    // The line is a zero-terminated text: it ends at an embedded NUL.
    text = text.substr(0, text.find('\0'));
    text = text.substr(0, kLineLimit);
    if (!text.empty()) {
        std::fwrite(text.data(), 1, text.size(), file_);
    }
    std::fwrite("\r\n", 1, 2, file_);
    // Each line reaches the file at once: the process may end without closing it.
    std::fflush(file_);
}

DebugFile& TheDebugFile() {
    auto& file = DebugFileInUse();
    if (!file) {
        file = std::make_unique<DebugFile>(std::filesystem::path());
    }
    return *file;
}

}  // namespace windlass

void IDebug(std::string_view text) {
    windlass::TheDebugFile().WriteLine(windlass::TrimTrailingBlanks(text));
}
