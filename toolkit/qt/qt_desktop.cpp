// The desktop of the Qt platform: documents and addresses go to the program the user's desktop
// associates with them; programs are started directly, never through a shell, so that no
// character of a file name or address is read as a command.
#include <QDesktopServices>
#include <QUrl>

#include "qt/help_viewer/qt_help_viewer.h"
#include "qt/qt_application.h"
#include "qt/qt_platform.h"

namespace windlass::qt {
namespace {

// "http://..." and the like are addresses; anything else is the path of a file.
QUrl UrlOf(const std::string& path_or_address) {
    QString text = ToQString(path_or_address);
    QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1 && text.contains(QLatin1String("://"))) {
        return url;
    }
    return QUrl::fromLocalFile(text);
}

}  // namespace

// The desktop's opener starts its program detached and reports only whether it found one that
// takes the document, so a refusal is read as a missing association.
DesktopOpen QtHelpDesktop::OpenWithDesktop(const std::string& path_or_address) {
    Application();
    if (QDesktopServices::openUrl(UrlOf(path_or_address))) {
        return DesktopOpen::Opened;
    }
    return DesktopOpen::NoAssociation;
}

bool QtHelpDesktop::ShowHelp(WindowHandle owner, const std::string& document,
                             const HelpRequest& request) {
    // Closing needs no application: without one, no viewer can be open.
    if (request.command != HelpCommand::Quit) {
        Application();
    }
    return ShowHelpViewer(ToWidget(owner), document, request);
}

}  // namespace windlass::qt
