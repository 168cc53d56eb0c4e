#include "convert/edit_descriptor.h"

#include <cstddef>

namespace windlass {

namespace {

// Walks the characters of a format, skipping the blanks that an edit format may hold anywhere.
class FormatCursor {
  public:
    explicit FormatCursor(std::string_view text) : text_(text) {}

    bool AtEnd() {
        SkipBlanks();
        return pos_ >= text_.size();
    }

    char Peek() {
        SkipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }

    bool Take(char wanted) {
        if (Peek() != wanted) {
            return false;
        }
        ++pos_;
        return true;
    }

    bool TakeLetter(char upper) {
        char c = Peek();
        if (c != upper && c != static_cast<char>(upper - 'A' + 'a')) {
            return false;
        }
        ++pos_;
        return true;
    }

    // Reads an unsigned number; a number beyond the cap saturates just above it, so that
    // arbitrarily long digit strings cannot overflow. Gives -1 when no digit stands here.
    int TakeNumber() {
        int value = -1;
        while (IsDigit(Peek())) {
            int digit = text_[pos_++] - '0';
            value = value < 0 ? digit : value * 10 + digit;
            if (value > kMaxFieldWidth) {
                value = kMaxFieldWidth + 1;
            }
        }
        return value;
    }

  private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void SkipBlanks() {
        while (pos_ < text_.size() && text_[pos_] == ' ') {
            ++pos_;
        }
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

bool WithinCap(int number) {
    return number <= kMaxFieldWidth;
}

}  // namespace

std::optional<EditDescriptor> ParseEditDescriptor(std::string_view format) {
    FormatCursor cursor(format);
    if (!cursor.Take('(')) {
        return std::nullopt;
    }
    // A repeat count is harmless for a single item, but it must ask for at least one.
    int repeat = cursor.TakeNumber();
    if (repeat == 0) {
        return std::nullopt;
    }

    EditDescriptor descriptor;
    bool found_letter = false;
    for (char letter : {'I', 'F', 'E', 'D', 'G'}) {
        if (cursor.TakeLetter(letter)) {
            descriptor.letter = letter;
            found_letter = true;
            break;
        }
    }
    if (!found_letter) {
        return std::nullopt;
    }

    descriptor.width = cursor.TakeNumber();
    if (descriptor.width < 0 || !WithinCap(descriptor.width)) {
        return std::nullopt;
    }
    if (cursor.Take('.')) {
        descriptor.digits = cursor.TakeNumber();
        if (descriptor.digits < 0 || !WithinCap(descriptor.digits)) {
            return std::nullopt;
        }
    }
    bool takes_exponent = descriptor.letter == 'E' || descriptor.letter == 'G';
    if (takes_exponent && descriptor.digits >= 0 && cursor.TakeLetter('E')) {
        descriptor.exponent_digits = cursor.TakeNumber();
        if (descriptor.exponent_digits < 0 || !WithinCap(descriptor.exponent_digits)) {
            return std::nullopt;
        }
    }
    if (!cursor.Take(')') || !cursor.AtEnd()) {
        return std::nullopt;
    }

    // The real descriptors other than G without a width need the number of decimals.
    bool needs_digits = descriptor.letter == 'F' || descriptor.letter == 'E' ||
                        descriptor.letter == 'D' || descriptor.letter == 'G';
    if (needs_digits && descriptor.digits < 0) {
        return std::nullopt;
    }
    // Only I and F may leave the width to the value; the exponent forms always need one.
    if (descriptor.width == 0 && descriptor.letter != 'I' && descriptor.letter != 'F') {
        return std::nullopt;
    }
    return descriptor;
}

}  // namespace windlass
