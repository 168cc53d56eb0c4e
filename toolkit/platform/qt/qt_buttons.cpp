#include "platform/qt/qt_buttons.h"

#include <QMouseEvent>

#include "platform/qt/qt_control_styles.h"

namespace windlass::qt {

PushButton::PushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setAutoDefault(false);
}

void PushButton::mouseReleaseEvent(QMouseEvent* event) {
    bool outside =
        event->button() == Qt::LeftButton && !rect().contains(event->position().toPoint());
    QPushButton::mouseReleaseEvent(event);
    if (outside && on_released_outside) {
        on_released_outside();
    }
}

CheckBox::CheckBox(const QString& text, std::uint32_t button_kind, QWidget* parent)
    : QCheckBox(text, parent),
      automatic_(button_kind == style::kAutoCheckBox || button_kind == style::kAutoThreeState) {
    setTristate(button_kind == style::kThreeState || button_kind == style::kAutoThreeState);
}

void CheckBox::MakeAutomatic() {
    automatic_ = true;
    if (checkState() == Qt::PartiallyChecked) {
        setCheckState(Qt::Checked);
    }
    setTristate(false);
}

void CheckBox::nextCheckState() {
    if (!automatic_) {
        return;
    }
    // Unchecked, checked, then indeterminate for a box with three states.
    switch (checkState()) {
        case Qt::Unchecked:
            setCheckState(Qt::Checked);
            break;
        case Qt::Checked:
            setCheckState(isTristate() ? Qt::PartiallyChecked : Qt::Unchecked);
            break;
        case Qt::PartiallyChecked:
            setCheckState(Qt::Unchecked);
            break;
    }
}

RadioButton::RadioButton(const QString& text, bool automatic, QWidget* parent)
    : QRadioButton(text, parent), automatic_(automatic) {
    // Buttons of one parent are not one group here: the template's groups decide.
    setAutoExclusive(false);
}

void RadioButton::nextCheckState() {
    // A click on a checked automatic button leaves it checked; a manual button never changes
    // by itself.
    if (automatic_) {
        setChecked(true);
    }
}

}  // namespace windlass::qt
