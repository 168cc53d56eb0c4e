#include "qt/qt_common_controls.h"

#include <QPainter>
#include <QResizeEvent>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleOptionSlider>

#include <algorithm>
#include <cstdlib>

#include "qt/qt_platform.h"
#include "resources/template_styles.h"

namespace windlass::qt {
namespace {

QSlider::TickPosition TicksFor(std::uint32_t style) {
    if (style & styles::kTrackbarNoTicks) {
        return QSlider::NoTicks;
    }
    if (style & styles::kTrackbarTicksOnBothSides) {
        return QSlider::TicksBothSides;
    }
    return (style & styles::kTrackbarTicksOnTopOrLeft) ? QSlider::TicksAbove : QSlider::TicksBelow;
}

}  // namespace

// ---- Trackbars -------------------------------------------------------------------------------

Trackbar::Trackbar(std::uint32_t style, QWidget* parent)
    : QSlider((style & styles::kTrackbarVertical) ? Qt::Vertical : Qt::Horizontal, parent),
      style_(style) {
    // A new trackbar runs from 0 to 100 with a tick at each end and, with the automatic
    // ticks style, one at every position.
    setRange(0, 100);
    setTickPosition(TicksFor(style));
    setTickInterval((style & styles::kTrackbarAutoTicks) ? 1 : 100);
    setPageStep(20);
    setSingleStep(1);
    // A vertical trackbar has its minimum at the top, as it always had.
    setInvertedAppearance(orientation() == Qt::Vertical);
    setInvertedControls(orientation() == Qt::Vertical);
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (!quiet_ && on_scrolled) {
            on_scrolled();
        }
    });
}

void Trackbar::SetRangeQuietly(int minimum, int maximum) {
    quiet_ = true;
    setRange(minimum, maximum);
    quiet_ = false;
    update();
}

void Trackbar::SetPositionQuietly(int position) {
    quiet_ = true;
    setValue(position);
    quiet_ = false;
}

void Trackbar::SetTickFrequency(int frequency) {
    if (frequency > 0) {
        setTickInterval(frequency);
    }
}

void Trackbar::SetSelection(int start, int end) {
    selection_start_ = std::min(start, end);
    selection_end_ = std::max(start, end);
    update();
}

void Trackbar::paintEvent(QPaintEvent* event) {
    QSlider::paintEvent(event);
    if (!(style_ & styles::kTrackbarSelectionRange) || selection_start_ == selection_end_ ||
        maximum() <= minimum()) {
        return;
    }
    // The selection is a band of the highlight colour along the groove, under the ticks.
    QStyleOptionSlider option;
    initStyleOption(&option);
    QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderGroove, this);
    QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    bool horizontal = orientation() == Qt::Horizontal;
    int span = horizontal ? groove.width() - handle.width() : groove.height() - handle.height();
    auto place = [&](int value) {
        return QStyle::sliderPositionFromValue(minimum(), maximum(),
                                               std::clamp(value, minimum(), maximum()), span,
                                               option.upsideDown) +
               (horizontal ? handle.width() / 2 : handle.height() / 2);
    };
    int from = place(selection_start_);
    int to = place(selection_end_);
    // The selection is a band of the highlight colour just beside the groove, on the side of
    // the ticks, so that it is not taken for the groove's own fill up to the thumb.
    QPainter painter(this);
    QColor band = palette().color(QPalette::Highlight);
    bool ticks_before = tickPosition() == QSlider::TicksAbove;
    if (horizontal) {
        int y = ticks_before ? groove.top() - 4 : groove.bottom() + 2;
        painter.fillRect(QRect(groove.left() + std::min(from, to), y, std::abs(to - from), 3),
                         band);
    } else {
        int x = ticks_before ? groove.left() - 4 : groove.right() + 2;
        painter.fillRect(QRect(x, groove.top() + std::min(from, to), 3, std::abs(to - from)), band);
    }
}

