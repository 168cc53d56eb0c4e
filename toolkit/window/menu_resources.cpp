#include "window/menu_resources.h"

#include "resources/resource_lookup.h"
#include "window/menu_model.h"

namespace windlass {
namespace {

MenuEntry EntryFromResource(const MenuItem& item) {
    MenuEntry entry;
    switch (item.kind) {
        case MenuItemKind::kCommand:
            entry.kind = MenuEntry::Kind::Command;
            break;
        case MenuItemKind::kPopup:
            entry.kind = MenuEntry::Kind::PopUp;
            break;
        case MenuItemKind::kSeparator:
            entry.kind = MenuEntry::Kind::Separator;
            break;
    }
    entry.text = item.text != nullptr ? item.text : "";
    entry.id = item.id;
    entry.greyed = (item.options & kMenuGrayed) != 0;
    entry.checked = (item.options & kMenuChecked) != 0;
    for (int index = 0; index < item.item_count; ++index) {
        entry.items.push_back(EntryFromResource(item.items[index]));
    }
    return entry;
}

Held HeldIf(std::uint16_t flags, std::uint16_t bit) {
    return (flags & bit) != 0 ? Held::Yes : Held::No;
}

std::vector<AcceleratorKey> AcceleratorsFromResource(const AcceleratorTable& table) {
    std::vector<AcceleratorKey> keys;
    for (int index = 0; index < table.count; ++index) {
        const Accelerator& accelerator = table.entries[index];
        AcceleratorKey key;
        key.kind = (accelerator.flags & kAcceleratorVirtualKey) != 0
                       ? AcceleratorKey::Kind::VirtualKey
                       : AcceleratorKey::Kind::Character;
        key.key = accelerator.key;
        key.shift = HeldIf(accelerator.flags, kAcceleratorShift);
        key.ctrl = HeldIf(accelerator.flags, kAcceleratorControl);
        key.alt = HeldIf(accelerator.flags, kAcceleratorAlt);
        key.command = accelerator.command;
        keys.push_back(key);
    }
    return keys;
}

}  // namespace

std::optional<WindowMenu> LoadWindowMenu(int menu_id) {
    const MenuTemplate* menu = FindMenu(menu_id);
    if (menu == nullptr) {
        return std::nullopt;
    }
    WindowMenu window_menu;
    for (int index = 0; index < menu->item_count; ++index) {
        window_menu.bar.push_back(EntryFromResource(menu->items[index]));
    }
    // Pop-up items have no command id in a menu template; the companion data gives them one.
    if (auto companion = FindData(kTypeRcData, menu_id)) {
        NumberMenuItems(window_menu.bar, ParseMenuCompanion(*companion));
    }
    if (const AcceleratorTable* table = FindAccelerators(menu_id)) {
        window_menu.accelerators = AcceleratorsFromResource(*table);
    }
    if (auto prompts = FindData(kTypeMenuPrompts, menu_id)) {
        window_menu.prompts = ParseMenuPrompts(*prompts);
    }
    return window_menu;
}

}  // namespace windlass
