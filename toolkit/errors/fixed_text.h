// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace windlass {

// The toolkit's texts are fixed-length and blank-padded: trailing blanks carry no meaning.
inline std::string_view TrimTrailingBlanks(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

inline bool IsBlank(std::string_view text) {
    return TrimTrailingBlanks(text).empty();
}

// Writes text into a result text of fixed length (its size on entry): blank-padded when the
// text is shorter, cut when it is longer.
inline void PutFixed(std::string& result, std::string_view text) {
    std::size_t length = result.size();
    std::size_t copied = std::min(length, text.size());
    result.replace(0, copied, text.substr(0, copied));
    std::fill(result.begin() + static_cast<std::ptrdiff_t>(copied), result.end(), ' ');
}

}  // namespace windlass
