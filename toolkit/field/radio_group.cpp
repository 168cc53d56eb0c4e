#include "field/radio_group.h"

namespace windlass {

RadioGroup yyfieldgroup(const DialogRecord& dialog, int position) {
    const std::vector<ControlRecord>& controls = dialog.controls;
    ControlClass field_class = controls[static_cast<std::size_t>(position)].control_class;
    auto stops = [&](int at) {
        const ControlRecord& control = controls[static_cast<std::size_t>(at)];
        return control.GroupStart() || control.control_class != field_class;
    };
    RadioGroup group{position, position};
    int at = position;
    while (!stops(at) && at > 0) {
        --at;
    }
    if (!stops(at)) {
        group.first = at;  // The start of the template: every control passed over belongs.
    } else if (controls[static_cast<std::size_t>(at)].GroupStart() &&
               controls[static_cast<std::size_t>(at)].control_class == field_class) {
        group.first = at;
    } else {
        group.first = at + 1;
    }
    int count = static_cast<int>(controls.size());
    for (int next = position + 1; next < count && !stops(next); ++next) {
        group.last = next;
    }
    return group;
}

}  // namespace windlass
