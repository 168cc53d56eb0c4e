// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "dialog/dialog_record.h"

namespace windlass {

// The positions, in template order, of the first and the last control of a radio group.
struct RadioGroup {
    int first = 0;
    int last = 0;
};

// yyfieldgroup: the group of the control at `position`. Backwards, the controls of the
// field's class without the group-start style belong to it, and the one that stops the
// search too when it has the group-start style and the field's class. Forwards, the group
// runs on up to the next control with the group-start style or of another class.
RadioGroup yyfieldgroup(const DialogRecord& dialog, int position);

}  // namespace windlass
