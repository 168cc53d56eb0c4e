// The escaping of outside text in messages: printable text and characters stay, every other
// byte is shown by its value, and nothing is cut at a NUL byte.
#include <gtest/gtest.h>

#include <string>

#include "engine/message_text.h"

namespace heatwise {
namespace {

TEST(engine_MessageText, BytesThatAreNotPrintableAreEscaped) {
    const std::pair<std::string, std::string> cases[] = {
        {"12.5 F", "12.5 F"},
        {std::string("a\0b", 3), "a\\x00b"},
        {"tab\there", "tab\\there"},
        {"back\\slash", "back\\\\slash"},
        {"\x1B[2J\r\n\x7F", "\\x1B[2J\\x0D\\x0A\\x7F"},
        // Well-formed characters of two, three and four bytes stay.
        {"Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x8C\xA1",
         "Z\xC3\xBCrich \xE2\x82\xAC \xF0\x9F\x8C\xA1"},
        // A lead byte without its continuation, a stray continuation, an overlong form, a
        // surrogate, a code point past U+10FFFF and a C1 control character are bytes.
        {"\xC3", "\\xC3"},
        {"\xC3z", "\\xC3z"},
        {"\x80", "\\x80"},
        {"\xC0\xAF", "\\xC0\\xAF"},
        {"\xED\xA0\x80", "\\xED\\xA0\\x80"},
        {"\xF4\x90\x80\x80", "\\xF4\\x90\\x80\\x80"},
        {"\xC2\x85", "\\xC2\\x85"},
        {"", ""},
    };
    for (const auto& [text, escaped] : cases) {
        EXPECT_EQ(EscapeForMessage(text), escaped) << escaped;
    }
}

}  // namespace
}  // namespace heatwise
