// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The routines behind the field procedures: a field's display format, its range, writing a
// text with its value, and reading a field's value.

#include <optional>
#include <string>
#include <string_view>

#include "convert/zstring_convert.h"
#include "dialog/dialog_record.h"

namespace windlass {

// The format every real is written in when a field has none of its own.
inline constexpr std::string_view kDefaultRealFormat = "(G15.5E2)";
// The work areas of the put procedures: the text they build and the format they use.
inline constexpr std::size_t kPutTextArea = 100;
inline constexpr std::size_t kFormatArea = 50;
// The most characters of a field's text that a number is read from.
inline constexpr std::size_t kValueTextArea = 254;

// yyfieldgetformat: the format stored with a real or double field, else the default. Other
// kinds of control always give the default, whatever format they keep.
std::string yyfieldgetformat(const ControlRecord& control);

// yyfieldrangecheck: whether the value may be written into the current dialog's field of this
// id. A missing field raises ERR_FIELD_IDENTIFIER, a value outside a range in force
// ERR_FIELD_RANGE; both give false.
bool yyfieldrangecheck(int field_id, double value);

// yyfieldputtext: the control's text becomes `text`; when the platform takes it, the field's
// value becomes `value` (a value of exactly 0 gives way to the number the text holds, when
// the text is wholly a number), the field has a value when the text is not empty, keeps
// `format` as its format (none when empty), and an edit-like control's modified flag is
// cleared.
void yyfieldputtext(ControlRecord& control, std::string_view text, double value,
                    std::string_view format);

// The range of a field, as yyfieldrange2 stores it: any control takes one, a spin field's
// arrows are held to it too, and a bar (progress bar, trackbar, up-down control) reaches over
// it while it is in force and whole numbers can show it.
void SetFieldRange(ControlRecord& control, double minimum, double maximum);

// The range a progress bar or trackbar takes: whole numbers (truncated toward zero), the
// minimum below the maximum. Nothing for a range a bar cannot take.
struct BarRange {
    int minimum = 0;
    int maximum = 0;
};
std::optional<BarRange> BarRangeOf(double minimum, double maximum);
// The place of a bar for a value: the whole number toward zero, within what a bar can hold.
int BarPositionOf(double value);

// yyfieldrange2: the range of the current dialog's field of this id (SetFieldRange);
// ERR_FIELD_IDENTIFIER when there is none. A minimum greater than the maximum is accepted and
// switches the range off.
void yyfieldrange2(int field_id, double minimum, double maximum);

// What yyfieldgetvalue found.
struct FieldValue {
    enum class Kind { Unchanged, Undefined, Number };
    Kind kind = Kind::Unchanged;
    double value = 0.0;
};

// yyfieldgetvalue: the value of the current dialog's field of this id. Unchanged, with its
// error raised, when there is no current dialog or no such field; Undefined, with
// ERR_FIELD_UNDEFINED, for an empty text; otherwise the number: a numeric field's own value
// while its text is unmodified, else the text read as a double (with that reading's errors).
FieldValue yyfieldgetvalue(int field_id);

}  // namespace windlass
