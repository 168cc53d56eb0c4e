#include <cstdio>

#include "statement_parsers.h"

namespace heatwise::rc {

namespace {

using windlass::MenuItemKind;

struct MenuOptionWord {
    const char* word;
    std::uint32_t option;
};

constexpr MenuOptionWord kMenuOptionWords[] = {
    {"CHECKED", windlass::kMenuChecked},       {"GRAYED", windlass::kMenuGrayed},
    {"INACTIVE", windlass::kMenuInactive},     {"MENUBREAK", windlass::kMenuBreak},
    {"MENUBARBREAK", windlass::kMenuBarBreak}, {"HELP", windlass::kMenuRightJustify},
};

// Types and states of MENUEX items, with the other platform's values.
constexpr std::uint32_t kTypeSeparator = 0x0800;
constexpr std::uint32_t kTypeMenuBarBreak = 0x0020;
constexpr std::uint32_t kTypeMenuBreak = 0x0040;
constexpr std::uint32_t kTypeRadioCheck = 0x0200;
constexpr std::uint32_t kTypeRightJustify = 0x4000;
constexpr std::uint32_t kStateGrayed = 0x0003;
constexpr std::uint32_t kStateChecked = 0x0008;
constexpr std::uint32_t kStateDefault = 0x1000;

std::string Hex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", value);
    return buffer;
}

// Takes the options after a plain MENU item or pop-up: words from the list, each after a
// comma or a blank.
std::uint32_t ReadOptions(TokenCursor& cursor, const std::string& what) {
    std::uint32_t options = 0;
    while (true) {
        bool comma = cursor.TakePunctuator(",");
        bool found = false;
        for (const auto& word : kMenuOptionWords) {
            if (cursor.TakeKeyword(word.word)) {
                options |= word.option;
                found = true;
                break;
            }
        }
        if (!found) {
            if (comma) {
                cursor.Expected(
                    "a menu option (CHECKED, GRAYED, INACTIVE, MENUBREAK, "
                    "MENUBARBREAK or HELP) for " +
                    what);
            }
            return options;
        }
    }
}

// One optional number of a MENUEX item: present when a comma leads to it; an empty place
// between two commas counts as 0.
bool TakeOptionalNumber(TokenCursor& cursor, const std::string& what, std::int64_t& value) {
    if (!cursor.TakePunctuator(",")) {
        return false;
    }
    if (cursor.AtExpression()) {
        value = cursor.Expression(what).value;
    }
    return true;
}

std::uint32_t OptionsOfExtendedItem(TokenCursor& cursor, std::uint32_t type, std::uint32_t state,
                                    const std::string& what) {
    constexpr std::uint32_t kKnownTypes =
        kTypeSeparator | kTypeMenuBarBreak | kTypeMenuBreak | kTypeRadioCheck | kTypeRightJustify;
    constexpr std::uint32_t kKnownStates = kStateGrayed | kStateChecked | kStateDefault;
    if ((type & ~kKnownTypes) != 0) {
        cursor.FailHere("type " + Hex(type & ~kKnownTypes) + " of " + what +
                        " is not supported (known: MFT_STRING, MFT_SEPARATOR, MFT_MENUBREAK, "
                        "MFT_MENUBARBREAK, MFT_RADIOCHECK, MFT_RIGHTJUSTIFY)");
    }
    if ((state & ~kKnownStates) != 0) {
        cursor.FailHere("state " + Hex(state & ~kKnownStates) + " of " + what +
                        " is not supported (known: MFS_GRAYED, MFS_DISABLED, MFS_CHECKED, "
                        "MFS_DEFAULT)");
    }
    std::uint32_t options = 0;
    if (type & kTypeMenuBarBreak)
        options |= windlass::kMenuBarBreak;
    if (type & kTypeMenuBreak)
        options |= windlass::kMenuBreak;
    if (type & kTypeRadioCheck)
        options |= windlass::kMenuRadioCheck;
    if (type & kTypeRightJustify)
        options |= windlass::kMenuRightJustify;
    if (state & kStateGrayed)
        options |= windlass::kMenuGrayed;
    if (state & kStateChecked)
        options |= windlass::kMenuChecked;
    if (state & kStateDefault)
        options |= windlass::kMenuDefault;
    return options;
}

std::vector<MenuItemDef> ReadItems(TokenCursor& cursor, MenuForm form, const std::string& what,
                                   int depth);

MenuItemDef ReadCommand(TokenCursor& cursor, MenuForm form, const std::string& what) {
    MenuItemDef item;
    if (cursor.TakeKeyword("SEPARATOR")) {
        item.kind = MenuItemKind::kSeparator;
        return item;
    }
    item.text = cursor.ExpectString("the text of a MENUITEM in " + what);
    std::string item_what = "menu item \"" + item.text + "\"";
    if (form == MenuForm::kMenu) {
        cursor.ExpectPunctuator(",", "after the text of " + item_what);
        item.id = cursor.BoundedExpression("the command id of " + item_what, -32768, 65535);
        item.options = ReadOptions(cursor, item_what);
        return item;
    }
    std::int64_t id = 0;
    std::int64_t type = 0;
    std::int64_t state = 0;
    if (TakeOptionalNumber(cursor, "the command id of " + item_what, id) &&
        TakeOptionalNumber(cursor, "the type of " + item_what, type)) {
        TakeOptionalNumber(cursor, "the state of " + item_what, state);
    }
    item.id = static_cast<int>(id);
    item.options = OptionsOfExtendedItem(cursor, static_cast<std::uint32_t>(type),
                                         static_cast<std::uint32_t>(state), item_what);
    if (static_cast<std::uint32_t>(type) & kTypeSeparator) {
        item.kind = MenuItemKind::kSeparator;
        item.text.clear();
    }
    return item;
}

MenuItemDef ReadPopup(TokenCursor& cursor, MenuForm form, const std::string& what, int depth) {
    MenuItemDef item;
    item.kind = MenuItemKind::kPopup;
    item.text = cursor.ExpectString("the text of a POPUP in " + what);
    std::string popup_what = "POPUP \"" + item.text + "\"";
    if (form == MenuForm::kMenu) {
        item.options = ReadOptions(cursor, popup_what);
    } else {
        std::int64_t id = 0;
        std::int64_t type = 0;
        std::int64_t state = 0;
        std::int64_t help = 0;
        if (TakeOptionalNumber(cursor, "the id of " + popup_what, id) &&
            TakeOptionalNumber(cursor, "the type of " + popup_what, type) &&
            TakeOptionalNumber(cursor, "the state of " + popup_what, state)) {
            TakeOptionalNumber(cursor, "the help id of " + popup_what, help);
        }
        if (static_cast<std::uint32_t>(type) & kTypeSeparator) {
            cursor.FailHere(popup_what + " cannot be a separator");
        }
        item.id = static_cast<int>(id);
        item.help_id = static_cast<int>(help);
        item.options = OptionsOfExtendedItem(cursor, static_cast<std::uint32_t>(type),
                                             static_cast<std::uint32_t>(state), popup_what);
    }
    cursor.ExpectBegin(popup_what);
    item.items = ReadItems(cursor, form, popup_what, depth + 1);
    return item;
}

std::vector<MenuItemDef> ReadItems(TokenCursor& cursor, MenuForm form, const std::string& what,
                                   int depth) {
    // Deeper than any menu a person could use; the limit keeps a damaged file from exhausting
    // the stack.
    constexpr int kMaximumDepth = 32;
    if (depth > kMaximumDepth) {
        cursor.FailHere("pop-up menus nested more than " + std::to_string(kMaximumDepth) + " deep");
    }
    std::vector<MenuItemDef> items;
    while (true) {
        if (cursor.AtEndOfBlock()) {
            cursor.Next();
            return items;
        }
        if (cursor.TakeKeyword("MENUITEM")) {
            items.push_back(ReadCommand(cursor, form, what));
        } else if (cursor.TakeKeyword("POPUP")) {
            items.push_back(ReadPopup(cursor, form, what, depth));
        } else if (cursor.AtEnd()) {
            cursor.FailHere("the file ends inside " + what + ": END is missing");
        } else {
            cursor.Expected("MENUITEM, POPUP or END in " + what);
        }
    }
}

}  // namespace

MenuDef ReadMenu(TokenCursor& cursor, MenuForm form, const std::string& what) {
    cursor.ExpectBegin(what);
    return MenuDef{ReadItems(cursor, form, what, 0)};
}

}  // namespace heatwise::rc
