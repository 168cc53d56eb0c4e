// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// What the dialog manager knows of a control from its template: its window class and the
// style bits it bases decisions on. Templates carry the style numbers of the system the
// toolkit was first written for, so the same numbers hold here.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/dialog_types.h"
#include "resources/resource_types.h"
#include "resources/template_styles.h"

namespace windlass {

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

// Progress bars, trackbars and up-down controls: controls that show a position in a range
// rather than a text.
bool IsBar(ControlClass control_class);

// The style the toolkit goes by for a control: a button's kind is normalised as the dialog
// manager prepares its controls (every check box an automatic one, every radio button an
// automatic one). Other controls keep the template's style.
std::uint32_t NormalisedStyle(ControlClass control_class, std::uint32_t style);

// The picture a button or label asks for by its style (the resource of the control's id), if
// any; WithoutImage is a button's style once its picture has been refused.
std::optional<ImageKind> ImageOf(ControlClass control_class, std::uint32_t style);
std::uint32_t WithoutImage(std::uint32_t style);

// Queries on a normalised style. These are the toolkit's one classification of its controls:
// the dialog procedure, the keyboard, the numeric fields' focus check and the platform's plan
// (PlanOf) all go by them.
std::uint32_t ButtonKind(std::uint32_t style);
// A plain or default push button; buttons of other kinds (owner-drawn, say) are clicked as
// check boxes are, and Return never presses them.
bool IsPushButton(ControlClass control_class, std::uint32_t style);
bool IsDefaultPushButton(ControlClass control_class, std::uint32_t style);
bool IsRadioButton(ControlClass control_class, std::uint32_t style);
bool IsAutoRadioButton(ControlClass control_class, std::uint32_t style);
bool IsAutoCheckBox(ControlClass control_class, std::uint32_t style);
// Labels, group boxes, progress bars, headers and up-down arrows never take the focus; every
// other control does while it is enabled and shown.
bool TakesTheFocus(ControlClass control_class, std::uint32_t style);

// The kind of control the platform makes for a control of this class and normalised style;
// nothing for a class the toolkit has no control for.
std::optional<ControlKind> PlatformKindOf(ControlClass control_class, std::uint32_t style);

// The plan the platform makes a template's controls by, one entry per control in template
// order; nothing when a control's class is one the toolkit has no control for, as then the
// dialog cannot be made. The dialog's default push button (the first its template marks so)
// starts with the default look.
std::optional<std::vector<ControlPlan>> PlanOf(const DialogTemplate& dialog);

}  // namespace windlass
