// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// What the numeric edit fields do with the user's input: which typed characters go in, the
// Tab key, gaining the focus, and the arrows of the spin fields. Whether the focus may leave
// a field is in focus_check.h.

#include "dialog/dialog_record.h"
#include "platform/platform.h"

namespace windlass {

// Ctrl+A: the whole text is selected and the character goes no further.
inline constexpr int kSelectAllCharacter = 1;

// The verdict on a character typed into a field of a numeric class. Digits and signs go into
// every class, "E" and "." into the real and double classes, "D" into the double classes
// (their lower-case letters as upper case), and the editing control characters (Ctrl+A, C, V,
// X, Z, Backspace, Tab, Return, Escape) everywhere. Anything else is dropped, with a beep
// while the toolkit's bell is on. Ctrl+A is dropped too: the field selects its text instead.
CharacterVerdict NumericCharacterVerdict(ControlClass control_class, int character);

// A typed character, as the field's procedure handles it: Ctrl+A selects the whole text.
CharacterVerdict NumericCharacter(ControlRecord& field, int character);

// A key went down in the field: Tab marks the field as left by Tab.
void NumericKey(ControlRecord& field, int virtual_key);

// The field gained the focus. A text the user changed since the toolkit last wrote it is
// taken into the field's value first, so that clearing the modified flag loses nothing (an
// empty text leaves the field marked as having had a value, if it had one); then
// the field saves its text and value when the next field to gain focus is to, and the tab
// and modified flags are cleared.
void NumericFocusGained(ControlRecord& field);

// An arrow of a spin field: -1 or 1 moves the value by the small step, -5 or 5 by the large
// one, held to the range in force (an integer field's also to what its arrows reach), and
// the text is written again in the field's display form.
void SpinStep(ControlRecord& field, int step);

}  // namespace windlass
