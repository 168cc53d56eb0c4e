// A resource script as the compiler understands it: the resources in script order, each with
// its content resolved to numbers, texts and bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>
#include <vector>

#include "resources/resource_types.h"

namespace heatwise::rc {

// A resource id or type: a number, or a name kept in upper case (names match without regard
// to letter case).
struct ResourceKey {
    bool is_number = true;
    int number = 0;
    std::string name;

    static ResourceKey Number(int number) { return ResourceKey{true, number, {}}; }
    static ResourceKey Named(std::string name);

    // "30001" or "ICON1".
    std::string Describe() const { return is_number ? std::to_string(number) : name; }
    bool operator==(const ResourceKey&) const = default;
};

struct MenuItemDef {
    windlass::MenuItemKind kind = windlass::MenuItemKind::kCommand;
    std::string text;
    int id = 0;
    std::uint32_t options = 0;  // windlass::kMenu... bits
    int help_id = 0;
    std::vector<MenuItemDef> items;
};

struct MenuDef {
    std::vector<MenuItemDef> items;
};

struct ControlDef {
    std::string class_name;  // upper case
    std::string text;
    int id = 0;
    std::uint32_t style = 0;
    std::uint32_t ex_style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int help_id = 0;
};

struct DialogDef {
    windlass::DialogForm form = windlass::DialogForm::kDialogEx;
    std::uint32_t style = 0;
    std::uint32_t ex_style = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int help_id = 0;
    std::string caption;
    bool has_menu = false;
    ResourceKey menu;
    std::string class_name;
    int font_point_size = 0;
    std::string font_face;
    int font_weight = 0;
    bool font_italic = false;
    int font_charset = 1;
    std::vector<ControlDef> controls;
};

struct AcceleratorDef {
    std::uint16_t flags = 0;
    std::uint16_t key = 0;
    int command = 0;
};

using Bytes = std::vector<std::uint8_t>;
using Accelerators = std::vector<AcceleratorDef>;
using ResourceContent = std::variant<Bytes, MenuDef, DialogDef, Accelerators>;

struct ResourceDef {
    ResourceKey type;
    ResourceKey id;
    // Where the statement began, as "heatwise.rc:12", for messages and for the generated code.
    std::string where;
    ResourceContent content;
};

struct ResourceScript {
    std::vector<ResourceDef> resources;
    // Every file that the script read besides itself (headers, icons, data files), so that the
    // build compiles the script again when one of them changes.
    std::vector<std::filesystem::path> dependencies;
};

}  // namespace heatwise::rc
