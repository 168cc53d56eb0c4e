// The program's window on a display scaled to 100 %, 150 % or 200 %, or with fonts at 144 dpi:
// one run per display, its environment set by the build (tests/app/CMakeLists.txt), each saving
// a picture of the window after the first pass as screenshots/window-<display>.png, the run at
// 100 % also as screenshots/main_window.png for the documentation (scripts/screenshot).
// QT_SCALE_FACTOR scales the whole display; QT_FONT_DPI, with Qt's own high-DPI scaling turned
// off, makes the fonts larger in logical pixels, as a desktop set to larger fonts does.
#include <QDir>
#include <QPixmap>
#include <QScreen>

#include "heatwise_window_test.h"
#include "qt/qt_client_area.h"

namespace heatwise::testing {
namespace {

using ScalingWindow = HeatwiseWindowTest;

TEST_F(ScalingWindow, ThePictureIsTheWholeWindowAtTheDisplaysOwnResolution) {
    Start();
    Act([] { Press(Qt::Key_Tab); });
    ASSERT_NE(Shown(FLD_COST_COOLING), "0") << "a first pass has filled the form";
    const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
    const double font_dpi = qEnvironmentVariable("QT_FONT_DPI", "96").toDouble();
    windlass::qt::FrameWindow* frame = Frame();
    ASSERT_DOUBLE_EQ(frame->devicePixelRatioF(), scale) << "the scale took effect";
    ASSERT_DOUBLE_EQ(frame->screen()->logicalDotsPerInchY(), font_dpi);

    // Every control lies inside the client area.
    for (const auto& [id, widget] : Controls()) {
        const QRect placed(widget->mapTo(Frame()->client(), QPoint(0, 0)), widget->size());
        EXPECT_TRUE(Frame()->client()->rect().contains(placed)) << "control " << id;
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
