// The common controls and the pictures and colours of controls as the dialog manager decides
// them, on the recording platform: what the companion data sets, what the program's field
// procedures do to a bar, the messages the user's moves raise, and the errors.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "backend_events.h"
#include "dialog/dialog_manager.h"
#include "dialog/dialog_table.h"
#include "dialog/dialog_test.h"
#include "message/message_queue.h"
#include "recording_platform.h"
#include "support/toolkit_reset.h"
#include "windlass/windlass.h"
#include "window/window_table.h"

namespace windlass::testing {
namespace {

// The ventilation panel of controls_test.rc and its two tab pages.
constexpr int kControlPanel = 600;
constexpr int kFanSpeed = 602;  // Trackbar 0 to 100, at 40, with a selection 20 to 60.
constexpr int kDrying = 604;    // Progress bar 0 to 200, at 150.
constexpr int kDamper = 605;    // Vertical trackbar whose companion range is no range.
constexpr int kArrows = 608;
constexpr int kTabs = 609;
constexpr int kFanButton = 610;    // Bitmap 610 beside its caption.
constexpr int kWarning = 611;      // Icon 611.
constexpr int kFilterDue = 612;    // White on dark red.
constexpr int kService = 613;      // Navy on the platform's background.
constexpr int kResetButton = 614;  // Asks for an icon there is none of.
constexpr int kSummer = 620;
constexpr int kWinter = 621;

class Controls : public DialogTest {
  protected:
    void Load() {
        WDialogLoad(kControlPanel);
        ASSERT_EQ(InfoError(1), 0);
    }
    RecordedControl& Control(int id) {
        DialogRecord* panel = Dialogs().AtSlot(Dialogs().SlotOf(kControlPanel));
        return *platform().ControlOf(panel->Find(id)->handle);
    }
    std::uint32_t StyleOf(int id) { return Dialogs().Current()->Find(id)->style; }
};

TEST_F(Controls, CompanionDataSetsBarsStepsPagesAndColours) {
    Load();
    using Range = std::optional<std::pair<int, int>>;
    struct Bar {
        int id;
        Range range;
        int position;
    };
    for (const Bar& bar : {Bar{kFanSpeed, Range({0, 100}), 40}, Bar{kDrying, Range({0, 200}), 150},
                           Bar{kDamper, std::nullopt, 0}}) {
        EXPECT_EQ(Control(bar.id).bar_range, bar.range) << bar.id;
        EXPECT_EQ(Control(bar.id).bar_position, bar.position) << bar.id;
    }
    EXPECT_EQ(Dialogs().Current()->Find(kFanSpeed)->field.RangeInForce(), false)
        << "a bar's range is the bar's, not the field's";
    ASSERT_TRUE(Control(kFanSpeed).trackbar_steps);
    EXPECT_EQ(Control(kFanSpeed).trackbar_steps->tick_frequency, 10);
    EXPECT_EQ(Control(kFanSpeed).trackbar_steps->page_size, 20);
    EXPECT_EQ(Control(kFanSpeed).trackbar_steps->line_size, 5);
    EXPECT_EQ(Control(kFanSpeed).trackbar_selection, std::make_pair(20, 60));
    EXPECT_FALSE(Control(kDamper).trackbar_selection) << "no selection-range style";

    RecordedControl& tabs = Control(kTabs);
    ASSERT_EQ(tabs.tab_pages.size(), 2u);
    EXPECT_EQ(tabs.tab_pages[0].second, "Summer");
    EXPECT_EQ(tabs.tab_pages[1].second, "Winter");
    EXPECT_EQ(tabs.tab_selected, 1) << "the page of dialog 621";
    EXPECT_EQ(Dialogs().count, 3);
    EXPECT_EQ(Dialogs().Current()->id, kControlPanel) << "the pages leave the panel current";

    EXPECT_EQ(Control(kFilterDue).text_colour, 0xFFFFFF);
    EXPECT_EQ(Control(kFilterDue).background_colour, 0x0000A0);
    EXPECT_EQ(Control(kService).text_colour, 0x800000);
    EXPECT_EQ(Control(kService).background_colour, kPlatformColour) << "red 256";
    // A tab page's title is the text of its tab.
    WDialogSelect(kSummer);
    WDialogTitle("Summer nights   ");
    EXPECT_EQ(tabs.tab_pages[0].second, "Summer nights");
}

// A button whose image the platform refuses loses its image style; a label keeps its kind.
TEST_F(Controls, ButtonsAndLabelsShowTheImageOfTheirOwnId) {
    Load();
    EXPECT_EQ(Control(kFanButton).image->first, ImageKind::Bitmap);
    EXPECT_EQ(Control(kWarning).image->first, ImageKind::Icon);
    EXPECT_TRUE(StyleOf(kFanButton) & styles::kButtonBitmap);
    EXPECT_FALSE(Control(kResetButton).image);
    EXPECT_FALSE(StyleOf(kResetButton) & styles::kButtonIcon) << "no icon 614: style dropped";
    UnloadAllDialogs();
    platform().refuse_images = true;
    Load();
    EXPECT_FALSE(StyleOf(kFanButton) & styles::kButtonBitmap);
    EXPECT_EQ(StyleOf(kWarning) & styles::kStaticKindMask, styles::kStaticIcon);
}

// Any control takes a range from the program: a bar takes it, in whole numbers, as the reach
// of its bar too while its minimum lies below its maximum. A minimum above the maximum is
// accepted and switches the range off; a write outside a range in force raises 1009 and moves
// nothing, and a write with no range in force is held to the bar's reach.
TEST_F(Controls, AnyBarTakesARangeAndAWriteOutsideItMovesNothing) {
    struct Write {
        int value;
        int error;
        int position;
    };
    struct Case {
        int field;
        std::pair<int, int> range;
        std::pair<int, int> bar_range;
        std::vector<Write> writes;
    };
    const Case cases[] = {
        {kDrying,
         {10, 90},
         {10, 90},
         {{95, ERR_FIELD_RANGE, 90}, {50, 0, 50}, {9, ERR_FIELD_RANGE, 50}}},
        {kDrying, {90, 10}, {0, 200}, {{190, 0, 190}, {250, 0, 200}, {-1, 0, 0}}},
        {kDrying, {5, 5}, {0, 200}, {{6, ERR_FIELD_RANGE, 150}, {5, 0, 5}}},
        {kFanSpeed, {-50, 50}, {-50, 50}, {{60, ERR_FIELD_RANGE, 40}, {-20, 0, -20}}},
        {kFanSpeed, {7, 7}, {0, 100}, {{8, ERR_FIELD_RANGE, 40}, {7, 0, 7}}},
    };
    for (const Case& c : cases) {
        UnloadAllDialogs();
        Load();
        WDialogRangeInteger(c.field, c.range.first, c.range.second);
        EXPECT_EQ(InfoError(1), 0) << c.field << " " << c.range.first << " " << c.range.second;
        EXPECT_EQ(Control(c.field).bar_range, c.bar_range) << c.field << " " << c.range.first;
        for (const Write& write : c.writes) {
            WDialogPutInteger(c.field, write.value);
            EXPECT_EQ(InfoError(1), write.error) << c.field << " " << write.value;
            EXPECT_EQ(Control(c.field).bar_position, write.position)
                << c.field << " " << write.value;
        }
    }
    // Switched off again, the range lets every value through to the bar, which holds it.
    WDialogRangeInteger(kFanSpeed, -50, 50);
    WDialogRangeReal(kFanSpeed, 1.0f, -1.0f);
    WDialogPutInteger(kFanSpeed, 70);
    EXPECT_EQ(InfoError(1), 0);
    EXPECT_EQ(Control(kFanSpeed).bar_position, 50);
}

TEST_F(Controls, TheFieldProceduresMoveAndReadABar) {
    Load();
    WDialogPutInteger(kFanSpeed, 75);
    EXPECT_EQ(Control(kFanSpeed).bar_position, 75);
    WDialogPutReal(kDrying, 99.9f);
    EXPECT_EQ(Control(kDrying).bar_position, 99);
    WDialogRangeInteger(kArrows, 1, 9);
    WDialogPutInteger(kArrows, 4);
    int position = 0;
    for (auto [field, expected] : {std::pair{kFanSpeed, 75}, {kDrying, 99}, {kArrows, 4}}) {
        WDialogGetInteger(field, position);
        EXPECT_EQ(position, expected) << field;
    }
    EXPECT_EQ(InfoError(1), 0);
}

TEST_F(Controls, MovingATrackbarPostsAFieldMessageAndChoosingATabATabMessage) {
    Load();
    WMessageEnable(MSG_FIELD, 1);
    WMessageEnable(MSG_TAB, 1);
    backend::Focus(platform(), Control(kFanSpeed).handle());
    TakeMessages();
    Control(kFanSpeed).bar_position = 50;
    backend::Notify(platform(), Control(kFanSpeed).handle(), ControlNotice::Scrolled);
    Control(kTabs).tab_selected = 0;
    backend::Notify(platform(), Control(kTabs).handle(), ControlNotice::TabSelected);
    EXPECT_EQ(TakeMessages(),
              (std::vector<Posted>{FieldMessage(kControlPanel, kFanSpeed, kFanSpeed),
                                   {MSG_TAB, kControlPanel, kTabs, kSummer}}));
}

// Pages that cannot be loaded are left out, and a tab control starts on its first page when
// the page it should start on is not one of its own.
TEST_F(Controls, ATabControlStartsOnItsFirstPageWhenTheNamedOneIsNotThere) {
    WDialogLoad(630);
    EXPECT_EQ(Dialogs().Current()->id, 630);
    struct Tabs {
        int id;
        std::vector<std::string> captions;
        int selected;
    };
    for (const Tabs& tabs : {Tabs{631, {"Summer", "Winter"}, 1}, Tabs{632, {"Spring"}, 0}}) {
        RecordedControl& control =
            *platform().ControlOf(Dialogs().Current()->Find(tabs.id)->handle);
        std::vector<std::string> captions;
        for (const auto& page : control.tab_pages) {
            captions.push_back(page.second);
        }
        EXPECT_EQ(captions, tabs.captions) << tabs.id;
        EXPECT_EQ(control.tab_selected, tabs.selected) << tabs.id;
    }
}

TEST_F(Controls, UnloadingWithOptionZeroTakesTheTabPagesAlong) {
    for (int option : {0, 1}) {
        Load();
        WDialogUnload(option);
        int page_slot = Dialogs().SlotOf(kWinter);
        EXPECT_EQ(page_slot != 0, option != 0) << option;
        if (page_slot != 0) {
            EXPECT_EQ(Dialogs().AtSlot(page_slot)->tab_owner, nullptr);
        }
        UnloadAllDialogs();
    }
}

}  // namespace
}  // namespace windlass::testing
