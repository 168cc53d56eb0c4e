// WindowOpen2 and WindowClose: the life of the main window.
#include <array>
#include <memory>
#include <optional>
#include <string_view>

#include "errors/error_state.h"
#include "errors/message_box.h"
#include "errors/window_hooks.h"
#include "init/settings.h"
#include "message/frame_procedures.h"
#include "message/message_queue.h"
#include "message/window_messages.h"
#include "platform/platform.h"
#include "resources/resource_lookup.h"
#include "windlass/windlass.h"
#include "window/form_embedding.h"
#include "window/frame_plan.h"
#include "window/menu_resources.h"
#include "window/status_bar_output.h"
#include "window/window_table.h"

namespace windlass {
namespace {

// The procedures of each window slot, alive as long as the slot's frame.
std::array<std::unique_ptr<FrameProcedures>, kWindowSlots>& Procedures() {
    static std::array<std::unique_ptr<FrameProcedures>, kWindowSlots> procedures;
    return procedures;
}

// Ends the program: a frame the platform cannot make leaves nothing to show the program in.
void AbortWithoutWindow() {
    MessageBoxRequest box;
    box.icon = BoxIcon::Stop;
    box.text = "Failed to create window - aborting.";
    box.title = "Windlass Window";
    box.modality = BoxModality::Program;
    AskWithBox(box);
    ThePlatform().Os().ExitProcess(0);
}

// Tests the form named for the client area. A form that fits fixes the client size and the
// flags; any other outcome leaves the window as if no form had been named and gives the error
// to raise once the window is open.
struct FormPlan {
    int dialog_id = 0;
    int error = 0;
};

FormPlan PlanForm(FramePlan& plan) {
    FormPlan form;
    const FormEmbedding& embedding = Embedding();
    if (plan.dialog_id == 0 || !embedding.test || !embedding.embed) {
        return form;
    }
    FormTest test = embedding.test(plan.dialog_id);
    switch (test.result) {
        case FormTest::Result::Fits:
            form.dialog_id = plan.dialog_id;
            plan.client_width = test.size.width;
            plan.client_height = test.size.height;
            plan.flags = FlagsCombinedWithForm(plan.flags);
            break;
        case FormTest::Result::CannotLoad:
            form.error = ERR_DIALOG_LOAD;
            break;
        case FormTest::Result::WrongStyle:
            form.error = ERR_DIALOG_STYLE;
            break;
    }
    return form;
}

// A menu that is not among the resources leaves the window without a menu bar, and is no
// error: the window is made as if no menu had been named.
FrameRequest MakeFrameRequest(const FramePlan& plan) {
    FrameRequest request;
    request.title = plan.title;
    request.style = StyleFromFlags(plan.flags);
    request.client_width = plan.client_width;
    request.client_height = plan.client_height;
    if (auto icon = FindData(kTypeIcon, "icon1")) {
        request.icon = *icon;
    }
    if (plan.menu_id != 0) {
        if (std::optional<WindowMenu> menu = LoadWindowMenu(plan.menu_id)) {
            request.menu = std::move(menu->bar);
            request.accelerators = std::move(menu->accelerators);
            request.menu_prompts = std::move(menu->prompts);
        }
    }
    return request;
}

FrameShow ShowFor(const FrameStyle& style) {
    if (style.hidden) {
        return FrameShow::Hidden;
    }
    return style.maximised ? FrameShow::Maximised : FrameShow::Normal;
}

}  // namespace

}  // namespace windlass

void WindowOpen2(int flags, int x, int y, int width, int height, int menuid,
                 std::array<int, 4> toolbars, int idialog, std::string_view title, int ncol) {
    using namespace windlass;
    ToolkitSettings& settings = Settings();
    WindowTable& windows = Windows();
    if (settings.main_window_open != 0 || windows.by_slot[kMainWindowSlot].frame != nullptr) {
        return;
    }
    WindowingSystem& platform = ThePlatform().Windowing();
    // Asking for the display opens it, or ends the program with one line that says why not.
    DisplayMetrics display = platform.Display();
    OpenArguments arguments{flags, x, y, width, height, menuid, toolbars, idialog, title, ncol};
    FramePlan plan = ResolveOpenArguments(arguments, display.width_px, display.height_px);
    FormPlan form = PlanForm(plan);
    FrameRequest request = MakeFrameRequest(plan);

    WindowSlot& slot = windows.by_slot[kMainWindowSlot];
    auto& procedures = Procedures()[kMainWindowSlot];
    procedures = std::make_unique<FrameProcedures>(kMainWindowSlot);
    WindowHandle frame = platform.CreateFrame(request, *procedures);
    if (frame == nullptr) {
        AbortWithoutWindow();
        return;
    }
    slot = WindowSlot{};
    slot.frame = frame;
    slot.has_client = true;
    if (request.style.status_bar) {
        slot.status_bar.emplace();
    }
    // Toolbars belong to the toolkit's further facilities, which this program has not got:
    // their ids are taken and no toolbar is mounted.
    FramePlacement placement =
        PlaceFrame(plan, platform.MeasureFrame(frame), display.width_px, display.height_px);
    platform.PlaceFrame(frame, placement.x, placement.y);
    if (form.dialog_id != 0) {
        Embedding().embed(form.dialog_id, frame, platform.ClientArea(frame));
    }
    platform.ShowFrame(frame, ShowFor(request.style));
    PixelSize client = platform.ClientAreaSize(frame);
    slot.client = {client.width, client.height};
    windows.current = kMainWindowSlot;
    windows.flags = plan.flags;
    settings.main_window_open = 1;
    settings.combined_dialog = form.dialog_id;
    Hooks().write_status_bar_report = WriteStatusBarReport;
    procedures->Start();
    // A maximised window is told its size once it is shown, as the platform would when it
    // maximises a window that already exists; the program hears of it first.
    if (ShowFor(request.style) == FrameShow::Maximised) {
        procedures->OnResize(client.width, client.height, ResizeKind::Normal, CurrentMessageTime());
    }
    if (form.error != 0) {
        yyerror(form.error);
    }
}

void WindowClose() {
    using namespace windlass;
    if (Embedding().unload_all) {
        Embedding().unload_all();
    }
    WindowTable& windows = Windows();
    // Child windows first, the main window last.
    for (int index = kWindowSlots - 1; index >= 0; --index) {
        WindowSlot& slot = windows.by_slot[static_cast<std::size_t>(index)];
        if (slot.frame != nullptr) {
            ThePlatform().Windowing().DestroyFrame(slot.frame);
        }
        slot = WindowSlot{};
        Procedures()[static_cast<std::size_t>(index)].reset();
    }
    windows.current = kMainWindowSlot;
    Messages().enable_table().ResetAfterWindowClose();
    windows.flags = -1;
    Settings().main_window_open = 0;
    Settings().combined_dialog = 0;
}
