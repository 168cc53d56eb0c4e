// Writing a file that heatwise-cli makes, such as a picture, whole or not at all.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "engine/printable_text.h"

namespace heatwise::cli {

// A file that cannot be written; the message names it as it was given and says why.
class OutputFileError : public std::runtime_error {
  public:
    explicit OutputFileError(const std::string& message)
        : std::runtime_error(PrintableText(message)) {}
};

// Writes `contents` to a new file in the same folder and then renames it to `path`, so that a
// reader never sees half a file and a failed write leaves whatever was there before. Only a
// plain file is replaced, keeping its permissions; a symbolic link is followed and its target
// written, the link staying as it was. A folder, a device, a FIFO or a socket is refused, and
// so is a file that nobody may write (a read-only file), whoever runs the command: its owner
// made it so to keep it.
void WriteWholeFile(const std::filesystem::path& path, std::string_view contents);

}  // namespace heatwise::cli
