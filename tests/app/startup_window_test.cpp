// The program's start-up on Qt's offscreen platform: what the user sees before touching
// anything, the window around the form, and the whole program from its start to File > Exit.
#include <QMenu>

#include "city_list.h"
#include "heatwise_window_test.h"
#include "qt/qt_client_area.h"
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
    for (int bin = 1; bin <= kBinCount; ++bin) {
        EXPECT_EQ(Shown(FLD_PCT_CALCD + bin - 1), "0") << "bin " << bin;
    }
    const std::pair<int, const char*> shown[] = {
        {FLD_DEGREE_DAYS, "1700"},    {FLD_SUMMER_DESIGN, "97"},  {FLD_WINTER_DESIGN, "28"},
        {FLD_COST_COOLING, "0"},      {FLD_COST_HEATING, "0"},    {FLD_ELECTRIC_RATE, "0.08"},
        {FLD_FUEL_PRICE, "4.00"},     {FLD_COOL_EER, "6.50"},     {FLD_TSTAT_HOURS_1, "8"},
        {FLD_TSTAT_HOURS_2, "8"},     {FLD_TSTAT_HOURS_3, "8"},   {FLD_TSTAT_SUMMER_1, "85"},
        {FLD_TSTAT_SUMMER_2, "85"},   {FLD_TSTAT_SUMMER_3, "78"}, {FLD_TSTAT_WINTER_1, "65"},
        {FLD_TSTAT_WINTER_2, "60"},   {FLD_TSTAT_WINTER_3, "75"}, {FLD_COOL_CAPACITY, "20000"},
        {FLD_HEAT_CAPACITY, "20000"}, {FLD_HEAT_EFF, "85"}};
    for (const auto& [field, text] : shown) {
        EXPECT_EQ(Shown(field), text) << "field " << field;
    }
    int mode = 0;
    int fuel = 0;
    WDialogGetRadioButton(FLD_MODE_COOLING, mode);
    WDialogGetRadioButton(FLD_FUEL_ELECTRIC, fuel);
    EXPECT_EQ(mode, 1) << "Cooling";
    EXPECT_EQ(fuel, 1) << "Electricity";
    // The list offers the cities in the order of the climate files' records, the first chosen.
    auto* list = qobject_cast<QComboBox*>(Field(FLD_CITY));
    ASSERT_EQ(list->count(), kCityCount);
    EXPECT_EQ(list->currentIndex(), 0);
    for (int entry = 0; entry < kCityCount; ++entry) {
        EXPECT_EQ(list->itemText(entry).toStdString(), CityName(entry + 1)) << "entry " << entry;
    }
}

TEST_F(StartUpWindow, TheWindowHasItsTitleIconMenuAndStatusTexts) {
    Start();
    EXPECT_EQ(Frame()->windowTitle(), "Heatwise 2.0");
    // Every image of the icon is offered, so a task bar or a switcher shows a sharp one.
    for (int side : {16, 32, 48, 256}) {
        EXPECT_TRUE(Frame()->windowIcon().availableSizes().contains(QSize(side, side))) << side;
    }
    EXPECT_EQ(Frame()->minimumSize(), Frame()->maximumSize()) << "the form has one size";
    const QList<QAction*> bar = Frame()->menu_bar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&Help");
    EXPECT_EQ(bar[1]->text(), "&File");
    // Each status text after its leading tab, centred in a third of the bar.
    const std::vector<windlass::StatusPartView>& parts = Frame()->status_bar()->parts();
    ASSERT_EQ(parts.size(), kStatusTexts.size());
    const int width = Frame()->client()->width();
    for (std::size_t part = 0; part < parts.size(); ++part) {
        EXPECT_EQ(parts[part].right_edge, static_cast<int>(part + 1) * (3333 * (width - 1) / 9999));
        EXPECT_EQ(parts[part].left + parts[part].right, "");
        EXPECT_EQ(parts[part].centre, std::string(kStatusTexts[part].substr(1)));
    }
    EXPECT_EQ(parts[1].centre, "Quillmoor Software, Inc.");
}

// Chooses File > Exit once the program's window is up and its form filled.
void ExitOnceStarted() {
    windlass::qt::FrameWindow* frame = HeatwiseWindowTest::Frame();
    if (frame == nullptr || !frame->isActiveWindow() ||
        HeatwiseWindowTest::Shown(FLD_ELECTRIC_RATE) != "0.08") {
        QTimer::singleShot(50, QCoreApplication::instance(), ExitOnceStarted);
        return;
    }
    QAction* entry = HeatwiseWindowTest::ClickOnMenuBar("&File");
    ASSERT_NE(entry, nullptr);
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
