#include "dialog/dialog_keyboard.h"

#include <utility>

#include "platform/platform.h"
#include "resources/template_styles.h"

namespace windlass {
namespace {

constexpr int kOkId = 1;
constexpr int kCancelId = 2;

// The keyboard's view of one dialog, with what only the platform knows asked as it is needed.
class Keyboard {
  public:
    explicit Keyboard(const KeyboardDialog& dialog)
        : dialog_(dialog), platform_(ThePlatform().Controls()) {}

    int Count() const { return dialog_.ControlCount(); }
    ControlClass ClassAt(int position) const { return dialog_.ClassAt(position); }
    std::uint32_t StyleAt(int position) const { return dialog_.StyleAt(position); }
    std::uint32_t KindAt(int position) const {
        return dialog_.StyleAt(position) & styles::kButtonKindMask;
    }

    // Labels, group boxes, progress bars, headers and up-down arrows never take the focus;
    // every other control does while it is enabled and shown.
    bool CanFocus(int position) const {
        ControlClass control_class = ClassAt(position);
        if (control_class == ControlClass::Static || control_class == ControlClass::Progress ||
            control_class == ControlClass::Header || control_class == ControlClass::UpDown ||
            (control_class == ControlClass::Button && KindAt(position) == styles::kGroupBox)) {
            return false;
        }
        return platform_.CanFocus(dialog_.HandleAt(position));
    }

    bool IsRadioButton(int position) const {
        return ClassAt(position) == ControlClass::Button &&
               (KindAt(position) == styles::kRadioButton ||
                KindAt(position) == styles::kAutoRadioButton);
    }

    // Every button that is not a check box, radio button or group box is pressed as a push
    // button is.
    bool IsPushButton(int position) const {
        if (ClassAt(position) != ControlClass::Button) {
            return false;
        }
        switch (KindAt(position)) {
            case styles::kCheckBox:
            case styles::kAutoCheckBox:
            case styles::kThreeState:
            case styles::kAutoThreeState:
            case styles::kRadioButton:
            case styles::kAutoRadioButton:
            case styles::kGroupBox:
                return false;
            default:
                return true;
        }
    }

    // Edit fields move their caret with the arrows (a spin field steps), list and combo boxes
    // and tree views move their selection, a trackbar its thumb, a tab control its page.
    bool WantsArrows(int position) const {
        ControlClass control_class = ClassAt(position);
        return control_class == ControlClass::Edit || IsNumericClass(control_class) ||
               control_class == ControlClass::ComboBox || control_class == ControlClass::ListBox ||
               control_class == ControlClass::Trackbar || control_class == ControlClass::Treeview ||
               control_class == ControlClass::TabControl;
    }

    bool WantsReturn(int position) const {
        return ClassAt(position) == ControlClass::Edit &&
               styles::Has(StyleAt(position), styles::kEditMultiLine | styles::kEditWantReturn);
    }

    bool IsChecked(int position) const {
        return platform_.CheckState(dialog_.HandleAt(position)) != 0;
    }

    std::pair<int, int> GroupOf(int position) const {
        int first = position;
        while (first > 0 && !(StyleAt(first) & styles::kGroup)) {
            --first;
        }
        int end = position + 1;
        while (end < Count() && !(StyleAt(end) & styles::kGroup)) {
            ++end;
        }
        return {first, end - 1};
    }

    // The group's checked button, as the user's choice is where they expect to land; with
    // none checked, the first button the template marks as a tab stop, else the first.
    int RadioGroupStop(int position) const {
        auto [first, last] = GroupOf(position);
        int marked = -1;
        int any = -1;
        for (int member = first; member <= last; ++member) {
            if (!IsRadioButton(member) || !CanFocus(member)) {
                continue;
            }
            if (IsChecked(member)) {
                return member;
            }
            if (marked < 0 && (StyleAt(member) & styles::kTabStop)) {
                marked = member;
            }
            if (any < 0) {
                any = member;
            }
        }
        return marked >= 0 ? marked : any;
    }

    bool IsTabStop(int position) const {
        if (!CanFocus(position)) {
            return false;
        }
        return !IsRadioButton(position) || RadioGroupStop(position) == position;
    }

    int NextTabStop(int from, bool forward) const {
        int count = Count();
        for (int step = 1; step <= count; ++step) {
            int position = from < 0 ? (forward ? step - 1 : count - step)
                                    : ((from + (forward ? step : -step)) % count + count) % count;
            if (IsTabStop(position)) {
                return position;
            }
        }
        return -1;
    }

    int FirstMarkedTabStop() const {
        for (int position = 0; position < Count(); ++position) {
            if (CanFocus(position) && (StyleAt(position) & styles::kTabStop)) {
                return IsRadioButton(position) ? RadioGroupStop(position) : position;
            }
        }
        return -1;
    }

    int NextInGroup(int from, bool forward) const {
        auto [first, last] = GroupOf(from);
        int count = last - first + 1;
        for (int step = 1; step < count; ++step) {
            int offset = ((from - first + (forward ? step : -step)) % count + count) % count;
            if (CanFocus(first + offset)) {
                return first + offset;
            }
        }
        return -1;
    }

    int PushButtonWithId(int id) const {
        for (int position = 0; position < Count(); ++position) {
            if (IsPushButton(position) && dialog_.IdAt(position) == id) {
                return position;
            }
        }
        return -1;
    }

