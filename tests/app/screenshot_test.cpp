// A picture of the running program's window after its first recalculation, for the
// documentation: screenshots/main_window.png in the build folder (scripts/screenshot copies it
// to docs/screenshot.png).
#include <QDir>
#include <QImage>
#include <QPixmap>

#include "heatwise_window_test.h"

namespace heatwise::testing {
namespace {

using Screenshot = HeatwiseWindowTest;

TEST_F(Screenshot, TheMainWindowAfterItsFirstPass) {
    StartAndRunFirstPass();

    QPixmap picture = Frame()->grab();
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.size(), Frame()->size());
    const QString folder = QStringLiteral(HEATWISE_BINARY_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(picture.save(folder + QStringLiteral("/main_window.png")));
}

}  // namespace
}  // namespace heatwise::testing
