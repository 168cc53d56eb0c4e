#include "cpp_emitter.h"

#include <cstdio>
#include <sstream>

namespace heatwise::rc {

namespace {

std::string Hex(std::uint32_t value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", value);
    return buffer;
}

// A C++ string literal holding exactly these bytes. Anything but plain printable ASCII is
// written as a three-digit octal escape, which cannot run into a following digit.
std::string Literal(std::string_view bytes) {
    std::string out = "\"";
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\%03o", byte);
            out += buffer;
        }
    }
    return out + "\"";
}

std::string NameLiteral(const ResourceKey& key) {
    return "windlass::ResourceName(" +
           (key.is_number ? std::to_string(key.number) : Literal(key.name)) + ")";
}

const char* KindName(windlass::MenuItemKind kind) {
    switch (kind) {
        case windlass::MenuItemKind::kPopup:
            return "windlass::MenuItemKind::kPopup";
        case windlass::MenuItemKind::kSeparator:
            return "windlass::MenuItemKind::kSeparator";
        case windlass::MenuItemKind::kCommand:
            break;
    }
    return "windlass::MenuItemKind::kCommand";
}

class Emitter {
  public:
    std::string Emit(const ResourceScript& script, std::string_view script_name);

  private:
    // Each writes the tables of one resource and returns the expression that points at them.
    std::string MenuItems(const std::vector<MenuItemDef>& items, const std::string& prefix);
    std::string Menu(const MenuDef& menu, const std::string& prefix);
    std::string Dialog(const DialogDef& dialog, const std::string& prefix);
    std::string Accelerators(const rc::Accelerators& table, const std::string& prefix);
    std::string ByteArray(const Bytes& bytes, const std::string& prefix);

    std::ostringstream out_;
    int array_count_ = 0;
};

std::string Emitter::MenuItems(const std::vector<MenuItemDef>& items, const std::string& prefix) {
    if (items.empty()) {
        return "nullptr";
    }
    std::vector<std::string> children;
    for (const MenuItemDef& item : items) {
        children.push_back(MenuItems(item.items, prefix));
    }
    std::string name = prefix + "Items" + std::to_string(++array_count_);
    out_ << "constexpr windlass::MenuItem " << name << "[] = {\n";
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuItemDef& item = items[i];
        out_ << "    {" << KindName(item.kind) << ", " << Literal(item.text) << ", " << item.id
             << ", " << Hex(item.options) << "u, " << item.help_id << ", " << children[i] << ", "
             << item.items.size() << "},\n";
    }
    out_ << "};\n";
    return name;
}

std::string Emitter::Menu(const MenuDef& menu, const std::string& prefix) {
    std::string items = MenuItems(menu.items, prefix);
    std::string name = prefix + "Menu";
    out_ << "constexpr windlass::MenuTemplate " << name << " = {" << items << ", "
         << menu.items.size() << "};\n";
    return "&" + name;
}

std::string Emitter::Dialog(const DialogDef& dialog, const std::string& prefix) {
    std::string controls = "nullptr";
    if (!dialog.controls.empty()) {
        controls = prefix + "Controls";
        out_ << "constexpr windlass::DialogControl " << controls << "[] = {\n";
        for (const ControlDef& c : dialog.controls) {
            out_ << "    {" << Literal(c.class_name) << ", " << Literal(c.text) << ", " << c.id
                 << ", " << Hex(c.style) << "u, " << Hex(c.ex_style) << "u, " << c.x << ", " << c.y
                 << ", " << c.width << ", " << c.height << ", " << c.help_id << "},\n";
        }
        out_ << "};\n";
    }
    std::string name = prefix + "Dialog";
    const char* form = dialog.form == windlass::DialogForm::kDialog
                           ? "windlass::DialogForm::kDialog"
                           : "windlass::DialogForm::kDialogEx";
    out_ << "constexpr windlass::DialogTemplate " << name << " = {\n"
         << "    " << form << ", " << Hex(dialog.style) << "u, " << Hex(dialog.ex_style) << "u,\n"
         << "    " << dialog.x << ", " << dialog.y << ", " << dialog.width << ", " << dialog.height
         << ", " << dialog.help_id << ",\n"
         << "    " << Literal(dialog.caption) << ", "
         << (dialog.has_menu ? NameLiteral(dialog.menu) : "windlass::ResourceName(0)") << ", "
         << Literal(dialog.class_name) << ",\n"
         << "    " << dialog.font_point_size << ", " << Literal(dialog.font_face) << ", "
         << dialog.font_weight << ", " << (dialog.font_italic ? "true" : "false") << ", "
         << dialog.font_charset << ",\n"
         << "    " << controls << ", " << dialog.controls.size() << "};\n";
    return "&" + name;
}

