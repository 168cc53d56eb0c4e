// The simulated user of the fake platform's dialogs: focus moves by mouse, navigation keys,
// typing, pasting, clicks, choices, F1 and the spin arrows, each told to the dialog's listener
// as the platform would tell it.
#include <cstdint>

#include "platform/fake/fake_platform.h"

namespace windlass {
namespace {

constexpr std::uint32_t kGroup = 0x00020000;
constexpr std::uint32_t kButtonKindMask = 0x0F;
constexpr int kBackspace = 0x08;

// The automatic kinds of check box and radio button: the only ones a click changes.
constexpr std::uint32_t kAutoCheckBox = 0x3;
constexpr std::uint32_t kAutoThreeState = 0x6;
constexpr std::uint32_t kAutoRadioButton = 0x9;

bool IsRadioKind(std::uint32_t kind) {
    return kind == 0x4 || kind == kAutoRadioButton;
}

// The radio buttons of a button's group: back to the nearest group start, on to the next.
void CheckRadioInGroup(FakeDialog& dialog, FakeControl& clicked) {
    int first = clicked.position;
    while (first > 0 && (dialog.controls[static_cast<std::size_t>(first)]->style & kGroup) == 0) {
        --first;
    }
    int count = static_cast<int>(dialog.controls.size());
    for (int at = first; at < count; ++at) {
        FakeControl& member = *dialog.controls[static_cast<std::size_t>(at)];
        if (at > first && (member.style & kGroup) != 0) {
            break;
        }
        if (member.IsButton() && IsRadioKind(member.style & kButtonKindMask)) {
            member.check = &member == &clicked ? 1 : 0;
        }
    }
}

}  // namespace

bool FakePlatform::MoveFocus(WindowHandle target, SelectText select) {
    FakeControl* to = ControlOf(target);
    if (to == nullptr) {
        return false;
    }
    WindowHandle from = focused;
    if (FakeControl* leaving = ControlOf(from); leaving != nullptr && from != target) {
        DialogListener* listener = leaving->dialog->listener;
        // A field is told where the focus goes only within its own dialog.
        WindowHandle told = to->dialog == leaving->dialog ? target : nullptr;
        if (listener != nullptr && leaving->IsNumeric()) {
            if (listener->OnNumericFocusLeaving(leaving->position, told) == FocusVerdict::Refuse) {
                return false;
            }
        } else if (listener != nullptr && leaving->IsButton()) {
            listener->OnButtonFocusLost(leaving->position);
            if (focused != from) {
                return false;  // The listener sent the focus elsewhere as the button let it go.
            }
        }
    }
    focused = target;
    to->all_selected = select == SelectText::All;
    if (DialogListener* listener = to->dialog->listener) {
        if (to->IsNumeric()) {
            listener->OnNumericFocusGained(to->position);
        }
        if (to->TakesFocus()) {
            listener->OnNotice(to->position, ControlNotice::FocusGained);
        }
    }
    return true;
}

bool FakePlatform::UserFocus(WindowHandle control) {
    if (focused == control) {
        return ControlOf(control) != nullptr;
    }
    return MoveFocus(control, SelectText::Keep);
}

std::optional<KeyVerdict> FakePlatform::UserKey(NavigationKey key) {
    // The key is reported as a backend reports it; the toolkit decides what it does.
    FakeControl* from = ControlOf(focused);
    if (from == nullptr || from->dialog->listener == nullptr) {
        return std::nullopt;
    }
    return from->dialog->listener->OnNavigationKey(from->position, key);
}

bool FakePlatform::UserTab() {
    // The focus moved when it is where the toolkit first sent it: a numeric field that refused
    // to let it go, or a pending field that took it back, keeps it.
    WindowHandle from = focused;
    tab_target_ = nullptr;
    watching_tab_ = true;
    UserKey(NavigationKey::Tab);
    watching_tab_ = false;
    return tab_target_ != nullptr && focused == tab_target_ && focused != from;
}

void FakePlatform::TypeCharacter(FakeControl& control, int character) {
    DialogListener* listener = control.dialog->listener;
    if (control.IsNumeric() && listener != nullptr) {
        CharacterVerdict verdict = listener->OnNumericCharacter(control.position, character);
        if (verdict.kind == CharacterVerdict::Kind::Drop) {
            if (verdict.beep) {
                Beep();
            }
            return;
        }
        character = verdict.character;
    }
    if (character == kBackspace) {
        if (control.all_selected) {
            control.text.clear();
        } else if (!control.text.empty()) {
            control.text.pop_back();
        }
        control.all_selected = false;
        control.modified = true;
        return;
    }
    if (character < 0x20) {
        return;  // The other editing keys (copy, paste, undo, Return, Escape) change no text here.
    }
    if (control.all_selected) {
        control.text.clear();
        control.all_selected = false;
    }
    if (control.text_limit > 0 && static_cast<int>(control.text.size()) >= control.text_limit) {
        return;
    }
    control.text.push_back(static_cast<char>(character));
    control.modified = true;
}

void FakePlatform::UserType(std::string_view characters) {
    for (char character : characters) {
        if (FakeControl* control = ControlOf(focused)) {
            TypeCharacter(*control, static_cast<unsigned char>(character));
        }
    }
}

void FakePlatform::UserPaste(WindowHandle control, std::string_view text) {
    if (FakeControl* made = ControlOf(control)) {
        made->text = std::string(text);
        made->modified = true;
        made->all_selected = false;
    }
}

void FakePlatform::UserClick(WindowHandle control) {
    FakeControl* made = ControlOf(control);
    if (made == nullptr || !made->enabled) {
        return;
    }
    bool moved = UserFocus(control);
    DialogListener* listener = made->dialog->listener;
    if (made->IsPushButton()) {
        // The press happens whether the button kept the focus or not.
        if (listener != nullptr) {
            listener->OnNotice(made->position, ControlNotice::PushButtonPressed);
        }
        return;
    }
    if (!moved || !made->IsButton()) {
        return;
    }
    std::uint32_t kind = made->style & kButtonKindMask;
    if (kind == kAutoRadioButton) {
        CheckRadioInGroup(*made->dialog, *made);
    } else if (kind == kAutoCheckBox || kind == kAutoThreeState) {
        made->check = (made->check + 1) % (kind == kAutoThreeState ? 3 : 2);
    }
    if (listener != nullptr) {
        listener->OnNotice(made->position, ControlNotice::Clicked);
    }
}

void FakePlatform::UserChoose(WindowHandle list, int index) {
    FakeControl* made = ControlOf(list);
    if (made == nullptr || !UserFocus(list) || !Select(list, index)) {
        return;
    }
    if (DialogListener* listener = made->dialog->listener) {
        listener->OnNotice(made->position, ControlNotice::SelectionChanged);
    }
}

void FakePlatform::UserDoubleClick(WindowHandle list) {
    FakeControl* made = ControlOf(list);
    if (made == nullptr || !UserFocus(list)) {
        return;
    }
    if (DialogListener* listener = made->dialog->listener) {
        listener->OnNotice(made->position, ControlNotice::DoubleClicked);
    }
}

void FakePlatform::UserReturn() {
    UserKey(NavigationKey::Return);
}

void FakePlatform::UserHelp() {
    FakeControl* from = ControlOf(focused);
    if (from != nullptr && from->dialog->listener != nullptr) {
        from->dialog->listener->OnHelpRequest();
    }
}

void FakePlatform::UserSpin(WindowHandle control, int step) {
    FakeControl* made = ControlOf(control);
    // A click on the arrows gives the focus to the field first.
    if (made != nullptr && UserFocus(control) && made->dialog->listener != nullptr) {
        made->dialog->listener->OnSpin(made->position, step);
    }
}

void FakePlatform::UserReleaseOutside(WindowHandle button) {
    FakeControl* made = ControlOf(button);
    if (made != nullptr && made->dialog->listener != nullptr) {
        made->dialog->listener->OnButtonReleasedOutside(made->position);
    }
}

}  // namespace windlass
