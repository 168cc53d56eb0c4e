// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include "dialog/dialog_record.h"

namespace windlass {

// The positions, in template order, of the first and the last control of a radio group.
struct RadioGroup {
    int first = 0;
    int last = 0;
};

// How far the group of the control at `position` reaches, among `count` controls of which
// `class_at(p)` gives each one's class and `starts_group(p)` whether it has the group-start
// style. Backwards, the controls of the field's class without the group-start style belong to
// it, and the one that stops the search too when it has the group-start style and the field's
// class. Forwards, the group runs on up to the next control with the group-start style or of
// another class. This is the toolkit's one rule of groups: the field procedures, a click on a
// radio button and the arrow keys all go by it.
template <typename ClassAt, typename StartsGroup>
RadioGroup GroupAround(int position, int count, ClassAt class_at, StartsGroup starts_group) {
    ControlClass field_class = class_at(position);
    auto stops = [&](int at) { return starts_group(at) || class_at(at) != field_class; };
    RadioGroup group{position, position};
    int at = position;
    while (!stops(at) && at > 0) {
        --at;
    }
    if (!stops(at)) {
        group.first = at;  // The start of the template: every control passed over belongs.
    } else if (starts_group(at) && class_at(at) == field_class) {
        group.first = at;
    } else {
        group.first = at + 1;
    }
    for (int next = position + 1; next < count && !stops(next); ++next) {
        group.last = next;
    }
    return group;
}

// yyfieldgroup: the group of the control at `position` of a loaded dialog (GroupAround).
RadioGroup yyfieldgroup(const DialogRecord& dialog, int position);

}  // namespace windlass
