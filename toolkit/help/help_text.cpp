#include "help/help_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <optional>

namespace windlass {
namespace {

// The number of continuation bytes a UTF-8 lead byte announces, or -1 for a byte that cannot
// begin a character.
int ContinuationCount(unsigned char lead) {
    if (lead < 0x80) {
        return 0;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 1;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 2;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 3;
    }
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character a reference names ("amp", "#38", "#x26"), or nothing for one we do not know;
// surrogates and code points past U+10FFFF are refused, as they are not characters.
std::optional<std::uint32_t> ReferencedCharacter(std::string_view name) {
    if (name == "amp") {
        return '&';
    }
    if (name == "lt") {
        return '<';
    }
    if (name == "gt") {
        return '>';
    }
    if (name == "quot") {
        return '"';
    }
    if (name == "apos") {
        return '\'';
    }
    if (name == "nbsp") {
        return 0xA0;
    }
    if (name.size() < 2 || name[0] != '#') {
        return std::nullopt;
    }
    int base = 10;
    std::string_view digits = name.substr(1);
    if (digits[0] == 'x' || digits[0] == 'X') {
        base = 16;
        digits = digits.substr(1);
    }
    std::uint32_t code = 0;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code, base);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        return std::nullopt;
    }
    return code;
}

bool IsWhitespace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

}  // namespace

std::size_t FirstInvalidUtf8(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size()) {
        auto lead = static_cast<unsigned char>(text[at]);
        int more = ContinuationCount(lead);
        if (more < 0 || text.size() - at <= static_cast<std::size_t>(more)) {
            return at;
        }
        for (int i = 1; i <= more; ++i) {
            auto next = static_cast<unsigned char>(text[at + static_cast<std::size_t>(i)]);
            bool in_range = next >= 0x80 && next <= 0xBF;
            // The second byte narrows for leads that could otherwise spell an overlong form,
            // a surrogate or a code point past U+10FFFF.
            if (i == 1 && lead == 0xE0) {
                in_range = next >= 0xA0 && next <= 0xBF;
            } else if (i == 1 && lead == 0xED) {
                in_range = next >= 0x80 && next <= 0x9F;
            } else if (i == 1 && lead == 0xF0) {
                in_range = next >= 0x90 && next <= 0xBF;
            } else if (i == 1 && lead == 0xF4) {
                in_range = next >= 0x80 && next <= 0x8F;
            }
            if (!in_range) {
                return at;
            }
        }
        at += static_cast<std::size_t>(more) + 1;
    }
    return std::string_view::npos;
}

int LineAt(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + static_cast<int>(
                   std::count(text.begin(), text.begin() + static_cast<long>(offset), '\n'));
}

std::string DecodeCharacterReferences(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '&') {
            std::size_t semicolon = text.find(';', at + 1);
            // References are short; a far-off semicolon belongs to something else.
            if (semicolon != std::string_view::npos && semicolon - at <= 10) {
                if (auto code = ReferencedCharacter(text.substr(at + 1, semicolon - at - 1))) {
                    AppendUtf8(out, *code);
                    at = semicolon + 1;
                    continue;
                }
            }
        }
        out += text[at];
        ++at;
    }
    return out;
}

std::string CollapseWhitespace(std::string_view text) {
    std::string out;
    bool pending_blank = false;
    for (char c : text) {
        if (IsWhitespace(c)) {
            pending_blank = !out.empty();
            continue;
        }
        if (pending_blank) {
            out += ' ';
            pending_blank = false;
        }
        out += c;
    }
    return out;
}

std::string PlainText(std::string_view html) {
    std::string words;
    std::size_t at = 0;
    while (at < html.size()) {
        std::size_t open = html.find('<', at);
        words.append(html.substr(at, open == std::string_view::npos ? open : open - at));
        if (open == std::string_view::npos) {
            break;
        }
        // A "<" that is followed by no tag name, as in "3 <5", is text.
        char next = open + 1 < html.size() ? html[open + 1] : ' ';
        bool starts_tag = (next >= 'a' && next <= 'z') || (next >= 'A' && next <= 'Z') ||
                          next == '/' || next == '!';
        if (!starts_tag) {
            words += '<';
            at = open + 1;
            continue;
        }
        std::string_view close_mark = html.compare(open, 4, "<!--") == 0 ? "-->" : ">";
        std::size_t close = html.find(close_mark, open + 1);
        if (close == std::string_view::npos) {
            break;
        }
        words += ' ';
        at = close + close_mark.size();
    }
    return CollapseWhitespace(DecodeCharacterReferences(words));
}

std::string AsciiLower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return lower;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = path + ": the file cannot be opened";
        return std::nullopt;
    }
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        error = path + ": the file cannot be read";
        return std::nullopt;
    }
    return text;
}

}  // namespace windlass
