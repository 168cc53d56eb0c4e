#include "qt/qt_numeric_edit.h"

#include <QFocusEvent>
#include <QFont>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include "platform/platform.h"
#include "qt/qt_edit_fields.h"
#include "qt/qt_focus_reasons.h"
#include "qt/qt_keys.h"
#include "qt/qt_platform.h"
#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

constexpr int kFirstRepeatDelay = 400;
constexpr int kRepeatInterval = 80;

// The step of a spin key: the arrows by one, the page keys by five.
int SpinStepOf(int key) {
    switch (key) {
        case Qt::Key_Up:
            return 1;
        case Qt::Key_Down:
            return -1;
        case Qt::Key_PageUp:
            return 5;
        case Qt::Key_PageDown:
            return -5;
        default:
            return 0;
    }
}

}  // namespace

QPointer<NumericEdit> NumericEdit::holder_;

// ---- The arrows ------------------------------------------------------------------------------

SpinArrows::SpinArrows(NumericEdit& field) : QWidget(&field), field_(field) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, [this] { Repeat(); });
}

void SpinArrows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int half = height() / 2;
    QRect halves[] = {QRect(0, 0, width(), half), QRect(0, half, width(), height() - half)};
    for (int index = 0; index < 2; ++index) {
        bool held = held_ == (index == 0 ? 1 : -1);
        QStyleOptionButton bevel;
        bevel.initFrom(this);
        bevel.rect = halves[index];
        bevel.state |= held ? QStyle::State_Sunken : QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &bevel, &painter, this);
        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = halves[index].adjusted(2, 1, -2, -1);
        style()->drawPrimitive(
            index == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &arrow,
            &painter, this);
    }
}

void SpinArrows::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || field_.isReadOnly()) {
        event->ignore();
        return;
    }
    held_ = event->position().y() < height() / 2 ? 1 : -1;
    update();
    repeat_.start(kFirstRepeatDelay);
    field_.Step(held_);
}

void SpinArrows::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        held_ = 0;
        repeat_.stop();
        update();
    }
}

void SpinArrows::Repeat() {
    if (held_ == 0) {
        repeat_.stop();
        return;
    }
    repeat_.setInterval(kRepeatInterval);
    field_.Step(held_);
}

// ---- The field -------------------------------------------------------------------------------

NumericEdit::NumericEdit(const QString& text, const DialogControl& control, Arrows arrows,
                         QWidget* parent)
    : QLineEdit(parent) {
    // The field's style is that of the edit fields it extends: its numbers are centred when the
    // style asks, and the multi-line bit that comes with that in the templates is not honoured,
    // as a number is one line.
    setFrame(styles::HasBorder(control.style, control.ex_style));
    Qt::Alignment across = Qt::AlignLeft;
    if (control.style & styles::kEditCentre) {
        across = Qt::AlignHCenter;
    } else if (control.style & styles::kEditRight) {
        across = Qt::AlignRight;
    }
    setAlignment(across | Qt::AlignVCenter);
    setReadOnly((control.style & styles::kEditReadOnly) != 0);
    // Every character is typed through the key presses, where the toolkit can refuse it.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    // A number's digits, signs and points need no shaping: laid out glyph by glyph they look
    // the same, and a form of many numbers is laid out anew at every recalculation. Only this
    // one attribute is the field's own; family and size still come from the dialog.
    QFont unshaped;
    unshaped.setStyleStrategy(QFont::PreferNoShaping);
    setFont(unshaped);
    if (arrows == Arrows::Yes) {
        arrows_ = new SpinArrows(*this);
        arrows_->setEnabled(!isReadOnly());
        PlaceArrows();
    }
    WriteLineText(*this, text);
}

void NumericEdit::SetSpinRange(int minimum, int maximum) {
    spin_minimum_ = minimum;
    spin_maximum_ = maximum;
}

void NumericEdit::Step(int step) {
    if (host_ != nullptr && !isReadOnly()) {
        host_->Spin(*this, step);
    }
}

NumericEdit* NumericEdit::Holder() {
    return holder_.data();
}

void NumericEdit::ReleaseHolder() {
    holder_ = nullptr;
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
    std::optional<KeyPress> key = KeyPressFromQt(*event);
    if (!key || host_ == nullptr) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // The key goes down before it produces its character.
    host_->NumericKeyDown(*this, key->virtual_key);
    int step = SpinStepOf(event->key());
    if (has_spin() && step != 0 && key->ctrl == Held::No) {
        event->accept();
        Step(step);
        return;
    }
    constexpr int kCtrlA = 1;
    if (key->character == kCtrlA) {
        event->accept();
        selectAll();
        return;
    }
    if (key->character == 0) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    CharacterVerdict verdict = host_->AskCharacter(*this, key->character);
    if (verdict.kind == CharacterVerdict::Kind::Drop) {
        event->accept();
        if (verdict.beep) {
            ThePlatform().Windowing().Beep();
        }
        return;
    }
    if (verdict.character == key->character || verdict.character < ' ') {
        // The character goes in as typed; control characters keep their editing meaning
        // (Backspace deletes, Ctrl+C copies, Ctrl+V pastes unfiltered).
        QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!isReadOnly()) {
        char32_t replacement = static_cast<char32_t>(verdict.character);
        insert(QString::fromUcs4(&replacement, 1));
    }
}

void NumericEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::PopupFocusReason) {
        holder_ = this;
    }
}

void NumericEdit::focusOutEvent(QFocusEvent* event) {
    if (!IsWindowOrPopupChange(event->reason()) && holder_ == this) {
        holder_ = nullptr;
    }
    QLineEdit::focusOutEvent(event);
}

void NumericEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    PlaceArrows();
}

void NumericEdit::PlaceArrows() {
    if (arrows_ == nullptr) {
        return;
    }
    int width = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    int frame = hasFrame() ? style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this) : 0;
    arrows_->setGeometry(this->width() - frame - width, frame, width, height() - 2 * frame);
    setTextMargins(0, 0, width, 0);
}

}  // namespace windlass::qt
