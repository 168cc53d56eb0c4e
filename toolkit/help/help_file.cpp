// WHelpFile1: opens a help document in the viewer that suits its kind. Help documents of our
// own format go to the platform's help viewer; compiled HTML help files to the compiled-HTML
// viewer; web pages and addresses to the program the desktop associates with them.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "help/help_names.h"
#include "platform/platform.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace {

using windlass::DesktopLookup;
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

// Starts the program the desktop associates with a web page, a web address or a compiled help
// file. A kind no program is chosen for raises `no_association`; a choice that cannot be read
// or a program that does not start raises the viewer error.
void OpenWithAssociatedProgram(const std::string& target, int no_association) {
    windlass::Platform& platform = windlass::ThePlatform();
    windlass::AssociatedProgram found = platform.Desktop().FindAssociatedProgram(target);
    switch (found.lookup) {
        case DesktopLookup::Found:
            if (!platform.Os().StartProgram(found.program, found.arguments)) {
                yyerror(ERR_HELP_VIEWER);
            }
            return;
        case DesktopLookup::NoAssociation:
            yyerror(no_association);
            return;
        case DesktopLookup::Failed:
            yyerror(ERR_HELP_VIEWER);
            return;
    }
}

// A compiled help file goes to the compiled-HTML viewer "hh" where one is installed, which
// takes a topic by its map id; elsewhere to the desktop's viewer for the file, which opens it
// at its start, since desktop viewers take no topic number.
void OpenCompiledHelp(const std::string& path, int icontext) {
    windlass::Platform& platform = windlass::ThePlatform();
    if (std::optional<std::string> hh = platform.Os().FindProgram("hh")) {
        std::vector<std::string> arguments;
        if (icontext != -1) {
            arguments = {"-mapid", std::to_string(icontext)};
        }
        arguments.push_back(path);
        if (!platform.Os().StartProgram(*hh, arguments)) {
            yyerror(ERR_HELP_VIEWER);
        }
        return;
    }
    OpenWithAssociatedProgram(path, ERR_HELP_VIEWER);
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
        OpenWithAssociatedProgram(std::string(windlass::WebAddressOf(name)), ERR_OPEN_FILE);
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
            OpenCompiledHelp(path, icontext);
            return;
        case HelpKind::WebPage:
            OpenWithAssociatedProgram(path, ERR_OPEN_FILE);
            return;
        case HelpKind::WebAddress:
            return;
    }
}
