#include "recording_platform.h"

#include <algorithm>
#include <cctype>

namespace windlass {
namespace {

constexpr std::uint32_t kVisible = 0x10000000;
constexpr std::uint32_t kDisabled = 0x08000000;

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return upper;
}

// Runs `edit` on a record this double made; a handle it did not make changes nothing.
template <typename Made, typename Edit>
void IfMade(Made* made, Edit edit) {
    if (made != nullptr) {
        edit(*made);
    }
}

// What `read` says of a record this double made, or `otherwise` of any other handle.
template <typename Made, typename Answer, typename Read>
Answer Ask(Made* made, Answer otherwise, Read read) {
    return made != nullptr ? Answer(read(*made)) : otherwise;
}

}  // namespace

RecordedControl* RecordedDialog::Find(int control_id) {
    for (auto& control : controls) {
        if (control->id == control_id) {
            return control.get();
        }
    }
    return nullptr;
}

std::string RecordingPlatform::Name(WindowHandle window) {
    if (RecordedControl* control = ControlOf(window)) {
        return "#" + std::to_string(control->position);
    }
    return DialogOf(window) != nullptr ? "dialog" : "window";
}

std::optional<std::string> RecordingPlatform::EnvironmentVariable(std::string_view name) {
    auto found = environment.find(name);
    return found != environment.end() ? std::optional(found->second) : std::nullopt;
}

CurrentDirectory RecordingPlatform::WorkingDirectory() {
    return working_directory ? *working_directory : PosixOsServices::WorkingDirectory();
}

void RecordingPlatform::ExitProcess(int exit_code) {
    exits.push_back(exit_code);
    throw ProcessExit{exit_code};
}

bool RecordingPlatform::StartProgram(const std::string& program,
                                     const std::vector<std::string>& arguments) {
    programs_started.push_back({program, arguments});
    return start_answer;
}

BoxAnswer RecordingPlatform::ShowMessageBox(const MessageBoxRequest& request) {
    boxes_shown.push_back(request);
    if (while_box_shown) {
        while_box_shown(request);
    }
    if (box_answers.empty()) {
        return ButtonAt(request.buttons, request.default_button);
    }
    const BoxAnswer answer = box_answers.front();
    box_answers.pop_front();
    return answer;
}

RecordingPlatform::Frame* RecordingPlatform::FrameOf(WindowHandle frame) {
    auto number = reinterpret_cast<std::uintptr_t>(frame);
    return number >= 1 && number <= frames.size() ? &frames[number - 1] : nullptr;
}

WindowHandle RecordingPlatform::CreateFrame(const FrameRequest& request, FrameListener& listener) {
    if (refuse_frames) {
        return nullptr;
    }
    frames.push_back({request, &listener, {}, {}, {}, false});
    if (while_creating) {
        while_creating(listener);
    }
    return reinterpret_cast<WindowHandle>(static_cast<std::uintptr_t>(frames.size()));
}

FrameMeasures RecordingPlatform::MeasureFrame(WindowHandle frame) {
    return Ask(FrameOf(frame), FrameMeasures{}, [&](Frame& made) {
        return FrameMeasures{made.request.client_width + 2 * border,
                             made.request.client_height + 2 * border,
                             made.request.style.status_bar ? status_bar_height : 0};
    });
}

PixelSize RecordingPlatform::ClientAreaSize(WindowHandle frame) {
    return Ask(FrameOf(frame), PixelSize{}, [&](Frame& made) {
        return PixelSize{made.request.client_width, made.request.client_height};
    });
}

void RecordingPlatform::ShowStatusBar(WindowHandle frame,
                                      const std::vector<StatusPartView>& parts) {
    IfMade(FrameOf(frame), [&](Frame& made) { made.status_updates.push_back(parts); });
}

void RecordingPlatform::SettleEvents() {
    calls.push_back("SettleEvents()");
    while (!events.empty()) {
        PlayNextBatch();
    }
}

void RecordingPlatform::WaitForEvents() {
    ++waits;
    if (!events.empty()) {
        return PlayNextBatch();
    }
    ++idle_waits;
    if (!frames.empty()) {
        frames.front().listener->OnCloseRequest(0);
    }
}

void RecordingPlatform::PlayNextBatch() {
    std::function<void()> batch = std::move(events.front());
    events.pop_front();
    batch();
}

bool RecordingPlatform::ShowHelp(WindowHandle owner, const std::string& document,
                                 const HelpRequest& request) {
    help_shown.push_back({owner, document, request});
    return help_answer;
}

AssociatedProgram RecordingPlatform::FindAssociatedProgram(const std::string& path_or_address) {
    desktop_asked.push_back(path_or_address);
    if (desktop_answer != DesktopLookup::Found) {
        return {desktop_answer, {}, {}};
    }
    return {desktop_answer, "desktop-choice", {path_or_address}};
}

