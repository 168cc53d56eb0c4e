// The keyboard of a dialog: Tab, Shift+Tab, the arrow keys, Return and Escape are reported to
// the toolkit, which moves the focus or presses a button itself and says whether the key was
// the dialog's; F1 asks for help. The keys are looked at before the focused control sees
// them, and the dialog's keys reach neither the control nor the window behind the dialog.
#include <QApplication>
#include <QKeyEvent>

#include "qt/qt_dialog.h"

namespace windlass::qt {

bool DialogWindow::CanFocus(int position) const {
    const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
    return record.widget->isEnabledTo(this) && !record.widget->isHidden();
}

KeyVerdict DialogWindow::ReportKey(int focused, NavigationKey key) {
    KeyVerdict verdict = KeyVerdict::Taken;
    Tell([&](DialogListener& listener) { verdict = listener.OnNavigationKey(focused, key); });
    return verdict;
}

bool DialogWindow::HandleKey(QWidget* receiver, QKeyEvent* event) {
    int focused = PositionOf(receiver);
    Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    NavigationKey key = NavigationKey::Tab;
    switch (event->key()) {
        case Qt::Key_F1:
            Tell([](DialogListener& listener) { listener.OnHelpRequest(); });
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!plain) {
                return false;
            }
            key = event->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier)
                      ? NavigationKey::Tab
                      : NavigationKey::BackTab;
            break;
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            if (!plain) {
                return false;
            }
            key = event->key() == Qt::Key_Left    ? NavigationKey::Left
                  : event->key() == Qt::Key_Up    ? NavigationKey::Up
                  : event->key() == Qt::Key_Right ? NavigationKey::Right
                                                  : NavigationKey::Down;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Shift and Control do not change what Return presses; Alt+Return is the control's.
            if (modifiers & Qt::AltModifier) {
                return false;
            }
            key = NavigationKey::Return;
            break;
        case Qt::Key_Escape:
            if (!plain) {
                return false;
            }
            key = NavigationKey::Escape;
            break;
        default:
            return false;
    }
    return ReportKey(focused, key) != KeyVerdict::ToControl;
}

bool DialogWindow::focusNextPrevChild(bool next) {
    // Qt moves the focus on by itself when the focused control is disabled or hidden; it then
    // goes where the Tab key would take it. A dialog that is going away leaves the choice to
    // Qt.
    if (isHidden() || listener_ == nullptr) {
        return QWidget::focusNextPrevChild(next);
    }
    int from = PositionOf(QApplication::focusWidget());
    return ReportKey(from, next ? NavigationKey::Tab : NavigationKey::BackTab) !=
           KeyVerdict::NowhereToGo;
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    // Keys its controls leave alone end here: the window behind a dialog hears none of them.
    event->accept();
}

void DialogWindow::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

}  // namespace windlass::qt
