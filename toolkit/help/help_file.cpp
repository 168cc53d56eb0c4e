// WHelpFile1: opens a help document in the viewer that suits its kind. Help documents of our
// own format go to the platform's help viewer; compiled HTML help files to the program the
// desktop associates with them; web pages and addresses to the browser named in the settings
// file, or else to the desktop's choice.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "help/help_names.h"
#include "init/command_line.h"
#include "init/settings.h"
#include "platform/platform.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace {

using windlass::DesktopOpen;
using windlass::HelpCommand;
using windlass::HelpKind;
using windlass::HelpRequest;

bool IsDocumentFile(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

windlass::WindowHandle MainWindow() {
    return windlass::Windows().by_slot[windlass::kMainWindowSlot].frame;
}

// The browser the settings file names, split into its program and leading arguments as a
// command line is split; nothing when the command is blank or its program cannot be found
// (the toolkit's own default names a browser few systems still have).
std::optional<std::vector<std::string>> ConfiguredBrowser() {
    // SplitArguments skips a command line's program name, so a placeholder stands in front.
    std::vector<std::string> words =
        windlass::SplitArguments("browser " + windlass::Settings().browser);
    if (words.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> program = windlass::ThePlatform().Os().FindProgram(words.front());
    if (!program) {
        return std::nullopt;
    }
    words.front() = *program;
    return words;
}

void OpenInBrowser(const std::string& target) {
    windlass::Platform& platform = windlass::ThePlatform();
    if (auto browser = ConfiguredBrowser()) {
        std::vector<std::string> arguments(browser->begin() + 1, browser->end());
        arguments.push_back(target);
        if (!platform.Os().StartProgram(browser->front(), arguments)) {
            yyerror(ERR_HELP_VIEWER);
        }
        return;
    }
    switch (platform.Desktop().OpenWithDesktop(target)) {
        case DesktopOpen::Opened:
            return;
        case DesktopOpen::NoAssociation:
            yyerror(ERR_OPEN_FILE);
            return;
        case DesktopOpen::Failed:
            yyerror(ERR_HELP_VIEWER);
            return;
    }
}

}  // namespace

void WHelpFile1(std::string_view helpfile, int icontext, int ipopup) {
    std::string name(windlass::TrimTrailingBlanks(helpfile.substr(0, windlass::kHelpNameLimit)));
    std::optional<HelpKind> kind = windlass::HelpKindOf(name);
    if (!kind) {
        yyerror(ERR_HELP_EXTENSION);
        return;
    }
    windlass::Platform& platform = windlass::ThePlatform();
    if (*kind == HelpKind::WebAddress) {
        OpenInBrowser(std::string(windlass::WebAddressOf(name)));
        return;
    }

    HelpRequest request;
    if (icontext != -1) {
        request.command = ipopup == 1 ? HelpCommand::TopicPopup : HelpCommand::Topic;
        request.topic = icontext;
    } else if (name.empty()) {
        if (!platform.Desktop().ShowHelp(MainWindow(), {}, HelpRequest{HelpCommand::Quit, 0, {}})) {
            yyerror(ERR_HELP_VIEWER);
        }
        return;
    }

    std::string path = name;
    if (windlass::IsBareName(name)) {
        path = std::string(windlass::FolderOf(platform.Os().ExecutablePath())) + name;
    }
    if (*kind == HelpKind::ViewerDocument && request.command == HelpCommand::Contents) {
        std::string contents = windlass::ContentsFileOf(path);
        if (IsDocumentFile(contents)) {
            request.command = HelpCommand::Finder;
            request.contents_file = contents;
        }
    }
    if (!IsDocumentFile(path)) {
        yyerror(ERR_OPEN_FILE);
        return;
    }

    switch (*kind) {
        case HelpKind::ViewerDocument:
            if (!platform.Desktop().ShowHelp(MainWindow(), path, request)) {
                yyerror(ERR_HELP_VIEWER);
            }
            return;
        case HelpKind::CompiledHtml:
            // Desktop viewers of compiled HTML take no topic number, so a topic request opens
            // the file at its start.
            if (platform.Desktop().OpenWithDesktop(path) != DesktopOpen::Opened) {
                yyerror(ERR_HELP_VIEWER);
            }
            return;
        case HelpKind::WebPage:
            OpenInBrowser(path);
            return;
        case HelpKind::WebAddress:
            return;
    }
}
