#include "dialog/dialog_manager.h"

#include <memory>
#include <utility>
#include <vector>

#include "dialog/dialog_load.h"
#include "dialog/dialog_show.h"
#include "dialog/dialog_table.h"
#include "errors/error_state.h"
#include "errors/window_hooks.h"
#include "numeric/validation_state.h"
#include "resources/resource_lookup.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass {
namespace {

// A form fills the client area only as a child control-dialog without border, frame or
// system menu.
bool FitsAsClientArea(const DialogTemplate& dialog) {
    std::uint32_t style = dialog.style;
    bool required =
        styles::Has(style, styles::kChild) && styles::Has(style, styles::kControlDialog);
    bool refused = (style & (styles::kBorder | styles::kDialogFrame | styles::kSystemMenu)) != 0;
    return required && !refused;
}

// Destroys the form made for the main window when it is not to be loaded after all.
void DiscardTriedForm() {
    std::unique_ptr<DialogRecord> tried = std::move(Dialogs().tried_form);
    if (tried != nullptr && tried->window != nullptr) {
        ThePlatform().Controls().DestroyDialog(tried->window);
    }
}

// The owner of a message box: the active dialog while it is shown (the main window for the
// form inside it), else the main window.
WindowHandle MessageBoxOwner() {
    DialogTable& table = Dialogs();
    DialogRecord* active = table.FindDialog(table.active);
    if (active != nullptr && active->shown != 0) {
        return active->main_window != nullptr ? active->main_window : active->window;
    }
    return Windows().by_slot[kMainWindowSlot].frame;
}

void DisableDialogsForBox() {
    DialogTable& table = Dialogs();
    WindowHandle owner = MessageBoxOwner();
    std::vector<WindowHandle>& disabled = table.disabled_for_box;
    disabled.clear();
    for (int slot = 1; slot <= table.count; ++slot) {
        DialogRecord* dialog = table.AtSlot(slot);
        if (dialog->shown != 0 && dialog->window != owner && dialog->main_window == nullptr) {
            ThePlatform().Controls().EnableWindow(dialog->window, Enable::No);
            disabled.push_back(dialog->window);
        }
    }
}

// The owner itself was never disabled: the platform hands it the focus back as the box goes.
void EnableDialogsAfterBox(WindowHandle) {
    for (WindowHandle dialog : std::exchange(Dialogs().disabled_for_box, {})) {
        // A dialog unloaded while the box was up is not there to enable.
        if (Dialogs().FindDialog(dialog) != nullptr) {
            ThePlatform().Controls().EnableWindow(dialog, Enable::Yes);
        }
    }
}

bool AnyDialogShown() {
    DialogTable& table = Dialogs();
    for (int slot = 1; slot <= table.count; ++slot) {
        if (table.AtSlot(slot)->shown != 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

FormTest TestForm(int dialog_id) {
    DiscardTriedForm();
    const DialogTemplate* source = FindDialog(dialog_id);
    if (source == nullptr) {
        return {FormTest::Result::CannotLoad, {}};
    }
    DialogTable& table = Dialogs();
    // The trial is the whole form, controls and all: a form one of whose controls cannot be
    // made cannot be loaded, and must not reshape the window it was named for. A form that
    // fits is kept, to be loaded into the window once the window is made.
    WindowHandle active = table.active;
    std::unique_ptr<DialogRecord> trial = MakeDialogRecord(dialog_id, *source, nullptr);
    table.active = active;
    if (trial == nullptr) {
        return {FormTest::Result::CannotLoad, {}};
    }
    if (!FitsAsClientArea(*source)) {
        ThePlatform().Controls().DestroyDialog(trial->window);
        return {FormTest::Result::WrongStyle, {}};
    }
    FormTest test{FormTest::Result::Fits, ThePlatform().Controls().DialogSize(trial->window)};
    table.tried_form = std::move(trial);
    return test;
}

void EmbedForm(int dialog_id, WindowHandle frame, WindowHandle client) {
    DialogTable& table = Dialogs();
    // The main window is made: fields start saving their text on their first focus.
    Validation().save_on_next_focus = true;
    std::unique_ptr<DialogRecord> tried = std::move(table.tried_form);
    // The form made on trial is loaded unless the program has loaded the same form already,
    // which is then the one shown, or the table has no room left.
    const bool fresh = tried != nullptr && tried->id == dialog_id && yydialogfind(dialog_id) == 0 &&
                       table.count < kMaxDialogs;
    if (fresh) {
        WindowHandle active = table.active;
        ThePlatform().Controls().EmbedDialog(tried->window, client);
        EnterDialog(std::move(tried));
        table.active = active;
    } else {
        if (tried != nullptr) {
            ThePlatform().Controls().DestroyDialog(tried->window);
        }
        if (yydialogload2(dialog_id, client) <= 0) {
            yyerror(ERR_DIALOG_LOAD);
            return;
        }
    }
    DialogRecord& form = *table.Current();
    form.main_window = frame;
    yydialogshow(form, DialogPlace{0, 0}, 0, DIALOG_MODELESS, ShowRoot::Yes);
    table.current_id = dialog_id;
}

void InstallDialogManager() {
    FormEmbedding& embedding = Embedding();
    embedding.test = TestForm;
    embedding.embed = EmbedForm;
    embedding.unload_all = UnloadAllDialogs;
    embedding.any_dialog_shown = AnyDialogShown;
    WindowHooks& hooks = Hooks();
    hooks.message_box_owner = MessageBoxOwner;
    hooks.disable_dialogs = DisableDialogsForBox;
    hooks.enable_dialogs = EnableDialogsAfterBox;
}

}  // namespace windlass
