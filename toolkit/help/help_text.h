// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// Text helpers shared by the readers of help documents and contents files: UTF-8 checks,
// character references, and the plain text of a piece of HTML.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace windlass {

// The offset of the first byte that does not belong to well-formed UTF-8, or npos.
std::size_t FirstInvalidUtf8(std::string_view text);

// The 1-based line of an offset in a text.
int LineAt(std::string_view text, std::size_t offset);

// Replaces the character references of HTML (&amp; &lt; &gt; &quot; &apos; &nbsp; and the
// numeric &#NN; and &#xHH; forms) by their characters; any other "&" stays as it is.
std::string DecodeCharacterReferences(std::string_view text);

// Runs of blanks, tabs and line ends become one blank; none at either end.
std::string CollapseWhitespace(std::string_view text);

// The words a reader sees in a piece of HTML: tags and comments dropped (each leaves a blank),
// references decoded, whitespace collapsed.
std::string PlainText(std::string_view html);

// Reads a whole file as it is. On failure gives nothing and sets `error` to "PATH: the file
// cannot be opened" or "... read".
std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error);

// Letters A to Z lowered; every other byte, those of UTF-8 sequences included, unchanged.
std::string AsciiLower(std::string_view text);

}  // namespace windlass
