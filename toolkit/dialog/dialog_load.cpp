#include "dialog/dialog_load.h"

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "convert/zstring_convert.h"
#include "dialog/accessible_names.h"
#include "dialog/companion_apply.h"
#include "dialog/dialog_procedure.h"
#include "dialog/dialog_table.h"
#include "resources/resource_lookup.h"
#include "window/window_table.h"

namespace windlass {
namespace {

// The field record a numeric field makes for itself as it is created.
void PrepareNumericField(ControlRecord& control, DialogControls& platform) {
    FieldRecord& field = control.field;
    std::string_view text = control.source->text != nullptr ? control.source->text : "";
    int at_end = 0;
    field.value = yyAsciiToDouble(text, at_end);
    field.small_step = 1.0;
    field.large_step = 5.0;
    field.has_value = text.empty() ? 0 : 1;
    platform.SetModified(control.handle, false);
    if (IsIntegerClass(control.control_class)) {
        field.text_limit = kIntegerTextLimit;
        platform.SetTextLimit(control.handle, kIntegerTextLimit);
    }
    if (IsSpinClass(control.control_class)) {
        int reach = IsIntegerClass(control.control_class) ? kIntegerSpinReach : kRealSpinReach;
        platform.SetSpinRange(control.handle, -reach, reach);
    }
}

// A button or label that asks for a picture gets the bitmap or icon resource of its own id. A
// button whose picture is missing or refused loses its image style and shows its text; a label
// keeps its style and shows nothing.
void AttachImage(ControlRecord& control, DialogControls& platform) {
    std::optional<ImageKind> kind = ImageOf(control.control_class, control.style);
    if (!kind) {
        return;
    }
    int type = *kind == ImageKind::Bitmap ? kTypeBitmap : kTypeIcon;
    std::optional<std::span<const std::uint8_t>> bytes = FindData(type, control.id);
    bool attached = bytes && platform.SetControlImage(control.handle, *kind, *bytes);
    if (!attached && control.control_class == ControlClass::Button) {
        control.style = WithoutImage(control.style);
    }
}

}  // namespace

int yydialogfind(int dialog_id) {
    return Dialogs().SlotOf(dialog_id);
}

FieldState yygetfieldstate(const ControlRecord& control) {
    std::uint32_t style = control.source->style;
    if (!styles::Has(style, styles::kVisible)) {
        return FieldState::Hidden;
    }
    if (styles::Has(style, styles::kDisabled)) {
        return FieldState::Disabled;
    }
    if (IsEditLike(control.control_class) && styles::Has(style, styles::kEditReadOnly)) {
        return FieldState::ReadOnly;
    }
    return FieldState::Enabled;
}

void yydialoginitialise(DialogRecord& dialog) {
    DialogControls& platform = ThePlatform().Controls();
    int count = std::min(platform.ControlCount(dialog.window), dialog.source->control_count);
    dialog.controls.clear();
    dialog.first_of_id.clear();
    dialog.controls.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (int position = 0; position < count; ++position) {
        ControlRecord control;
        control.handle = platform.Control(dialog.window, position);
        control.source = &dialog.source->controls[position];
        control.id = control.source->id;
        control.control_class = ClassOf(control.source->class_name);
        control.style = NormalisedStyle(control.control_class, control.source->style);
        if (IsNumericClass(control.control_class)) {
            PrepareNumericField(control, platform);
        } else if (IsAutoCheckBox(control.control_class, control.style) ||
                   IsAutoRadioButton(control.control_class, control.style)) {
            // Every check box and radio button changes its own state when clicked.
            platform.MakeButtonAutomatic(control.handle);
        } else if (control.control_class == ControlClass::Edit) {
            bool multi_line = styles::Has(control.style, styles::kEditMultiLine);
            control.field.text_limit = multi_line ? kMultiLineTextLimit : kSingleLineTextLimit;
            platform.SetTextLimit(control.handle, control.field.text_limit);
        }
        AttachImage(control, platform);
        dialog.first_of_id.emplace(control.id, position);
        dialog.controls.push_back(control);
    }
}

WindowHandle ParentFor(const DialogTemplate& dialog) {
    WindowHandle frame = Windows().by_slot[kMainWindowSlot].frame;
    if (!styles::Has(dialog.style, styles::kChild) || frame == nullptr) {
        return nullptr;
    }
    return ThePlatform().Windowing().ClientArea(frame);
}

std::unique_ptr<DialogRecord> MakeDialogRecord(int dialog_id, const DialogTemplate& source,
                                               WindowHandle parent) {
    auto dialog = std::make_unique<DialogRecord>();
    dialog->id = dialog_id;
    dialog->source = &source;
    dialog->procedure = std::make_unique<DialogProcedure>(*dialog);
    // A template with a class the toolkit has no control for cannot be made on any platform.
    std::optional<std::vector<ControlPlan>> plan = PlanOf(source);
    if (!plan) {
        return nullptr;
    }
    dialog->creating = true;
    DialogControls& platform = ThePlatform().Controls();
    dialog->window = platform.CreateDialog(source, *plan, parent, *dialog->procedure);
    if (dialog->window == nullptr) {
        return nullptr;
    }
    yydialoginitialise(*dialog);
    GiveAccessibleTexts(*dialog);
    dialog->creating = false;
    return dialog;
}

void EnterDialog(std::unique_ptr<DialogRecord> dialog) {
    DialogTable& table = Dialogs();
    ++table.count;
    DialogRecord& loaded = *dialog;
    table.loaded[static_cast<std::size_t>(table.count)] = std::move(dialog);
    table.current = table.count;
    yydialogextra(loaded);
    for (ControlRecord& control : loaded.controls) {
        control.field.state_at_load = yygetfieldstate(control);
    }
}

int yydialogload2(int dialog_id, WindowHandle parent) {
    DialogTable& table = Dialogs();
    if (int slot = yydialogfind(dialog_id); slot != 0) {
        table.current = slot;
        return dialog_id;
    }
    if (table.count + 1 >= kMaxDialogs + 1) {
        return kLoadTableFull;
    }
    const DialogTemplate* source = FindDialog(dialog_id);
    if (source == nullptr) {
        return kLoadNoResource;
    }
    WindowHandle active = table.active;
    std::unique_ptr<DialogRecord> dialog = MakeDialogRecord(dialog_id, *source, parent);
    if (dialog == nullptr) {
        return kLoadTableFull;
    }
    EnterDialog(std::move(dialog));
    table.active = active;
    return dialog_id;
}

}  // namespace windlass
