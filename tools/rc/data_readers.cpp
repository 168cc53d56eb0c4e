#include <cctype>

#include "statement_parsers.h"

namespace heatwise::rc {

namespace {

constexpr std::string_view kMemoryOptions[] = {"PRELOAD",  "LOADONCALL",  "FIXED",
                                               "MOVEABLE", "DISCARDABLE", "PURE",
                                               "IMPURE",   "SHARED",      "NONSHARED"};

void AppendLittleEndian(Bytes& bytes, std::uint32_t value, int byte_count) {
    for (int i = 0; i < byte_count; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

struct AcceleratorWord {
    const char* word;
    std::uint16_t flag;
};

constexpr std::uint16_t kAscii = 0;  // The absence of VIRTKEY, written out for clarity.
constexpr AcceleratorWord kAcceleratorWords[] = {
    {"VIRTKEY", windlass::kAcceleratorVirtualKey}, {"ASCII", kAscii},
    {"NOINVERT", windlass::kAcceleratorNoInvert},  {"ALT", windlass::kAcceleratorAlt},
    {"SHIFT", windlass::kAcceleratorShift},        {"CONTROL", windlass::kAcceleratorControl},
};

}  // namespace

void SkipMemoryOptions(TokenCursor& cursor) {
    bool skipped = true;
    while (skipped) {
        skipped = false;
        for (std::string_view option : kMemoryOptions) {
            if (cursor.TakeKeyword(option)) {
                skipped = true;
            }
        }
    }
}

Bytes ReadDataBlock(TokenCursor& cursor, const std::string& what) {
    cursor.ExpectBegin(what);
    Bytes bytes;
    while (true) {
        if (cursor.AtEndOfBlock()) {
            cursor.Next();
            return bytes;
        }
        if (cursor.AtEnd()) {
            cursor.FailHere("the file ends inside " + what + ": END is missing");
        }
        if (cursor.Peek().kind == TokenKind::kString) {
            const std::string& text = cursor.Next().bytes;
            bytes.insert(bytes.end(), text.begin(), text.end());
        } else if (cursor.AtExpression()) {
            const Token& start = cursor.Peek();
            IntegerValue value = cursor.Expression("a number in " + what);
            if (value.is_long) {
                AppendLittleEndian(bytes, static_cast<std::uint32_t>(value.value), 4);
            } else {
                if (value.value < -32768 || value.value > 65535) {
                    TokenCursor::FailAt(start, std::to_string(value.value) +
                                                   " does not fit in a 16-bit word (-32768 to "
                                                   "65535); write it with an L suffix for 32 bits");
                }
                AppendLittleEndian(bytes, static_cast<std::uint32_t>(value.value), 2);
            }
        } else {
            cursor.Expected("a number, a string or END in " + what);
        }
        cursor.TakePunctuator(",");
    }
}

Accelerators ReadAccelerators(TokenCursor& cursor, const std::string& what) {
    cursor.ExpectBegin(what);
    Accelerators table;
    while (true) {
        if (cursor.AtEndOfBlock()) {
            cursor.Next();
            return table;
        }
        if (cursor.AtEnd()) {
            cursor.FailHere("the file ends inside " + what + ": END is missing");
        }
        const Token& event = cursor.Peek();
        std::string key_text;
        int key_number = 0;
        if (event.kind == TokenKind::kString) {
            key_text = cursor.Next().bytes;
        } else if (cursor.AtExpression()) {
            key_number = cursor.BoundedExpression("the key of an accelerator in " + what, 0, 65535);
        } else {
            cursor.Expected("an accelerator key (\"c\", \"^C\" or a number) or END in " + what);
        }
        cursor.ExpectPunctuator(",", "after the accelerator key in " + what);
        AcceleratorDef entry;
        entry.command =
            cursor.BoundedExpression("the command id of an accelerator in " + what, -32768, 65535);
        bool ascii = false;
        // Options follow after commas or blanks; a name that is no option begins the next
        // entry (VK_F1, for one).
        while (true) {
            bool comma = cursor.TakePunctuator(",");
            const AcceleratorWord* option = nullptr;
            for (const auto& word : kAcceleratorWords) {
                if (cursor.TakeKeyword(word.word)) {
                    option = &word;
                    break;
                }
            }
            if (option == nullptr) {
                if (comma) {
                    cursor.Expected(
                        "an accelerator option (VIRTKEY, ASCII, NOINVERT, ALT, SHIFT "
                        "or CONTROL) in " +
                        what);
                }
                break;
            }
            entry.flags |= option->flag;
            ascii = ascii || option->flag == kAscii;
        }
        bool virtual_key = (entry.flags & windlass::kAcceleratorVirtualKey) != 0;
        if (ascii && virtual_key) {
            TokenCursor::FailAt(event, "an accelerator is either ASCII or VIRTKEY, not both");
        }
        if (!virtual_key &&
            (entry.flags & (windlass::kAcceleratorShift | windlass::kAcceleratorControl)) != 0) {
            TokenCursor::FailAt(event, "SHIFT and CONTROL apply only to VIRTKEY accelerators");
        }
        if (event.kind != TokenKind::kString) {
            entry.key = static_cast<std::uint16_t>(key_number);
        } else if (key_text.size() == 2 && key_text[0] == '^' &&
                   std::isalpha(static_cast<unsigned char>(key_text[1]))) {
            if (virtual_key) {
                TokenCursor::FailAt(event,
                                    "a ^ key is a control character: write it without "
                                    "VIRTKEY, or write \"" +
                                        key_text.substr(1) + "\", VIRTKEY, CONTROL");
            }
            entry.key = static_cast<std::uint16_t>(
                std::toupper(static_cast<unsigned char>(key_text[1])) - 'A' + 1);
        } else if (key_text.size() == 1) {
            unsigned char c = static_cast<unsigned char>(key_text[0]);
            if (virtual_key && !std::isalnum(c)) {
                TokenCursor::FailAt(event, "a VIRTKEY key in quotes must be a letter or a digit");
            }
            entry.key = static_cast<std::uint16_t>(virtual_key ? std::toupper(c) : c);
        } else {
            TokenCursor::FailAt(event,
                                "an accelerator key in quotes is one character, or ^ and a "
                                "letter; found " +
                                    event.spelling);
        }
        table.push_back(entry);
    }
}

}  // namespace heatwise::rc
