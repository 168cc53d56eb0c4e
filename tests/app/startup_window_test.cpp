// The program's start-up on Qt's offscreen platform: what the user sees before touching
// anything, and the window around the form.
#include <QMenuBar>

#include <string>
#include <vector>

#include "heatwise_window_test.h"
#include "qt/qt_client_area.h"
#include "qt/qt_status_bar.h"

namespace heatwise::testing {
namespace {

using StartUpWindow = HeatwiseWindowTest;

TEST_F(StartUpWindow, NoPassHasRunSoOnlyTheBinColumnsShowTheFirstCitysOwnValues) {
    Start();
    const ClimateTables climate = LoadClimateTables({});
    const CityBinHours& filed = climate.bins.City(1);
    for (int k = 1; k <= kBinValueCount; ++k) {
        EXPECT_EQ(Number(FLD_HOURS_1_8 + k - 1), filed[static_cast<std::size_t>(k - 1)])
            << "value " << k;
    }
    const DesignRecord& austin = climate.design.City(1);
    ASSERT_FALSE(austin.degree_days == 1700 && austin.summer_design == 97 &&
                 austin.winter_design == 28)
        << "the first city's own values would hide a pass";
    EXPECT_EQ(Number(FLD_DEGREE_DAYS), 1700);
    EXPECT_EQ(Number(FLD_SUMMER_DESIGN), 97);
    EXPECT_EQ(Number(FLD_WINTER_DESIGN), 28);
    for (int bin = 1; bin <= kBinCount; ++bin) {
        EXPECT_EQ(Shown(FLD_PCT_CALCD + bin - 1), "0") << "bin " << bin;
    }
    EXPECT_EQ(Shown(FLD_COST_COOLING), "0");
    EXPECT_EQ(Shown(FLD_COST_HEATING), "0");
}

TEST_F(StartUpWindow, TheInputsHoldTheirDefaultsWithTwoDecimalsForPrices) {
    Start();
    EXPECT_EQ(Shown(FLD_ELECTRIC_RATE), "0.08");
    EXPECT_EQ(Shown(FLD_FUEL_PRICE), "4.00");
    EXPECT_EQ(Shown(FLD_COOL_EER), "6.50");
    int city = 0;
    WDialogGetMenu1(FLD_CITY, city);
    EXPECT_EQ(city, 1);
    int mode = 0;
    WDialogGetRadioButton(FLD_MODE_COOLING, mode);
    EXPECT_EQ(mode, 1) << "Cooling";
    int fuel = 0;
    WDialogGetRadioButton(FLD_FUEL_ELECTRIC, fuel);
    EXPECT_EQ(fuel, 1) << "Electricity";
    struct Expected {
        int field;
        int value;
    };
    const Expected inputs[] = {
        {FLD_TSTAT_HOURS_1, 8},     {FLD_TSTAT_HOURS_2, 8},     {FLD_TSTAT_HOURS_3, 8},
        {FLD_TSTAT_SUMMER_1, 85},   {FLD_TSTAT_SUMMER_2, 85},   {FLD_TSTAT_SUMMER_3, 78},
        {FLD_TSTAT_WINTER_1, 65},   {FLD_TSTAT_WINTER_2, 60},   {FLD_TSTAT_WINTER_3, 75},
        {FLD_COOL_CAPACITY, 20000}, {FLD_HEAT_CAPACITY, 20000}, {FLD_HEAT_EFF, 85},
    };
    for (const Expected& input : inputs) {
        EXPECT_EQ(Number(input.field), input.value) << "field " << input.field;
    }
}

TEST_F(StartUpWindow, TheWindowHasItsTitleMenuFixedSizeAndThreeCentredStatusTexts) {
    Start();
    windlass::qt::FrameWindow* frame = Frame();
    EXPECT_EQ(frame->windowTitle(), "Heatwise 2.0");
    // Every image of the icon is offered, so a task bar or a switcher shows a sharp one.
    const QList<QSize> sizes = frame->windowIcon().availableSizes();
    for (int side : {16, 32, 48, 256}) {
        EXPECT_TRUE(sizes.contains(QSize(side, side))) << "icon image of " << side << " pixels";
    }
    EXPECT_FALSE(frame->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "the form has one size";
    ASSERT_NE(frame->menu_bar(), nullptr);
    QList<QAction*> bar = frame->menu_bar()->actions();
    ASSERT_EQ(bar.size(), 2);
    EXPECT_EQ(bar[0]->text(), "&Help");
    EXPECT_EQ(bar[1]->text(), "&File");

    ASSERT_NE(frame->status_bar(), nullptr);
    const std::vector<windlass::StatusPartView>& parts = frame->status_bar()->parts();
    ASSERT_EQ(parts.size(), 3u);
    const int width = frame->client()->width();
    // Every part's text is centred, on every display (scaling_window_test.cpp).
    for (std::size_t part = 0; part < parts.size(); ++part) {
        EXPECT_EQ(parts[part].right_edge, static_cast<int>(part + 1) * (3333 * (width - 1) / 9999))
            << "part " << part + 1 << " ends a third further on";
    }
    EXPECT_EQ(parts[1].centre, "Quillmoor Software, Inc.");
}

// The focus the window gives the form as it opens belongs to the opening itself, while field
// changes are not yet reported: the first message is the user's, here the close box.
TEST_F(StartUpWindow, TheWindowsFirstDisplayBringsNoFieldChange) {
    StartUp(state_);
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(Frame()));
        QCoreApplication::processEvents();
        Frame()->close();
    });

    std::vector<int> types;
    MessageRecord message;
    do {
        int type = 0;
        WMessage(type, message);
        types.push_back(type);
    } while (types.back() != MSG_CLOSE && types.size() < 10);

    // Until the user changes something, the form shows what the start-up put there.
    EXPECT_EQ(types, std::vector<int>{MSG_CLOSE});
}

}  // namespace
}  // namespace heatwise::testing
