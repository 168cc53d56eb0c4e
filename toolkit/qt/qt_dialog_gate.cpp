#include "qt/qt_dialog_gate.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "qt/qt_dialog.h"
#include "qt/qt_frame.h"
#include "qt/qt_numeric_edit.h"

namespace windlass::qt {
namespace {

// Set while a numeric field is being asked: the focus moves its answer causes (the toolkit
// giving the focus back to the field) are not asked about again.
bool& Asking() {
    static bool asking = false;
    return asking;
}

QWidget* DeepestProxy(QWidget* widget) {
    while (widget->focusProxy() != nullptr) {
        widget = widget->focusProxy();
    }
    return widget;
}

bool AcceptsClickFocus(QWidget* widget) {
    auto accepts = [](const QWidget* w) {
        return (w->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus;
    };
    QWidget* proxy = DeepestProxy(widget);
    return accepts(widget) && (proxy == widget || accepts(proxy));
}

// The widget a press at `local` in `receiver` gives the focus to, found as Qt finds it: the
// first enabled widget from the receiver outwards that takes the focus on a click, within the
// receiver's window; null when the press moves the focus nowhere.
QWidget* ClickFocusTarget(QWidget* receiver, QPoint local) {
    for (QWidget* widget = receiver; widget != nullptr; widget = widget->parentWidget()) {
        if (widget->isEnabled() && widget->rect().contains(local) && AcceptsClickFocus(widget)) {
            return DeepestProxy(widget);
        }
        if (widget->isWindow()) {
            break;
        }
        local += widget->pos();
    }
    return nullptr;
}

// Where a move of the focus to `target` ends: a dialog hands the focus on to one of its
// controls, and a part of a control (a combo box's edit part) stands for the control.
QWidget* Destination(QWidget* target) {
    if (target == nullptr) {
        return nullptr;
    }
    target = DeepestProxy(target);
    if (auto* dialog = dynamic_cast<DialogWindow*>(target)) {
        if (QWidget* entry = dialog->EntryControl()) {
            target = entry;
        }
    }
    if (DialogWindow* owner = DialogOf(target)) {
        int position = owner->PositionOf(target);
        if (position >= 0) {
            return owner->ControlAt(position);
        }
    }
    return target;
}

QWidget* TopLevelOf(const QWindow* window) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window) {
            return widget;
        }
    }
    return nullptr;
}

class DialogGate : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool KeyPress(QObject* watched, QKeyEvent* event);
    bool MousePress(QObject* watched, QMouseEvent* event);
    bool WindowActivated(QObject* watched);

    // The window whose press was refused: the rest of that click goes nowhere either.
    QPointer<QObject> refused_window_;
};

bool DialogGate::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::KeyPress:
            return KeyPress(watched, static_cast<QKeyEvent*>(event));
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (refused_window_ != nullptr && refused_window_ == watched) {
                return true;
            }
            return MousePress(watched, static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            if (refused_window_ != nullptr && refused_window_ == watched) {
                if (static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
                    refused_window_ = nullptr;
                }
                return true;
            }
            return false;
        case QEvent::WindowActivate:
            return WindowActivated(watched);
        case QEvent::Shortcut: {
            // A mnemonic letter focuses and presses its control: a move like any other.
            auto* widget = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
            return widget != nullptr && DialogOf(widget) != nullptr &&
                   widget->focusPolicy() != Qt::NoFocus && !MayMoveFocus(widget);
        }
        default:
            return false;
    }
}

bool DialogGate::KeyPress(QObject* watched, QKeyEvent* event) {
    if (!watched->isWidgetType()) {
        return false;
    }
    auto* widget = static_cast<QWidget*>(watched);
    // Only the key's first receiver counts; keys that the focused widget leaves alone come
    // past here again on their way to its parents.
    QWidget* focus = QApplication::focusWidget();
    if (widget != focus && !(focus == nullptr && widget->isWindow())) {
        return false;
    }
    DialogWindow* dialog = DialogOf(widget);
    return dialog != nullptr && dialog->HandleKey(widget, event);
}

bool DialogGate::MousePress(QObject* watched, QMouseEvent* event) {
    // Presses are looked at as they reach their window, before Qt picks the widget under the
    // mouse and gives it the focus.
    if (!watched->isWindowType() || QApplication::activePopupWidget() != nullptr) {
        return false;
    }
    NumericEdit* holder = NumericEdit::Holder();
    QWidget* top = TopLevelOf(static_cast<QWindow*>(watched));
    if (holder == nullptr || top == nullptr) {
        return false;
    }
    QPoint position = event->position().toPoint();
    QWidget* receiver = top->childAt(position);
    if (receiver == nullptr) {
        receiver = top;
    }
    QWidget* target = ClickFocusTarget(receiver, receiver->mapFrom(top, position));
    const bool other_window = holder->window() != top;
    if (target == nullptr && other_window) {
        // A press in another window takes the focus to that window even where no control
        // takes it; the toolkit decides whether that window may have it.
        target = top;
    }
    if (target == nullptr) {
        return false;
    }
    if (MayMoveFocus(target)) {
        if (other_window) {
            // The field stays where it was, in a window that no longer has the focus; it is
            // asked again only once the focus is back in it.
            NumericEdit::ReleaseHolder();
        }
        return false;
    }
    refused_window_ = watched;
    return true;
}

bool DialogGate::WindowActivated(QObject* watched) {
    // The window manager gave another window the focus (its title bar clicked, a window
    // switched to with the keyboard). Only the program's own windows are asked about, as a
    // press in them is: a message box or the help viewer borrows the focus as a menu does.
    auto* window = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr;
    NumericEdit* holder = NumericEdit::Holder();
    if (window == nullptr || !window->isWindow() || holder == nullptr ||
        holder->window() == window) {
        return false;
    }
    QWidget* destination = nullptr;
    if (dynamic_cast<DialogWindow*>(window) != nullptr) {
        destination = Destination(window);
    } else if (dynamic_cast<FrameWindow*>(window) != nullptr) {
        // The focus comes to the frame first, as it does on the system the toolkit was first
        // written for, whatever control of its form it then goes on to.
        destination = window;
    }
    if (destination == nullptr) {
        return false;
    }
    if (refused_window_ != nullptr && refused_window_ == window->windowHandle()) {
        // The press that brought the window forward was refused already: it goes back
        // without a second question.
        holder->window()->activateWindow();
        return true;
    }
    if (MayGoTo(destination)) {
        NumericEdit::ReleaseHolder();
        return false;
    }
    // Refused, the toolkit has given the focus back to the field and its window; the window
    // that was to be active does not hear that it was.
    return true;
}

}  // namespace

void InstallDialogGate() {
    static DialogGate* gate = nullptr;
    if (gate == nullptr) {
        gate = new DialogGate(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(gate);
    }
}

bool MayMoveFocus(QWidget* target) {
    return MayGoTo(Destination(target));
}

bool MayGoTo(QWidget* destination) {
    NumericEdit* holder = NumericEdit::Holder();
    if (holder == nullptr || Asking() || !holder->isEnabled() || !holder->isVisible()) {
        return true;
    }
    DialogWindow* dialog = DialogOf(holder);
    if (destination == holder || dialog == nullptr) {
        return true;
    }
    Asking() = true;
    FocusVerdict verdict = dialog->AskFocusLeaving(*holder, destination);
    Asking() = false;
    return verdict == FocusVerdict::Allow;
}

}  // namespace windlass::qt
