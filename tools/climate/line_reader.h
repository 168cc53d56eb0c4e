// Line-by-line reading of the climate tool's text inputs, with the line numbers that messages
// quote. `Error` is the exception type that the reader's faults are reported with. Messages
// name the file by its path as it was given, escaped (PrintableText) like every text of the
// file they quote.
#pragma once

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/printable_text.h"

namespace heatwise::climate {

template <typename Error>
class LineReader {
  public:
    // Opens the file; `kind` says what the file should have been ("a weather file").
    LineReader(const std::filesystem::path& path, std::string_view kind) {
        // An empty name, which names no file, is shown as '' so that the message says what was
        // given.
        source_ = path.empty() ? std::string("''") : PrintableText(path.string());
        std::error_code ignored;
        if (std::filesystem::is_directory(path, ignored)) {
            throw Error(source_ + ": is a folder, not " + std::string(kind));
        }
        errno = 0;
        stream_.open(path, std::ios::binary);
        if (!stream_) {
            const int reason = errno;
            throw Error(
                source_ + ": cannot be opened for reading" +
                (reason != 0 ? ": " + std::generic_category().message(reason) : std::string()));
        }
    }

    // The next line without its line end (LF or CR LF); false at the end of the file.
    bool NextLine(std::string& line) {
        if (!std::getline(stream_, line)) {
            if (stream_.bad()) {
                Fail("the file cannot be read after this line");
            }
            return false;
        }
        ++line_number_;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        // Files saved by some editors start with a byte order mark that is no part of the text.
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (line_number_ == 1 && line.starts_with(kByteOrderMark)) {
            line.erase(0, kByteOrderMark.size());
        }
        return true;
    }

    // The file's path as given, escaped for messages.
    const std::string& source() const { return source_; }
    int line_number() const { return line_number_; }

    // Reports a fault of the line read last.
    [[noreturn]] void Fail(const std::string& text) const {
        throw Error(source_ + ": line " + std::to_string(line_number_) + ": " + text);
    }

    // Reports a fault of the file as a whole, such as being empty.
    [[noreturn]] void FailWholeFile(const std::string& text) const {
        throw Error(source_ + ": " + text);
    }

  private:
    std::string source_;
    std::ifstream stream_;
    int line_number_ = 0;
};

// The position of the column called `name` in the header line that the reader has just read;
// a header without it is reported with `advice` appended.
template <typename Error>
std::size_t FindColumn(const LineReader<Error>& reader, const std::vector<std::string>& header,
                       std::string_view name, std::string_view advice) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return i;
        }
    }
    reader.Fail("no column '" + std::string(name) + "' in the header" + std::string(advice));
}

}  // namespace heatwise::climate
