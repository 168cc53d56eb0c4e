// The keyboard of a dialog: which control the focus goes to on Tab, Shift+Tab and the arrow
// keys, and which push button Return and Escape press. The keys are taken before the focused
// control sees them, so none of them reaches the control or the window behind the dialog.
#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

#include "qt/qt_dialog.h"
#include "qt/qt_dialog_gate.h"
#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

// Controls that use the arrow keys themselves: edit fields move their caret (a spin field
// steps), list and combo boxes move their selection.
bool WantsArrows(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
        case ControlKind::MultiLineEdit:
        case ControlKind::Numeric:
        case ControlKind::ComboBox:
        case ControlKind::ListBox:
            return true;
        default:
            return false;
    }
}

constexpr int kOkId = 1;
constexpr int kCancelId = 2;

}  // namespace

bool DialogWindow::CanFocus(int position) const {
    const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
    return TakesFocus(record.kind) && record.widget->isEnabledTo(this) &&
           !record.widget->isHidden();
}

bool DialogWindow::IsTabStop(int position) const {
    // Tab reaches every control the user can work with, whether or not its template marks it
    // as a tab stop, so that no input of a form needs the mouse. A radio group is one stop:
    // the arrow keys move within it.
    if (!CanFocus(position)) {
        return false;
    }
    if (controls_[static_cast<std::size_t>(position)].kind == ControlKind::RadioButton) {
        return RadioGroupStop(position) == position;
    }
    return true;
}

int DialogWindow::RadioGroupStop(int position) const {
    // The group's checked button, as the user's choice is where they expect to land; with
    // none checked, the first button the template marks as a tab stop, else the first.
    auto [first, last] = GroupOf(position);
    int marked = -1;
    int any = -1;
    for (int member = first; member <= last; ++member) {
        const ControlRecord& record = controls_[static_cast<std::size_t>(member)];
        if (record.kind != ControlKind::RadioButton || !CanFocus(member)) {
            continue;
        }
        if (static_cast<QAbstractButton*>(record.widget)->isChecked()) {
            return member;
        }
        if (marked < 0 && (record.style & styles::kTabStop)) {
            marked = member;
        }
        if (any < 0) {
            any = member;
        }
    }
    return marked >= 0 ? marked : any;
}

int DialogWindow::FirstMarkedTabStop() const {
    for (int position = 0; position < ControlCount(); ++position) {
        const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
        if (CanFocus(position) && (record.style & styles::kTabStop)) {
            return record.kind == ControlKind::RadioButton ? RadioGroupStop(position) : position;
        }
    }
    return -1;
}

int DialogWindow::NextTabStop(int from, bool forward) const {
    int count = ControlCount();
    for (int step = 1; step <= count; ++step) {
        int position = from < 0 ? (forward ? step - 1 : count - step)
                                : ((from + (forward ? step : -step)) % count + count) % count;
        if (IsTabStop(position)) {
            return position;
        }
    }
    return -1;
}

std::pair<int, int> DialogWindow::GroupOf(int position) const {
    // A group runs from a control with the group style up to the next one with it.
    int first = position;
    while (first > 0 && !(controls_[static_cast<std::size_t>(first)].style & styles::kGroup)) {
        --first;
    }
    int end = position + 1;
    while (end < ControlCount() &&
           !(controls_[static_cast<std::size_t>(end)].style & styles::kGroup)) {
        ++end;
    }
    return {first, end - 1};
}

int DialogWindow::NextInGroup(int from, bool forward) const {
    auto [first, last] = GroupOf(from);
    int count = last - first + 1;
    for (int step = 1; step < count; ++step) {
        int offset = ((from - first + (forward ? step : -step)) % count + count) % count;
        if (CanFocus(first + offset)) {
            return first + offset;
        }
    }
    return -1;
}

bool DialogWindow::MoveFocusTo(QWidget* target, Qt::FocusReason reason) {
    if (!MayMoveFocus(target)) {
        return false;
    }
    target->setFocus(reason);
    return true;
}

