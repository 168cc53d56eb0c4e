// The settings of a dialog's controls beyond their texts and entries: the range and position
// of bars, a trackbar's steps and selection, the pages of tab controls, colours and pictures.
#include <QAbstractButton>
#include <QIcon>
#include <QImage>
#include <QPalette>

#include <algorithm>

#include "qt/qt_common_controls.h"
#include "qt/qt_controls.h"
#include "qt/qt_dialog_controls.h"
#include "qt/qt_platform.h"

namespace windlass::qt {
namespace {

template <typename Control>
Control* As(WindowHandle control) {
    return dynamic_cast<Control*>(ToWidget(control));
}

QColor ColourOf(int colour) {
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Sets one colour of a control in every role that paints that part of it; the platform's own
// colour is the one the control's dialog has.
void SetRoles(QWidget& widget, QPalette& colours, std::initializer_list<QPalette::ColorRole> roles,
              int colour) {
    QWidget* dialog = widget.parentWidget();
    for (QPalette::ColorRole role : roles) {
        QColor chosen = colour == kPlatformColour
                            ? (dialog != nullptr ? dialog->palette() : QPalette()).color(role)
                            : ColourOf(colour);
        colours.setColor(QPalette::Active, role, chosen);
        colours.setColor(QPalette::Inactive, role, chosen);
    }
}

}  // namespace

void QtDialogControls::SetBarRange(WindowHandle control, int minimum, int maximum) {
    if (auto* trackbar = As<Trackbar>(control)) {
        trackbar->SetRangeQuietly(minimum, maximum);
    } else if (auto* progress = As<ProgressBar>(control)) {
        progress->setRange(minimum, maximum);
    } else if (auto* arrows = As<UpDown>(control)) {
        arrows->SetRange(minimum, maximum);
    }
}

void QtDialogControls::SetBarPosition(WindowHandle control, int position) {
    if (auto* trackbar = As<Trackbar>(control)) {
        trackbar->SetPositionQuietly(position);
    } else if (auto* progress = As<ProgressBar>(control)) {
        progress->setValue(std::clamp(position, progress->minimum(), progress->maximum()));
    } else if (auto* arrows = As<UpDown>(control)) {
        arrows->SetPosition(position);
    }
}

int QtDialogControls::BarPosition(WindowHandle control) {
    if (auto* trackbar = As<Trackbar>(control)) {
        return trackbar->value();
    }
    if (auto* progress = As<ProgressBar>(control)) {
        return progress->value();
    }
    if (auto* arrows = As<UpDown>(control)) {
        return arrows->position();
    }
    return 0;
}

void QtDialogControls::SetTrackbarSteps(WindowHandle control, const TrackbarSteps& steps) {
    auto* trackbar = As<Trackbar>(control);
    if (trackbar == nullptr) {
        return;
    }
    trackbar->SetTickFrequency(steps.tick_frequency);
    if (steps.page_size > 0) {
        trackbar->setPageStep(steps.page_size);
    }
    if (steps.line_size > 0) {
        trackbar->setSingleStep(steps.line_size);
    }
}

void QtDialogControls::SetTrackbarSelection(WindowHandle control, int start, int end) {
    if (auto* trackbar = As<Trackbar>(control)) {
        trackbar->SetSelection(start, end);
    }
}

void QtDialogControls::AddTabPage(WindowHandle tab_control, WindowHandle page,
                                  const std::string& caption) {
    auto* tabs = As<TabControl>(tab_control);
    QWidget* widget = ToWidget(page);
    if (tabs != nullptr && widget != nullptr) {
        tabs->AddPage(widget, ToQString(caption));
    }
}

void QtDialogControls::SelectTabPage(WindowHandle tab_control, int index) {
    if (auto* tabs = As<TabControl>(tab_control)) {
        tabs->SelectQuietly(index);
    }
}

void QtDialogControls::SetTabCaption(WindowHandle tab_control, WindowHandle page,
                                     const std::string& caption) {
    auto* tabs = As<TabControl>(tab_control);
    int index = tabs != nullptr ? tabs->indexOf(ToWidget(page)) : -1;
    if (index >= 0) {
        tabs->setTabText(index, ToQString(caption));
    }
}

WindowHandle QtDialogControls::SelectedTabPage(WindowHandle tab_control) {
    auto* tabs = As<TabControl>(tab_control);
    return tabs != nullptr ? ToHandle(tabs->currentWidget()) : nullptr;
}

void QtDialogControls::SetControlColours(WindowHandle control, int text, int background) {
    QWidget* widget = ToWidget(control);
    if (widget == nullptr) {
        return;
    }
    QPalette colours = widget->palette();
    SetRoles(*widget, colours, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, text);
    SetRoles(*widget, colours, {QPalette::Window, QPalette::Base, QPalette::Button}, background);
    widget->setPalette(colours);
    // A label or button paints no background of its own until it has a colour for one.
    widget->setAutoFillBackground(background != kPlatformColour);
    widget->update();
}

bool QtDialogControls::SetControlImage(WindowHandle control, ImageKind kind,
                                       std::span<const std::uint8_t> bytes) {
    QWidget* widget = ToWidget(control);
    if (widget == nullptr) {
        return false;
    }
    QImage image = QImage::fromData(bytes.data(), static_cast<int>(bytes.size()),
                                    kind == ImageKind::Bitmap ? "BMP" : "ICO");
    if (image.isNull()) {
        return false;
    }
    QPixmap picture = QPixmap::fromImage(image);
    if (auto* label = dynamic_cast<StaticText*>(widget)) {
        label->SetImage(picture);
        return true;
    }
    if (auto* button = dynamic_cast<QAbstractButton*>(widget)) {
        // The picture stands beside the caption, as large as the button's height allows.
        int room = std::max(8, button->height() - 8);
        button->setIcon(QIcon(picture));
        button->setIconSize(picture.size().scaled(room, room, Qt::KeepAspectRatio));
        return true;
    }
    return false;
}

}  // namespace windlass::qt