RecordedDialog* RecordingPlatform::DialogOf(WindowHandle dialog) {
    for (auto& made : dialogs) {
        if (dialog != nullptr && made->handle() == dialog) {
            return made.get();
        }
    }
    return nullptr;
}

RecordedControl* RecordingPlatform::ControlOf(WindowHandle control) {
    for (auto& made : dialogs) {
        for (auto& candidate : made->controls) {
            if (control != nullptr && candidate->handle() == control) {
                return candidate.get();
            }
        }
    }
    return nullptr;
}

WindowHandle RecordingPlatform::ControlById(WindowHandle dialog, int id) {
    RecordedControl* control = Ask(DialogOf(dialog), static_cast<RecordedControl*>(nullptr),
                                   [&](RecordedDialog& made) { return made.Find(id); });
    return control != nullptr ? control->handle() : nullptr;
}

WindowHandle RecordingPlatform::CreateDialog(const DialogTemplate& dialog,
                                             std::span<const ControlPlan> plan, WindowHandle parent,
                                             DialogListener& listener) {
    calls.push_back("CreateDialog(" + std::to_string(dialog.control_count) + ")");
    if (refuse_dialogs || plan.size() != static_cast<std::size_t>(dialog.control_count)) {
        return nullptr;
    }
    auto made = std::make_unique<RecordedDialog>();
    made->source = &dialog;
    made->parent = parent;
    made->listener = &listener;
    for (int position = 0; position < dialog.control_count; ++position) {
        const DialogControl& source = dialog.controls[position];
        auto control = std::make_unique<RecordedControl>();
        control->dialog = made.get();
        control->position = position;
        control->class_name = UpperCase(source.class_name != nullptr ? source.class_name : "");
        control->id = source.id;
        control->style = source.style;
        const ControlPlan& planned = plan[static_cast<std::size_t>(position)];
        control->kind = planned.kind;
        control->takes_focus = planned.focus;
        control->look = planned.look;
        control->enabled = (source.style & kDisabled) == 0;
        if (!control->IsList()) {
            control->text = source.text != nullptr ? source.text : "";
        }
        made->controls.push_back(std::move(control));
    }
    dialogs.push_back(std::move(made));
    return dialogs.back()->handle();
}

void RecordingPlatform::EmbedDialog(WindowHandle dialog, WindowHandle parent) {
    calls.push_back("EmbedDialog()");
    IfMade(DialogOf(dialog), [&](RecordedDialog& made) { made.parent = parent; });
}

PixelSize RecordingPlatform::DialogSize(WindowHandle dialog) {
    // Dialog units of an 8-point font whose characters are 6 by 13 pixels.
    return Ask(DialogOf(dialog), PixelSize{}, [](RecordedDialog& made) {
        return PixelSize{made.source->width * 6 / 4, made.source->height * 13 / 8};
    });
}

int RecordingPlatform::ControlCount(WindowHandle dialog) {
    return Ask(DialogOf(dialog), 0,
               [&](RecordedDialog& made) { return static_cast<int>(made.controls.size()); });
}

WindowHandle RecordingPlatform::Control(WindowHandle dialog, int position) {
    RecordedDialog* made = DialogOf(dialog);
    if (made == nullptr || position < 0 || position >= static_cast<int>(made->controls.size())) {
        return nullptr;
    }
    return made->controls[static_cast<std::size_t>(position)]->handle();
}

