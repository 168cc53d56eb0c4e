// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// What the dialog manager knows of a control from its template: its window class and the
// style bits it bases decisions on. Templates carry the style numbers of the system the
// toolkit was first written for, so the same numbers hold here.

#include <cstdint>
#include <string_view>

namespace windlass {

namespace styles {
// Every window.
inline constexpr std::uint32_t kChild = 0x40000000;
inline constexpr std::uint32_t kVisible = 0x10000000;
inline constexpr std::uint32_t kDisabled = 0x08000000;
inline constexpr std::uint32_t kCaption = 0x00C00000;
inline constexpr std::uint32_t kBorder = 0x00800000;
inline constexpr std::uint32_t kDialogFrame = 0x00400000;
inline constexpr std::uint32_t kSystemMenu = 0x00080000;
inline constexpr std::uint32_t kGroup = 0x00020000;
inline constexpr std::uint32_t kTabStop = 0x00010000;

// Dialog templates.
inline constexpr std::uint32_t kControlDialog = 0x0400;

// Buttons: the low four bits name the kind.
inline constexpr std::uint32_t kButtonKindMask = 0x0F;
inline constexpr std::uint32_t kPushButton = 0x0;
inline constexpr std::uint32_t kDefaultPushButton = 0x1;
inline constexpr std::uint32_t kCheckBox = 0x2;
inline constexpr std::uint32_t kAutoCheckBox = 0x3;
inline constexpr std::uint32_t kRadioButton = 0x4;
inline constexpr std::uint32_t kThreeState = 0x5;
inline constexpr std::uint32_t kAutoThreeState = 0x6;
inline constexpr std::uint32_t kAutoRadioButton = 0x9;
inline constexpr std::uint32_t kButtonIcon = 0x0040;
inline constexpr std::uint32_t kButtonBitmap = 0x0080;

// Edit controls.
inline constexpr std::uint32_t kEditMultiLine = 0x0004;
inline constexpr std::uint32_t kEditReadOnly = 0x0800;

// Combo boxes: the low two bits name the kind.
inline constexpr std::uint32_t kComboKindMask = 0x3;
inline constexpr std::uint32_t kComboDropDownList = 0x3;

// List boxes.
inline constexpr std::uint32_t kListMultipleSelection = 0x0008;
inline constexpr std::uint32_t kListExtendedSelection = 0x0800;

constexpr bool Has(std::uint32_t style, std::uint32_t bits) {
    return (style & bits) == bits;
}
}  // namespace styles

// The window classes the dialog manager tells apart. The six numeric classes are the
// toolkit's own edit fields; everything it has no use for is Other.
enum class ControlClass {
    Button,
    Static,
    Edit,
    ListBox,
    ComboBox,
    IntegerEdit,
    IntegerSpin,
    RealEdit,
    RealSpin,
    DoubleEdit,
    DoubleSpin,
    Trackbar,
    Treeview,
    TabControl,
    Progress,
    UpDown,
    Header,
    Other,
};

// The class of a template's class name, in any letter case.
ControlClass ClassOf(std::string_view class_name);

bool IsNumericClass(ControlClass control_class);
bool IsIntegerClass(ControlClass control_class);
bool IsSpinClass(ControlClass control_class);
// The real and double classes, whose fields keep a display format.
bool IsRealClass(ControlClass control_class);
bool IsDoubleClass(ControlClass control_class);
// Plain edit fields and the numeric classes: controls with a modified flag and a text limit.
bool IsEditLike(ControlClass control_class);

// The style the toolkit goes by for a control: a button's kind is normalised as the dialog
// manager prepares its controls (every check box an automatic one, every radio button an
// automatic one), and a button's image style is dropped, since no image is ever attached to
// one. Other controls keep the template's style.
std::uint32_t NormalisedStyle(ControlClass control_class, std::uint32_t style);

// Queries on a normalised style.
std::uint32_t ButtonKind(std::uint32_t style);
bool IsPushButton(ControlClass control_class, std::uint32_t style);
bool IsDefaultPushButton(ControlClass control_class, std::uint32_t style);
bool IsAutoRadioButton(ControlClass control_class, std::uint32_t style);
bool IsAutoCheckBox(ControlClass control_class, std::uint32_t style);

}  // namespace windlass
