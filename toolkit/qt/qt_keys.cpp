#include "qt/qt_keys.h"

#include <QKeyEvent>
#include <QString>

#include <array>
#include <utility>

namespace windlass::qt {
namespace {

// Keys whose virtual-key code does not follow from their Qt code by a simple rule.
constexpr std::array<std::pair<int, int>, 34> kNamedKeys = {{
    {Qt::Key_Backspace, vk::kBackspace},
    {Qt::Key_Tab, vk::kTab},
    {Qt::Key_Backtab, vk::kTab},
    {Qt::Key_Clear, vk::kClear},
    {Qt::Key_Return, vk::kReturn},
    {Qt::Key_Enter, vk::kReturn},
    {Qt::Key_Shift, vk::kShift},
    {Qt::Key_Control, vk::kControl},
    {Qt::Key_Alt, vk::kAlt},
    {Qt::Key_AltGr, vk::kAlt},
    {Qt::Key_Pause, vk::kPause},
    {Qt::Key_CapsLock, vk::kCapsLock},
    {Qt::Key_Escape, vk::kEscape},
    {Qt::Key_Space, vk::kSpace},
    {Qt::Key_PageUp, vk::kPageUp},
    {Qt::Key_PageDown, vk::kPageDown},
    {Qt::Key_End, vk::kEnd},
    {Qt::Key_Home, vk::kHome},
    {Qt::Key_Left, vk::kLeft},
    {Qt::Key_Up, vk::kUp},
    {Qt::Key_Right, vk::kRight},
    {Qt::Key_Down, vk::kDown},
    {Qt::Key_Select, vk::kSelect},
    {Qt::Key_Print, vk::kPrintScreen},
    {Qt::Key_SysReq, vk::kPrintScreen},
    {Qt::Key_Insert, vk::kInsert},
    {Qt::Key_Delete, vk::kDelete},
    {Qt::Key_Help, vk::kHelp},
    {Qt::Key_Meta, vk::kLeftWindows},
    {Qt::Key_Super_L, vk::kLeftWindows},
    {Qt::Key_Super_R, vk::kRightWindows},
    {Qt::Key_Menu, vk::kApplications},
    {Qt::Key_NumLock, vk::kNumLock},
    {Qt::Key_ScrollLock, vk::kScrollLock},
}};

// The keypad's own keys: with Num Lock on they produce digits and signs, yet keep codes of
// their own.
std::optional<int> KeypadKey(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        return vk::kNumpad0 + (key - Qt::Key_0);
    }
    switch (key) {
        case Qt::Key_Asterisk:
            return vk::kMultiply;
        case Qt::Key_Plus:
            return vk::kAdd;
        case Qt::Key_Minus:
            return vk::kSubtract;
        case Qt::Key_Period:
        case Qt::Key_Comma:
            return vk::kDecimal;
        case Qt::Key_Slash:
            return vk::kDivide;
        default:
            return std::nullopt;
    }
}

int VirtualKeyOf(int key, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (std::optional<int> keypad = KeypadKey(key)) {
            return *keypad;
        }
    }
    for (const auto& [qt_key, virtual_key] : kNamedKeys) {
        if (qt_key == key) {
            return virtual_key;
        }
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return vk::kF1 + (key - Qt::Key_F1);
    }
    // Letters and digits have their upper-case character as their code on both sides. Other
    // keys that produce characters are known by their character alone.
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key;
    }
    return 0;
}

// The keys that never produce a character on the toolkit's platform, whatever text Qt gives
// them (Qt gives Delete the DEL character, for one).
bool ProducesNoCharacter(int virtual_key) {
    switch (virtual_key) {
        case vk::kDelete:
        case vk::kInsert:
        case vk::kHome:
        case vk::kEnd:
        case vk::kPageUp:
        case vk::kPageDown:
        case vk::kLeft:
        case vk::kUp:
        case vk::kRight:
        case vk::kDown:
        case vk::kClear:
        case vk::kSelect:
        case vk::kPrintScreen:
        case vk::kHelp:
            return true;
        default:
            return virtual_key >= vk::kF1 && virtual_key <= vk::kF24;
    }
}

int CharacterOf(const QKeyEvent& event, int virtual_key, bool ctrl) {
    if (ProducesNoCharacter(virtual_key)) {
        return 0;
    }
    // Ctrl with a letter produces the letter's control character (Ctrl+A is 1), whatever
    // text the platform under Qt reports.
    if (ctrl && virtual_key >= 'A' && virtual_key <= 'Z') {
        return virtual_key - 'A' + 1;
    }
    switch (virtual_key) {
        case vk::kTab:
            return '\t';
        case vk::kReturn:
            return '\r';
        case vk::kBackspace:
            return '\b';
        case vk::kEscape:
            return 27;
        default:
            break;
    }
    QString text = event.text();
    if (text.isEmpty()) {
        return 0;
    }
    return static_cast<int>(text.toUcs4().value(0));
}

int QtKeyOf(int virtual_key) {
    for (const auto& [qt_key, named] : kNamedKeys) {
        if (named == virtual_key) {
            return qt_key;
        }
    }
    if (virtual_key >= vk::kF1 && virtual_key <= vk::kF24) {
        return Qt::Key_F1 + (virtual_key - vk::kF1);
    }
    if ((virtual_key >= 'A' && virtual_key <= 'Z') || (virtual_key >= '0' && virtual_key <= '9')) {
        return virtual_key;
    }
    if (virtual_key >= vk::kNumpad0 && virtual_key <= vk::kNumpad0 + 9) {
        return Qt::Key_0 + (virtual_key - vk::kNumpad0);
    }
    return 0;
}

}  // namespace

std::optional<KeyPress> KeyPressFromQt(const QKeyEvent& event) {
    Qt::KeyboardModifiers modifiers = event.modifiers();
    bool ctrl = modifiers.testFlag(Qt::ControlModifier);
    if (modifiers.testFlag(Qt::AltModifier) && !ctrl) {
        return std::nullopt;
    }
    KeyPress key;
    key.virtual_key = VirtualKeyOf(event.key(), modifiers);
    // Qt reports Shift+Tab as a key of its own, Backtab.
    bool shift = modifiers.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
    key.shift = shift ? Held::Yes : Held::No;
    key.ctrl = ctrl ? Held::Yes : Held::No;
    key.character = CharacterOf(event, key.virtual_key, ctrl);
    return key;
}

QKeySequence KeySequenceOf(const AcceleratorKey& accelerator) {
    int key = 0;
    Qt::KeyboardModifiers modifiers;
    if (accelerator.kind == AcceleratorKey::Kind::Character) {
        // A control character stands for Ctrl with its letter.
        if (accelerator.key >= 1 && accelerator.key <= 26) {
            key = 'A' + accelerator.key - 1;
            modifiers |= Qt::ControlModifier;
        } else {
            return QKeySequence(QString(QChar(accelerator.key)));
        }
    } else {
        key = QtKeyOf(accelerator.key);
    }
    if (key == 0) {
        return {};
    }
    if (accelerator.shift == Held::Yes) {
        modifiers |= Qt::ShiftModifier;
    }
    if (accelerator.ctrl == Held::Yes) {
        modifiers |= Qt::ControlModifier;
    }
    if (accelerator.alt == Held::Yes) {
        modifiers |= Qt::AltModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(key)));
}

MouseButton ButtonOf(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        case Qt::RightButton:
            return MouseButton::Right;
        default:
            return MouseButton::None;
    }
}

}  // namespace windlass::qt
