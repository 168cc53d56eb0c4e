// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

// The platform-neutral descriptions that pass between the toolkit and the windowing platform:
// what a frame window looks like and holds, and the events that come back from it.
//
// Sections:
//  1. Virtual-key codes
//  2. Events of a client area and its frame
//  3. Frames: style, menu, accelerators, status bar
//  4. The receiver of a frame's events

#include <cstdint>
#include <map>
#include <span>
#include <string>
#include <vector>

namespace windlass {

// A window that the platform created, as the toolkit refers to it. Only the backend that made
// it knows what it points at (the Qt backend keeps a QWidget there); everything else passes it
// back unchanged. A null handle means "no window".
struct NativeWindow;
using WindowHandle = NativeWindow*;

// 1. Virtual-key codes: the numbers the toolkit gives keys that produce no character. They are
// the codes of the system the toolkit was first written for, so that programs see the same
// numbers on every platform; each backend translates its own keys into them.
namespace vk {
inline constexpr int kBackspace = 0x08;
inline constexpr int kTab = 0x09;
inline constexpr int kClear = 0x0C;
inline constexpr int kReturn = 0x0D;
inline constexpr int kShift = 0x10;
inline constexpr int kControl = 0x11;
inline constexpr int kAlt = 0x12;
inline constexpr int kPause = 0x13;
inline constexpr int kCapsLock = 0x14;
inline constexpr int kEscape = 0x1B;
inline constexpr int kSpace = 0x20;
inline constexpr int kPageUp = 0x21;
inline constexpr int kPageDown = 0x22;
inline constexpr int kEnd = 0x23;
inline constexpr int kHome = 0x24;
inline constexpr int kLeft = 0x25;
inline constexpr int kUp = 0x26;
inline constexpr int kRight = 0x27;
inline constexpr int kDown = 0x28;
inline constexpr int kSelect = 0x29;
inline constexpr int kPrintScreen = 0x2C;
inline constexpr int kInsert = 0x2D;
inline constexpr int kDelete = 0x2E;
inline constexpr int kHelp = 0x2F;
// Letters and digits use their upper-case character codes ('A' to 'Z', '0' to '9').
inline constexpr int kLeftWindows = 0x5B;
inline constexpr int kRightWindows = 0x5C;
inline constexpr int kApplications = 0x5D;
inline constexpr int kNumpad0 = 0x60;  // Keypad 0 to 9 are kNumpad0 + digit.
inline constexpr int kMultiply = 0x6A;
inline constexpr int kAdd = 0x6B;
inline constexpr int kSeparator = 0x6C;
inline constexpr int kSubtract = 0x6D;
inline constexpr int kDecimal = 0x6E;
inline constexpr int kDivide = 0x6F;
inline constexpr int kF1 = 0x70;  // F1 to F24 are kF1 + number − 1.
inline constexpr int kF24 = 0x87;
inline constexpr int kNumLock = 0x90;
inline constexpr int kScrollLock = 0x91;
inline constexpr int kLeftShift = 0xA0;
inline constexpr int kRightShift = 0xA1;
inline constexpr int kLeftControl = 0xA2;
inline constexpr int kRightControl = 0xA3;
inline constexpr int kLeftAlt = 0xA4;
inline constexpr int kRightAlt = 0xA5;
}  // namespace vk

// 2. Events of a client area and its frame.

// Whether a modifier key was held when an event happened.
enum class Held { No, Yes };

// A key press in a client area, as every platform can describe it: the virtual-key code, the
// character the press produced (0 for none, as for the arrow and function keys), and the
// modifier keys held.
struct KeyPress {
    int virtual_key = 0;
    int character = 0;
    Held shift = Held::No;
    Held ctrl = Held::No;
};

enum class MouseButton { None, Left, Middle, Right };
enum class MouseAction { Press, Release, Move };

// A mouse event in a client area, in pixels of that area. The buttons are those held after the
// event (a press counts its own button, a release no longer does).
struct MouseEvent {
    MouseAction action = MouseAction::Move;
    MouseButton button = MouseButton::None;
    int x = 0;
    int y = 0;
    Held ctrl = Held::No;
    Held shift = Held::No;
    Held left_down = Held::No;
    Held middle_down = Held::No;
    Held right_down = Held::No;
};

// A rectangle of a client area, in pixels, that needs repainting.
struct ExposedArea {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// How a client area came to change its size.
enum class ResizeKind { Normal, Minimised, NotVisible };

// Where on the frame, outside the client area, a mouse button was pressed.
enum class FramePart { Other, MinimiseBox };

// 3. Frames: style, menu, accelerators, status bar.

// What the frame looks like, worked out from the window flags.
struct FrameStyle {
    bool system_menu = false;  // System menu and close box.
    bool minimise_box = false;
    bool maximise_box = false;
    // Without a sizing border the frame keeps its size and the status bar has no size grip.
    bool sizing_border = false;
    bool maximised = false;
    bool hidden = false;
    bool topmost = false;
    bool status_bar = false;
};

// One item of a menu as the toolkit builds it from a menu resource.
struct MenuEntry {
    enum class Kind { Command, PopUp, Separator };

