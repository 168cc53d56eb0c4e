// Text from outside files and command lines as a message may quote it.
#pragma once

#include <string>
#include <string_view>

namespace heatwise {

// The text with every byte that is not printable escaped, so that a message quoting part of a
// binary file shows it whole and harmless: printable ASCII and well-formed UTF-8 characters
// stay, a backslash is doubled, a tab is "\t", and any other byte (a control byte, a NUL, a
// stray byte of a broken character) is "\xNN" in upper-case hexadecimal.
std::string EscapeForMessage(std::string_view text);

}  // namespace heatwise
