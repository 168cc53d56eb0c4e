#include "errors/message_box.h"

#include <iostream>
#include <string>

#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "errors/window_hooks.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

BoxButtons ButtonsOf(int btype) {
    switch (btype) {
        case 1:
            return BoxButtons::OkCancel;
        case 2:
            return BoxButtons::RetryCancel;
        case 3:
            return BoxButtons::YesNo;
        case 4:
            return BoxButtons::YesNoCancel;
        case 5:
            return BoxButtons::AbortRetryIgnore;
        default:
            return BoxButtons::Ok;
    }
}

BoxIcon IconOf(int icon) {
    switch (icon) {
        case 1:
            return BoxIcon::Stop;
        case 2:
            return BoxIcon::Question;
        case 3:
            return BoxIcon::Exclamation;
        case 4:
            return BoxIcon::Information;
        default:
            return BoxIcon::None;
    }
}

// The first button has the focus when asked for (1) and always in a one-button box; a
// two-button box gives any other request to the second, a three-button box takes 2 for the
// second and anything else for the third.
int DefaultPosition(BoxButtons buttons, int idefault) {
    int count = ButtonCount(buttons);
    if (count == 1 || idefault == 1) {
        return 0;
    }
    if (count == 3 && idefault == 2) {
        return 1;
    }
    return count - 1;
}

}  // namespace

MessageBoxRequest BoxLayout(int btype, int icon, int idefault) {
    MessageBoxRequest request;
    request.buttons = ButtonsOf(btype);
    request.icon = IconOf(icon);
    request.default_button = DefaultPosition(request.buttons, idefault);
    return request;
}

BoxAnswer AskWithBox(const MessageBoxRequest& request) {
    WindowingSystem& windowing = ThePlatform().Windowing();
    if (windowing.Presence() == UserPresence::Present) {
        return windowing.ShowMessageBox(request);
    }
    std::cerr << (request.title.empty() ? std::string() : request.title + ": ") << request.text
              << std::endl;
    return ButtonAt(request.buttons, request.default_button);
}

int ExitButtonOf(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Ok:
        case BoxAnswer::Retry:
        case BoxAnswer::Yes:
            return 1;
        case BoxAnswer::Cancel:
        case BoxAnswer::Ignore:
            return 0;
        case BoxAnswer::Abort:
        case BoxAnswer::No:
            return 2;
        case BoxAnswer::Failed:
            break;
    }
    return -1;
}

}  // namespace windlass

void WMessageBox(int btype, int icon, int idefault, std::string_view message,
                 std::string_view title) {
    windlass::MessageBoxRequest request = windlass::BoxLayout(btype, icon, idefault);
    request.text = std::string(windlass::TrimTrailingBlanks(message));
    request.title = std::string(windlass::TrimTrailingBlanks(title));
    const windlass::WindowHooks& hooks = windlass::Hooks();
    request.owner = hooks.message_box_owner ? hooks.message_box_owner() : nullptr;
    // The main window's drawing surface would be preserved here and restored after the box
    // once the toolkit draws graphics; the application draws none.
    if (hooks.disable_dialogs) {
        hooks.disable_dialogs();
    }
    windlass::BoxAnswer answer = windlass::AskWithBox(request);
    if (hooks.enable_dialogs) {
        hooks.enable_dialogs(request.owner);
    }
    int exit_button = windlass::ExitButtonOf(answer);
    windlass::DialogExit().exit_button = exit_button;
    windlass::DialogExit().exit_field = 0;
    if (exit_button == -1) {
        yyerror(ERR_COMMON_DIALOG);
    }
}

int WInfoDialog(int item) {
    const auto& state = windlass::DialogExit();
    switch (item) {
        case 2:
            return state.exit_field;
        case 4:
            return state.exit_button;
        default:
            return 0;
    }
}
