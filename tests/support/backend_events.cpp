#include "backend_events.h"

namespace windlass::backend {
namespace {

DialogListener* ListenerOf(RecordedControl* control) {
    return control != nullptr && control->dialog != nullptr ? control->dialog->listener : nullptr;
}

}  // namespace

void ReportFocusMoves(RecordingPlatform& platform) {
    platform.while_focusing = [&platform](WindowHandle control) { Focus(platform, control); };
}

bool Focus(RecordingPlatform& platform, WindowHandle control) {
    RecordedControl* to = platform.ControlOf(control);
    if (to == nullptr) {
        return false;
    }
    WindowHandle from = platform.focused;
    if (from == control) {
        return true;
    }
    if (RecordedControl* leaving = platform.ControlOf(from); ListenerOf(leaving) != nullptr) {
        // A field is told where the focus goes, in its own dialog or in another window.
        WindowHandle told = control;
        if (leaving->IsNumeric()) {
            if (leaving->dialog->listener->OnNumericFocusLeaving(leaving->position, told) ==
                FocusVerdict::Refuse) {
                return false;
            }
        } else if (leaving->IsButton()) {
            leaving->dialog->listener->OnButtonFocusLost(leaving->position);
            if (platform.focused != from) {
                return false;  // The listener sent the focus elsewhere as the button let it go.
            }
        }
    }
    platform.focused = control;
    if (DialogListener* listener = ListenerOf(to)) {
        if (to->IsNumeric()) {
            listener->OnNumericFocusGained(to->position);
        }
        if (to->takes_focus == TakesFocus::Yes) {
            listener->OnNotice(to->position, ControlNotice::FocusGained);
        }
    }
    return true;
}

std::optional<KeyVerdict> Key(RecordingPlatform& platform, NavigationKey key) {
    RecordedControl* from = platform.ControlOf(platform.focused);
    if (ListenerOf(from) == nullptr) {
        return std::nullopt;
    }
    return from->dialog->listener->OnNavigationKey(from->position, key);
}

void Type(RecordingPlatform& platform, std::string_view characters) {
    for (char typed : characters) {
        RecordedControl* control = platform.ControlOf(platform.focused);
        if (control == nullptr) {
            return;
        }
        int character = static_cast<unsigned char>(typed);
        if (control->IsNumeric() && ListenerOf(control) != nullptr) {
            CharacterVerdict verdict =
                control->dialog->listener->OnNumericCharacter(control->position, character);
            if (verdict.kind == CharacterVerdict::Kind::Drop) {
                if (verdict.beep) {
                    platform.Beep();
                }
                continue;
            }
            character = verdict.character;
        }
        if (character >= 0x20) {
            control->text.push_back(static_cast<char>(character));
            control->modified = true;
        }
    }
}

void Paste(RecordingPlatform& platform, WindowHandle control, std::string_view text) {
    if (RecordedControl* made = platform.ControlOf(control)) {
        made->text = std::string(text);
        made->modified = true;
    }
}

void Notify(RecordingPlatform& platform, WindowHandle control, ControlNotice notice) {
    RecordedControl* made = platform.ControlOf(control);
    if (DialogListener* listener = ListenerOf(made)) {
        listener->OnNotice(made->position, notice);
    }
}

void Click(RecordingPlatform& platform, WindowHandle control) {
    RecordedControl* made = platform.ControlOf(control);
    if (made == nullptr || !made->enabled) {
        return;
    }
    bool moved = Focus(platform, control);
    if (made->IsPushButton()) {
        // The press happens whether the button kept the focus or not.
        Notify(platform, control, ControlNotice::PushButtonPressed);
    } else if (moved) {
        Notify(platform, control, ControlNotice::Clicked);
    }
}

void Choose(RecordingPlatform& platform, WindowHandle list, int index) {
    if (Focus(platform, list) && platform.Select(list, index)) {
        Notify(platform, list, ControlNotice::SelectionChanged);
    }
}

void Spin(RecordingPlatform& platform, WindowHandle control, int step) {
    RecordedControl* made = platform.ControlOf(control);
    if (Focus(platform, control) && ListenerOf(made) != nullptr) {
        made->dialog->listener->OnSpin(made->position, step);
    }
}

}  // namespace windlass::backend