std::string Emitter::Accelerators(const rc::Accelerators& table, const std::string& prefix) {
    std::string entries = "nullptr";
    if (!table.empty()) {
        entries = prefix + "Entries";
        out_ << "constexpr windlass::Accelerator " << entries << "[] = {\n";
        for (const AcceleratorDef& a : table) {
            out_ << "    {" << Hex(a.flags) << ", " << Hex(a.key) << ", " << a.command << "},\n";
        }
        out_ << "};\n";
    }
    std::string name = prefix + "Accelerators";
    out_ << "constexpr windlass::AcceleratorTable " << name << " = {" << entries << ", "
         << table.size() << "};\n";
    return "&" + name;
}

std::string Emitter::ByteArray(const Bytes& bytes, const std::string& prefix) {
    std::string name = prefix + "Bytes";
    // One zero byte more than the resource holds, so text can be read as a C string.
    out_ << "constexpr std::uint8_t " << name << "[" << bytes.size() + 1 << "] = {";
    for (std::size_t i = 0; i <= bytes.size(); ++i) {
        if (i % 16 == 0) {
            out_ << "\n   ";
        }
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, " 0x%02X,", i < bytes.size() ? bytes[i] : 0);
        out_ << buffer;
    }
    out_ << "\n};\n";
    return name;
}

std::string Emitter::Emit(const ResourceScript& script, std::string_view script_name) {
    out_ << "// Generated by heatwise-rc from " << script_name
         << ". Do not edit: change the resource script.\n"
         << "#include <cstdint>\n\n"
         << "#include \"resources/resource_lookup.h\"\n"
         << "#include \"resources/resource_types.h\"\n\n"
         << "namespace {\n\n";
    std::vector<std::string> rows;
    for (std::size_t i = 0; i < script.resources.size(); ++i) {
        const ResourceDef& resource = script.resources[i];
        std::string prefix = "kResource" + std::to_string(i + 1);
        out_ << "// " << resource.where << "\n";
        std::string bytes = "nullptr, 0";
        std::string menu = "nullptr";
        std::string dialog = "nullptr";
        std::string accelerators = "nullptr";
        if (auto* data = std::get_if<Bytes>(&resource.content)) {
            bytes = ByteArray(*data, prefix) + ", " + std::to_string(data->size());
        } else if (auto* m = std::get_if<MenuDef>(&resource.content)) {
            menu = Menu(*m, prefix);
        } else if (auto* d = std::get_if<DialogDef>(&resource.content)) {
            dialog = Dialog(*d, prefix);
        } else if (auto* a = std::get_if<rc::Accelerators>(&resource.content)) {
            accelerators = Accelerators(*a, prefix);
        }
        out_ << "\n";
        rows.push_back("    {" + NameLiteral(resource.type) + ", " + NameLiteral(resource.id) +
                       ", " + bytes + ", " + menu + ", " + dialog + ", " + accelerators + "},\n");
    }
    if (rows.empty()) {
        out_ << "// The script defines no resources.\n\n";
    } else {
        out_ << "constexpr windlass::Resource kResources[] = {\n";
        for (const std::string& row : rows) {
            out_ << row;
        }
        out_ << "};\n\n"
             << "// Hands the table to the toolkit while the program's static objects are made,\n"
             << "// before main() runs.\n"
             << "struct Registrar {\n"
             << "    Registrar() { windlass::RegisterResources(kResources); }\n"
             << "};\n"
             << "const Registrar registrar;\n\n";
    }
    out_ << "}  // namespace\n";
    return out_.str();
}

}  // namespace

std::string EmitCpp(const ResourceScript& script, std::string_view script_name) {
    return Emitter().Emit(script, script_name);
}

}  // namespace heatwise::rc
