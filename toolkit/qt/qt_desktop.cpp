// The desktop of the Qt platform: the program that opens a document or an address is the one
// the user's desktop has chosen for its MIME type (or for the address's scheme), as recorded in
// the lists of default applications and the desktop entries of installed programs.
#include <QFile>
#include <QMimeDatabase>
#include <QStandardPaths>
#include <QUrl>

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "qt/desktop_entries.h"
#include "qt/help_viewer/qt_help_viewer.h"
#include "qt/qt_application.h"
#include "qt/qt_help_desktop.h"
#include "qt/qt_platform.h"
#include "qt/terminal_emulators.h"

namespace windlass::qt {
namespace {

// "http://..." and the like are addresses; anything else is the path of a file.
std::optional<QString> SchemeOf(const std::string& path_or_address) {
    QString text = ToQString(path_or_address);
    QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1 && text.contains(QLatin1String("://"))) {
        return url.scheme().toLower();
    }
    return std::nullopt;
}

// The MIME types to look for, most particular first: a file's own type and the types it is a
// kind of (an HTML page is also plain text), or the handler type of an address's scheme.
QStringList MimeTypesOf(const std::string& path_or_address) {
    if (std::optional<QString> scheme = SchemeOf(path_or_address)) {
        return {QStringLiteral("x-scheme-handler/") + *scheme};
    }
    QMimeType type = QMimeDatabase().mimeTypeForFile(ToQString(path_or_address));
    QStringList types{type.name()};
    types.append(type.allAncestors());
    return types;
}

std::optional<std::string> ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    return file.readAll().toStdString();
}

// The list files in the order the desktop reads them: the user's before the system's, the
// choices made before the programs' own claims.
QStringList ListFiles() {
    QStringList files;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        files << folder + QStringLiteral("/mimeapps.list");
    }
    const QStringList data = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    for (const QString& folder : data) {
        files << folder + QStringLiteral("/applications/mimeapps.list");
    }
    for (const QString& folder : data) {
        files << folder + QStringLiteral("/applications/mimeinfo.cache");
    }
    return files;
}

std::optional<std::string> EntryText(const std::string& id) {
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (auto text = ReadText(folder + QStringLiteral("/applications/") + ToQString(id))) {
            return text;
        }
    }
    return std::nullopt;
}

bool Installed(const std::string& program) {
    return !QStandardPaths::findExecutable(ToQString(program)).isEmpty();
}

// The command that opens the target with an entry, as the desktop would start it: a terminal
// program inside the user's terminal emulator. Nothing when its program is not installed, or
// when it needs a terminal and no terminal emulator is.
std::optional<std::vector<std::string>> StartableCommand(const EntryCommand& how,
                                                         const std::string& target) {
    std::vector<std::string> command = CommandFor(how.exec_words, target);
    if (!Installed(command.front())) {
        return std::nullopt;
    }
    if (how.runs_in == RunsIn::Itself) {
        return command;
    }
    const char* terminal = std::getenv("TERMINAL");
    return InTerminal(command, terminal != nullptr ? terminal : "", Installed);
}

}  // namespace

// The desktop's choice for a document is made for its own type or, when no installed program
// is chosen for that, for the nearest type it is a kind of (a web page is also plain text). The
// programs chosen for that type are tried in the desktop's order, so that a choice whose program
// has gone does not hide the next one. When none of them can be started, the lookup fails: the
// types further up are not asked, since the desktop did not choose their programs for this
// document, and starting one would open it where the user never said.
AssociatedProgram QtHelpDesktop::FindAssociatedProgram(const std::string& path_or_address) {
    Application();
    // Each list is read once, however many types are looked for in it.
    std::vector<std::string> lists;
    for (const QString& list : ListFiles()) {
        if (std::optional<std::string> text = ReadText(list)) {
            lists.push_back(std::move(*text));
        }
    }
    for (const QString& type : MimeTypesOf(path_or_address)) {
        bool chosen = false;
        for (const std::string& text : lists) {
            for (const std::string& id : ApplicationsFor(text, type.toStdString())) {
                // An id whose entry is not installed (or is deleted, or no program) is a
                // leftover of a program removed, passed over as desktops do.
                std::optional<std::string> entry = EntryText(id);
                std::optional<EntryCommand> how = entry ? EntryCommandOf(*entry) : std::nullopt;
                if (!how) {
                    continue;
                }
                chosen = true;
                if (std::optional<std::vector<std::string>> command =
                        StartableCommand(*how, path_or_address)) {
                    return {DesktopLookup::Found, command->front(),
                            std::vector<std::string>(command->begin() + 1, command->end())};
                }
            }
        }
        if (chosen) {
            return {DesktopLookup::Failed, {}, {}};
        }
    }
    return {DesktopLookup::NoAssociation, {}, {}};
}

bool QtHelpDesktop::ShowHelp(WindowHandle owner, const std::string& document,
                             const HelpRequest& request) {
    // Closing needs no application: without one, no viewer can be open.
    if (request.command != HelpCommand::Quit && !HasDisplay()) {
        return false;
    }
    return ShowHelpViewer(ToWidget(owner), document, request);
}

}  // namespace windlass::qt