    Kind kind = Kind::Command;
    // The text with its "&" mnemonic marks; a TAB starts the shortcut shown at the right.
    std::string text;
    // The command a chosen item reports; a pop-up has one only when the menu's companion
    // resource gives it one, else 0.
    int id = 0;
    bool greyed = false;
    bool checked = false;
    // The items of a pop-up.
    std::vector<MenuEntry> items;
};

// The items on the menu bar, left to right.
using MenuBar = std::vector<MenuEntry>;

// A key that chooses a menu command wherever the focus is in the frame: a character code, or
// a virtual-key code with the modifier keys that must be held.
struct AcceleratorKey {
    enum class Kind { Character, VirtualKey };

    Kind kind = Kind::VirtualKey;
    int key = 0;
    Held shift = Held::No;
    Held ctrl = Held::No;
    Held alt = Held::No;
    int command = 0;
};

// Everything a frame window is made with. The client area starts at the given size; the menu
// bar and the status bar come on top of it.
struct FrameRequest {
    std::string title;
    // An icon file (all its image sizes); empty for the platform's default icon.
    std::span<const std::uint8_t> icon;
    FrameStyle style;
    int client_width = 0;
    int client_height = 0;
    // Without items there is no menu bar.
    MenuBar menu;
    std::vector<AcceleratorKey> accelerators;
    // Texts shown in the status bar, by command id, while the item is highlighted in an open
    // menu. With none the status bar stays as it is while menus are open.
    std::map<int, std::string> menu_prompts;
};

// The sizes of a frame that is made but not yet placed: the frame with its decorations and
// menu bar around the client area, without the status bar, and the status bar's height (0 when
// there is none).
struct FrameMeasures {
    int outer_width = 0;
    int outer_height = 0;
    int status_bar_height = 0;
};

// A size in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;
};

// How a frame is first shown.
enum class FrameShow { Hidden, Normal, Maximised };

// The border drawn around one part of the status bar.
enum class PartBorder { None, Sunken, Raised };

// A part's right edge of -1: the part reaches the right end of the bar.
inline constexpr int kToRightEdge = -1;

// One part of a status bar as the platform draws it: where it ends, in pixels from the bar's
// left end (kToRightEdge for the right end of the bar), its border, and its text in its three
// pieces: left-aligned, centred and right-aligned.
struct StatusPartView {
    int right_edge = kToRightEdge;
    PartBorder border = PartBorder::Sunken;
    std::string left;
    std::string centre;
    std::string right;
};

// 4. The receiver of a frame's events.

// The toolkit's frame and client-area procedures: the platform calls them from inside its
// event dispatch, positions in pixels of the client area, times in milliseconds.
class FrameListener {
  public:
    virtual ~FrameListener() = default;

    // A menu item or accelerator key chose a command.
    virtual void OnCommand(int command_id, int time) = 0;
    // The user asked to close the frame; the frame stays open.
    virtual void OnCloseRequest(int time) = 0;
    // A mouse button was pressed on the frame outside the client area.
    virtual void OnFrameClick(MouseButton button, FramePart part, int time) = 0;
    // A timer started for the frame expired; the platform has stopped it.
    virtual void OnTimer(int timer_id, int time) = 0;
    // A key was pressed while the client area had the focus; x, y is the mouse position.
    virtual void OnKey(const KeyPress& key, int x, int y, int time) = 0;
    virtual void OnMouse(const MouseEvent& mouse, int time) = 0;
    // Part of the client area is being repainted.
    virtual void OnExpose(const ExposedArea& area, int time) = 0;
    virtual void OnResize(int width, int height, ResizeKind kind, int time) = 0;
};

}  // namespace windlass
