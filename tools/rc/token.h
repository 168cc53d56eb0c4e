// The tokens of a resource script, each with the file and line it came from.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace heatwise::rc {

// A file taking part in the compilation: the name shown in messages, and the folder that the
// files it names (headers, icons, data) are looked for in first.
struct SourceFile {
    std::string display_name;
    std::filesystem::path directory;
    // The file itself; empty for a script given as text.
    std::filesystem::path path;
};

struct Location {
    std::shared_ptr<const SourceFile> file;
    int line = 0;

    const std::string& FileName() const { return file->display_name; }
};

enum class TokenKind { kIdentifier, kNumber, kString, kPunctuator, kEnd };

struct Token {
    TokenKind kind = TokenKind::kEnd;
    // As written: the name, the number, the punctuator, or the string with its quotes.
    std::string spelling;
    // A number's value (numbers are unsigned 32-bit; a minus sign is an operator).
    std::uint32_t value = 0;
    // A number written with an L suffix, which makes a 32-bit item in data blocks.
    bool is_long = false;
    // A string's bytes, escapes resolved.
    std::string bytes;
    // Whether blank space (or a comment) stands between this token and the one before it on
    // the line; tells "#define F(x)" from "#define F (x)".
    bool space_before = false;
    Location where;
};

// How a token is named in messages: 'BEGIN', '12', "text" or "the end of the file".
std::string Describe(const Token& token);

}  // namespace heatwise::rc
