// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>
#include <string_view>

namespace windlass {

// One edit descriptor taken from a display format such as "(G15.5E2)".
struct EditDescriptor {
    char letter = 'I';         // 'I', 'F', 'E', 'D' or 'G', always upper case.
    int width = 0;             // w; 0 asks for the narrowest field (I and F only).
    int digits = -1;           // d (m for I): -1 when the format gives none.
    int exponent_digits = -1;  // e of Ew.dEe and Gw.dEe: -1 when the format gives none.
};

// The widest field, and the most digits, that a display format may ask for. A field text
// longer than a dialog field's text is of no use, and capping the numbers keeps a wild format
// from making the conversion build absurdly long texts.
constexpr int kMaxFieldWidth = 255;

// Reads a display format: an opening parenthesis, one descriptor Iw, Iw.m, Fw.d, Ew.d,
// Ew.dEe, Dw.d, Gw.d or Gw.dEe with an optional repeat count, and the closing parenthesis.
// Letters may be of either case and blanks may stand anywhere, as in any edit format; blanks
// alone may follow the closing parenthesis. Anything else, or a number above kMaxFieldWidth,
// makes the format unusable and gives no descriptor.
std::optional<EditDescriptor> ParseEditDescriptor(std::string_view format);

}  // namespace windlass
