// Writing a file that heatwise-cli makes, such as a picture, whole or not at all.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string_view>

namespace heatwise::cli {

// A file that cannot be written; the message names it and says why.
class OutputFileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Writes `contents` to a new file in the same folder and then renames it to `path`, so that a
// reader never sees half a file and a failed write leaves whatever was there before.
void WriteWholeFile(const std::filesystem::path& path, std::string_view contents);

}  // namespace heatwise::cli
