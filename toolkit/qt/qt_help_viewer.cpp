// The help viewer of the Qt platform: carries the toolkit's help requests to the one help
// window and the one pop-up of the program.
#include "qt/qt_help_viewer.h"

#include <QPointer>
#include <QWidget>

#include "help/help_document.h"
#include "qt/qt_application.h"
#include "qt/qt_help_finder.h"
#include "qt/qt_help_window.h"
#include "qt/qt_platform.h"

namespace windlass::qt {
namespace {

QPointer<HelpWindow>& Window() {
    static QPointer<HelpWindow> window;
    return window;
}

QPointer<HelpPopup>& Popup() {
    static QPointer<HelpPopup> popup;
    return popup;
}

// The pop-up belongs to the owner's window, so it is made afresh when the owner changes.
HelpPopup& PopupFor(QWidget* owner) {
    QPointer<HelpPopup>& popup = Popup();
    if (popup && popup->parentWidget() != owner) {
        delete popup.data();
    }
    if (!popup) {
        popup = new HelpPopup(owner);
    }
    return *popup;
}

// The help window outlives no owner: when the program's main window goes, help goes with it,
// as the program has then ended its work with the user.
HelpWindow& WindowFor(QWidget* owner) {
    QPointer<HelpWindow>& window = Window();
    if (!window) {
        window = new HelpWindow();
    }
    if (owner != nullptr) {
        QObject::connect(owner, &QObject::destroyed, window.data(), &QWidget::close,
                         Qt::UniqueConnection);
        // Opened over the program's window the first time, wherever the user moves it later.
        if (!window->isVisible()) {
            QRect over = owner->window()->frameGeometry();
            window->move(over.center() - window->rect().center());
        }
    }
    return *window;
}

bool ShowPopup(QWidget* owner, const std::string& document, int context) {
    HelpPopup& popup = PopupFor(owner);
    HelpDocumentReading reading = ReadHelpDocument(document);
    if (!reading.document) {
        popup.SetDocument(std::nullopt);
        popup.ShowMessage(QStringLiteral("This help document cannot be shown"),
                          ToQString(reading.error));
        return false;
    }
    const HelpTopic* topic = reading.document->Find(context);
    if (topic == nullptr) {
        popup.ShowMessage(
            QStringLiteral("No such topic"),
            QStringLiteral("This help document has no topic number %1.").arg(context));
        return false;
    }
    HelpTopic shown = *topic;
    popup.SetDocument(std::move(reading.document));
    popup.ShowTopic(shown);
    return true;
}

void Quit() {
    if (Popup()) {
        Popup()->close();
    }
    if (Window()) {
        Window()->close();
    }
}

}  // namespace

HelpWindow* OpenHelpWindow() {
    return Window().data();
}

HelpPopup* OpenHelpPopup() {
    return Popup().data();
}

bool QtHelpDesktop::ShowHelp(WindowHandle owner, const std::string& document,
                             const HelpRequest& request) {
    // Closing needs no application: without one, no viewer can be open.
    if (request.command == HelpCommand::Quit) {
        Quit();
        return true;
    }
    Application();
    QWidget* owner_widget = ToWidget(owner);
    switch (request.command) {
        case HelpCommand::Quit:
            break;
        case HelpCommand::TopicPopup:
            return ShowPopup(owner_widget, document, request.topic);
        case HelpCommand::Finder:
        case HelpCommand::Contents:
        case HelpCommand::Topic:
            break;
    }
    HelpWindow& window = WindowFor(owner_widget);
    HelpWindow::FinderUse finder = HelpWindow::FinderUse::Hide;
    if (request.command == HelpCommand::Finder) {
        finder = HelpWindow::FinderUse::Show;
    } else if (request.command == HelpCommand::Topic) {
        finder = HelpWindow::FinderUse::KeepForSameDocument;
    }
    bool shown = window.Open(document, finder, request.contents_file);
    if (shown) {
        shown = request.command == HelpCommand::Topic ? window.ShowTopic(request.topic)
                                                      : window.ShowContents();
    }
    window.show();
    window.raise();
    window.activateWindow();
    return shown;
}

}  // namespace windlass::qt