    // The focused push button, else the button that looks like the default one, else OK.
    int ReturnButton(int focused) const {
        if (focused >= 0 && IsPushButton(focused)) {
            return focused;
        }
        for (int position = 0; position < Count(); ++position) {
            if (IsPushButton(position) &&
                platform_.LookOf(dialog_.HandleAt(position)) == DefaultLook::Default) {
                return position;
            }
        }
        return PushButtonWithId(kOkId);
    }

    void FocusFromKeyboard(int position) const {
        platform_.FocusControl(dialog_.HandleAt(position),
                               SelectionOnEntry(ClassAt(position), StyleAt(position)));
    }

    // Checks an automatic radio button as a click would: the group's other automatic buttons
    // that the user can reach lose their check.
    void CheckInGroup(int position) const {
        platform_.SetCheckState(dialog_.HandleAt(position), 1);
        auto [first, last] = GroupOf(position);
        for (int other = first; other <= last; ++other) {
            if (other != position && IsRadioButton(other) &&
                KindAt(other) == styles::kAutoRadioButton && CanFocus(other)) {
                platform_.SetCheckState(dialog_.HandleAt(other), 0);
            }
        }
    }

    bool HasFocus(int position) const {
        return platform_.FocusedControl() == dialog_.HandleAt(position);
    }

  private:
    const KeyboardDialog& dialog_;
    DialogControls& platform_;
};

KeyVerdict Tab(KeyboardDialog& dialog, const Keyboard& keyboard, int focused, bool forward) {
    // The numeric field hears its Tab key before the focus leaves it: its check on losing
    // the focus tells a Tab from a click by it. A field that was disabled or hidden under the
    // focus was left by no key.
    if (focused >= 0 && IsNumericClass(keyboard.ClassAt(focused)) && keyboard.CanFocus(focused)) {
        dialog.TellNumericTab(focused);
    }
    int next = keyboard.NextTabStop(focused, forward);
    if (next < 0) {
        return KeyVerdict::NowhereToGo;
    }
    if (next != focused) {
        keyboard.FocusFromKeyboard(next);
    }
    return KeyVerdict::Taken;
}

KeyVerdict Arrow(KeyboardDialog& dialog, const Keyboard& keyboard, int focused, bool forward) {
    if (focused >= 0 && keyboard.WantsArrows(focused)) {
        return KeyVerdict::ToControl;
    }
    int next = focused >= 0 ? keyboard.NextInGroup(focused, forward) : -1;
    if (next < 0) {
        return KeyVerdict::Taken;
    }
    keyboard.FocusFromKeyboard(next);
    // Moving onto an automatic radio button checks it, as a click would; a move the focused
    // field refused checks nothing.
    if (keyboard.IsRadioButton(next) && keyboard.KindAt(next) == styles::kAutoRadioButton &&
        keyboard.HasFocus(next) && !keyboard.IsChecked(next)) {
        keyboard.CheckInGroup(next);
        dialog.Notice(next, ControlNotice::Clicked);
    }
    return KeyVerdict::Taken;
}

void Press(KeyboardDialog& dialog, const Keyboard& keyboard, int button) {
    if (button >= 0 && keyboard.CanFocus(button)) {
        dialog.Notice(button, ControlNotice::PushButtonPressed);
    }
}

}  // namespace

SelectText SelectionOnEntry(ControlClass control_class, std::uint32_t style) {
    bool keeps_caret =
        control_class == ControlClass::Edit && styles::Has(style, styles::kEditMultiLine);
    return keeps_caret ? SelectText::Keep : SelectText::All;
}

KeyVerdict ActOnNavigationKey(KeyboardDialog& dialog, int focused, NavigationKey key) {
    Keyboard keyboard(dialog);
    if (focused >= keyboard.Count()) {
        focused = -1;
    }
    switch (key) {
        case NavigationKey::Tab:
        case NavigationKey::BackTab:
            return Tab(dialog, keyboard, focused, key == NavigationKey::Tab);
        case NavigationKey::Left:
        case NavigationKey::Up:
        case NavigationKey::Right:
        case NavigationKey::Down:
            return Arrow(dialog, keyboard, focused,
                         key == NavigationKey::Right || key == NavigationKey::Down);
        case NavigationKey::Return:
            if (focused >= 0 && keyboard.WantsReturn(focused)) {
                return KeyVerdict::ToControl;
            }
            Press(dialog, keyboard, keyboard.ReturnButton(focused));
            return KeyVerdict::Taken;
        case NavigationKey::Escape:
            Press(dialog, keyboard, keyboard.PushButtonWithId(kCancelId));
            return KeyVerdict::Taken;
    }
    return KeyVerdict::Taken;
}

int TabStopWithoutWrap(const KeyboardDialog& dialog, int from, bool forward) {
    Keyboard keyboard(dialog);
    int next = keyboard.NextTabStop(from, forward);
    if (next < 0 || (from >= 0 && (forward ? next <= from : next >= from))) {
        return -1;
    }
    return next;
}

int EntryStop(const KeyboardDialog& dialog) {
    Keyboard keyboard(dialog);
    int first = keyboard.FirstMarkedTabStop();
    return first >= 0 ? first : keyboard.NextTabStop(-1, true);
}

}  // namespace windlass