// ---- Progress bars ---------------------------------------------------------------------------

ProgressBar::ProgressBar(std::uint32_t style, QWidget* parent) : QProgressBar(parent) {
    setOrientation((style & styles::kProgressVertical) ? Qt::Vertical : Qt::Horizontal);
    setRange(0, 100);
    setValue(0);
    setTextVisible(false);
    setFocusPolicy(Qt::NoFocus);
}

// ---- Tab controls ----------------------------------------------------------------------------

TabControl::TabControl(QWidget* parent) : QTabWidget(parent) {
    setDocumentMode(false);
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (!quiet_ && on_selected) {
            on_selected();
        }
    });
}

TabControl::~TabControl() {
    quiet_ = true;
    for (const QPointer<QWidget>& page : pages_) {
        if (page != nullptr) {
            page->hide();
            page->setParent(nullptr);
        }
    }
}

void TabControl::AddPage(QWidget* page, const QString& caption) {
    quiet_ = true;
    addTab(page, caption);
    quiet_ = false;
    pages_.emplace_back(page);
}

void TabControl::SelectQuietly(int index) {
    quiet_ = true;
    setCurrentIndex(index);
    quiet_ = false;
}

// ---- Tree views ------------------------------------------------------------------------------

TreeView::TreeView(std::uint32_t style, QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated((style & styles::kTreeHasButtons) != 0);
    setFrameShape(QFrame::StyledPanel);
}

// ---- Up-down controls ------------------------------------------------------------------------

UpDown::UpDown(std::uint32_t style, QWidget* parent)
    : QWidget(parent),
      increase_(new QToolButton(this)),
      decrease_(new QToolButton(this)),
      horizontal_((style & styles::kUpDownHorizontal) != 0) {
    increase_->setArrowType(horizontal_ ? Qt::RightArrow : Qt::UpArrow);
    decrease_->setArrowType(horizontal_ ? Qt::LeftArrow : Qt::DownArrow);
    for (QToolButton* arrow : {increase_, decrease_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    connect(increase_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(decrease_, &QToolButton::clicked, this, [this] { Step(-1); });
    setFocusPolicy(Qt::NoFocus);
}

void UpDown::SetRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    position_ = std::clamp(position_, minimum_, maximum_);
}

void UpDown::SetPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void UpDown::Step(int step) {
    SetPosition(position_ + step);
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    QSize size = event->size();
    if (horizontal_) {
        int half = size.width() / 2;
        decrease_->setGeometry(0, 0, half, size.height());
        increase_->setGeometry(half, 0, size.width() - half, size.height());
    } else {
        int half = size.height() / 2;
        increase_->setGeometry(0, 0, size.width(), half);
        decrease_->setGeometry(0, half, size.width(), size.height() - half);
    }
}

// ---- Headers ---------------------------------------------------------------------------------

HeaderControl::HeaderControl(const QString& text, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), captions_(new QStandardItemModel(this)) {
    QStringList columns = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\t'));
    captions_->setColumnCount(static_cast<int>(columns.size()));
    captions_->setHorizontalHeaderLabels(columns);
    setModel(captions_);
    setStretchLastSection(true);
    setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setFocusPolicy(Qt::NoFocus);
}

QWidget* MakeCommonControl(const DialogControl& control, ControlKind kind, QWidget* dialog) {
    switch (kind) {
        case ControlKind::Trackbar:
            return new Trackbar(control.style, dialog);
        case ControlKind::Progress:
            return new ProgressBar(control.style, dialog);
        case ControlKind::TabControl:
            return new TabControl(dialog);
        case ControlKind::TreeView:
            return new TreeView(control.style, dialog);
        case ControlKind::UpDown:
            return new UpDown(control.style, dialog);
        case ControlKind::Header:
            return new HeaderControl(ToQString(control.text), dialog);
        default:
            return nullptr;
    }
}

}  // namespace windlass::qt