void DialogWindow::MoveInGroup(int from, bool forward) {
    int next = NextInGroup(from, forward);
    if (next < 0) {
        return;
    }
    QWidget* target = ControlAt(next);
    if (!MoveFocusTo(target, Qt::TabFocusReason)) {
        return;
    }
    // Moving onto an automatic radio button checks it, as a click would.
    auto* radio = dynamic_cast<RadioButton*>(target);
    if (radio != nullptr && radio->automatic() && !radio->isChecked() && target->hasFocus()) {
        radio->click();
    }
}

int DialogWindow::PushButtonWithId(int id) const {
    for (int position = 0; position < ControlCount(); ++position) {
        const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
        if (record.kind == ControlKind::PushButton && record.id == id) {
            return position;
        }
    }
    return -1;
}

void DialogWindow::PressReturnButton(int focused) {
    // The focused push button, else the button that looks like the default one, else OK.
    int pressed = -1;
    if (focused >= 0 &&
        controls_[static_cast<std::size_t>(focused)].kind == ControlKind::PushButton) {
        pressed = focused;
    }
    for (int position = 0; pressed < 0 && position < ControlCount(); ++position) {
        const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
        if (record.kind == ControlKind::PushButton &&
            static_cast<QPushButton*>(record.widget)->isDefault()) {
            pressed = position;
        }
    }
    if (pressed < 0) {
        pressed = PushButtonWithId(kOkId);
    }
    if (pressed >= 0 && CanFocus(pressed)) {
        Notice(pressed, ControlNotice::PushButtonPressed);
    }
}

void DialogWindow::PressCancelButton() {
    int cancel = PushButtonWithId(kCancelId);
    if (cancel >= 0 && CanFocus(cancel)) {
        Notice(cancel, ControlNotice::PushButtonPressed);
    }
}

bool DialogWindow::HandleKey(QWidget* receiver, QKeyEvent* event) {
    int focused = PositionOf(receiver);
    const ControlRecord* record =
        focused >= 0 ? &controls_[static_cast<std::size_t>(focused)] : nullptr;
    Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    bool plain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    switch (event->key()) {
        case Qt::Key_F1:
            Tell([](DialogListener& listener) { listener.OnHelpRequest(); });
            return true;
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            if (!plain) {
                return false;
            }
            bool forward = event->key() == Qt::Key_Tab && !(modifiers & Qt::ShiftModifier);
            if (record != nullptr && record->kind == ControlKind::Numeric) {
                Tell([focused](DialogListener& listener) {
                    listener.OnNumericKey(focused, vk::kTab);
                });
            }
            int next = NextTabStop(focused, forward);
            if (next >= 0 && next != focused && listener_ != nullptr) {
                MoveFocusTo(ControlAt(next), forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            }
            return true;
        }
        case Qt::Key_Left:
        case Qt::Key_Up:
        case Qt::Key_Right:
        case Qt::Key_Down:
            if (!plain || (record != nullptr && WantsArrows(record->kind))) {
                return false;
            }
            if (focused >= 0) {
                MoveInGroup(focused, event->key() == Qt::Key_Right || event->key() == Qt::Key_Down);
            }
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (modifiers & Qt::AltModifier) {
                return false;
            }
            if (record != nullptr && record->kind == ControlKind::MultiLineEdit &&
                static_cast<MultiLineEdit*>(record->widget)->wants_return()) {
                return false;
            }
            PressReturnButton(focused);
            return true;
        case Qt::Key_Escape:
            if (!plain) {
                return false;
            }
            PressCancelButton();
            return true;
        default:
            return false;
    }
}

bool DialogWindow::focusNextPrevChild(bool next) {
    // Qt moves the focus on by itself when the focused control is disabled or hidden; it then
    // goes to the next tab stop, as the Tab key would take it. A dialog that is going away
    // leaves the choice to Qt.
    if (isHidden() || listener_ == nullptr) {
        return QWidget::focusNextPrevChild(next);
    }
    int from = PositionOf(QApplication::focusWidget());
    int to = NextTabStop(from, next);
    if (to < 0) {
        return false;
    }
    if (to != from) {
        MoveFocusTo(ControlAt(to), next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    }
    return true;
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    // Keys its controls leave alone end here: the window behind a dialog hears none of them.
    event->accept();
}

void DialogWindow::keyReleaseEvent(QKeyEvent* event) {
    event->accept();
}

}  // namespace windlass::qt
