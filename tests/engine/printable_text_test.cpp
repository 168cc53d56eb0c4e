// The text of messages: every byte a person cannot read is shown as \xHH, everything else as it
// is, so that a message shows a binary file's bytes and never ends at a NUL.
#include <gtest/gtest.h>

#include <string>

#include "engine/printable_text.h"

namespace heatwise {
namespace {

TEST(engine_PrintableText, UnreadableBytesAreEscapedAndTheRestKept) {
    using namespace std::string_literals;
    const std::pair<std::string, std::string> cases[] = {
        {"austin, TX: 96 °F \\ 100 %", "austin, TX: 96 °F \\ 100 %"},
        {"a\0b"s, "a\\x00b"},
        {"tab\tline\r\n\x7f", "tab\\x09line\\x0D\\x0A\\x7F"},
        // An escape sequence of a terminal, in its 7-bit and its 8-bit (U+009B) form.
        {"\x1b[31m \xc2\x9b", "\\x1B[31m \\xC2\\x9B"},
        // Stray, overlong, surrogate, beyond U+10FFFF and cut short.
        {"\x80 \xc0\xaf \xed\xa0\x80 \xf4\x90\x80\x80 \xe2\x82",
         "\\x80 \\xC0\\xAF \\xED\\xA0\\x80 \\xF4\\x90\\x80\\x80 \\xE2\\x82"},
        // Three and four bytes at the ends of their ranges.
        {"\xef\xbf\xbd \xf0\x9f\x8c\xa1 \xf4\x8f\xbf\xbf",
         "\xef\xbf\xbd \xf0\x9f\x8c\xa1 \xf4\x8f\xbf\xbf"},
    };
    for (const auto& [text, shown] : cases) {
        EXPECT_EQ(PrintableText(text), shown) << shown;
        // A message made printable twice stays as it was.
        EXPECT_EQ(PrintableText(PrintableText(text)), shown) << shown;
    }
}

}  // namespace
}  // namespace heatwise
