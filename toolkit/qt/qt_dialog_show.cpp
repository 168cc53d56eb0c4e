// Showing a dialog, as a window of its own or in the window it is embedded in, blocking the
// other windows while a modal show lasts, hiding it and deleting it safely.
#include <QApplication>
#include <QEventLoop>

#include "qt/qt_client_area.h"
#include "qt/qt_dialog.h"

namespace windlass::qt {

bool DialogWindow::AttachClientFocus() {
    // An embedded form stands for the client area it fills: the focus the window gives its
    // client area goes to the form's controls.
    if (auto* client = dynamic_cast<ClientArea*>(parentWidget())) {
        bool client_had_focus = client->hasFocus();
        client->setFocusProxy(this);
        return client_had_focus;
    }
    return false;
}

void DialogWindow::ReleaseClientFocus() {
    if (parentWidget() != nullptr && parentWidget()->focusProxy() == this) {
        parentWidget()->setFocusProxy(nullptr);
    }
}

void DialogWindow::ShowModeless() {
    // A form shown in a client area that has the focus takes it over.
    bool take_client_focus = !isWindow() && AttachClientFocus();
    show();
    raise();
    if (isWindow()) {
        activateWindow();
    }
    if (take_client_focus && !isAncestorOf(QApplication::focusWidget())) {
        setFocus(Qt::OtherFocusReason);
    }
    ReportFocusOfInactiveWindow();
}

void DialogWindow::ReportFocusOfInactiveWindow() {
    // In a window that is not active yet the focus arrives only when the window manager
    // activates it, long after the program has gone on from the show. The control that will
    // have it is told now, as at the show itself; the activation that follows gives the focus
    // back to that same control and is not reported again.
    if (window()->isActiveWindow() || !last_focus_.isNull()) {
        return;
    }
    QWidget* entry = EntryControl();
    int position = PositionOf(entry);
    if (entry == nullptr || position < 0) {
        return;
    }
    entry->setFocus(Qt::OtherFocusReason);
    ControlFocusIn(position, Qt::OtherFocusReason);
}

void DialogWindow::RunModal() {
    end_requested_ = false;
    setWindowModality(Qt::ApplicationModal);
    ShowModeless();
    if (!end_requested_ && !destroy_requested_) {
        QEventLoop loop;
        modal_loop_ = &loop;
        loop.exec(QEventLoop::DialogExec);
        modal_loop_ = nullptr;
    }
    if (destroy_requested_) {
        if (calls_in_progress_ > 0) {
            deleteLater();
        } else {
            delete this;
        }
        return;
    }
    hide();
    setWindowModality(Qt::NonModal);
}

void DialogWindow::EndModal() {
    if (modal_loop_ != nullptr) {
        modal_loop_->exit(0);
    } else {
        end_requested_ = true;
    }
}

void DialogWindow::HideDialog() {
    ReleaseClientFocus();
    hide();
}

void DialogWindow::Destroy() {
    listener_ = nullptr;
    ReleaseClientFocus();
    hide();
    if (modal_loop_ != nullptr) {
        // The modal show is still on the stack; it deletes the dialog as it returns.
        destroy_requested_ = true;
        modal_loop_->exit(0);
        return;
    }
    if (calls_in_progress_ > 0) {
        deleteLater();
        return;
    }
    delete this;
}

QWidget* DialogWindow::EntryControl() const {
    int last = PositionOf(last_focus_.data());
    if (last >= 0 && CanFocus(last)) {
        return last_focus_.data();
    }
    // Where the user begins is the toolkit's to say.
    return listener_ != nullptr ? ControlAt(listener_->EntryControl()) : nullptr;
}

}  // namespace windlass::qt
