#include "dialog/control_class.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

namespace windlass {
namespace {

bool SameNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

constexpr std::array<std::pair<std::string_view, ControlClass>, 17> kClassNames = {{
    {"BUTTON", ControlClass::Button},
    {"STATIC", ControlClass::Static},
    {"EDIT", ControlClass::Edit},
    {"LISTBOX", ControlClass::ListBox},
    {"COMBOBOX", ControlClass::ComboBox},
    {"INTEGEREDIT", ControlClass::IntegerEdit},
    {"INTEGERSPIN", ControlClass::IntegerSpin},
    {"REALEDIT", ControlClass::RealEdit},
    {"REALSPIN", ControlClass::RealSpin},
    {"DOUBLEEDIT", ControlClass::DoubleEdit},
    {"DOUBLESPIN", ControlClass::DoubleSpin},
    {"MSCTLS_TRACKBAR32", ControlClass::Trackbar},
    {"SYSTREEVIEW32", ControlClass::Treeview},
    {"SYSTABCONTROL32", ControlClass::TabControl},
    {"MSCTLS_PROGRESS32", ControlClass::Progress},
    {"MSCTLS_UPDOWN32", ControlClass::UpDown},
    {"SYSHEADER32", ControlClass::Header},
}};

}  // namespace

ControlClass ClassOf(std::string_view class_name) {
    for (const auto& [name, control_class] : kClassNames) {
        if (SameNoCase(name, class_name)) {
            return control_class;
        }
    }
    return ControlClass::Other;
}

bool IsNumericClass(ControlClass control_class) {
    return IsIntegerClass(control_class) || IsRealClass(control_class) ||
           IsDoubleClass(control_class);
}

bool IsIntegerClass(ControlClass control_class) {
    return control_class == ControlClass::IntegerEdit || control_class == ControlClass::IntegerSpin;
}

bool IsSpinClass(ControlClass control_class) {
    return control_class == ControlClass::IntegerSpin || control_class == ControlClass::RealSpin ||
           control_class == ControlClass::DoubleSpin;
}

bool IsRealClass(ControlClass control_class) {
    return control_class == ControlClass::RealEdit || control_class == ControlClass::RealSpin;
}

bool IsDoubleClass(ControlClass control_class) {
    return control_class == ControlClass::DoubleEdit || control_class == ControlClass::DoubleSpin;
}

bool IsEditLike(ControlClass control_class) {
    return control_class == ControlClass::Edit || IsNumericClass(control_class);
}

std::uint32_t NormalisedStyle(ControlClass control_class, std::uint32_t style) {
    if (control_class != ControlClass::Button) {
        return style;
    }
    std::uint32_t kind = style & styles::kButtonKindMask;
    std::uint32_t normalised = kind;
    switch (kind) {
        case styles::kCheckBox:
        case styles::kThreeState:
        case styles::kAutoThreeState:
            normalised = styles::kAutoCheckBox;
            break;
        case styles::kRadioButton:
            normalised = styles::kAutoRadioButton;
            break;
        default:
            break;
    }
    return (style & ~styles::kButtonKindMask) | normalised;
}

bool IsBar(ControlClass control_class) {
    return control_class == ControlClass::Progress || control_class == ControlClass::Trackbar ||
           control_class == ControlClass::UpDown;
}

std::optional<ImageKind> ImageOf(ControlClass control_class, std::uint32_t style) {
    if (control_class == ControlClass::Button) {
        // A group box has no room for a picture, whatever its style says.
        if (ButtonKind(style) == styles::kGroupBox) {
            return std::nullopt;
        }
        if (style & styles::kButtonBitmap) {
            return ImageKind::Bitmap;
        }
        if (style & styles::kButtonIcon) {
            return ImageKind::Icon;
        }
    } else if (control_class == ControlClass::Static) {
        std::uint32_t kind = style & styles::kStaticKindMask;
        if (kind == styles::kStaticBitmap) {
            return ImageKind::Bitmap;
        }
        if (kind == styles::kStaticIcon) {
            return ImageKind::Icon;
        }
    }
    return std::nullopt;
}

std::uint32_t WithoutImage(std::uint32_t style) {
    return style & ~(styles::kButtonIcon | styles::kButtonBitmap);
}

std::uint32_t ButtonKind(std::uint32_t style) {
    return style & styles::kButtonKindMask;
}

bool IsPushButton(ControlClass control_class, std::uint32_t style) {
    return control_class == ControlClass::Button &&
           (ButtonKind(style) == styles::kPushButton ||
            ButtonKind(style) == styles::kDefaultPushButton);
}

bool IsDefaultPushButton(ControlClass control_class, std::uint32_t style) {
    return control_class == ControlClass::Button && ButtonKind(style) == styles::kDefaultPushButton;
}

bool IsRadioButton(ControlClass control_class, std::uint32_t style) {
    return control_class == ControlClass::Button && (ButtonKind(style) == styles::kRadioButton ||
                                                     ButtonKind(style) == styles::kAutoRadioButton);
}

bool IsAutoRadioButton(ControlClass control_class, std::uint32_t style) {
    return control_class == ControlClass::Button && ButtonKind(style) == styles::kAutoRadioButton;
}

bool IsAutoCheckBox(ControlClass control_class, std::uint32_t style) {
    return control_class == ControlClass::Button && ButtonKind(style) == styles::kAutoCheckBox;
}

bool TakesTheFocus(ControlClass control_class, std::uint32_t style) {
    switch (control_class) {
        case ControlClass::Static:
        case ControlClass::Progress:
        case ControlClass::Header:
        case ControlClass::UpDown:
        case ControlClass::Other:
            return false;
        case ControlClass::Button:
            return ButtonKind(style) != styles::kGroupBox;
        default:
            return true;
    }
}

namespace {

ControlKind ButtonKindOf(std::uint32_t style) {
    switch (ButtonKind(style)) {
        case styles::kPushButton:
        case styles::kDefaultPushButton:
            return ControlKind::PushButton;
        case styles::kCheckBox:
        case styles::kAutoCheckBox:
        case styles::kThreeState:
        case styles::kAutoThreeState:
            return ControlKind::CheckBox;
        case styles::kRadioButton:
        case styles::kAutoRadioButton:
            return ControlKind::RadioButton;
        case styles::kGroupBox:
            return ControlKind::GroupBox;
        default:
            return ControlKind::Button;
    }
}

}  // namespace

std::optional<ControlKind> PlatformKindOf(ControlClass control_class, std::uint32_t style) {
    switch (control_class) {
        case ControlClass::Button:
            return ButtonKindOf(style);
        case ControlClass::Static:
            return ControlKind::Label;
        case ControlClass::Edit:
            return styles::Has(style, styles::kEditMultiLine) ? ControlKind::MultiLineEdit
                                                              : ControlKind::Edit;
        case ControlClass::ListBox:
            return ControlKind::ListBox;
        case ControlClass::ComboBox:
            return ControlKind::ComboBox;
        case ControlClass::IntegerEdit:
        case ControlClass::RealEdit:
        case ControlClass::DoubleEdit:
            return ControlKind::NumericField;
        case ControlClass::IntegerSpin:
        case ControlClass::RealSpin:
        case ControlClass::DoubleSpin:
            return ControlKind::NumericSpin;
        case ControlClass::Trackbar:
            return ControlKind::Trackbar;
        case ControlClass::Treeview:
            return ControlKind::TreeView;
        case ControlClass::TabControl:
            return ControlKind::TabControl;
        case ControlClass::Progress:
            return ControlKind::Progress;
        case ControlClass::UpDown:
            return ControlKind::UpDown;
        case ControlClass::Header:
            return ControlKind::Header;
        case ControlClass::Other:
            break;
    }
    return std::nullopt;
}

std::optional<std::vector<ControlPlan>> PlanOf(const DialogTemplate& dialog) {
    std::vector<ControlPlan> plan;
    plan.reserve(static_cast<std::size_t>(std::max(dialog.control_count, 0)));
    bool default_found = false;
    for (int position = 0; position < dialog.control_count; ++position) {
        const DialogControl& control = dialog.controls[position];
        ControlClass control_class =
            ClassOf(control.class_name != nullptr ? control.class_name : "");
        std::uint32_t style = NormalisedStyle(control_class, control.style);
        std::optional<ControlKind> kind = PlatformKindOf(control_class, style);
        if (!kind) {
            return std::nullopt;
        }
        ControlPlan entry{*kind,
                          TakesTheFocus(control_class, style) ? TakesFocus::Yes : TakesFocus::No,
                          DefaultLook::Plain};
        if (!default_found && IsDefaultPushButton(control_class, style)) {
            entry.look = DefaultLook::Default;
            default_found = true;
        }
        plan.push_back(entry);
    }
    return plan;
}

}  // namespace windlass
