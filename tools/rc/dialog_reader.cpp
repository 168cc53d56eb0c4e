#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>

#include "standard_constants.h"
#include "statement_parsers.h"

namespace heatwise::rc {

namespace {

using windlass::DialogForm;

std::uint32_t Constant(const char* name) {
    return StandardConstant(name).value_or(0);
}

// The bits every control gets: it is a child of the dialog, and it is visible.
const std::uint32_t kControlBits = Constant("WS_CHILD") | Constant("WS_VISIBLE");

// What a dialog without a STYLE line gets: a pop-up with a border and a system menu.
const std::uint32_t kDialogDefaultStyle =
    Constant("WS_POPUP") | Constant("WS_BORDER") | Constant("WS_SYSMENU");

struct ControlStatement {
    const char* keyword;
    const char* class_name;
    // The statement's own default style bits, besides the visible-child bits.
    std::uint32_t defaults;
    bool has_text;
    // A default kind of control, given only when the style names no kind of its own: a
    // COMBOBOX is simple unless the style makes it a drop-down.
    std::uint32_t default_kind = 0;
    std::uint32_t kind_mask = 0;
};

const ControlStatement kControlStatements[] = {
    {"LTEXT", "STATIC", Constant("SS_LEFT") | Constant("WS_GROUP"), true},
    {"RTEXT", "STATIC", Constant("SS_RIGHT") | Constant("WS_GROUP"), true},
    {"CTEXT", "STATIC", Constant("SS_CENTER") | Constant("WS_GROUP"), true},
    {"PUSHBUTTON", "BUTTON", Constant("BS_PUSHBUTTON") | Constant("WS_TABSTOP"), true},
    {"DEFPUSHBUTTON", "BUTTON", Constant("BS_DEFPUSHBUTTON") | Constant("WS_TABSTOP"), true},
    {"GROUPBOX", "BUTTON", Constant("BS_GROUPBOX"), true},
    {"AUTORADIOBUTTON", "BUTTON", Constant("BS_AUTORADIOBUTTON") | Constant("WS_TABSTOP"), true},
    {"RADIOBUTTON", "BUTTON", Constant("BS_RADIOBUTTON") | Constant("WS_TABSTOP"), true},
    {"CHECKBOX", "BUTTON", Constant("BS_CHECKBOX") | Constant("WS_TABSTOP"), true},
    {"AUTOCHECKBOX", "BUTTON", Constant("BS_AUTOCHECKBOX") | Constant("WS_TABSTOP"), true},
    {"STATE3", "BUTTON", Constant("BS_3STATE") | Constant("WS_TABSTOP"), true},
    {"AUTO3STATE", "BUTTON", Constant("BS_AUTO3STATE") | Constant("WS_TABSTOP"), true},
    {"EDITTEXT", "EDIT", Constant("ES_LEFT") | Constant("WS_BORDER") | Constant("WS_TABSTOP"),
     false},
    {"COMBOBOX", "COMBOBOX", Constant("WS_TABSTOP"), false, Constant("CBS_SIMPLE"),
     Constant("CBS_DROPDOWNLIST")},
    {"LISTBOX", "LISTBOX", Constant("LBS_NOTIFY") | Constant("WS_BORDER"), false},
    {"SCROLLBAR", "SCROLLBAR", Constant("SBS_HORZ"), false},
};

// The classes the platform predefines, which a CONTROL statement may name without quotes.
constexpr std::string_view kPredefinedClasses[] = {"BUTTON",  "EDIT",      "STATIC",
                                                   "LISTBOX", "SCROLLBAR", "COMBOBOX"};

constexpr std::int64_t kCoordinateMinimum = -32768;
constexpr std::int64_t kCoordinateMaximum = 32767;

std::string Upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

// Ids are 16-bit in a DIALOG and 32-bit in a DIALOGEX.
std::int64_t IdMinimum(DialogForm form) {
    return form == DialogForm::kDialog ? -32768 : INT32_MIN;
}
std::int64_t IdMaximum(DialogForm form) {
    return form == DialogForm::kDialog ? 65535 : INT32_MAX;
}

// Reads ", x, y, cx, cy" (the leading comma already taken) into the four values.
void ReadRectangle(TokenCursor& cursor, const std::string& what, int& x, int& y, int& width,
                   int& height) {
    x = cursor.BoundedExpression("the x position of " + what, kCoordinateMinimum,
                                 kCoordinateMaximum);
    cursor.ExpectPunctuator(",", "after the x position of " + what);
    y = cursor.BoundedExpression("the y position of " + what, kCoordinateMinimum,
                                 kCoordinateMaximum);
    cursor.ExpectPunctuator(",", "after the y position of " + what);
    width = cursor.BoundedExpression("the width of " + what, 0, kCoordinateMaximum);
    cursor.ExpectPunctuator(",", "after the width of " + what);
    height = cursor.BoundedExpression("the height of " + what, 0, kCoordinateMaximum);
}

std::string ReadControlClass(TokenCursor& cursor, const std::string& what) {
    if (cursor.Peek().kind == TokenKind::kString) {
        std::string name = Upper(cursor.Next().bytes);
        if (name.empty()) {
            cursor.FailHere("the class of " + what + " is empty");
        }
        return name;
    }
    for (std::string_view predefined : kPredefinedClasses) {
        if (cursor.TakeKeyword(predefined)) {
            return std::string(predefined);
        }
    }
    cursor.Expected("the class of " + what +
                    " (a name in double quotes, or BUTTON, EDIT, STATIC, LISTBOX, SCROLLBAR or "
                    "COMBOBOX)");
}

// The optional tail of a control: [, exstyle [, help id]], the help id only in a DIALOGEX.
void ReadControlTail(TokenCursor& cursor, DialogForm form, const std::string& what,
                     ControlDef& control) {
    if (!cursor.TakePunctuator(",")) {
        return;
    }
    control.ex_style = cursor.Style("the extended style of " + what).With(0);
    if (form == DialogForm::kDialogEx && cursor.TakePunctuator(",")) {
        control.help_id = static_cast<int>(cursor.Expression("the help id of " + what).value);
    }
}

ControlDef ReadGenericControl(TokenCursor& cursor, DialogForm form, const std::string& dialog) {
    ControlDef control;
    control.text = cursor.ExpectString("the text of a CONTROL in " + dialog);
    cursor.ExpectPunctuator(",", "after the text of a CONTROL in " + dialog);
    control.id =
        cursor.BoundedExpression("a control id after the text", IdMinimum(form), IdMaximum(form));
    std::string what = "control " + std::to_string(control.id) + " in " + dialog;
    cursor.ExpectPunctuator(",", "after the id of " + what);
    control.class_name = ReadControlClass(cursor, what);
    cursor.ExpectPunctuator(",", "after the class of " + what);
    control.style = cursor.Style("the style of " + what).With(kControlBits);
    cursor.ExpectPunctuator(",", "after the style of " + what);
    ReadRectangle(cursor, what, control.x, control.y, control.width, control.height);
    ReadControlTail(cursor, form, what, control);
    return control;
}

ControlDef ReadShorthandControl(TokenCursor& cursor, DialogForm form,
                                const ControlStatement& statement, const std::string& dialog) {
    ControlDef control;
    control.class_name = statement.class_name;
    std::string kind = statement.keyword;
    if (statement.has_text) {
        control.text = cursor.ExpectString("the text of the " + kind + " in " + dialog);
        cursor.ExpectPunctuator(",", "after the text of the " + kind + " in " + dialog);
        control.id = cursor.BoundedExpression("a control id after the text", IdMinimum(form),
                                              IdMaximum(form));
    } else {
        control.id = cursor.BoundedExpression("the control id of the " + kind, IdMinimum(form),
                                              IdMaximum(form));
    }
    std::string what = kind + " " + std::to_string(control.id) + " in " + dialog;
    cursor.ExpectPunctuator(",", "after the id of " + what);
    ReadRectangle(cursor, what, control.x, control.y, control.width, control.height);
    StyleBits style;
    if (cursor.TakePunctuator(",")) {
        style = cursor.Style("the style of " + what);
        ReadControlTail(cursor, form, what, control);
    }
    std::uint32_t defaults = kControlBits | statement.defaults;
    if ((style.set & statement.kind_mask) == 0) {
        defaults |= statement.default_kind;
    }
    control.style = style.With(defaults);
    return control;
}

void ReadFont(TokenCursor& cursor, DialogDef& dialog, const std::string& what) {
    dialog.font_point_size =
        cursor.BoundedExpression("the point size of the FONT of " + what, 1, 32767);
    cursor.ExpectPunctuator(",", "after the point size of the FONT of " + what);
    dialog.font_face = cursor.ExpectString("the typeface of the FONT of " + what);
    if (dialog.form == DialogForm::kDialog) {
        if (cursor.AtPunctuator(",")) {
            cursor.FailHere(
                "the FONT of a DIALOG has only a point size and a typeface; "
                "weight, italic and character set need a DIALOGEX");
        }
        return;
    }
    if (cursor.TakePunctuator(",")) {
        dialog.font_weight = cursor.BoundedExpression("the weight of the FONT of " + what, 0, 1000);
        if (cursor.TakePunctuator(",")) {
            dialog.font_italic =
                cursor.BoundedExpression("the italic flag of the FONT of " + what, 0, 1) != 0;
            if (cursor.TakePunctuator(",")) {
                dialog.font_charset =
                    cursor.BoundedExpression("the character set of the FONT of " + what, 0, 255);
            }
        }
    }
}

// The lines between the dialog's size and its BEGIN.
void ReadDialogOptions(TokenCursor& cursor, DialogDef& dialog, const std::string& what) {
    bool has_style = false;
    bool has_caption = false;
    StyleBits style;
    while (!cursor.AtBegin()) {
        if (cursor.TakeKeyword("STYLE")) {
            style = cursor.Style("the style of " + what);
            has_style = true;
        } else if (cursor.TakeKeyword("EXSTYLE")) {
            dialog.ex_style = cursor.Style("the extended style of " + what).With(0);
        } else if (cursor.TakeKeyword("CAPTION")) {
            dialog.caption = cursor.ExpectString("the CAPTION of " + what);
            has_caption = true;
        } else if (cursor.TakeKeyword("FONT")) {
            ReadFont(cursor, dialog, what);
        } else if (cursor.TakeKeyword("MENU")) {
            dialog.has_menu = true;
            if (cursor.Peek().kind == TokenKind::kIdentifier && !cursor.AtExpression()) {
                cursor.Expected("the menu id of " + what);
            } else if (cursor.Peek().kind == TokenKind::kIdentifier &&
                       !StandardConstant(cursor.Peek().spelling)) {
                dialog.menu = ResourceKey::Named(cursor.Next().spelling);
            } else {
                dialog.menu = ResourceKey::Number(
                    cursor.BoundedExpression("the menu id of " + what, 0, 65535));
            }
        } else if (cursor.TakeKeyword("CLASS")) {
            dialog.class_name = Upper(cursor.ExpectString("the CLASS of " + what));
        } else {
            cursor.Expected("STYLE, EXSTYLE, CAPTION, FONT, MENU, CLASS or BEGIN in " + what);
        }
    }
    // As the other platform's compiler does: a caption brings its title bar, a font the bit
    // that tells the dialog manager to read it.
    std::uint32_t implied = has_style ? 0 : kDialogDefaultStyle;
    if (has_caption) {
        implied |= Constant("WS_CAPTION");
    }
    if (dialog.font_point_size != 0) {
        implied |= Constant("DS_SETFONT");
    }
    dialog.style = style.With(implied);
}

}  // namespace

DialogDef ReadDialog(TokenCursor& cursor, DialogForm form, const std::string& what) {
    DialogDef dialog;
    dialog.form = form;
    ReadRectangle(cursor, what, dialog.x, dialog.y, dialog.width, dialog.height);
    if (form == DialogForm::kDialogEx && cursor.TakePunctuator(",")) {
        dialog.help_id = static_cast<int>(cursor.Expression("the help id of " + what).value);
    }
    ReadDialogOptions(cursor, dialog, what);
    cursor.ExpectBegin(what);
    while (true) {
        if (cursor.AtEndOfBlock()) {
            cursor.Next();
            return dialog;
        }
        if (cursor.AtEnd()) {
            cursor.FailHere("the file ends inside " + what + ": END is missing");
        }
        if (cursor.TakeKeyword("CONTROL")) {
            dialog.controls.push_back(ReadGenericControl(cursor, form, what));
            continue;
        }
        auto statement =
            std::find_if(std::begin(kControlStatements), std::end(kControlStatements),
                         [&](const ControlStatement& s) { return cursor.AtKeyword(s.keyword); });
        if (statement == std::end(kControlStatements)) {
            cursor.Expected(
                "a control statement (CONTROL, LTEXT, RTEXT, CTEXT, PUSHBUTTON, "
                "DEFPUSHBUTTON, GROUPBOX, AUTORADIOBUTTON, RADIOBUTTON, CHECKBOX, "
                "AUTOCHECKBOX, STATE3, AUTO3STATE, EDITTEXT, COMBOBOX, LISTBOX, "
                "SCROLLBAR) or END in " +
                what);
        }
        cursor.Next();
        dialog.controls.push_back(ReadShorthandControl(cursor, form, *statement, what));
    }
}

}  // namespace heatwise::rc
