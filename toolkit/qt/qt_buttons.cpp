#include "qt/qt_buttons.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include "qt/qt_text_fit.h"
#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

// A group box's title stands one average character in from either corner of the frame,
// measured in the dialog's font so that a condensed title keeps its place.
int TitleIndent(const QWidget& group) {
    return QFontMetrics(UncondensedFont(group)).averageCharWidth();
}

}  // namespace

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
    : FittedButton(text, parent),
      automatic_(button_kind == styles::kAutoCheckBox || button_kind == styles::kAutoThreeState) {
    setTristate(button_kind == styles::kThreeState || button_kind == styles::kAutoThreeState);
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
    : FittedButton(text, parent), automatic_(automatic) {
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

GroupBox::GroupBox(const QString& title, QWidget* parent) : QWidget(parent), title_(title) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void GroupBox::setTitle(const QString& title) {
    title_ = title;
    FitText();
    update();
}

void GroupBox::FitText() {
    FitTextToRoom(*this, title_, width() - 2 * TitleIndent(*this));
}

void GroupBox::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitText();
}

void GroupBox::paintEvent(QPaintEvent*) {
    FitText();
    QPainter painter(this);
    QFontMetrics metrics = fontMetrics();
    const QPalette& colours = palette();
    // The frame's top edge runs through the middle of the title's line.
    QRect frame = rect().adjusted(0, metrics.height() / 2, 0, 0);
    qDrawShadeRect(&painter, frame, colours, true, 1, 0);
    if (title_.isEmpty()) {
        return;
    }
    int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;
    int indent = TitleIndent(*this);
    QRect title = metrics.boundingRect(QRect(indent, 0, width() - 2 * indent, metrics.height()),
                                       flags, title_);
    title.adjust(-2, 0, 2, 0);
    painter.fillRect(title, colours.window());
    style()->drawItemText(&painter, title.adjusted(2, 0, -2, 0), flags, colours, isEnabled(),
                          title_, QPalette::WindowText);
}

}  // namespace windlass::qt
