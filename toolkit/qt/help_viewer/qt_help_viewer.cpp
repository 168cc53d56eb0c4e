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

void ShowPopup(QWidget* owner, HelpDocument document, int context) {
    HelpPopup& popup = PopupFor(owner);
    HelpTopic shown = *document.Find(context);
    popup.SetDocument(std::move(document));
    popup.ShowTopic(shown);
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
        case HelpCommand::Finder:
        case HelpCommand::Contents:
        case HelpCommand::Topic:
            break;
    }
    // A request the viewer cannot fulfil opens nothing and changes nothing on the screen:
    // the document and the topic are checked before any window is made or touched.
    HelpDocumentReading reading = ReadHelpDocument(document);
    if (!reading.document) {
        return false;
    }
    const bool names_topic =
        request.command == HelpCommand::Topic || request.command == HelpCommand::TopicPopup;
    if (names_topic && reading.document->Find(request.topic) == nullptr) {
        return false;
    }
    if (request.command == HelpCommand::TopicPopup) {
        ShowPopup(owner, std::move(*reading.document), request.topic);
        return true;
    }
    HelpWindow& window = WindowFor(owner);
    HelpWindow::FinderUse finder = HelpWindow::FinderUse::Hide;
    if (request.command == HelpCommand::Finder) {
        finder = HelpWindow::FinderUse::Show;
    } else if (request.command == HelpCommand::Topic) {
        finder = HelpWindow::FinderUse::KeepForSameDocument;
    }
    window.Open(std::move(*reading.document), document, finder, request.contents_file);
    const bool shown = request.command == HelpCommand::Topic ? window.ShowTopic(request.topic)
                                                             : window.ShowContents();
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
