// The dialogs and controls of the Qt platform: making, showing and ending dialogs, and reading
// and writing their controls. Calls on a control of the wrong kind fail as the interface says
// (nothing read, false for a refused write).
#include <QApplication>
#include <QLineEdit>

#include "qt/qt_application.h"
#include "qt/qt_controls.h"
#include "qt/qt_dialog.h"
#include "qt/qt_dialog_gate.h"
#include "qt/qt_numeric_edit.h"
#include "qt/qt_platform.h"

namespace windlass::qt {
namespace {

DialogWindow* ToDialog(WindowHandle dialog) {
    return dynamic_cast<DialogWindow*>(ToWidget(dialog));
}

template <typename Control>
Control* As(WindowHandle control) {
    return dynamic_cast<Control*>(ToWidget(control));
}

// The edit part of an edit-like control: a line edit itself, or a combo box's edit part. Qt's
// own cast, which follows the classes' meta-objects, finds them at a fraction of the cost of
// the language's; a recalculation pass asks this of every field it writes.
QLineEdit* LineEditOf(WindowHandle control) {
    QWidget* widget = ToWidget(control);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        return edit;
    }
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        return combo->lineEdit();
    }
    return nullptr;
}

void SelectAllText(QWidget* widget) {
    if (auto* edit = dynamic_cast<QLineEdit*>(widget)) {
        edit->selectAll();
    } else if (auto* combo = dynamic_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
        combo->lineEdit()->selectAll();
    } else if (auto* text = dynamic_cast<QPlainTextEdit*>(widget)) {
        text->selectAll();
    }
}

}  // namespace

WindowHandle QtDialogControls::CreateDialog(const DialogTemplate& dialog,
                                            std::span<const ControlPlan> plan, WindowHandle parent,
                                            DialogListener& listener) {
    if (!HasDisplay()) {
        return nullptr;
    }
    return ToHandle(DialogWindow::Create(dialog, plan, ToWidget(parent), listener));
}

void QtDialogControls::EmbedDialog(WindowHandle dialog, WindowHandle parent) {
    if (DialogWindow* window = ToDialog(dialog)) {
        window->EmbedIn(ToWidget(parent));
    }
}

PixelSize QtDialogControls::DialogSize(WindowHandle dialog) {
    DialogWindow* window = ToDialog(dialog);
    return window != nullptr ? PixelSize{window->width(), window->height()} : PixelSize{};
}

int QtDialogControls::ControlCount(WindowHandle dialog) {
    DialogWindow* window = ToDialog(dialog);
    return window != nullptr ? window->ControlCount() : 0;
}

WindowHandle QtDialogControls::Control(WindowHandle dialog, int position) {
    DialogWindow* window = ToDialog(dialog);
    return window != nullptr ? ToHandle(window->ControlAt(position)) : nullptr;
}

void QtDialogControls::MoveDialog(WindowHandle dialog, int x, int y) {
    if (DialogWindow* window = ToDialog(dialog)) {
        window->move(x, y);
    }
}

void QtDialogControls::ShowDialog(WindowHandle dialog, DialogShowMode mode) {
    if (DialogWindow* window = ToDialog(dialog)) {
        if (mode == DialogShowMode::Modal) {
            window->RunModal();
        } else {
            window->ShowModeless();
        }
    }
}

void QtDialogControls::EndModalDialog(WindowHandle dialog) {
    if (DialogWindow* window = ToDialog(dialog)) {
        window->EndModal();
    }
}

void QtDialogControls::HideDialog(WindowHandle dialog) {
    if (DialogWindow* window = ToDialog(dialog)) {
        window->HideDialog();
    }
}

void QtDialogControls::DestroyDialog(WindowHandle dialog) {
    if (DialogWindow* window = ToDialog(dialog)) {
        window->Destroy();
    }
}

void QtDialogControls::SetDialogTitle(WindowHandle dialog, const std::string& title) {
    if (DialogWindow* window = ToDialog(dialog)) {
        window->setWindowTitle(ToQString(title));
    }
}

void QtDialogControls::EnableWindow(WindowHandle window, Enable enable) {
    if (QWidget* widget = ToWidget(window)) {
        widget->setEnabled(enable == Enable::Yes);
    }
}

// ---- Texts -----------------------------------------------------------------------------------

