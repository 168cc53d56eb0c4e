// The program's window on a display scaled to 100 %, 150 % or 200 %, or with fonts at 144 dpi:
// one run per display, its environment set by the build (tests/app/CMakeLists.txt), each saving
// a picture of the window after the first pass as screenshots/window-<display>.png, the run at
// 100 % also as screenshots/main_window.png for the documentation (scripts/screenshot).
// QT_SCALE_FACTOR scales the whole display; QT_FONT_DPI, with Qt's own high-DPI scaling turned
// off, makes the fonts larger in logical pixels, as a desktop set to larger fonts does.
#include <QDir>
#include <QFontMetrics>
#include <QPixmap>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>

#include "heatwise_window_test.h"
#include "qt/qt_client_area.h"
#include "qt/qt_controls.h"
#include "qt/qt_status_bar.h"

namespace heatwise::testing {
namespace {

using ScalingWindow = HeatwiseWindowTest;

TEST_F(ScalingWindow, ThePictureIsTheWholeFormAtTheDisplaysOwnResolution) {
    StartAndRunFirstPass();
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    const double font_dpi = qEnvironmentVariable("QT_FONT_DPI", "96").toDouble();
    windlass::qt::FrameWindow* frame = Frame();
    ASSERT_DOUBLE_EQ(frame->devicePixelRatioF(), scale) << "the scale took effect";
    ASSERT_DOUBLE_EQ(frame->screen()->logicalDotsPerInchY(), font_dpi);

    // Every control lies inside the client area and every text fits its control.
    QWidget* client = frame->client();
    for (const auto& [id, widget] : Controls()) {
        const QRect placed(widget->mapTo(client, QPoint(0, 0)), widget->size());
        EXPECT_TRUE(client->rect().contains(placed)) << "control " << id << " leaves the form";
        // A radio button's text has the room beside its indicator, a group box's title the
        // room between its indents.
        QString text;
        int room = widget->width();
        if (auto* label = dynamic_cast<windlass::qt::StaticText*>(widget)) {
            text = label->text();
        } else if (auto* radio = dynamic_cast<QRadioButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(radio);
            option.text = text = radio->text();
            room = radio->style()
                       ->subElementRect(QStyle::SE_RadioButtonContents, &option, radio)
                       .width();
        } else if (auto* group = dynamic_cast<windlass::qt::GroupBox*>(widget)) {
            text = group->title();
            room -= 2 * QFontMetrics(widget->font()).averageCharWidth();
        }
        const QFontMetrics metrics(widget->font());
        EXPECT_LE(metrics.horizontalAdvance(text), room)
            << "the text \"" << text.toStdString() << "\" of control " << id << " is cut off";
        EXPECT_LE(metrics.height(), widget->height()) << "the text of " << id << " is too tall";
    }
    windlass::qt::StatusBar* bar = frame->status_bar();
    const std::vector<QRect> parts = bar->PartRectangles();
    for (std::size_t index = 0; index < parts.size(); ++index) {
        EXPECT_LE(QFontMetrics(bar->font())
                      .horizontalAdvance(QString::fromStdString(bar->parts()[index].centre)),
                  parts[index].width())
            << "the text of status part " << index + 1 << " is cut off";
    }

    // Drawn at the display's resolution, not enlarged from a picture at 100 %.
    QPixmap picture = frame->grab();
    EXPECT_DOUBLE_EQ(picture.devicePixelRatio(), scale);
    EXPECT_NEAR(picture.width(), frame->width() * scale, 1.0);
    const QString folder = QStringLiteral(HEATWISE_BINARY_DIR "/screenshots/");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(folder + qEnvironmentVariable("HEATWISE_PICTURE", "window.png")));
    if (scale == 1.0 && font_dpi == 96.0) {
        EXPECT_TRUE(picture.save(folder + QStringLiteral("main_window.png")));
    }
}

}  // namespace
}  // namespace heatwise::testing
