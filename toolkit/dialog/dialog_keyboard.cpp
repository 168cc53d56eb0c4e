#include "dialog/dialog_keyboard.h"

#include "dialog/button_ids.h"
#include "platform/platform.h"
#include "resources/template_styles.h"

namespace windlass {
namespace {

// The keyboard's view of one dialog, with what only the platform knows asked as it is needed.
class Keyboard {
  public:
    explicit Keyboard(const KeyboardDialog& dialog)
        : dialog_(dialog), platform_(ThePlatform().Controls()) {}

    int Count() const { return dialog_.ControlCount(); }
    ControlClass ClassAt(int position) const { return dialog_.ClassAt(position); }
    std::uint32_t StyleAt(int position) const { return dialog_.StyleAt(position); }

    // A control takes the focus when its kind does and it is enabled and shown now.
    bool CanFocus(int position) const {
        return TakesTheFocus(ClassAt(position), StyleAt(position)) &&
               platform_.CanFocus(dialog_.HandleAt(position));
    }

    bool IsRadioButton(int position) const {
        return windlass::IsRadioButton(ClassAt(position), StyleAt(position));
    }
    bool IsAutoRadioButton(int position) const {
        return windlass::IsAutoRadioButton(ClassAt(position), StyleAt(position));
    }
    bool IsPushButton(int position) const {
        return windlass::IsPushButton(ClassAt(position), StyleAt(position));
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

    RadioGroup GroupOf(int position) const { return windlass::GroupOf(dialog_, position); }

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
        return PushButtonWithId(kOkButton);
    }

    void FocusFromKeyboard(int position) const {
        platform_.FocusControl(dialog_.HandleAt(position),
                               SelectionOnEntry(ClassAt(position), StyleAt(position)));
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
    if (keyboard.IsAutoRadioButton(next) && keyboard.HasFocus(next) && !keyboard.IsChecked(next)) {
        ThePlatform().Controls().SetCheckState(dialog.HandleAt(next), 1);
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
            Press(dialog, keyboard, keyboard.PushButtonWithId(kCancelButton));
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

RadioGroup GroupOf(const KeyboardDialog& dialog, int position) {
    return GroupAround(
        position, dialog.ControlCount(), [&](int at) { return dialog.ClassAt(at); },
        [&](int at) { return styles::Has(dialog.StyleAt(at), styles::kGroup); });
}

void UncheckRestOfGroup(const KeyboardDialog& dialog, int position) {
    Keyboard keyboard(dialog);
    DialogControls& platform = ThePlatform().Controls();
    auto [first, last] = GroupOf(dialog, position);
    for (int other = first; other <= last; ++other) {
        if (other != position && keyboard.IsAutoRadioButton(other) && keyboard.CanFocus(other) &&
            keyboard.IsChecked(other)) {
            platform.SetCheckState(dialog.HandleAt(other), 0);
        }
    }
}

void ShowDefaultLook(const KeyboardDialog& dialog, int focused) {
    Keyboard keyboard(dialog);
    DialogControls& platform = ThePlatform().Controls();
    const bool on_push_button = focused >= 0 && keyboard.IsPushButton(focused);
    bool default_found = false;
    for (int position = 0; position < keyboard.Count(); ++position) {
        if (!keyboard.IsPushButton(position)) {
            continue;
        }
        bool looks_default = false;
        if (on_push_button) {
            looks_default = position == focused;
        } else if (!default_found &&
                   IsDefaultPushButton(keyboard.ClassAt(position), keyboard.StyleAt(position))) {
            looks_default = true;
            default_found = true;
        }
        DefaultLook look = looks_default ? DefaultLook::Default : DefaultLook::Plain;
        WindowHandle button = dialog.HandleAt(position);
        if (platform.LookOf(button) != look) {
            platform.SetDefaultLook(button, look);
        }
    }
}

}  // namespace windlass