std::string QtDialogControls::ControlText(WindowHandle control) {
    QWidget* widget = ToWidget(control);
    QString text;
    if (auto* edit = dynamic_cast<QLineEdit*>(widget)) {
        text = edit->text();
    } else if (auto* lines = dynamic_cast<QPlainTextEdit*>(widget)) {
        text = lines->toPlainText();
    } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
        text = combo->currentText();
    } else if (auto* list = dynamic_cast<ListBox*>(widget)) {
        text = list->caption;
    } else if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        text = button->text();
    } else if (auto* group = dynamic_cast<GroupBox*>(widget)) {
        text = group->title();
    } else if (auto* label = dynamic_cast<StaticText*>(widget)) {
        text = label->text();
    } else if (widget != nullptr) {
        text = widget->windowTitle();
    }
    return FromQString(text);
}

bool QtDialogControls::SetControlText(WindowHandle control, const std::string& text) {
    QWidget* widget = ToWidget(control);
    QString value = ToQString(text);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        WriteLineText(*edit, value);
    } else if (auto* lines = dynamic_cast<QPlainTextEdit*>(widget)) {
        lines->setPlainText(value);
        lines->document()->setModified(false);
    } else if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
        // A drop-down list shows only its entries and has no text of its own to set.
        if (combo->lineEdit() == nullptr) {
            return false;
        }
        WriteLineText(*combo->lineEdit(), value);
    } else if (auto* list = dynamic_cast<ListBox*>(widget)) {
        list->caption = value;
    } else if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        button->setText(value);
    } else if (auto* group = dynamic_cast<GroupBox*>(widget)) {
        group->setTitle(value);
    } else if (auto* label = dynamic_cast<StaticText*>(widget)) {
        label->setText(value);
    } else if (widget != nullptr) {
        widget->setWindowTitle(value);
    } else {
        return false;
    }
    return true;
}

bool QtDialogControls::IsModified(WindowHandle control) {
    if (QLineEdit* edit = LineEditOf(control)) {
        return edit->isModified();
    }
    if (auto* lines = As<QPlainTextEdit>(control)) {
        return lines->document()->isModified();
    }
    return false;
}

void QtDialogControls::SetModified(WindowHandle control, bool modified) {
    if (QLineEdit* edit = LineEditOf(control)) {
        edit->setModified(modified);
    } else if (auto* lines = As<QPlainTextEdit>(control)) {
        lines->document()->setModified(modified);
    }
}

void QtDialogControls::SetTextLimit(WindowHandle control, int limit) {
    if (QLineEdit* edit = LineEditOf(control)) {
        TypingLimitOf(*edit).set_limit(limit);
    } else if (auto* lines = As<MultiLineEdit>(control)) {
        lines->set_limit(limit);
    }
}

// ---- Check boxes and radio buttons -----------------------------------------------------------

int QtDialogControls::CheckState(WindowHandle control) {
    if (auto* box = As<QCheckBox>(control)) {
        switch (box->checkState()) {
            case Qt::Checked:
                return 1;
            case Qt::PartiallyChecked:
                return 2;
            case Qt::Unchecked:
                return 0;
        }
    }
    if (auto* radio = As<QRadioButton>(control)) {
        return radio->isChecked() ? 1 : 0;
    }
    return 0;
}

bool QtDialogControls::SetCheckState(WindowHandle control, int state) {
    // A state a button cannot show becomes the highest it can: a two-state box or a radio
    // button asked for "indeterminate" is checked.
    if (auto* box = As<QCheckBox>(control)) {
        if (state == 2 && box->isTristate()) {
            box->setCheckState(Qt::PartiallyChecked);
        } else {
            box->setCheckState(state != 0 ? Qt::Checked : Qt::Unchecked);
        }
        return true;
    }
    if (auto* radio = As<QRadioButton>(control)) {
        radio->setChecked(state != 0);
        return true;
    }
    return false;
}

// ---- Entries of list and combo boxes ---------------------------------------------------------

void QtDialogControls::ClearEntries(WindowHandle control) {
    if (auto* combo = As<ComboBox>(control)) {
        combo->clear();
    } else if (auto* list = As<ListBox>(control)) {
        list->ClearEntries();
    }
}

void QtDialogControls::AddEntry(WindowHandle control, const std::string& text) {
    if (auto* combo = As<ComboBox>(control)) {
        combo->AddEntry(ToQString(text));
    } else if (auto* list = As<ListBox>(control)) {
        list->AddEntry(ToQString(text));
    }
}

int QtDialogControls::EntryCount(WindowHandle control) {
    if (auto* combo = As<ComboBox>(control)) {
        return combo->count();
    }
    if (auto* list = As<ListBox>(control)) {
        return list->count();
    }
    return 0;
}

