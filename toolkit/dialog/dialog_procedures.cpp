// The program's dialog procedures: CurrentDialogId, WDialogLoad, WDialogSelect, WDialogShow,
// WDialogHide, WDialogUnload and WDialogTitle.
#include <string>
#include <vector>

#include "dialog/dialog_load.h"
#include "dialog/dialog_show.h"
#include "dialog/dialog_table.h"
#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "field/field_access.h"
#include "numeric/validation_state.h"
#include "resources/resource_lookup.h"
#include "windlass/windlass.h"
#include "window/window_table.h"
#include "window/window_units.h"

namespace windlass {
namespace {

// A coordinate of WDialogShow in pixels: window units of the main window's client area, or
// the centre.
int ShowPixels(int units, int client_size) {
    return units == DIALOG_CENTRED ? DialogPlace::kCentred : UnitsToPixels(units, client_size);
}

// The current dialog for a procedure that may not touch the form embedded in the main window;
// null, with the error raised, when there is none or it is that form.
DialogRecord* CurrentDialogNotEmbedded() {
    DialogRecord* dialog = CurrentDialogOrRaise();
    if (dialog != nullptr && dialog->main_window != nullptr) {
        yyerror(ERR_DIALOG_COMBINED);
        return nullptr;
    }
    return dialog;
}

// Forgets the validation state's references to the fields of a dialog about to go.
void ForgetFieldsOf(const DialogRecord& dialog) {
    ValidationState& validation = Validation();
    for (const ControlRecord& control : dialog.controls) {
        if (validation.pending_invalid == control.handle) {
            validation.pending_invalid = nullptr;
        }
        if (validation.pending_tab == control.handle) {
            validation.pending_tab = nullptr;
        }
    }
}

// Hides and destroys a loaded dialog, frees its records and closes its slot. The dialogs it
// owned belong to its own owner from then on: no dialog is left pointing at it.
void UnloadDialog(DialogRecord& dialog) {
    DialogTable& table = Dialogs();
    HideShownDialog(dialog);
    ForgetFieldsOf(dialog);
    for (int slot = 1; slot <= table.count; ++slot) {
        DialogRecord* other = table.AtSlot(slot);
        if (other->owner == dialog.window) {
            other->owner = dialog.owner != other->window ? dialog.owner : nullptr;
        }
        if (other->previous_active == dialog.window) {
            other->previous_active = nullptr;
        }
    }
    ThePlatform().Controls().DestroyDialog(dialog.window);
    if (table.active == dialog.window) {
        table.active = nullptr;
    }
    int slot = table.SlotOf(dialog);
    for (int later = slot; later < table.count; ++later) {
        table.loaded[static_cast<std::size_t>(later)] =
            std::move(table.loaded[static_cast<std::size_t>(later + 1)]);
    }
    table.loaded[static_cast<std::size_t>(table.count)].reset();
    --table.count;
}

}  // namespace
}  // namespace windlass

int CurrentDialogId() {
    return windlass::Dialogs().current_id;
}

void WDialogLoad(int idialog) {
    using namespace windlass;
    const DialogTemplate* source = FindDialog(idialog);
    WindowHandle parent = source != nullptr ? ParentFor(*source) : nullptr;
    int result = yydialogload2(idialog, parent);
    if (result <= 0) {
        yyerror(ERR_DIALOG_LOAD);
        return;
    }
    Dialogs().current_id = result;
}

void WDialogSelect(int idialog) {
    using namespace windlass;
    DialogTable& table = Dialogs();
    int slot = yydialogfind(idialog);
    if (slot == 0) {
        yyerror(ERR_DIALOG_SELECT);
        return;
    }
    table.current = slot;
    table.current_id = idialog;
}

void WDialogShow(int ix, int iy, int ifocus, int itype) {
    using namespace windlass;
    DialogRecord* dialog = CurrentDialogOrRaise();
    if (dialog == nullptr) {
        return;
    }
    const ClientSize& client = Windows().by_slot[kMainWindowSlot].client;
    DialogPlace place{ShowPixels(ix, client.width), ShowPixels(iy, client.height)};
    switch (yydialogshow(*dialog, place, ifocus, itype, ShowRoot::No)) {
        case kShowModeChanged:
            yyerror(ERR_DIALOG_MODE);
            break;
        case kShowRootHidden:
            yyerror(ERR_ROOT_HIDDEN);
            break;
        case kShowRootCombined:
            yyerror(ERR_ROOT_COMBINED);
            break;
        default:
            break;
    }
}

void WDialogHide() {
    using namespace windlass;
    if (DialogRecord* dialog = CurrentDialogNotEmbedded()) {
        HideShownDialog(*dialog);
    }
}

void WDialogUnload(int ioption) {
    using namespace windlass;
    DialogRecord* dialog = CurrentDialogNotEmbedded();
    if (dialog == nullptr) {
        return;
    }
    // The dialogs shown as pages of the dialog's tab controls go first, with option 0; with
    // any other option they stay loaded, pages of nothing now.
    DialogTable& table = Dialogs();
    std::vector<DialogRecord*> pages;
    for (int slot = 1; slot <= table.count; ++slot) {
        DialogRecord* page = table.AtSlot(slot);
        if (page != nullptr && page->tab_owner == dialog) {
            pages.push_back(page);
        }
    }
    for (DialogRecord* page : pages) {
        if (ioption == 0) {
            UnloadDialog(*page);
        } else {
            page->tab_owner = nullptr;
            page->tab_control = nullptr;
        }
    }
    UnloadDialog(*dialog);
    table.current = 0;
    table.current_id = 0;
}

void WDialogTitle(std::string_view title) {
    using namespace windlass;
    DialogRecord* dialog = CurrentDialogOrRaise();
    if (dialog == nullptr) {
        return;
    }
    std::string text(TrimTrailingBlanks(title));
    if (dialog->tab_control != nullptr) {
        ThePlatform().Controls().SetTabCaption(dialog->tab_control, dialog->window, text);
    } else if (styles::Has(dialog->source->style, styles::kCaption)) {
        ThePlatform().Controls().SetDialogTitle(dialog->window, text);
    }
}
