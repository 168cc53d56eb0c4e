#include "dialog/accessible_names.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <utility>

#include "dialog/control_class.h"
#include "platform/platform.h"

namespace windlass {
namespace {

// A label names the field on its left only when it starts this close to the field.
constexpr int kLabelReach = 12;
// A drop-down combo box shows one line; the template's height is that of its opened list.
constexpr int kClosedComboHeight = 12;

// Label styles: the low five bits name the kind; only the text kinds show a text.
constexpr std::uint32_t kStaticKindMask = 0x1F;
constexpr std::uint32_t kStaticNoPrefix = 0x0080;
constexpr std::uint32_t kComboSimple = 0x1;
constexpr std::uint32_t kGroupBox = 0x7;
constexpr std::uint32_t kRadioButton = 0x4;
constexpr std::uint32_t kAutoRadioButton = 0x9;

enum class Role { Label, RadioButton, Button, GroupBox, Field, Other };

struct Area {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct Item {
    Role role = Role::Other;
    Area area;
    std::string text;
    // The position of the innermost group box holding the control, or -1.
    int box = -1;
};

bool IsTextLabel(std::uint32_t style) {
    switch (style & kStaticKindMask) {
        case 0x0:  // left
        case 0x1:  // centred
        case 0x2:  // right
        case 0xB:  // simple
        case 0xC:  // left without word wrap
            return true;
        default:
            return false;
    }
}

Role RoleOf(const DialogControl& control) {
    ControlClass control_class = ClassOf(control.class_name != nullptr ? control.class_name : "");
    switch (control_class) {
        case ControlClass::Static:
            return IsTextLabel(control.style) ? Role::Label : Role::Other;
        case ControlClass::Button:
            switch (control.style & styles::kButtonKindMask) {
                case kGroupBox:
                    return Role::GroupBox;
                case kRadioButton:
                case kAutoRadioButton:
                    return Role::RadioButton;
                default:
                    return Role::Button;
            }
        case ControlClass::ComboBox:
        case ControlClass::ListBox:
        case ControlClass::Trackbar:
        case ControlClass::Treeview:
        case ControlClass::Progress:
            return Role::Field;
        default:
            return IsEditLike(control_class) ? Role::Field : Role::Other;
    }
}

// The text as it is read out: without the "&" that marks a mnemonic letter ("&&" stands for
// one "&"), without blanks around it and without the colon that ends many labels.
std::string SpokenText(const char* raw, bool mnemonics) {
    std::string text;
    std::string_view source = raw != nullptr ? raw : "";
    for (std::size_t at = 0; at < source.size(); ++at) {
        if (mnemonics && source[at] == '&' && at + 1 < source.size()) {
            ++at;
        }
        text += source[at];
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == ':')) {
        text.pop_back();
    }
    std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : text.substr(first);
}

Area AreaOf(const DialogControl& control) {
    int height = control.height;
    if (ClassOf(control.class_name != nullptr ? control.class_name : "") ==
            ControlClass::ComboBox &&
        (control.style & styles::kComboKindMask) != kComboSimple) {
        height = std::min(height, kClosedComboHeight);
    }
    return {control.x, control.y, control.x + control.width, control.y + height};
}

bool SameRow(const Area& a, const Area& b) {
    return a.top < b.bottom && b.top < a.bottom;
}

bool SameColumn(const Area& a, const Area& b) {
    return a.left < b.right && b.left < a.right;
}

// Whether the centre of `inner` lies within `outer`; coordinates are doubled so that half
// units count.
bool CentreWithin(const Area& inner, const Area& outer) {
    int x = inner.left + inner.right;
    int y = inner.top + inner.bottom;
    return x >= 2 * outer.left && x < 2 * outer.right && y >= 2 * outer.top && y < 2 * outer.bottom;
}

long AreaSize(const Area& area) {
    return static_cast<long>(area.right - area.left) * (area.bottom - area.top);
}

std::vector<Item> ItemsOf(const DialogTemplate& dialog) {
    std::vector<Item> items;
    items.reserve(static_cast<std::size_t>(dialog.control_count));
    for (int position = 0; position < dialog.control_count; ++position) {
        const DialogControl& control = dialog.controls[position];
        Item item;
        item.role = RoleOf(control);
        item.area = AreaOf(control);
        bool mnemonics = item.role != Role::Label || !(control.style & kStaticNoPrefix);
        item.text = SpokenText(control.text, mnemonics);
        if (item.role == Role::Label && item.text.empty()) {
            item.role = Role::Other;
        }
        items.push_back(std::move(item));
    }
    for (std::size_t position = 0; position < items.size(); ++position) {
        long smallest = -1;
        for (std::size_t box = 0; box < items.size(); ++box) {
            const Item& frame = items[box];
            if (box == position || frame.role != Role::GroupBox ||
                !CentreWithin(items[position].area, frame.area)) {
                continue;
            }
            if (smallest < 0 || AreaSize(frame.area) < smallest) {
                smallest = AreaSize(frame.area);
                items[position].box = static_cast<int>(box);
            }
        }
    }
    return items;
}

// The label just right of the field, or -1. A label that lies nearer to a field following it
// on the row is that field's label, as on forms whose labels stand left of their fields.
int RightLabel(const std::vector<Item>& items, const Item& field) {
    int found = -1;
    for (std::size_t at = 0; at < items.size(); ++at) {
        const Item& label = items[at];
        int gap = label.area.left - field.area.right;
        if (label.role != Role::Label || label.box != field.box || gap < 0 || gap > kLabelReach ||
            !SameRow(label.area, field.area) ||
            (found >= 0 && label.area.left >= items[static_cast<std::size_t>(found)].area.left)) {
            continue;
        }
        bool nearer_to_next = false;
        for (const Item& next : items) {
            int next_gap = next.area.left - label.area.right;
            if (next.role == Role::Field && next_gap >= 0 && next_gap < gap &&
                SameRow(next.area, label.area)) {
                nearer_to_next = true;
            }
        }
        if (!nearer_to_next) {
            found = static_cast<int>(at);
        }
    }
    return found;
}

// The leftmost label of the field's row in its group box, left of the field, or -1.
int LeadingLabel(const std::vector<Item>& items, const Item& field) {
    int found = -1;
    for (std::size_t at = 0; at < items.size(); ++at) {
        const Item& label = items[at];
        if (label.role == Role::Label && label.box == field.box &&
            label.area.right <= field.area.left && SameRow(label.area, field.area) &&
            (found < 0 || label.area.left < items[static_cast<std::size_t>(found)].area.left)) {
            found = static_cast<int>(at);
        }
    }
    return found;
}

// The nearest label or radio button left of the field on its row, or -1.
int NearestRowLabel(const std::vector<Item>& items, const Item& field) {
    int found = -1;
    for (std::size_t at = 0; at < items.size(); ++at) {
        const Item& label = items[at];
        if ((label.role == Role::Label || label.role == Role::RadioButton) &&
            label.box == field.box && label.area.right <= field.area.left &&
            SameRow(label.area, field.area) &&
            (found < 0 || label.area.right > items[static_cast<std::size_t>(found)].area.right)) {
            found = static_cast<int>(at);
        }
    }
    return found;
}

// The nearest label above the field that overlaps it across, or -1.
int ColumnHeading(const std::vector<Item>& items, const Item& field) {
    int found = -1;
    for (std::size_t at = 0; at < items.size(); ++at) {
        const Item& label = items[at];
        if (label.role == Role::Label && label.box == field.box &&
            label.area.bottom <= field.area.top && SameColumn(label.area, field.area) &&
            (found < 0 || label.area.bottom > items[static_cast<std::size_t>(found)].area.bottom)) {
            found = static_cast<int>(at);
        }
    }
    return found;
}

std::string Joined(const std::vector<Item>& items, int first, int second) {
    std::string name = first >= 0 ? items[static_cast<std::size_t>(first)].text : "";
    if (second >= 0 && second != first) {
        if (!name.empty()) {
            name += ", ";
        }
        name += items[static_cast<std::size_t>(second)].text;
    }
    return name;
}

std::string FieldName(const std::vector<Item>& items, const Item& field) {
    int right = RightLabel(items, field);
    if (right >= 0) {
        return Joined(items, field.box >= 0 ? LeadingLabel(items, field) : -1, right);
    }
    int row = field.box >= 0 ? LeadingLabel(items, field) : NearestRowLabel(items, field);
    return Joined(items, ColumnHeading(items, field), row);
}

}  // namespace

std::vector<AccessibleText> AccessibleTexts(const DialogTemplate& dialog) {
    std::vector<Item> items = ItemsOf(dialog);
    std::vector<AccessibleText> texts(items.size());
    for (std::size_t position = 0; position < items.size(); ++position) {
        const Item& item = items[position];
        AccessibleText& text = texts[position];
        switch (item.role) {
            case Role::Field:
                text.name = FieldName(items, item);
                break;
            case Role::Other:
                break;
            default:
                text.name = item.text;
                break;
        }
        if (item.box >= 0 && item.role != Role::Other) {
            text.description = items[static_cast<std::size_t>(item.box)].text;
        }
    }
    return texts;
}

void GiveAccessibleTexts(const DialogRecord& dialog) {
    if (dialog.source == nullptr) {
        return;
    }
    std::vector<AccessibleText> texts = AccessibleTexts(*dialog.source);
    DialogControls& platform = ThePlatform().Controls();
    for (std::size_t position = 0; position < dialog.controls.size() && position < texts.size();
         ++position) {
        const AccessibleText& text = texts[position];
        if (!text.name.empty() || !text.description.empty()) {
            platform.SetAccessibleText(dialog.controls[position].handle, text.name,
                                       text.description);
        }
    }
}

}  // namespace windlass
