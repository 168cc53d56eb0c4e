#include "backend_events.h"

namespace windlass::backend {
namespace {

bool MoveFocus(RecordingPlatform& platform, WindowHandle control, int depth);

DialogListener* ListenerOf(RecordedControl* control) {
    return control != nullptr && control->dialog != nullptr ? control->dialog->listener : nullptr;
}

// Delivers one report. When the toolkit moved the focus with FocusControl while it handled the
// report, the backend carries the move out as a focus change of its own, with its reports.
template <typename Report>
void Deliver(RecordingPlatform& platform, Report report, int depth = 0) {
    WindowHandle before = platform.focused;
    report();
    WindowHandle after = platform.focused;
    if (after != before && depth < 8) {
        platform.focused = before;
        MoveFocus(platform, after, depth + 1);
    }
}

bool MoveFocus(RecordingPlatform& platform, WindowHandle control, int depth) {
    RecordedControl* to = platform.ControlOf(control);
    if (to == nullptr) {
        return false;
    }
    WindowHandle from = platform.focused;
    if (from == control) {
        return true;
    }
    if (RecordedControl* leaving = platform.ControlOf(from); ListenerOf(leaving) != nullptr) {
        // A field is told where the focus goes only within its own dialog.
        WindowHandle told = to->dialog == leaving->dialog ? control : nullptr;
        if (leaving->IsNumeric()) {
            if (leaving->dialog->listener->OnNumericFocusLeaving(leaving->position, told) ==
                FocusVerdict::Refuse) {
                return false;
            }
        } else if (leaving->IsPushButton()) {
            leaving->dialog->listener->OnButtonFocusLost(leaving->position);
            if (platform.focused != from) {
                return false;
            }
        }
    }
    platform.focused = control;
    if (DialogListener* listener = ListenerOf(to)) {
        Deliver(
            platform,
            [&] {
                if (to->IsNumeric()) {
                    listener->OnNumericFocusGained(to->position);
                }
                listener->OnNotice(to->position, ControlNotice::FocusGained);
            },
            depth);
    }
    return true;
}

}  // namespace

bool Focus(RecordingPlatform& platform, WindowHandle control) {
    return MoveFocus(platform, control, 0);
}

std::optional<KeyVerdict> Key(RecordingPlatform& platform, NavigationKey key) {
    RecordedControl* from = platform.ControlOf(platform.focused);
    if (ListenerOf(from) == nullptr) {
        return std::nullopt;
    }
    KeyVerdict verdict = KeyVerdict::Taken;
    Deliver(platform,
            [&] { verdict = from->dialog->listener->OnNavigationKey(from->position, key); });
    return verdict;
}

void Type(RecordingPlatform& platform, std::string_view characters) {
    for (char typed : characters) {
        RecordedControl* control = platform.ControlOf(platform.focused);
        if (control == nullptr) {
            return;
        }
        int character = static_cast<unsigned char>(typed);
        if (control->IsNumeric() && ListenerOf(control) != nullptr) {
            CharacterVerdict verdict;
            Deliver(platform, [&] {
                verdict =
                    control->dialog->listener->OnNumericCharacter(control->position, character);
            });
            if (verdict.kind == CharacterVerdict::Kind::Drop) {
                continue;
            }
            character = verdict.character;
        }
        control->text.push_back(static_cast<char>(character));
        control->modified = true;
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
        Deliver(platform, [&] { listener->OnNotice(made->position, notice); });
    }
}

void Click(RecordingPlatform& platform, WindowHandle control) {
    RecordedControl* made = platform.ControlOf(control);
    if (made == nullptr || !made->enabled) {
        return;
    }
    bool moved = Focus(platform, control);
    if (made->IsPushButton()) {
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
        Deliver(platform, [&] { made->dialog->listener->OnSpin(made->position, step); });
    }
}

void Help(RecordingPlatform& platform) {
    if (DialogListener* listener = ListenerOf(platform.ControlOf(platform.focused))) {
        Deliver(platform, [&] { listener->OnHelpRequest(); });
    }
}

}  // namespace windlass::backend
