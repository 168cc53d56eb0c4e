#include "qt/qt_controls.h"

#include <qdrawutil.h>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTextDocument>
#include <QTextOption>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

#include "qt/qt_common_controls.h"
#include "qt/qt_numeric_edit.h"
#include "qt/qt_platform.h"
#include "qt/qt_text_fit.h"
#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

QWidget* MakeButton(const DialogControl& control, ControlKind kind, QWidget* dialog) {
    QString text = ToQString(control.text);
    std::uint32_t button_kind = control.style & styles::kButtonKindMask;
    switch (kind) {
        case ControlKind::PushButton:
        case ControlKind::Button:
            return new PushButton(text, dialog);
        case ControlKind::CheckBox:
            return new CheckBox(text, button_kind, dialog);
        case ControlKind::RadioButton:
            return new RadioButton(text, button_kind == styles::kAutoRadioButton, dialog);
        default: {
            auto* group = new GroupBox(text, dialog);
            return group;
        }
    }
}

}  // namespace

QWidget* MakeControl(const DialogControl& control, ControlKind kind, QWidget* dialog) {
    QString text = ToQString(control.text);
    switch (kind) {
        case ControlKind::Label:
            return new StaticText(text, control.style, dialog);
        case ControlKind::GroupBox:
        case ControlKind::PushButton:
        case ControlKind::Button:
        case ControlKind::CheckBox:
        case ControlKind::RadioButton:
            return MakeButton(control, kind, dialog);
        case ControlKind::ComboBox:
            return new ComboBox(control.style, dialog);
        case ControlKind::ListBox: {
            auto* list = new ListBox(control.style, dialog);
            list->caption = text;
            list->setFrameShape(styles::HasBorder(control.style, control.ex_style)
                                    ? QFrame::StyledPanel
                                    : QFrame::NoFrame);
            return list;
        }
        case ControlKind::Edit:
            return MakeLineEdit(text, control.style, control.ex_style, dialog);
        case ControlKind::MultiLineEdit:
            return new MultiLineEdit(text, control.style, control.ex_style, dialog);
        case ControlKind::NumericField:
        case ControlKind::NumericSpin:
            return new NumericEdit(
                text, control, kind == ControlKind::NumericSpin ? Arrows::Yes : Arrows::No, dialog);
        case ControlKind::Trackbar:
        case ControlKind::Progress:
        case ControlKind::TabControl:
        case ControlKind::TreeView:
        case ControlKind::UpDown:
        case ControlKind::Header:
            return MakeCommonControl(control, kind, dialog);
    }
    return nullptr;
}

// ---- Labels ----------------------------------------------------------------------------------

StaticText::StaticText(const QString& text, std::uint32_t style_bits, QWidget* parent)
    : QWidget(parent), text_(text), style_(style_bits) {
    // A label only shows; clicks reach whatever lies under it, unless it asks to hear them.
    if (!(style_bits & styles::kStaticNotify)) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    setFocusPolicy(Qt::NoFocus);
}

void StaticText::setText(const QString& text) {
    text_ = text;
    FitText();
    update();
}

void StaticText::SetImage(const QPixmap& image) {
    image_ = image;
    update();
}

void StaticText::FitText() {
    std::uint32_t kind = style_ & styles::kStaticKindMask;
    bool text_kind = kind == styles::kStaticLeft || kind == styles::kStaticCentre ||
                     kind == styles::kStaticRight || kind == styles::kStaticSimple ||
                     kind == styles::kStaticLeftNoWordWrap;
    // A label with room for a second line, or a text of several lines, wraps as it always did;
    // a label of one line would lose its last words to the wrap, so it is narrowed instead.
    bool one_line = height() < 2 * QFontMetrics(UncondensedFont(*this)).lineSpacing();
    if (text_kind && one_line && !text_.contains(QLatin1Char('\n'))) {
        FitTextToRoom(*this, text_, width());
    }
}

void StaticText::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitText();
}

int StaticText::TextFlags() const {
    int flags = Qt::AlignTop;
    switch (style_ & styles::kStaticKindMask) {
        case styles::kStaticCentre:
            flags = Qt::AlignHCenter | Qt::TextWordWrap;
            break;
        case styles::kStaticRight:
            flags = Qt::AlignRight | Qt::TextWordWrap;
            break;
        case styles::kStaticSimple:
        case styles::kStaticLeftNoWordWrap:
            flags = Qt::AlignLeft;
            break;
        default:
            flags = Qt::AlignLeft | Qt::TextWordWrap;
            break;
    }
    flags |= (style_ & styles::kStaticCentreVertically) ? Qt::AlignVCenter : Qt::AlignTop;
    if (!(style_ & styles::kStaticNoPrefix)) {
        flags |= Qt::TextShowMnemonic;
    }
    return flags;
}

void StaticText::paintEvent(QPaintEvent*) {
    FitText();
    QPainter painter(this);
    const QPalette& colours = palette();
    QRect area = rect();
    switch (style_ & styles::kStaticKindMask) {
        case styles::kStaticBlackRect:
            painter.fillRect(area, colours.windowText());
            return;
        case styles::kStaticGrayRect:
            painter.fillRect(area, colours.mid());
            return;
        case styles::kStaticWhiteRect:
            painter.fillRect(area, colours.light());
            return;
        case styles::kStaticBlackFrame:
        case styles::kStaticGrayFrame:
        case styles::kStaticWhiteFrame: {
            std::uint32_t kind = style_ & styles::kStaticKindMask;
            QColor colour = kind == styles::kStaticBlackFrame  ? colours.color(QPalette::WindowText)
                            : kind == styles::kStaticGrayFrame ? colours.color(QPalette::Mid)
                                                               : colours.color(QPalette::Light);
            painter.setPen(colour);
            painter.drawRect(area.adjusted(0, 0, -1, -1));
            return;
        }
        case styles::kStaticEtchedHorizontal:
            qDrawShadeLine(&painter, area.left(), area.top(), area.right(), area.top(), colours,
                           true);
            return;
        case styles::kStaticEtchedVertical:
            qDrawShadeLine(&painter, area.left(), area.top(), area.left(), area.bottom(), colours,
                           true);
            return;
        case styles::kStaticEtchedFrame:
            qDrawShadeRect(&painter, area, colours, true);
            return;
        case styles::kStaticLeft:
        case styles::kStaticCentre:
        case styles::kStaticRight:
        case styles::kStaticSimple:
        case styles::kStaticLeftNoWordWrap:
            break;
        case styles::kStaticIcon:
        case styles::kStaticBitmap:
            if (!image_.isNull()) {
                QRect place(QPoint(0, 0), image_.deviceIndependentSize().toSize());
                if (style_ & styles::kStaticCentreImage) {
                    place.moveCenter(area.center());
                }
                painter.drawPixmap(place, image_);
            }
            return;
        default:
            // Owner-drawn labels draw nothing of their own.
            return;
    }
    if (style_ & styles::kStaticSunken) {
        qDrawShadePanel(&painter, area, colours, true);
    }
    style()->drawItemText(&painter, area, TextFlags(), colours, isEnabled(), text_,
                          QPalette::WindowText);
}

}  // namespace windlass::qt
