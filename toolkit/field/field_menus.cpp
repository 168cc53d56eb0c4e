// The list procedures of the dialog fields: WDialogGetMenu1 and WDialogPutMenu1.
#include <algorithm>
#include <optional>
#include <string>

#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "field/field_access.h"
#include "platform/platform.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// yygetmenutype: the kinds of list a menu procedure tells apart.
enum class MenuKind {
    SingleList = 1,
    DropDownList = 2,
    ComboWithEdit = 3,
    MultipleList = 4,
};

std::optional<MenuKind> yygetmenutype(const ControlRecord& control) {
    if (control.control_class == ControlClass::ListBox) {
        bool multiple = (control.style &
                         (styles::kListMultipleSelection | styles::kListExtendedSelection)) != 0;
        return multiple ? MenuKind::MultipleList : MenuKind::SingleList;
    }
    if (control.control_class == ControlClass::ComboBox) {
        bool drop_down_list =
            (control.style & styles::kComboKindMask) == styles::kComboDropDownList;
        return drop_down_list ? MenuKind::DropDownList : MenuKind::ComboWithEdit;
    }
    return std::nullopt;
}

// The list or combo box a menu procedure may act on, or null with ERR_FIELD_IDENTIFIER.
ControlRecord* MenuFieldOrRaise(int field_id, MenuKind& kind) {
    ControlRecord* control = CurrentFieldOrRaise(field_id);
    if (control == nullptr) {
        return nullptr;
    }
    std::optional<MenuKind> found = yygetmenutype(*control);
    if (!found || *found == MenuKind::MultipleList) {
        yyerror(ERR_FIELD_IDENTIFIER);
        return nullptr;
    }
    kind = *found;
    return control;
}

// The selected entry of a list, counted from 1, and its text; -999 when none is selected.
struct MenuChoice {
    int position = -999;
    std::string text;
};

MenuChoice yyfieldgetlist(const ControlRecord& control) {
    DialogControls& platform = ThePlatform().Controls();
    int selection = platform.Selection(control.handle);
    if (selection < 0) {
        return {};
    }
    return {selection + 1, platform.EntryText(control.handle, selection)};
}

// A combo box's text may have been typed rather than chosen: it then names the entry equal
// to it, or none (0).
MenuChoice yyfieldgetcombo(const ControlRecord& control) {
    DialogControls& platform = ThePlatform().Controls();
    int selection = platform.Selection(control.handle);
    MenuChoice choice;
    choice.text = platform.ControlText(control.handle);
    if (!choice.text.empty() && selection < 0) {
        choice.position = platform.FindExactEntry(control.handle, choice.text) + 1;
    } else if (selection >= 0) {
        choice.position = selection + 1;
    }
    return choice;
}

}  // namespace
}  // namespace windlass

namespace {

void GetMenu(int ifield, int& iopt, std::string* text) {
    using namespace windlass;
    MenuKind kind = MenuKind::SingleList;
    ControlRecord* control = MenuFieldOrRaise(ifield, kind);
    if (control == nullptr) {
        return;
    }
    MenuChoice choice =
        kind == MenuKind::SingleList ? yyfieldgetlist(*control) : yyfieldgetcombo(*control);
    iopt = choice.position;
    if (choice.position == -999) {
        yyerror(ERR_FIELD_UNDEFINED);
        return;
    }
    if (text != nullptr) {
        PutFixed(*text, choice.text);
    }
}

}  // namespace

void WDialogGetMenu1(int ifield, int& iopt) {
    GetMenu(ifield, iopt, nullptr);
}

void WDialogGetMenu1(int ifield, int& iopt, std::string& text) {
    GetMenu(ifield, iopt, &text);
}

void WDialogPutMenu1(int ifield, std::span<const std::string> options, int nopts, int iopt,
                     std::string_view text) {
    using namespace windlass;
    MenuKind kind = MenuKind::SingleList;
    ControlRecord* control = MenuFieldOrRaise(ifield, kind);
    if (control == nullptr) {
        return;
    }
    DialogControls& platform = ThePlatform().Controls();
    platform.ClearEntries(control->handle);
    int count = std::clamp(nopts, 0, static_cast<int>(options.size()));
    for (int entry = 0; entry < count; ++entry) {
        platform.AddEntry(
            control->handle,
            std::string(TrimTrailingBlanks(options[static_cast<std::size_t>(entry)])));
    }
    if (iopt == 0 && kind == MenuKind::ComboWithEdit && !text.empty()) {
        std::string wanted(TrimTrailingBlanks(text));
        int found = platform.FindExactEntry(control->handle, wanted);
        if (found >= 0) {
            platform.Select(control->handle, found);
        } else {
            platform.SetControlText(control->handle, wanted);
        }
        return;
    }
    if (iopt < 1 || iopt > count || !platform.Select(control->handle, iopt - 1)) {
        yyerror(ERR_OPTION_RANGE);
    }
}
