// A resource script that cannot be compiled: the message says where and why, as
// "heatwise.rc:12: expected a control id after the text, found 'BEGIN'".
#pragma once

#include <stdexcept>
#include <string>

namespace heatwise::rc {

class ScriptError : public std::runtime_error {
  public:
    // A line of 0 stands for the file as a whole.
    ScriptError(const std::string& file, int line, const std::string& reason)
        : std::runtime_error(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " +
                             reason) {}
};

}  // namespace heatwise::rc
