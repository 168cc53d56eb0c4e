// The common controls on the real Qt platform, driven with real key presses and clicks: the
// trackbar moves and the program hears it, the tab pages switch, colours and pictures are
// painted. One test saves a picture of the whole panel (screenshots/controls.png in the build
// folder).
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "dialog/dialog_manager.h"
#include "dialog/dialog_table.h"
#include "message/message_queue.h"
#include "platform/platform.h"
#include "qt/qt_common_controls.h"
#include "qt/qt_platform.h"
#include "resources/template_styles.h"
#include "support/counting_qt_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"

namespace windlass::testing {
namespace {

constexpr int kPanel = 600;
constexpr int kFanSpeed = 602;
constexpr int kDamper = 605;
constexpr int kDrying = 604;
constexpr int kHeader = 606;
constexpr int kTabs = 609;
constexpr int kFanButton = 610;
constexpr int kWarning = 611;
constexpr int kFilterDue = 612;
constexpr int kSummer = 620;
constexpr int kWinter = 621;

class ControlsOnQt : public ::testing::Test {
  protected:
    ControlsOnQt() {
        ResetToolkitState();
        previous_ = InstallPlatform(std::make_unique<CountingQtPlatform>());
        InstallDialogManager();
        WDialogLoad(kPanel);
        EXPECT_EQ(InfoError(1), 0) << "every common control loads";
        WDialogShow(-1, -1, 0, DIALOG_MODELESS);
        WMessageEnable(MSG_FIELD, 1);
        WMessageEnable(MSG_TAB, 1);
        panel_ = qt::ToWidget(Dialogs().Current()->window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(panel_));
    }
    ~ControlsOnQt() override {
        UnloadAllDialogs();
        QCoreApplication::processEvents();
        ResetToolkitState();
        InstallPlatform(std::move(previous_));
    }

    template <typename Widget = QWidget>
    static Widget* Control(int id) {
        DialogRecord* panel = Dialogs().AtSlot(Dialogs().SlotOf(kPanel));
        return dynamic_cast<Widget*>(qt::ToWidget(panel->Find(id)->handle));
    }
    // The messages raised so far, as (type, data1, data2).
    static std::vector<std::tuple<int, int, int>> TakeMessages() {
        std::vector<std::tuple<int, int, int>> taken;
        while (Messages().HasQueued()) {
            int type = 0;
            MessageRecord record;
            WMessage(type, record);
            taken.emplace_back(type, record.data1, record.data2);
        }
        return taken;
    }

    QWidget* panel_ = nullptr;

