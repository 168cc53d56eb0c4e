// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The executable's resources as the resource compiler (heatwise-rc) writes them: plain constant
// data, built into the program, that the toolkit reads in place. Nothing here is allocated or
// freed at run time.

#include <cstddef>
#include <cstdint>

namespace windlass {

// A resource type or identifier: either a number or a name. Names match without regard to
// letter case, so a program asking for "icon1" finds the resource written ICON1.
class ResourceName {
  public:
    constexpr ResourceName(int number) : number_(number) {}
    constexpr ResourceName(const char* name) : name_(name) {}

    constexpr bool IsNumber() const { return name_ == nullptr; }
    constexpr int Number() const { return number_; }
    // The name, or nullptr for a numbered resource.
    constexpr const char* Name() const { return name_; }

    bool Matches(ResourceName other) const;

  private:
    int number_ = 0;
    const char* name_ = nullptr;
};

// Resource types. The numbers are the platform's own, so that a program ported from it asks
// for a dialog as type 5 and for its companion data as type 10.
// A bitmap: the bytes of the whole bitmap file, from its "BM" on.
inline constexpr int kTypeBitmap = 2;
inline constexpr int kTypeMenu = 4;
inline constexpr int kTypeDialog = 5;
inline constexpr int kTypeString = 6;
inline constexpr int kTypeAccelerators = 9;
inline constexpr int kTypeRcData = 10;
// An icon with all its image sizes: the bytes of the whole icon file, as the platform's icon
// group holds them.
inline constexpr int kTypeIcon = 14;
// The prompts shown in the status bar for menu items: records of a 16-bit command id and a
// NUL-terminated text, ended by id 0.
inline constexpr const char* kTypeMenuPrompts = "WLMENUSTRING";

// ---- Menus -----------------------------------------------------------------------------------

enum class MenuItemKind : std::uint8_t { kCommand, kPopup, kSeparator };

// Options of a menu item, as bits of MenuItem::options.
inline constexpr std::uint32_t kMenuGrayed = 1u << 0;    // disabled and drawn greyed
inline constexpr std::uint32_t kMenuInactive = 1u << 1;  // disabled but drawn normally
inline constexpr std::uint32_t kMenuChecked = 1u << 2;
inline constexpr std::uint32_t kMenuBreak = 1u << 3;         // starts a new column (or bar line)
inline constexpr std::uint32_t kMenuBarBreak = 1u << 4;      // as kMenuBreak, with a dividing line
inline constexpr std::uint32_t kMenuRightJustify = 1u << 5;  // this and later bar items go right
inline constexpr std::uint32_t kMenuRadioCheck = 1u << 6;
inline constexpr std::uint32_t kMenuDefault = 1u << 7;

struct MenuItem {
    MenuItemKind kind;
    // The text with its '&' mnemonic marks and any "\t" accelerator part; "" for a separator.
    const char* text;
    // The command id; a pop-up has 0 unless the script gives it one. Pop-ups of a plain menu
    // get their ids at run time from the menu's companion data.
    int id;
    std::uint32_t options;
    int help_id;
    // The contents of a pop-up; empty for commands and separators.
    const MenuItem* items;
    int item_count;
};

// The items of the menu bar, in order from the left.
struct MenuTemplate {
    const MenuItem* items;
    int item_count;
};

// ---- Dialogs ---------------------------------------------------------------------------------

enum class DialogForm : std::uint8_t { kDialog, kDialogEx };

struct DialogControl {
    // The window class in upper case, as class names match without regard to letter case:
    // "BUTTON", "STATIC", "EDIT", "COMBOBOX", "LISTBOX", "SCROLLBAR", or a class of the
    // toolkit such as "INTEGEREDIT" or "REALEDIT".
    const char* class_name;
    const char* text;
    int id;
    // The complete style, with the bits every control gets (visible child) and the default
    // bits of the statement that declared it already included.
    std::uint32_t style;
    std::uint32_t ex_style;
    // Position and size in dialog units.
    int x;
    int y;
    int width;
    int height;
    int help_id;
};

struct DialogTemplate {
    DialogForm form;
    std::uint32_t style;
    std::uint32_t ex_style;
    int x;
    int y;
    int width;
    int height;
    int help_id;
    const char* caption;     // "" for none
    ResourceName menu;       // 0 for none
    const char* class_name;  // "" for the platform's dialog class
    // The font; font_point_size is 0 when the template names none.
    int font_point_size;
    const char* font_face;
    int font_weight;
    bool font_italic;
    int font_charset;
    // The controls in template order, which is also the order of keyboard navigation.
    const DialogControl* controls;
    int control_count;
};

// ---- Accelerators ----------------------------------------------------------------------------

// Bits of Accelerator::flags, with the platform's values.
inline constexpr std::uint16_t kAcceleratorVirtualKey = 0x01;
inline constexpr std::uint16_t kAcceleratorNoInvert = 0x02;
inline constexpr std::uint16_t kAcceleratorShift = 0x04;
inline constexpr std::uint16_t kAcceleratorControl = 0x08;
inline constexpr std::uint16_t kAcceleratorAlt = 0x10;

struct Accelerator {
    std::uint16_t flags;
    // A character code, or a virtual-key code when kAcceleratorVirtualKey is set.
    std::uint16_t key;
    int command;
};

struct AcceleratorTable {
    const Accelerator* entries;
    int count;
};

// ---- The resource itself ---------------------------------------------------------------------

// One resource. Exactly one form of content is set: menu, dialog or accelerators for those
// types, and bytes for everything else (data, icons, strings, types of the program's own).
// Byte content is always followed by one zero byte that `size` does not count, so text
// resources can be read as C strings.
struct Resource {
    ResourceName type;
    ResourceName id;
    const std::uint8_t* bytes;
    std::size_t size;
    const MenuTemplate* menu;
    const DialogTemplate* dialog;
    const AcceleratorTable* accelerators;
};

}  // namespace windlass
