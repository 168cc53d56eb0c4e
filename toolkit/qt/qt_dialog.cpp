#include "qt/qt_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QListWidget>
#include <QPalette>

#include <algorithm>

#include "qt/qt_accessible.h"
#include "qt/qt_client_area.h"
#include "qt/qt_common_controls.h"
#include "qt/qt_dialog_gate.h"
#include "qt/qt_focus_reasons.h"
#include "qt/qt_platform.h"
#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

// Embedded dialogs have no window decorations; a dialog of its own has a title bar when the
// template gives it a caption, and a close box with a system menu.
Qt::WindowFlags WindowFlagsFor(const DialogTemplate& dialog, bool embedded) {
    if (embedded) {
        return {};
    }
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (styles::Has(dialog.style, styles::kCaption)) {
        flags |= Qt::WindowTitleHint;
    } else {
        flags |= Qt::FramelessWindowHint;
    }
    if (dialog.style & styles::kSystemMenu) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    return flags;
}

// The visible part of a combo box is one line high, whatever the template says: its height
// in the template is that of the opened list.
void FitComboBox(ComboBox& combo, QRect area) {
    int field_height = combo.sizeHint().height();
    int entry_height = std::max(1, combo.fontMetrics().height() + 2);
    combo.setMaxVisibleItems(std::max(1, (area.height() - field_height) / entry_height));
    area.setHeight(field_height);
    combo.setGeometry(area);
}

}  // namespace

DialogWindow* DialogOf(QWidget* widget) {
    for (QWidget* step = widget; step != nullptr; step = step->parentWidget()) {
        if (auto* dialog = dynamic_cast<DialogWindow*>(step)) {
            return dialog;
        }
        if (step->isWindow()) {
            break;
        }
    }
    return nullptr;
}

DialogWindow* DialogWindow::Create(const DialogTemplate& dialog, std::span<const ControlPlan> plan,
                                   QWidget* parent, DialogListener& listener) {
    if (plan.size() != static_cast<std::size_t>(std::max(dialog.control_count, 0))) {
        return nullptr;
    }
    bool embedded = parent != nullptr && (dialog.style & styles::kChild) != 0;
    return new DialogWindow(dialog, plan, parent, listener, WindowFlagsFor(dialog, embedded));
}

DialogWindow::DialogWindow(const DialogTemplate& dialog, std::span<const ControlPlan> plan,
                           QWidget* parent, DialogListener& listener, Qt::WindowFlags flags)
    : QWidget(parent, flags), listener_(&listener), source_(&dialog) {
    // Hidden until shown, even when the window it is embedded in is shown first.
    hide();
    // The dialog has the platform's dialog colours, not those of the window it sits in.
    QPalette colours = QApplication::palette();
    // Disabled text is a plain mid grey, as on the first system's dialogs: clearly greyed, yet
    // the numbers a program shows in disabled fields stay easy to read.
    const QColor greyed(109, 109, 109);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        colours.setColor(QPalette::Disabled, role, greyed);
    }
    colours.setResolveMask(~QPalette::ResolveMask(0));
    setPalette(colours);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    QFont font = DialogFont(dialog);
    setFont(font);
    units_ = BaseUnitsOf(font);
    QRect area = DialogUnitsToPixels(0, 0, dialog.width, dialog.height, units_);
    if (isWindow()) {
        setFixedSize(area.size());
    } else {
        resize(area.size());
    }
    if (dialog.caption != nullptr) {
        setWindowTitle(ToQString(dialog.caption));
    }
    InstallAccessibleAccounts();
    controls_.reserve(static_cast<std::size_t>(dialog.control_count));
    for (int position = 0; position < dialog.control_count; ++position) {
        AddControl(dialog.controls[position], plan[static_cast<std::size_t>(position)]);
    }
    InstallDialogGate();
}

void DialogWindow::EmbedIn(QWidget* parent) {
    const bool embedded = parent != nullptr && (source_->style & styles::kChild) != 0;
    const QSize size = this->size();
    setParent(parent, WindowFlagsFor(*source_, embedded));
    // A window of its own keeps the fixed size of its template; a dialog inside a client area
    // only starts at that size, as one made there does.
    if (isWindow()) {
        setFixedSize(size);
    } else {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        resize(size);
    }
    hide();
}

