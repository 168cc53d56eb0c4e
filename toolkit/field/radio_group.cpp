#include "field/radio_group.h"

namespace windlass {

RadioGroup yyfieldgroup(const DialogRecord& dialog, int position) {
    const std::vector<ControlRecord>& controls = dialog.controls;
    return GroupAround(
        position, static_cast<int>(controls.size()),
        [&](int at) { return controls[static_cast<std::size_t>(at)].control_class; },
        [&](int at) { return controls[static_cast<std::size_t>(at)].GroupStart(); });
}

}  // namespace windlass
