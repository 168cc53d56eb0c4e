// Text from a file or a command line made fit to stand in a message.
#pragma once

#include <string>
#include <string_view>

namespace heatwise {

// The text with every byte that a person cannot read written as \xHH: control characters
// (tab, line ends and NUL among them, and the control characters U+0080 to U+009F), and bytes
// that do not form UTF-8. Everything else, the backslash too, stays as it is, so the text of a
// message that is made printable twice does not change. A NUL inside a message would end it
// early wherever it is handed on as a C string.
std::string PrintableText(std::string_view text);

}  // namespace heatwise
