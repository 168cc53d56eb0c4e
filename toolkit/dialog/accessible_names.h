// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// What a screen reader announces for each control of a dialog, found from the template alone:
// a field is named after the labels placed around it, as a sighted user reads the form, and is
// described by the title of the group box it lies in. Buttons, labels and group boxes are
// named by their own texts.
//
// The labels of a field are found by where they lie, in dialog units, never by their ids:
//  (a) the label just to the right of the field on the same row, unless that label lies
//      nearer to a field that follows it on the row;
//  (b) inside a group box, a label found by (a) is put after the row's leading label (the
//      leftmost label of the row in the same box, left of the field);
//  (c) without (a): the column heading (the nearest label above that overlaps the field
//      across) followed by the row label (the nearest label or radio button to the left on
//      the row; inside a group box, the leftmost label of the row in that box).
// Only labels in the same group box as the field (or, for a field outside every box, labels
// outside every box) count. A drop-down combo box is taken at its closed height, not at the
// height of its opened list that the template gives.

#include <string>
#include <vector>

#include "dialog/dialog_record.h"
#include "resources/resource_types.h"

namespace windlass {

struct AccessibleText {
    std::string name;
    std::string description;
};

// One entry per control of the template, in template order. A control that nothing names
// (a picture, a frame, a field without labels) has an empty name.
std::vector<AccessibleText> AccessibleTexts(const DialogTemplate& dialog);

// Hands every control of a loaded dialog its name and description through the platform.
void GiveAccessibleTexts(const DialogRecord& dialog);

}  // namespace windlass