void DialogWindow::AddControl(const DialogControl& control, const ControlPlan& plan) {
    QWidget* widget = MakeControl(control, plan.kind, this);
    TakeAccessibleAccount(widget);
    QRect area = DialogUnitsToPixels(control.x, control.y, control.width, control.height, units_);
    if (auto* combo = dynamic_cast<ComboBox*>(widget)) {
        FitComboBox(*combo, area);
    } else {
        widget->setGeometry(area);
    }
    if (plan.focus == TakesFocus::Yes) {
        widget->setFocusPolicy((control.style & styles::kTabStop) ? Qt::StrongFocus
                                                                  : Qt::ClickFocus);
    } else {
        widget->setFocusPolicy(Qt::NoFocus);
    }
    if (auto* button = dynamic_cast<QPushButton*>(widget)) {
        button->setDefault(plan.look == DefaultLook::Default);
    }
    widget->setEnabled(!(control.style & styles::kDisabled));
    if (!(control.style & styles::kVisible)) {
        widget->hide();
    }
    // Controls earlier in the template lie over later ones where they overlap.
    widget->lower();
    widget->installEventFilter(this);
    controls_.push_back({widget, plan.kind});
    ConnectNotices(static_cast<int>(controls_.size()) - 1);
}

void DialogWindow::ConnectNotices(int position) {
    const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
    switch (record.kind) {
        case ControlKind::PushButton: {
            auto* button = static_cast<PushButton*>(record.widget);
            connect(button, &QAbstractButton::clicked, this,
                    [this, position] { Notice(position, ControlNotice::PushButtonPressed); });
            button->on_released_outside = [this, position] {
                Tell([position](DialogListener& listener) {
                    listener.OnButtonReleasedOutside(position);
                });
            };
            break;
        }
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            connect(static_cast<QAbstractButton*>(record.widget), &QAbstractButton::clicked, this,
                    [this, position] { Notice(position, ControlNotice::Clicked); });
            break;
        case ControlKind::ComboBox:
            connect(static_cast<QComboBox*>(record.widget), &QComboBox::activated, this,
                    [this, position] { Notice(position, ControlNotice::SelectionChanged); });
            break;
        case ControlKind::ListBox: {
            auto* list = static_cast<ListBox*>(record.widget);
            connect(list, &QListWidget::itemSelectionChanged, this, [this, position, list] {
                if (list->notifies() && !list->programmatic()) {
                    Notice(position, ControlNotice::SelectionChanged);
                }
            });
            connect(list, &QListWidget::itemDoubleClicked, this, [this, position, list] {
                if (list->notifies()) {
                    Notice(position, ControlNotice::DoubleClicked);
                }
            });
            break;
        }
        case ControlKind::NumericField:
        case ControlKind::NumericSpin:
            static_cast<NumericEdit*>(record.widget)->set_host(this);
            break;
        case ControlKind::Trackbar:
            static_cast<Trackbar*>(record.widget)->on_scrolled = [this, position] {
                Notice(position, ControlNotice::Scrolled);
            };
            break;
        case ControlKind::TabControl:
            static_cast<TabControl*>(record.widget)->on_selected = [this, position] {
                Notice(position, ControlNotice::TabSelected);
            };
            break;
        default:
            break;
    }
}

QWidget* DialogWindow::ControlAt(int position) const {
    if (position < 0 || position >= ControlCount()) {
        return nullptr;
    }
    return controls_[static_cast<std::size_t>(position)].widget;
}

int DialogWindow::PositionOf(const QWidget* widget) const {
    // Controls are children of the dialog; their own parts are further down.
    while (widget != nullptr && widget->parentWidget() != this) {
        if (widget->isWindow()) {
            return -1;
        }
        widget = widget->parentWidget();
    }
    for (std::size_t position = 0; position < controls_.size(); ++position) {
        if (controls_[position].widget == widget) {
            return static_cast<int>(position);
        }
    }
    return -1;
}

