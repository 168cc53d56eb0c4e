// The help viewer on Qt Widgets: carries the toolkit's help requests to the one help
// window and the one pop-up of the program.
#include "qt/help_viewer/qt_help_viewer.h"

#include <QPointer>
#include <QWidget>

#include "help/help_document.h"
#include "qt/help_viewer/qt_help_finder.h"
#include "qt/help_viewer/qt_help_window.h"
#include "qt/qt_text.h"

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

}  // namespace

HelpWindow* OpenHelpWindow() {
    return Window().data();
}

HelpPopup* OpenHelpPopup() {
    return Popup().data();
}

bool ShowHelpViewer(QWidget* owner, const std::string& document, const HelpRequest& request) {
    switch (request.command) {
        case HelpCommand::Quit:
            CloseHelpViewers();
            return true;
        case HelpCommand::TopicPopup:
            return ShowPopup(owner, document, request.topic);
        case HelpCommand::Finder:
        case HelpCommand::Contents:
        case HelpCommand::Topic:
            break;
    }
    HelpWindow& window = WindowFor(owner);
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

void CloseHelpViewers() {
    if (Popup()) {
        Popup()->close();
    }
    if (Window()) {
        Window()->close();
    }
}

}  // namespace windlass::qt
