#include "qt/qt_text_fit.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace windlass::qt {
namespace {

// Radio buttons and check boxes with the proportions of the dialogs the templates were written
// for: an indicator of one text line, set close to its text, so that a button's text has the
// room its author left for it.
class ClassicButtonStyle : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (widget == nullptr) {
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
        switch (metric) {
            case PM_ExclusiveIndicatorWidth:
            case PM_ExclusiveIndicatorHeight:
            case PM_IndicatorWidth:
            case PM_IndicatorHeight:
                return QFontMetrics(widget->font()).height();
            case PM_RadioButtonLabelSpacing:
            case PM_CheckBoxLabelSpacing:
                return std::max(2, QFontMetrics(widget->font()).height() / 3);
            default:
                return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }
};

// The width of a text drawn on one line, "&" marking the mnemonic as the controls draw it.
qreal LineWidth(const QFont& font, const QString& text) {
    return QFontMetricsF(font).size(Qt::TextSingleLine | Qt::TextShowMnemonic, text).width();
}

}  // namespace

QStyle* ButtonStyle() {
    static QPointer<ClassicButtonStyle> style;
    if (style.isNull()) {
        // The application's own style underneath, whichever the desktop or the user chose.
        style = new ClassicButtonStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(QCoreApplication::instance());
    }
    return style.data();
}

QFont UncondensedFont(const QWidget& control) {
    const QWidget* dialog = control.parentWidget();
    QFont font = control.font();
    font.setStretch(dialog != nullptr ? dialog->font().stretch() : QApplication::font().stretch());
    return font;
}

void FitTextToRoom(QWidget& control, const QString& text, int room) {
    QFont natural = UncondensedFont(control);
    int stretch = 0;  // The face's own width, as the dialog has it.
    qreal width = LineWidth(natural, text);
    if (room > 0 && width > room) {
        stretch =
            std::clamp(static_cast<int>(std::floor(100.0 * room / width)), kNarrowestStretch, 99);
        QFont condensed = natural;
        condensed.setStretch(stretch);
        while (stretch > kNarrowestStretch && LineWidth(condensed, text) > room) {
            condensed.setStretch(--stretch);
        }
    }
    bool condensed_now = (control.font().resolveMask() & QFont::StretchResolved) != 0;
    if (stretch == 0 && !condensed_now) {
        return;
    }
    if (condensed_now && control.font().stretch() == stretch) {
        return;
    }
    // Only the width is the control's own; everything else it keeps inheriting from its dialog.
    QFont own;
    if (stretch != 0) {
        own.setStretch(stretch);
    }
    control.setFont(own);
}

}  // namespace windlass::qt
