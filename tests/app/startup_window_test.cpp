// The program's start-up on Qt's offscreen platform: what the user first sees, and the whole
// program from its start to File > Exit.
#include <QMenu>
#include <QMenuBar>

#include "engine/city_list.h"
#include "heatwise_window_test.h"
#include "qt/qt_status_bar.h"

namespace heatwise::testing {
namespace {

using StartUpWindow = HeatwiseWindowTest;

TEST_F(StartUpWindow, TheFormShowsTheDefaultsAndTheFirstCitysBinsBeforeAnyPass) {
    Start();
    // No pass has run: only the bin columns show the first city's own values, and the city's
    // design values differ from the defaults shown, so a pass would show.
    const ClimateTables climate = LoadClimateTables({});
    for (int k = 1; k <= kBinValueCount; ++k) {
        EXPECT_EQ(Shown(FLD_HOURS_1_8 + k - 1),
                  std::to_string(climate.bins.City(1)[static_cast<std::size_t>(k - 1)]))
            << "value " << k;
    }
    ASSERT_NE(climate.design.City(1).degree_days, 1700);
    // Of the defaults, those the start-up writes, and the design values before any pass.
    EXPECT_EQ(Shown(FLD_DEGREE_DAYS), "1700");
    EXPECT_EQ(Shown(FLD_ELECTRIC_RATE), "0.08");
    EXPECT_EQ(Shown(FLD_FUEL_PRICE), "4.00");
    EXPECT_EQ(Shown(FLD_COOL_EER), "6.50");
    EXPECT_EQ(Shown(FLD_COST_COOLING), "0");
    // The list offers the cities in the order of the climate files' records, the first chosen.
    auto* list = qobject_cast<QComboBox*>(Field(FLD_CITY));
    ASSERT_EQ(list->count(), kCityCount);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_EQ(list->itemText(kCityCount - 1).toStdString(), CityName(kCityCount));
    // The status bar shows the program's three texts centred in three equal parts.
    const windlass::qt::StatusBar* bar = Frame()->status_bar();
    ASSERT_EQ(bar->parts().size(), kStatusTexts.size());
    const std::vector<QRect> parts = bar->PartRectangles();
    for (std::size_t part = 0; part < kStatusTexts.size(); ++part) {
        EXPECT_EQ("\t" + bar->parts()[part].centre, kStatusTexts[part]) << "part " << part;
        EXPECT_NEAR(parts[part].width(), parts[0].width(), 2) << "part " << part;
    }
}

// Chooses File > Exit once the program's window is up and its form filled.
void ExitOnceStarted() {
    windlass::qt::FrameWindow* frame = HeatwiseWindowTest::Frame();
    if (frame == nullptr || !frame->isActiveWindow() ||
        HeatwiseWindowTest::Shown(FLD_ELECTRIC_RATE) != "0.08") {
        QTimer::singleShot(50, QCoreApplication::instance(), ExitOnceStarted);
        return;
    }
    QMenuBar* bar = frame->menu_bar();
    QAction* entry = bar->actions().value(1);
    ASSERT_NE(entry, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(entry).center());
    QMenu* file = entry->menu();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(file));
    QAction* exit = file->actions().value(0);
    ASSERT_NE(exit, nullptr);
    EXPECT_EQ(exit->text(), "E&xit");
    QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(exit).center());
}

TEST_F(StartUpWindow, TheWholeProgramStartsRunsAndStopsOnExit) {
    windlass::ThePlatform().Windowing().Display();  // As the program's main does.
    QTimer::singleShot(0, QCoreApplication::instance(), ExitOnceStarted);
    EXPECT_EQ(RunHeatwise(), 0);
    EXPECT_EQ(windlass::Windows().by_slot[0].frame, nullptr) << "the main window closed";
}

}  // namespace
}  // namespace heatwise::testing
