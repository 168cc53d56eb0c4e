// The dialogs of the fake platform: made from templates in memory. The simulated user who
// works them is in fake_user.cpp.
#include <algorithm>
#include <cctype>

#include "platform/fake/fake_platform.h"

namespace windlass {
namespace {

// Style bits of the templates that the fake platform acts on.
constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kDisabled = 0x08000000;
constexpr std::uint32_t kDefaultPushButton = 0x1;
constexpr std::uint32_t kButtonKindMask = 0x0F;
constexpr std::uint32_t kGroupBox = 0x7;

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

}  // namespace

bool FakeControl::IsNumeric() const {
    static const char* const kNumeric[] = {"INTEGEREDIT", "INTEGERSPIN", "REALEDIT",
                                           "REALSPIN",    "DOUBLEEDIT",  "DOUBLESPIN"};
    return std::any_of(std::begin(kNumeric), std::end(kNumeric),
                       [this](const char* name) { return class_name == name; });
}

bool FakeControl::TakesFocus() const {
    if (class_name == "STATIC") {
        return false;
    }
    return !(IsButton() && (style & kButtonKindMask) == kGroupBox);
}

FakeControl* FakeDialog::Find(int control_id) {
    for (auto& control : controls) {
        if (control->id == control_id) {
            return control.get();
        }
    }
    return nullptr;
}

FakeDialog* FakePlatform::DialogOf(WindowHandle dialog) {
    for (auto& made : dialogs) {
        if (made->handle() == dialog && dialog != nullptr) {
            return made.get();
        }
    }
    return nullptr;
}

FakeControl* FakePlatform::ControlOf(WindowHandle control) {
    for (auto& made : dialogs) {
        for (auto& candidate : made->controls) {
            if (candidate->handle() == control && control != nullptr) {
                return candidate.get();
            }
        }
    }
    return nullptr;
}

WindowHandle FakePlatform::ControlById(WindowHandle dialog, int id) {
    FakeDialog* made = DialogOf(dialog);
    FakeControl* control = made != nullptr ? made->Find(id) : nullptr;
    return control != nullptr ? control->handle() : nullptr;
}

FakeDialog* FakePlatform::LastDialog() {
    for (auto made = dialogs.rbegin(); made != dialogs.rend(); ++made) {
        if (!(*made)->destroyed) {
            return made->get();
        }
    }
    return nullptr;
}

WindowHandle FakePlatform::CreateDialog(const DialogTemplate& dialog, WindowHandle parent,
                                        DialogListener& listener) {
    if (refuse_dialogs) {
        return nullptr;
    }
    auto made = std::make_unique<FakeDialog>();
    made->source = &dialog;
    made->parent = parent;
    made->listener = &listener;
    for (int position = 0; position < dialog.control_count; ++position) {
        const DialogControl& source = dialog.controls[position];
        auto control = std::make_unique<FakeControl>();
        control->dialog = made.get();
        control->position = position;
        control->class_name = UpperCase(source.class_name != nullptr ? source.class_name : "");
        control->id = source.id;
        control->style = source.style;
        control->enabled = (source.style & kDisabled) == 0;
        if (!control->IsList()) {
            control->text = source.text != nullptr ? source.text : "";
        }
        made->controls.push_back(std::move(control));
    }
    dialogs.push_back(std::move(made));
    return dialogs.back()->handle();
}

PixelSize FakePlatform::DialogSize(WindowHandle dialog) {
    FakeDialog* made = DialogOf(dialog);
    if (made == nullptr) {
        return {};
    }
    // Dialog units of an 8-point font whose characters are 6 by 13 pixels.
    return {made->source->width * 6 / 4, made->source->height * 13 / 8};
}

int FakePlatform::ControlCount(WindowHandle dialog) {
    FakeDialog* made = DialogOf(dialog);
    return made != nullptr ? static_cast<int>(made->controls.size()) : 0;
}

WindowHandle FakePlatform::Control(WindowHandle dialog, int position) {
    FakeDialog* made = DialogOf(dialog);
    if (made == nullptr || position < 0 || position >= static_cast<int>(made->controls.size())) {
        return nullptr;
    }
    return made->controls[static_cast<std::size_t>(position)]->handle();
}

void FakePlatform::MoveDialog(WindowHandle dialog, int x, int y) {
    if (FakeDialog* made = DialogOf(dialog)) {
        made->position = std::make_pair(x, y);
    }
}

void FakePlatform::ShowDialog(WindowHandle dialog, DialogShowMode mode) {
    FakeDialog* made = DialogOf(dialog);
    if (made == nullptr) {
        return;
    }
    made->visible = true;
    made->mode = mode;
    ++made->shows;
    if (mode != DialogShowMode::Modal) {
        return;
    }
    made->modal_ended = false;
    if (while_modal) {
        while_modal(dialog);
    }
    if (!made->modal_ended) {
        ++unended_modal_shows;
    }
}

void FakePlatform::EndModalDialog(WindowHandle dialog) {
    if (FakeDialog* made = DialogOf(dialog)) {
        made->modal_ended = true;
        made->visible = false;
    }
}

void FakePlatform::HideDialog(WindowHandle dialog) {
    if (FakeDialog* made = DialogOf(dialog)) {
        made->visible = false;
    }
}

void FakePlatform::DestroyDialog(WindowHandle dialog) {
    FakeDialog* made = DialogOf(dialog);
    if (made == nullptr) {
        return;
    }
    FakeControl* focus = ControlOf(focused);
    if (focus != nullptr && focus->dialog == made) {
        focused = nullptr;
    }
    made->visible = false;
    made->destroyed = true;
    made->listener = nullptr;
}

void FakePlatform::SetDialogTitle(WindowHandle dialog, const std::string& title) {
    if (FakeDialog* made = DialogOf(dialog)) {
        made->title = title;
    }
}

void FakePlatform::EnableWindow(WindowHandle window, Enable enable) {
    bool on = enable == Enable::Yes;
    if (FakeDialog* made = DialogOf(window)) {
        made->enabled = on;
    } else if (FakeControl* control = ControlOf(window)) {
        control->enabled = on;
    } else if (window != nullptr) {
        std::erase(disabled_windows, window);
        if (!on) {
            disabled_windows.push_back(window);
        }
    }
}

std::string FakePlatform::ControlText(WindowHandle control) {
    FakeControl* made = ControlOf(control);
    return made != nullptr ? made->text : std::string();
}

bool FakePlatform::SetControlText(WindowHandle control, const std::string& text) {
    FakeControl* made = ControlOf(control);
    if (made == nullptr || refuse_text) {
        return false;
    }
    made->text = text;
    made->modified = false;
    made->all_selected = false;
    return true;
}

bool FakePlatform::IsModified(WindowHandle control) {
    FakeControl* made = ControlOf(control);
    return made != nullptr && made->modified;
}

void FakePlatform::SetModified(WindowHandle control, bool modified) {
    if (FakeControl* made = ControlOf(control)) {
        made->modified = modified;
    }
}

void FakePlatform::SetTextLimit(WindowHandle control, int limit) {
    if (FakeControl* made = ControlOf(control)) {
        made->text_limit = limit;
    }
}

int FakePlatform::CheckState(WindowHandle control) {
    FakeControl* made = ControlOf(control);
    return made != nullptr && made->IsButton() ? made->check : 0;
}

bool FakePlatform::SetCheckState(WindowHandle control, int state) {
    FakeControl* made = ControlOf(control);
    if (made == nullptr || !made->IsButton()) {
        return false;
    }
    made->check = state;
    return true;
}

void FakePlatform::ClearEntries(WindowHandle control) {
    FakeControl* made = ControlOf(control);
    if (made != nullptr && made->IsList()) {
        made->entries.clear();
        made->selection = -1;
        made->text.clear();
    }
}

void FakePlatform::AddEntry(WindowHandle control, const std::string& text) {
    FakeControl* made = ControlOf(control);
    if (made != nullptr && made->IsList()) {
        made->entries.push_back(text);
    }
}

int FakePlatform::EntryCount(WindowHandle control) {
    FakeControl* made = ControlOf(control);
    return made != nullptr ? static_cast<int>(made->entries.size()) : 0;
}

std::string FakePlatform::EntryText(WindowHandle control, int index) {
    FakeControl* made = ControlOf(control);
    if (made == nullptr || index < 0 || index >= static_cast<int>(made->entries.size())) {
        return {};
    }
    return made->entries[static_cast<std::size_t>(index)];
}

int FakePlatform::Selection(WindowHandle control) {
    FakeControl* made = ControlOf(control);
    return made != nullptr ? made->selection : -1;
}

bool FakePlatform::Select(WindowHandle control, int index) {
    FakeControl* made = ControlOf(control);
    if (made == nullptr || !made->IsList() || index < -1 ||
        index >= static_cast<int>(made->entries.size())) {
        return false;
    }
    made->selection = index;
    if (made->class_name == "COMBOBOX") {
        made->text = index >= 0 ? made->entries[static_cast<std::size_t>(index)] : "";
    }
    return true;
}

int FakePlatform::FindExactEntry(WindowHandle control, const std::string& text) {
    FakeControl* made = ControlOf(control);
    if (made == nullptr) {
        return -1;
    }
    for (std::size_t index = 0; index < made->entries.size(); ++index) {
        if (UpperCase(made->entries[index]) == UpperCase(text)) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

void FakePlatform::SetSpinRange(WindowHandle control, int minimum, int maximum) {
    if (FakeControl* made = ControlOf(control)) {
        made->spin_range = std::make_pair(minimum, maximum);
    }
}

void FakePlatform::FocusControl(WindowHandle control, SelectText select) {
    if (watching_tab_ && tab_target_ == nullptr) {
        tab_target_ = control;
    }
    FakeControl* made = ControlOf(control);
    if (made == nullptr) {
        return;
    }
    if (focused == control) {
        made->all_selected = select == SelectText::All;
        return;
    }
    MoveFocus(control, select);
}

bool FakePlatform::CanFocus(WindowHandle control) {
    // A control is shown or hidden as its template says; nothing hides one later.
    FakeControl* made = ControlOf(control);
    return made != nullptr && made->enabled && (made->style & kVisible) != 0;
}

void FakePlatform::SetDefaultLook(WindowHandle button, DefaultLook look) {
    if (FakeControl* made = ControlOf(button)) {
        made->look = look;
    }
}

DefaultLook FakePlatform::LookOf(WindowHandle button) {
    // A push button looks as its template made it until the toolkit says otherwise.
    FakeControl* made = ControlOf(button);
    if (made == nullptr || !made->IsPushButton()) {
        return DefaultLook::Plain;
    }
    if (made->look) {
        return *made->look;
    }
    return (made->style & kButtonKindMask) == kDefaultPushButton ? DefaultLook::Default
                                                                 : DefaultLook::Plain;
}

void FakePlatform::MakeButtonAutomatic(WindowHandle button) {
    FakeControl* made = ControlOf(button);
    if (made == nullptr || !made->IsButton()) {
        return;
    }
    std::uint32_t kind = made->style & kButtonKindMask;
    if (kind == 0x2 || kind == 0x5 || kind == 0x6) {
        made->style = (made->style & ~kButtonKindMask) | 0x3;
    } else if (kind == 0x4) {
        made->style = (made->style & ~kButtonKindMask) | 0x9;
    }
}

}  // namespace windlass
