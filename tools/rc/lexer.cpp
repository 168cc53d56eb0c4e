#include "lexer.h"

#include <cctype>
#include <cstdio>

#include "script_error.h"

namespace heatwise::rc {

namespace {

constexpr std::string_view kTwoCharacterPunctuators[] = {
    "||", "&&", "==", "!=", "<=", ">=", "<<", ">>"};
constexpr std::string_view kOneCharacterPunctuators = ",|&()+-*/~{}#!<>^%";

bool IsIdentifierStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentifierPart(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

std::string Printable(char c) {
    if (std::isprint(static_cast<unsigned char>(c))) {
        return std::string(1, c);
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02X", static_cast<unsigned char>(c));
    return buffer;
}

[[noreturn]] void Fail(const Location& where, const std::string& reason) {
    throw ScriptError(where.FileName(), where.line, reason);
}

int HexDigitValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// Reads a number word such as 40001, 0x7F or 70000L into the token.
void ReadNumber(std::string_view word, const Location& where, Token& token) {
    auto bad = [&](const std::string& why) {
        Fail(where, "bad number '" + std::string(word) + "': " + why);
    };
    std::size_t end = word.size();
    bool has_long = false;
    bool has_unsigned = false;
    while (end > 0) {
        char c = static_cast<char>(std::toupper(static_cast<unsigned char>(word[end - 1])));
        if (c == 'L' && !has_long) {
            has_long = true;
        } else if (c == 'U' && !has_unsigned) {
            has_unsigned = true;
        } else {
            break;
        }
        --end;
    }
    std::string_view digits = word.substr(0, end);
    int base = 10;
    if (digits.size() > 1 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        base = 16;
        digits.remove_prefix(2);
        if (digits.empty()) {
            bad("0x needs hex digits after it");
        }
    }
    if (digits.empty()) {
        bad("expected digits");
    }
    std::uint64_t value = 0;
    for (char c : digits) {
        int digit = HexDigitValue(c);
        if (digit < 0 || digit >= base) {
            bad(base == 16 ? "'" + Printable(c) + "' is not a hex digit"
                           : "write decimal digits, or 0x and hex digits, with an optional L "
                             "suffix");
        }
        value = value * base + digit;
        if (value > 0xFFFFFFFFu) {
            bad("it does not fit in 32 bits (largest 4294967295)");
        }
    }
    token.value = static_cast<std::uint32_t>(value);
    token.is_long = has_long;
}

// Reads the escape sequence after a backslash at line[pos]; returns the byte and moves pos
// past the sequence.
char ReadEscape(std::string_view line, std::size_t& pos, const Location& where) {
    if (pos >= line.size()) {
        Fail(where, "unterminated string: a backslash ends the line");
    }
    char c = line[pos++];
    switch (c) {
        case 'n':
            return '\n';
        case 't':
            return '\t';
        case 'r':
            return '\r';
        case 'a':
            return '\a';
        case 'b':
            return '\b';
        case 'f':
            return '\f';
        case 'v':
            return '\v';
        case '\\':
        case '"':
        case '\'':
        case '?':
            return c;
        case 'x':
        case 'X': {
            int value = 0;
            int count = 0;
            while (count < 2 && pos < line.size() && HexDigitValue(line[pos]) >= 0) {
                value = value * 16 + HexDigitValue(line[pos++]);
                ++count;
            }
            if (count == 0) {
                Fail(where, "escape '\\x' in a string needs hex digits after it");
            }
            return static_cast<char>(value);
        }
        default:
            break;
    }
    if (c >= '0' && c <= '7') {
        int value = c - '0';
        for (int count = 1; count < 3 && pos < line.size() && line[pos] >= '0' && line[pos] <= '7';
             ++count) {
            value = value * 8 + (line[pos++] - '0');
        }
        if (value > 0xFF) {
            Fail(where, "octal escape in a string is larger than a byte (\\377)");
        }
        return static_cast<char>(value);
    }
    Fail(where, "unknown escape '\\" + Printable(c) +
                    "' in a string (known: \\n \\t \\r \\a \\b \\f \\v \\\\ \\\" \\' \\? "
                    "\\x and octal digits)");
}

// Reads a string starting at the quote at line[pos]; "" inside a string stands for one quote.
void ReadString(std::string_view line, std::size_t& pos, const Location& where, LexMode mode,
                Token& token) {
    std::size_t start = pos++;
    while (true) {
        if (pos >= line.size()) {
            if (mode == LexMode::kSkipping) {
                return;
            }
            Fail(where, "unterminated string: the closing '\"' is missing on this line");
        }
        char c = line[pos++];
        if (c == '"') {
            if (pos < line.size() && line[pos] == '"') {
                token.bytes += '"';
                ++pos;
                continue;
            }
            break;
        }
        if (c == '\\') {
            if (mode == LexMode::kSkipping) {
                ++pos;
                continue;
            }
            token.bytes += ReadEscape(line, pos, where);
            continue;
        }
        token.bytes += c;
    }
    token.spelling = std::string(line.substr(start, pos - start));
}

}  // namespace

std::string Describe(const Token& token) {
    switch (token.kind) {
        case TokenKind::kEnd:
            return "the end of the file";
        case TokenKind::kString:
            return token.spelling;
        default:
            return "'" + token.spelling + "'";
    }
}

void LexLine(std::string_view line, const Location& where, LexState& state, LexMode mode,
             std::vector<Token>& out) {
    std::size_t pos = 0;
    bool space = false;
    while (true) {
        if (state.in_comment) {
            std::size_t close = line.find("*/", pos);
            if (close == std::string_view::npos) {
                return;
            }
            state.in_comment = false;
            pos = close + 2;
            space = true;
        }
        while (pos < line.size() && IsBlank(line[pos])) {
            ++pos;
            space = true;
        }
        if (pos >= line.size()) {
            return;
        }
        if (line.substr(pos, 2) == "//") {
            return;
        }
        if (line.substr(pos, 2) == "/*") {
            state.in_comment = true;
            state.comment_line = where.line;
            pos += 2;
            continue;
        }
        Token token;
        token.where = where;
        token.space_before = space;
        space = false;
        char c = line[pos];
        if (c == '"') {
            token.kind = TokenKind::kString;
            ReadString(line, pos, where, mode, token);
        } else if (c == 'L' && pos + 1 < line.size() && line[pos + 1] == '"') {
            if (mode == LexMode::kTokens) {
                Fail(where,
                     "wide strings (L\"...\") are not supported: the toolkit reads 8-bit text");
            }
            ++pos;
            ReadString(line, pos, where, mode, token);
        } else if (IsIdentifierStart(c)) {
            std::size_t start = pos;
            while (pos < line.size() && IsIdentifierPart(line[pos])) {
                ++pos;
            }
            token.kind = TokenKind::kIdentifier;
            token.spelling = std::string(line.substr(start, pos - start));
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            std::size_t start = pos;
            while (pos < line.size() && IsIdentifierPart(line[pos])) {
                ++pos;
            }
            token.kind = TokenKind::kNumber;
            token.spelling = std::string(line.substr(start, pos - start));
            if (mode == LexMode::kTokens) {
                ReadNumber(token.spelling, where, token);
            }
        } else {
            token.kind = TokenKind::kPunctuator;
            for (std::string_view two : kTwoCharacterPunctuators) {
                if (line.substr(pos, 2) == two) {
                    token.spelling = std::string(two);
                    break;
                }
            }
            if (token.spelling.empty() &&
                kOneCharacterPunctuators.find(c) != std::string_view::npos) {
                token.spelling = std::string(1, c);
            }
            if (token.spelling.empty()) {
                if (mode == LexMode::kTokens) {
                    Fail(where, "unexpected character '" + Printable(c) + "'");
                }
                ++pos;
                continue;
            }
            pos += token.spelling.size();
        }
        if (mode == LexMode::kTokens) {
            out.push_back(std::move(token));
        }
    }
}

}  // namespace heatwise::rc
