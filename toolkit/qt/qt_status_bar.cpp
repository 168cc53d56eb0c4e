#include "qt/qt_status_bar.h"

#include <qdrawutil.h>
#include <QPainter>
#include <QSizeGrip>
#include <QStyle>

#include <utility>

#include "platform/window_types.h"
#include "qt/qt_platform.h"
#include "qt/status_part_spans.h"

namespace windlass::qt {
namespace {

// Room between a part's border and its text, and between the bar's edge and its parts.
constexpr int kTextMargin = 4;
constexpr int kBarMargin = 2;

}  // namespace

StatusBar::StatusBar(Grip grip, QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // A fresh bar has one part across it, as the toolkit's own model has.
    parts_.push_back(StatusPartView{});
    if (grip == Grip::SizeGrip) {
        grip_ = new QSizeGrip(this);
    }
}

void StatusBar::SetParts(std::vector<StatusPartView> parts) {
    parts_ = std::move(parts);
    // The toolkit shows a new status text at once, not at the next pass of the event loop.
    repaint();
}

void StatusBar::ShowSimpleText(const QString& text) {
    simple_text_ = text;
    repaint();
}

void StatusBar::EndSimpleText() {
    if (simple_text_) {
        simple_text_.reset();
        repaint();
    }
}

std::vector<QRect> StatusBar::PartRectangles() const {
    std::vector<int> edges;
    for (const StatusPartView& part : parts_) {
        edges.push_back(part.right_edge);
    }
    std::vector<QRect> rectangles;
    for (const PartSpan& span : PartSpans(edges, width())) {
        rectangles.emplace_back(span.left, kBarMargin, span.right - span.left,
                                height() - 2 * kBarMargin);
    }
    return rectangles;
}

QSize StatusBar::sizeHint() const {
    return {QWidget::sizeHint().width(), fontMetrics().height() + 2 * kBarMargin + 4};
}

void StatusBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (simple_text_) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(kTextMargin, kBarMargin, -kTextMargin, -kBarMargin),
                         Qt::AlignLeft | Qt::AlignVCenter, *simple_text_);
        return;
    }
    std::vector<QRect> rectangles = PartRectangles();
    for (std::size_t index = 0; index < parts_.size(); ++index) {
        const StatusPartView& part = parts_[index];
        QRect rectangle = rectangles[index];
        if (rectangle.width() <= 0) {
            continue;
        }
        if (part.border != PartBorder::None) {
            qDrawShadePanel(&painter, rectangle, palette(), part.border == PartBorder::Sunken, 1);
        }
        QRect text_area = rectangle.adjusted(kTextMargin, 1, -kTextMargin, -1);
        painter.save();
        painter.setClipRect(rectangle.adjusted(1, 1, -1, -1));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(text_area, Qt::AlignLeft | Qt::AlignVCenter, ToQString(part.left));
        painter.drawText(text_area, Qt::AlignHCenter | Qt::AlignVCenter, ToQString(part.centre));
        painter.drawText(text_area, Qt::AlignRight | Qt::AlignVCenter, ToQString(part.right));
        painter.restore();
    }
}

void StatusBar::resizeEvent(QResizeEvent*) {
    if (grip_ != nullptr) {
        QSize size = grip_->sizeHint();
        grip_->setGeometry(width() - size.width(), height() - size.height(), size.width(),
                           size.height());
    }
}

}  // namespace windlass::qt