void DialogWindow::Notice(int position, ControlNotice notice) {
    Tell([position, notice](DialogListener& listener) { listener.OnNotice(position, notice); });
}

// ---- Focus and notices -----------------------------------------------------------------------

FocusVerdict DialogWindow::AskFocusLeaving(NumericEdit& field, QWidget* target) {
    int position = PositionOf(&field);
    FocusVerdict verdict = FocusVerdict::Allow;
    if (position >= 0) {
        Tell([&](DialogListener& listener) {
            verdict = listener.OnNumericFocusLeaving(position, ToHandle(target));
        });
    }
    return verdict;
}

CharacterVerdict DialogWindow::AskCharacter(NumericEdit& field, int character) {
    CharacterVerdict verdict{CharacterVerdict::Kind::Insert, character, false};
    int position = PositionOf(&field);
    Tell([&](DialogListener& listener) {
        verdict = listener.OnNumericCharacter(position, character);
    });
    return verdict;
}

void DialogWindow::NumericKeyDown(NumericEdit& field, int virtual_key) {
    int position = PositionOf(&field);
    Tell([&](DialogListener& listener) { listener.OnNumericKey(position, virtual_key); });
}

void DialogWindow::Spin(NumericEdit& field, int step) {
    int position = PositionOf(&field);
    Tell([&](DialogListener& listener) { listener.OnSpin(position, step); });
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    bool focus_in = event->type() == QEvent::FocusIn;
    if (!focus_in && event->type() != QEvent::FocusOut) {
        return QWidget::eventFilter(watched, event);
    }
    int position = PositionOf(static_cast<QWidget*>(watched));
    if (position < 0) {
        return false;
    }
    // The control takes or gives up the focus first (an edit field selects its text), then
    // the listener hears of it.
    Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    QPointer<QObject> alive(watched);
    watched->event(event);
    if (alive) {
        if (focus_in) {
            ControlFocusIn(position, reason);
        } else {
            ControlFocusOut(position, reason);
        }
    }
    return true;
}

void DialogWindow::ControlFocusIn(int position, Qt::FocusReason reason) {
    // A dialog inside a frame's client area (the main window's form) has no window of its own
    // to be activated: the focus coming into it is the client area gaining the focus, which
    // makes it the active dialog, also when its window comes back to the front.
    if (!isWindow() && dynamic_cast<ClientArea*>(parentWidget()) != nullptr) {
        Tell([](DialogListener& listener) { listener.OnActivate(); });
    }
    // A window coming back to the front, a menu closing or the menu bar giving the keyboard
    // back returns the focus to the control that had it: no control took it from another.
    const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
    if (IsWindowOrPopupChange(reason) && last_focus_ == record.widget) {
        return;
    }
    last_focus_ = record.widget;
    if (record.kind == ControlKind::NumericField || record.kind == ControlKind::NumericSpin) {
        Tell([position](DialogListener& listener) { listener.OnNumericFocusGained(position); });
    }
    Notice(position, ControlNotice::FocusGained);
}

void DialogWindow::ControlFocusOut(int position, Qt::FocusReason reason) {
    const ControlRecord& record = controls_[static_cast<std::size_t>(position)];
    if (record.kind == ControlKind::PushButton && !IsWindowOrPopupChange(reason)) {
        Tell([position](DialogListener& listener) { listener.OnButtonFocusLost(position); });
    }
}

bool DialogWindow::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isWindow()) {
        Tell([](DialogListener& listener) { listener.OnActivate(); });
    }
    return QWidget::event(event);
}

void DialogWindow::focusInEvent(QFocusEvent* event) {
    // The dialog itself never keeps the focus: it hands it to a control.
    if (QWidget* entry = EntryControl()) {
        entry->setFocus(event->reason());
    }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    // The close box asks, as Escape does; the program decides whether the dialog goes.
    event->ignore();
    ReportKey(PositionOf(QApplication::focusWidget()), NavigationKey::Escape);
}

}  // namespace windlass::qt
