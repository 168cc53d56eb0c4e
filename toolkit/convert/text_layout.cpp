// Placing a text within its fixed length: ILocateString and IJustifyString.
#include <cstddef>
#include <string>
#include <string_view>

#include "windlass/windlass.h"

void ILocateString(std::string_view text, int& first, int& last) {
    std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) {
        first = 0;
        last = 0;
        return;
    }
    first = static_cast<int>(begin) + 1;
    last = static_cast<int>(text.find_last_not_of(' ')) + 1;
}

void IJustifyString(std::string& text, std::string_view option) {
    int first = 0;
    int last = 0;
    ILocateString(text, first, last);
    const int length = static_cast<int>(text.size());
    const int used = last - first + 1;
    if (first == 0 || used == length) {
        return;
    }
    int target = 0;  // 1-based position where the non-blank part is to start.
    if (option.find_first_of("Ll") != std::string_view::npos) {
        target = 1;
    } else if (option.find_first_of("Rr") != std::string_view::npos) {
        target = length - used + 1;
    } else {
        target = (length - used) / 2 + 1;
    }
    if (target == first) {
        return;
    }
    // Moving left, the characters go front to back; moving right, back to front: either way
    // none is overwritten before it has been moved. Each vacated column becomes a blank.
    const int offset = target - first;
    if (offset < 0) {
        for (int i = first - 1; i < last; ++i) {
            text[static_cast<std::size_t>(i + offset)] = text[static_cast<std::size_t>(i)];
            text[static_cast<std::size_t>(i)] = ' ';
        }
    } else {
        for (int i = last - 1; i >= first - 1; --i) {
            text[static_cast<std::size_t>(i + offset)] = text[static_cast<std::size_t>(i)];
            text[static_cast<std::size_t>(i)] = ' ';
        }
    }
}
