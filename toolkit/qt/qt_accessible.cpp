#include "qt/qt_accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QStringList>

#include "qt/qt_buttons.h"
#include "qt/qt_list_boxes.h"

namespace windlass::qt {
namespace {

// The text of a button as it is read out, without the "&" that marks its mnemonic letter.
QString Spoken(const QString& text) {
    QString spoken;
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (text[at] == QLatin1Char('&') && at + 1 < text.size()) {
            ++at;
        }
        spoken += text[at];
    }
    return spoken;
}

// Qt names a combo box by the entry it shows, which leaves the user asking what is being
// chosen. Here the name is the one the dialog gives the box (from its label), the shown entry
// is its value, and the box tells whether its list is open and opens or closes it on request.
class ComboBoxAccount : public QAccessibleWidget {
  public:
    explicit ComboBoxAccount(ComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override {
        switch (kind) {
            case QAccessible::Name: {
                QString name = Combo()->accessibleName();
                return name.isEmpty() ? Combo()->currentText() : name;
            }
            case QAccessible::Value:
                return Combo()->currentText();
            default:
                return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        bool open = Combo()->view()->isVisible();
        state.expandable = true;
        state.expanded = open;
        state.collapsed = !open;
        state.editable = Combo()->isEditable();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) {
            QAccessibleWidget::doAction(action);
        } else if (Combo()->view()->isVisible()) {
            Combo()->hidePopup();
        } else {
            Combo()->showPopup();
        }
    }

  private:
    ComboBox* Combo() const { return static_cast<ComboBox*>(widget()); }
};

// Qt takes a checkable button without its own exclusivity for a check box; a dialog's radio
// button is a radio button, checked or not, that a press chooses.
class RadioButtonAccount : public QAccessibleWidget {
  public:
    explicit RadioButtonAccount(RadioButton* radio)
        : QAccessibleWidget(radio, QAccessible::RadioButton) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name && Radio()->accessibleName().isEmpty()) {
            return Spoken(Radio()->text());
        }
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = Radio()->isChecked();
        return state;
    }

    QStringList actionNames() const override {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            Radio()->click();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    RadioButton* Radio() const { return static_cast<RadioButton*>(widget()); }
};

QAccessibleInterface* AccountOf(const QString&, QObject* object) {
    if (auto* combo = dynamic_cast<ComboBox*>(object)) {
        return new ComboBoxAccount(combo);
    }
    if (auto* radio = dynamic_cast<RadioButton*>(object)) {
        return new RadioButtonAccount(radio);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleAccounts() {
    static bool installed = false;
    if (!installed) {
        QAccessible::installFactory(AccountOf);
        installed = true;
    }
}

void TakeAccessibleAccount(QWidget* control) {
    if (dynamic_cast<ComboBox*>(control) == nullptr &&
        dynamic_cast<RadioButton*>(control) == nullptr) {
        return;
    }
    // Qt may have made its own account while the control was being built (a button's text
    // set in its constructor is announced), before the control was one of ours; that account
    // is dropped so that the next question makes ours.
    QAccessibleInterface* account = QAccessible::queryAccessibleInterface(control);
    if (account != nullptr && dynamic_cast<ComboBoxAccount*>(account) == nullptr &&
        dynamic_cast<RadioButtonAccount*>(account) == nullptr) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(account));
    }
}

}  // namespace windlass::qt