void RecordingPlatform::ShowDialog(WindowHandle dialog, DialogShowMode mode) {
    RecordedDialog* made = DialogOf(dialog);
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

void RecordingPlatform::EndModalDialog(WindowHandle dialog) {
    IfMade(DialogOf(dialog), [&](RecordedDialog& made) {
        made.modal_ended = true;
        made.visible = false;
    });
}

void RecordingPlatform::DestroyDialog(WindowHandle dialog) {
    calls.push_back("DestroyDialog()");
    RecordedDialog* made = DialogOf(dialog);
    if (made == nullptr) {
        return;
    }
    RecordedControl* focus = ControlOf(focused);
    if (focus != nullptr && focus->dialog == made) {
        focused = nullptr;
    }
    made->visible = false;
    made->destroyed = true;
    made->listener = nullptr;
}

void RecordingPlatform::EnableWindow(WindowHandle window, Enable enable) {
    bool on = enable == Enable::Yes;
    if (RecordedDialog* made = DialogOf(window)) {
        made->enabled = on;
    } else if (RecordedControl* control = ControlOf(window)) {
        control->enabled = on;
    } else if (window != nullptr) {
        std::erase(disabled_windows, window);
        if (!on) {
            disabled_windows.push_back(window);
        }
    }
}

bool RecordingPlatform::SetControlText(WindowHandle control, const std::string& text) {
    return Ask(ControlOf(control), false, [&](RecordedControl& made) {
        made.text = text;
        made.modified = false;
        return true;
    });
}

int RecordingPlatform::CheckState(WindowHandle control) {
    RecordedControl* made = ControlOf(control);
    return made != nullptr && made->IsButton() ? made->check : 0;
}

bool RecordingPlatform::SetCheckState(WindowHandle control, int state) {
    RecordedControl* made = ControlOf(control);
    if (made == nullptr || !made->IsButton()) {
        return false;
    }
    made->check = state;
    return true;
}

void RecordingPlatform::ClearEntries(WindowHandle control) {
    RecordedControl* made = ControlOf(control);
    if (made != nullptr && made->IsList()) {
        made->entries.clear();
        made->selection = -1;
        made->text.clear();
    }
}

void RecordingPlatform::AddEntry(WindowHandle control, const std::string& text) {
    RecordedControl* made = ControlOf(control);
    if (made != nullptr && made->IsList()) {
        made->entries.push_back(text);
    }
}

int RecordingPlatform::EntryCount(WindowHandle control) {
    return Ask(ControlOf(control), 0,
               [&](RecordedControl& made) { return static_cast<int>(made.entries.size()); });
}

std::string RecordingPlatform::EntryText(WindowHandle control, int index) {
    RecordedControl* made = ControlOf(control);
    if (made == nullptr || index < 0 || index >= static_cast<int>(made->entries.size())) {
        return {};
    }
    return made->entries[static_cast<std::size_t>(index)];
}

bool RecordingPlatform::Select(WindowHandle control, int index) {
    RecordedControl* made = ControlOf(control);
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

int RecordingPlatform::FindExactEntry(WindowHandle control, const std::string& text) {
    return Ask(ControlOf(control), -1, [&](RecordedControl& made) {
        for (std::size_t index = 0; index < made.entries.size(); ++index) {
            if (UpperCase(made.entries[index]) == UpperCase(text)) {
                return static_cast<int>(index);
            }
        }
        return -1;
    });
}

void RecordingPlatform::SetBarRange(WindowHandle control, int minimum, int maximum) {
    IfMade(ControlOf(control), [&](RecordedControl& made) {
        made.bar_range = std::make_pair(minimum, maximum);
        made.bar_position = std::clamp(made.bar_position, minimum, maximum);
    });
}

void RecordingPlatform::SetBarPosition(WindowHandle control, int position) {
    IfMade(ControlOf(control), [&](RecordedControl& made) {
        made.bar_position =
            made.bar_range ? std::clamp(position, made.bar_range->first, made.bar_range->second)
                           : position;
    });
}

void RecordingPlatform::AddTabPage(WindowHandle tab_control, WindowHandle page,
                                   const std::string& caption) {
    IfMade(ControlOf(tab_control),
           [&](RecordedControl& made) { made.tab_pages.emplace_back(page, caption); });
}

void RecordingPlatform::SetTabCaption(WindowHandle tab_control, WindowHandle page,
                                      const std::string& caption) {
    IfMade(ControlOf(tab_control), [&](RecordedControl& made) {
        for (auto& [shown, tab_caption] : made.tab_pages) {
            tab_caption = shown == page ? caption : tab_caption;
        }
    });
}

WindowHandle RecordingPlatform::SelectedTabPage(WindowHandle tab_control) {
    RecordedControl* made = ControlOf(tab_control);
    if (made == nullptr || made->tab_selected < 0 ||
        made->tab_selected >= static_cast<int>(made->tab_pages.size())) {
        return nullptr;
    }
    return made->tab_pages[static_cast<std::size_t>(made->tab_selected)].first;
}

void RecordingPlatform::SetControlColours(WindowHandle control, int text, int background) {
    IfMade(ControlOf(control), [&](RecordedControl& made) {
        made.text_colour = text;
        made.background_colour = background;
    });
}

bool RecordingPlatform::SetControlImage(WindowHandle control, ImageKind kind,
                                        std::span<const std::uint8_t> bytes) {
    return !refuse_images && Ask(ControlOf(control), false, [&](RecordedControl& made) {
        made.image = std::make_pair(kind, bytes.size());
        return true;
    });
}

void RecordingPlatform::FocusControl(WindowHandle control, SelectText select) {
    calls.push_back("FocusControl(" + Name(control) + ")");
    RecordedControl* made = ControlOf(control);
    if (made == nullptr) {
        // A dialog handed the focus keeps it as the record of where it went; a backend passes
        // it on to one of the dialog's controls.
        if (DialogOf(control) != nullptr) {
            focused = control;
        }
        return;
    }
    made->focused_with = select;
    if (while_focusing) {
        while_focusing(control);
    } else {
        focused = control;
    }
}

bool RecordingPlatform::CanFocus(WindowHandle control) {
    RecordedControl* made = ControlOf(control);
    return made != nullptr && made->enabled && (made->style & kVisible) != 0;
}

ScopedRecordingPlatform::ScopedRecordingPlatform() {
    auto platform = std::make_unique<RecordingPlatform>();
    platform_ = platform.get();
    previous_ = InstallPlatform(std::move(platform));
}

ScopedRecordingPlatform::~ScopedRecordingPlatform() {
    InstallPlatform(std::move(previous_));
}

}  // namespace windlass
