// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The dialogs and controls of the fake platform: plain records of what the toolkit asked for
// and what a simulated user did, which tests read and set directly.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/dialog_types.h"
#include "resources/resource_types.h"

namespace windlass {

struct FakeDialog;

// One control of a fake dialog. Its handle is its address.
struct FakeControl {
    FakeDialog* dialog = nullptr;
    int position = 0;
    // The template's class name in upper case, id and style.
    std::string class_name;
    int id = 0;
    std::uint32_t style = 0;

    std::string text;
    bool modified = false;
    // Set when the control took the focus with its whole text selected; typing replaces it.
    bool all_selected = false;
    int check = 0;
    std::vector<std::string> entries;
    int selection = -1;
    bool enabled = true;
    // The most characters the user may type; 0 for no limit.
    int text_limit = 0;
    std::optional<std::pair<int, int>> spin_range;
    std::optional<DefaultLook> look;

    WindowHandle handle() { return reinterpret_cast<WindowHandle>(this); }
    bool IsButton() const { return class_name == "BUTTON"; }
    bool IsPushButton() const { return IsButton() && (style & 0x0F) <= 1; }
    bool IsList() const { return class_name == "LISTBOX" || class_name == "COMBOBOX"; }
    // The toolkit's numeric edit classes, with or without spin arrows.
    bool IsNumeric() const;
    // Labels never take the focus; group boxes neither.
    bool TakesFocus() const;
};

// One dialog made by the fake platform. Its handle is its address.
struct FakeDialog {
    const DialogTemplate* source = nullptr;
    WindowHandle parent = nullptr;
    DialogListener* listener = nullptr;
    std::vector<std::unique_ptr<FakeControl>> controls;
    bool visible = false;
    bool destroyed = false;
    bool enabled = true;
    // The mode of the last show, and whether a modal show was ended.
    std::optional<DialogShowMode> mode;
    bool modal_ended = false;
    int shows = 0;
    std::optional<std::pair<int, int>> position;
    std::string title;

    WindowHandle handle() { return reinterpret_cast<WindowHandle>(this); }
    // The first control of this id, or null.
    FakeControl* Find(int id);
};

}  // namespace windlass