  private:
    std::unique_ptr<Platform> previous_;
};

TEST_F(ControlsOnQt, TheTrackbarMovesByKeysAndClicksAndTheProgramHearsEachMove) {
    auto* slider = Control<QSlider>(kFanSpeed);
    ASSERT_NE(slider, nullptr);
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->value();
    option.tickPosition = slider->tickPosition();
    QRect groove = slider->style()->subControlRect(QStyle::CC_Slider, &option,
                                                   QStyle::SC_SliderGroove, slider);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(groove.right() - 2, groove.center().y()));
    int after_click = slider->value();
    EXPECT_GT(after_click, 40) << "a click beyond the thumb pages towards it";
    TakeMessages();
    struct Step {
        Qt::Key key;
        int moved_by;
    };
    for (Step step : {Step{Qt::Key_Right, 5}, Step{Qt::Key_Left, -5}, Step{Qt::Key_PageUp, 20}}) {
        int before = slider->value();
        QTest::keyClick(slider, step.key);
        EXPECT_EQ(slider->value(), std::min(100, before + step.moved_by)) << step.key;
        EXPECT_EQ(TakeMessages(),
                  (std::vector<std::tuple<int, int, int>>{{MSG_FIELD, kFanSpeed, kFanSpeed}}));
    }
    int position = 0;
    WDialogGetInteger(kFanSpeed, position);
    EXPECT_EQ(position, slider->value());
    WDialogPutInteger(kFanSpeed, 10);
    EXPECT_EQ(slider->value(), 10);
    EXPECT_TRUE(TakeMessages().empty()) << "the program's own moves are not reported";
}

// Ticks stand where the style puts them, one at each end or at every position, until the
// companion data or the program sets their frequency; steps of 0 leave a trackbar's own.
TEST_F(ControlsOnQt, TrackbarTicksAndStepsFollowTheStyleAndTheCompanionData) {
    struct Styled {
        std::uint32_t style;
        Qt::Orientation orientation;
        QSlider::TickPosition ticks;
        int interval;
    };
    constexpr std::uint32_t kAuto = styles::kTrackbarAutoTicks, kUp = styles::kTrackbarVertical,
                            kBefore = styles::kTrackbarTicksOnTopOrLeft,
                            kBoth = styles::kTrackbarTicksOnBothSides,
                            kNone = styles::kTrackbarNoTicks;
    const Styled cases[] = {{0, Qt::Horizontal, QSlider::TicksBelow, 100},
                            {kAuto, Qt::Horizontal, QSlider::TicksBelow, 1},
                            {kBefore, Qt::Horizontal, QSlider::TicksAbove, 100},
                            {kBoth, Qt::Horizontal, QSlider::TicksBothSides, 100},
                            {kBoth | kBefore, Qt::Horizontal, QSlider::TicksBothSides, 100},
                            {kNone | kBoth, Qt::Horizontal, QSlider::NoTicks, 100},
                            {kUp, Qt::Vertical, QSlider::TicksRight, 100},
                            {kUp | kBefore, Qt::Vertical, QSlider::TicksLeft, 100}};
    for (const Styled& c : cases) {
        qt::Trackbar bar(c.style, panel_);
        EXPECT_EQ(bar.orientation(), c.orientation) << c.style;
        EXPECT_EQ(bar.tickPosition(), c.ticks) << c.style;
        EXPECT_EQ(bar.tickInterval(), c.interval) << c.style;
        EXPECT_EQ(std::make_pair(bar.minimum(), bar.maximum()), std::make_pair(0, 100));
        EXPECT_EQ(std::make_pair(bar.pageStep(), bar.singleStep()), std::make_pair(20, 1));
        bar.SetTickFrequency(7);
        bar.SetTickFrequency(0);
        bar.SetTickFrequency(-3);
        EXPECT_EQ(bar.tickInterval(), 7) << c.style;
    }
    auto steps = [](const QSlider* slider) {
        return std::tuple(slider->tickInterval(), slider->pageStep(), slider->singleStep());
    };
    for (auto [id, wanted] :
         {std::pair(kFanSpeed, std::tuple(10, 20, 5)), std::pair(kDamper, std::tuple(5, 10, 1))}) {
        auto* slider = Control<QSlider>(id);
        ASSERT_NE(slider, nullptr);
        EXPECT_EQ(steps(slider), wanted) << id;
        ThePlatform().Controls().SetTrackbarSteps(qt::ToHandle(slider), {0, 0, 0});
        EXPECT_EQ(steps(slider), wanted) << id;
    }
}

TEST_F(ControlsOnQt, TabPagesSwitchAndTheProgramHearsWhichPageIsShown) {
    auto* tabs = Control<QTabWidget>(kTabs);
    ASSERT_NE(tabs, nullptr);
    auto page = [](int id) { return qt::ToWidget(Dialogs().AtSlot(Dialogs().SlotOf(id))->window); };
    EXPECT_EQ(tabs->currentWidget(), page(kWinter));
    EXPECT_TRUE(page(kWinter)->isVisible());
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    EXPECT_TRUE(page(kSummer)->isVisible());
    EXPECT_FALSE(page(kWinter)->isVisible());
    EXPECT_EQ(TakeMessages(), (std::vector<std::tuple<int, int, int>>{{MSG_TAB, kTabs, kSummer}}));
}

TEST_F(ControlsOnQt, TabAndShiftTabGoThroughTheShownPage) {
    auto* tabs = Control<QTabWidget>(kTabs);
    QWidget* frost_guard =
        qt::ToWidget(Dialogs().AtSlot(Dialogs().SlotOf(kWinter))->Find(623)->handle);
    tabs->tabBar()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(tabs->tabBar()->hasFocus());
    struct Press {
        Qt::Key key;
        QWidget* lands_on;
    };
    for (Press press : {Press{Qt::Key_Tab, frost_guard}, Press{Qt::Key_Tab, Control(kFanButton)},
                        Press{Qt::Key_Backtab, tabs->tabBar()}, Press{Qt::Key_Tab, frost_guard},
                        Press{Qt::Key_Backtab, tabs->tabBar()}}) {
        QTest::keyClick(QApplication::focusWidget(), press.key,
                        press.key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        EXPECT_EQ(QApplication::focusWidget(), press.lands_on) << press.key;
    }
}

TEST_F(ControlsOnQt, PagesLeftLoadedOutliveTheirTabControl) {
    QPointer<QWidget> page = qt::ToWidget(Dialogs().AtSlot(Dialogs().SlotOf(kWinter))->window);
    WDialogUnload(1);
    QCoreApplication::processEvents();
    ASSERT_FALSE(page.isNull());
    EXPECT_FALSE(page->isVisible());
    WDialogSelect(kWinter);
    WDialogUnload();
    QCoreApplication::processEvents();
    EXPECT_TRUE(page.isNull());
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(ControlsOnQt, ColoursAndPicturesArePainted) {
    QImage shot = panel_->grab().toImage();
    QWidget* label = Control(kFilterDue);
    QPoint corner = label->geometry().topLeft() + QPoint(1, 1);
    EXPECT_EQ(shot.pixelColor(corner * shot.devicePixelRatio()), QColor(160, 0, 0));
    EXPECT_FALSE(Control<QPushButton>(kFanButton)->icon().isNull());
    QImage icon = Control(kWarning)->grab().toImage();
    EXPECT_EQ(icon.pixelColor(QPoint(4, 12) * icon.devicePixelRatio()), QColor(245, 160, 20));
    auto* progress = Control<QProgressBar>(kDrying);
    EXPECT_EQ(std::make_pair(progress->maximum(), progress->value()), std::make_pair(200, 150));
    EXPECT_EQ(Control<QHeaderView>(kHeader)->count(), 2);

    const QString folder = QStringLiteral(HEATWISE_BINARY_DIR "/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    EXPECT_TRUE(panel_->grab().save(folder + QStringLiteral("/controls.png")));
}

}  // namespace
}  // namespace windlass::testing
