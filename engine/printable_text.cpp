#include "engine/printable_text.h"

#include <cstdint>

namespace heatwise {

namespace {

// The length of the UTF-8 sequence of a printable character at the start of `text`, or 0 when
// its first byte is to be escaped: a control character, a stray or overlong byte, a surrogate
// or a sequence cut short.
std::size_t PrintableLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return lead >= 0x20 && lead != 0x7F ? 1 : 0;
    }
    std::size_t length = 0;
    std::uint32_t code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        code = lead & 0x07u;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0u) != 0x80u) {
            return 0;
        }
        code = (code << 6) | (byte(i) & 0x3Fu);
    }
    constexpr std::uint32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    const bool control = code >= 0x80 && code <= 0x9F;
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < kLeast[length] || code > 0x10FFFF || control || surrogate) {
        return 0;
    }
    return length;
}

}  // namespace

std::string PrintableText(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string printable;
    printable.reserve(text.size());
    while (!text.empty()) {
        std::size_t length = PrintableLength(text);
        if (length > 0) {
            printable.append(text.substr(0, length));
        } else {
            const auto byte = static_cast<std::uint8_t>(text.front());
            printable.append({'\\', 'x', kHex[byte >> 4], kHex[byte & 0x0F]});
            length = 1;
        }
        text.remove_prefix(length);
    }
    return printable;
}

}  // namespace heatwise