std::string QtDialogControls::EntryText(WindowHandle control, int index) {
    if (auto* combo = As<ComboBox>(control); combo && index >= 0 && index < combo->count()) {
        return FromQString(combo->itemText(index));
    }
    if (auto* list = As<ListBox>(control); list && index >= 0 && index < list->count()) {
        return FromQString(list->item(index)->text());
    }
    return {};
}

int QtDialogControls::Selection(WindowHandle control) {
    if (auto* combo = As<ComboBox>(control)) {
        // Text typed into a combo box's edit part ends its selection, as far as the toolkit
        // is concerned, unless it is the selected entry's own text; the toolkit then looks for
        // the entry the text names.
        const int index = combo->currentIndex();
        if (combo->isEditable() && index >= 0 && combo->currentText() != combo->itemText(index)) {
            return -1;
        }
        return index;
    }
    if (auto* list = As<ListBox>(control)) {
        return list->Selection();
    }
    return -1;
}

bool QtDialogControls::Select(WindowHandle control, int index) {
    // An index past the entries clears the selection, and so does -1, which is no failure.
    if (auto* combo = As<ComboBox>(control)) {
        bool exists = index >= 0 && index < combo->count();
        combo->setCurrentIndex(exists ? index : -1);
        return exists || index == -1;
    }
    if (auto* list = As<ListBox>(control)) {
        return list->Select(index);
    }
    return false;
}

int QtDialogControls::FindExactEntry(WindowHandle control, const std::string& text) {
    QString wanted = ToQString(text);
    int count = EntryCount(control);
    for (int index = 0; index < count; ++index) {
        QString entry = ToQString(EntryText(control, index));
        if (entry.compare(wanted, Qt::CaseInsensitive) == 0) {
            return index;
        }
    }
    return -1;
}

void QtDialogControls::SetSpinRange(WindowHandle control, int minimum, int maximum) {
    if (auto* field = As<NumericEdit>(control)) {
        field->SetSpinRange(minimum, maximum);
    }
}

// ---- Focus and the default button ------------------------------------------------------------

void QtDialogControls::FocusControl(WindowHandle control, SelectText select) {
    QWidget* widget = ToWidget(control);
    if (auto* dialog = dynamic_cast<DialogWindow*>(widget)) {
        widget = dialog->EntryControl();
    }
    if (widget == nullptr || !MayMoveFocus(widget)) {
        return;
    }
    if (widget->isVisible() && !widget->isActiveWindow()) {
        widget->window()->activateWindow();
    }
    widget->setFocus(Qt::OtherFocusReason);
    if (select == SelectText::All) {
        SelectAllText(widget);
    }
}

WindowHandle QtDialogControls::FocusedControl() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) {
        return nullptr;
    }
    if (DialogWindow* dialog = DialogOf(focus)) {
        int position = dialog->PositionOf(focus);
        if (position >= 0) {
            return ToHandle(dialog->ControlAt(position));
        }
    }
    return ToHandle(focus);
}

bool QtDialogControls::CanFocus(WindowHandle control) {
    QWidget* widget = ToWidget(control);
    if (widget == nullptr) {
        return false;
    }
    DialogWindow* dialog = DialogOf(widget);
    int position = dialog != nullptr ? dialog->PositionOf(widget) : -1;
    if (position >= 0) {
        return dialog->CanFocus(position);
    }
    return widget->isEnabled() && !widget->isHidden();
}

DefaultLook QtDialogControls::LookOf(WindowHandle button) {
    auto* push = As<QPushButton>(button);
    return push != nullptr && push->isDefault() ? DefaultLook::Default : DefaultLook::Plain;
}

void QtDialogControls::SetDefaultLook(WindowHandle button, DefaultLook look) {
    if (auto* push = As<QPushButton>(button)) {
        push->setDefault(look == DefaultLook::Default);
    }
}

void QtDialogControls::MakeButtonAutomatic(WindowHandle button) {
    if (auto* box = As<CheckBox>(button)) {
        box->MakeAutomatic();
    } else if (auto* radio = As<RadioButton>(button)) {
        radio->MakeAutomatic();
    }
}

void QtDialogControls::SetAccessibleText(WindowHandle control, const std::string& name,
                                         const std::string& description) {
    if (QWidget* widget = ToWidget(control)) {
        widget->setAccessibleName(ToQString(name));
        widget->setAccessibleDescription(ToQString(description));
    }
}

}  // namespace windlass::qt
