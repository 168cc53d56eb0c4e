// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <optional>
#include <string>

#include "convert/edit_descriptor.h"

namespace windlass {

// Writes one number under one edit descriptor, as a formatted write of a single numeric item
// does. The result is the field: exactly `width` characters (for width 0, as many as the value
// needs), right-justified, or `width` asterisks when the value does not fit. No result means
// that the descriptor cannot be used for the item (an integer under F, E or D, a real under I,
// E, D or G with no decimals).
//
// Decimal digits are those of the exact binary value, rounded to nearest; a value exactly
// halfway between two outputs goes to the even digit. Infinities are written "Infinity" or
// "Inf" and not-a-number "NaN", right-justified, as wide as the field allows.
std::optional<std::string> WriteIntegerField(int value, const EditDescriptor& descriptor);
std::optional<std::string> WriteRealField(float value, const EditDescriptor& descriptor);
std::optional<std::string> WriteRealField(double value, const EditDescriptor& descriptor);

}  // namespace windlass
