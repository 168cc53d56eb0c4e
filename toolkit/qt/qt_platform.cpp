#include "qt/qt_platform.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

#include <optional>
#include <string>

#include "qt/qt_application.h"

namespace windlass::qt {
namespace {

QMessageBox::StandardButton ToStandardButton(BoxAnswer answer) {
    switch (answer) {
        case BoxAnswer::Ok:
            return QMessageBox::Ok;
        case BoxAnswer::Cancel:
            return QMessageBox::Cancel;
        case BoxAnswer::Abort:
            return QMessageBox::Abort;
        case BoxAnswer::Retry:
            return QMessageBox::Retry;
        case BoxAnswer::Ignore:
            return QMessageBox::Ignore;
        case BoxAnswer::Yes:
            return QMessageBox::Yes;
        case BoxAnswer::No:
            return QMessageBox::No;
        case BoxAnswer::Failed:
            break;
    }
    return QMessageBox::NoButton;
}

BoxAnswer FromStandardButton(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok:
            return BoxAnswer::Ok;
        case QMessageBox::Cancel:
            return BoxAnswer::Cancel;
        case QMessageBox::Abort:
            return BoxAnswer::Abort;
        case QMessageBox::Retry:
            return BoxAnswer::Retry;
        case QMessageBox::Ignore:
            return BoxAnswer::Ignore;
        case QMessageBox::Yes:
            return BoxAnswer::Yes;
        case QMessageBox::No:
            return BoxAnswer::No;
        default:
            return BoxAnswer::Failed;
    }
}

QMessageBox::Icon ToQtIcon(BoxIcon icon) {
    switch (icon) {
        case BoxIcon::Stop:
            return QMessageBox::Critical;
        case BoxIcon::Question:
            return QMessageBox::Question;
        case BoxIcon::Exclamation:
            return QMessageBox::Warning;
        case BoxIcon::Information:
            return QMessageBox::Information;
        case BoxIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QWidget* ToWidget(WindowHandle window) {
    return reinterpret_cast<QWidget*>(window);
}

WindowHandle ToHandle(QWidget* widget) {
    return reinterpret_cast<WindowHandle>(widget);
}

DisplayMetrics QtWindowing::Display() {
    DisplayMetrics metrics;
    if (const std::optional<std::string>& problem = DisplayProblem()) {
        metrics.state = DisplayState::Missing;
        metrics.problem = *problem;
        return metrics;
    }
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        metrics.width_px = screen->geometry().width();
        metrics.height_px = screen->geometry().height();
        metrics.bits_per_pixel = screen->depth();
    }
    return metrics;
}

UserPresence QtWindowing::Presence() {
    if (!HasDisplay()) {
        return UserPresence::Absent;
    }
    // Qt's offscreen and minimal platforms draw into memory that no screen shows.
    const QString platform = QGuiApplication::platformName();
    const bool unseen =
        platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
    return unseen ? UserPresence::Absent : UserPresence::Present;
}

BoxAnswer QtWindowing::ShowMessageBox(const MessageBoxRequest& request) {
    if (!HasDisplay()) {
        return BoxAnswer::Failed;
    }
    QMessageBox box(ToWidget(request.owner));
    box.setWindowTitle(ToQString(request.title));
    // The toolkit's texts are plain: a "<" in an error line is not markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(ToQString(request.text));
    box.setIcon(ToQtIcon(request.icon));
    for (int position = 0; position < ButtonCount(request.buttons); ++position) {
        box.addButton(ToStandardButton(ButtonAt(request.buttons, position)));
    }
    box.setDefaultButton(ToStandardButton(ButtonAt(request.buttons, request.default_button)));
    bool blocks_owner_only = request.modality == BoxModality::Owner && request.owner != nullptr;
    box.setWindowModality(blocks_owner_only ? Qt::WindowModal : Qt::ApplicationModal);
    box.exec();
    QAbstractButton* pressed = box.clickedButton();
    if (pressed == nullptr) {
        return BoxAnswer::Failed;
    }
    return FromStandardButton(box.standardButton(pressed));
}

void QtWindowing::Beep() {
    Application();
    QApplication::beep();
}

}  // namespace windlass::qt
