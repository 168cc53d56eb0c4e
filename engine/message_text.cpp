#include "engine/message_text.h"

namespace heatwise {

namespace {

// The length of the well-formed UTF-8 character of two to four bytes that starts `text`, or 0.
// Overlong forms, surrogates, code points beyond U+10FFFF and the C1 control characters
// U+0080 to U+009F do not count as characters.
std::size_t CharacterLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool valid = code >= kSmallest[length] && code <= 0x10FFFF &&
                       !(code >= 0xD800 && code <= 0xDFFF) && !(code >= 0x80 && code <= 0x9F);
    return valid ? length : 0;
}

}  // namespace

std::string EscapeForMessage(std::string_view text) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    escaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\\') {
            escaped += "\\\\";
        } else if (byte == '\t') {
            escaped += "\\t";
        } else if (byte >= 0x20 && byte < 0x7F) {
            escaped += static_cast<char>(byte);
        } else if (const std::size_t length = CharacterLength(text.substr(i)); length > 0) {
            escaped.append(text.substr(i, length));
            i += length;
            continue;
        } else {
            escaped += "\\x";
            escaped += kHex[byte >> 4];
            escaped += kHex[byte & 0x0F];
        }
        ++i;
    }
    return escaped;
}

}  // namespace heatwise
