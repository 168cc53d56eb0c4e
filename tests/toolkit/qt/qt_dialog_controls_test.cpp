// Reading and writing the controls of a dialog through the platform: texts and the modified
// flag, check states, the entries and selections of combo and list boxes, enabling.
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qt_dialog_test_support.h"

namespace windlass::testing {
namespace {

using ::testing::ElementsAre;
using QtDialogControls = QtTestDialog;

TEST_F(QtDialogControls, EveryKindOfControlHasItsText) {
    struct Case {
        int id;
        const char* initial;
    };
    for (Case c : {Case{100, "Electric &rate:"}, Case{101, "0.08"}, Case{104, "1700"},
                   Case{111, ""}, Case{120, "Mode"}, Case{121, "Cooling"}, Case{131, "Weekends"},
                   Case{141, ""}, Case{153, ""}, Case{1, "OK"}}) {
        EXPECT_EQ(TextOf(c.id), c.initial) << c.id;
    }
    for (int id : {100, 101, 104, 111, 112, 120, 121, 131, 142, 143, 153, 1}) {
        std::string text = "Ann Arbor " + std::to_string(id);
        EXPECT_TRUE(Controls().SetControlText(Handle(id), text)) << id;
        EXPECT_EQ(TextOf(id), text) << id;
    }
    EXPECT_FALSE(Controls().SetControlText(Handle(141), "typed"))
        << "a drop-down list has no text of its own";
    EXPECT_EQ(TextOf(141), "");
}

TEST_F(QtDialogControls, TypingSetsTheModifiedFlagAndWritingClearsIt) {
    ShowActive();
    for (int id : {101, 111, 142, 153}) {
        EXPECT_FALSE(ModifiedOf(id)) << id;
        Focus(id);
        Type("7");
        EXPECT_TRUE(ModifiedOf(id)) << id;
        Controls().SetControlText(Handle(id), "8");
        EXPECT_FALSE(ModifiedOf(id)) << id;
        Controls().SetModified(Handle(id), true);
        EXPECT_TRUE(ModifiedOf(id)) << id;
        Controls().SetModified(Handle(id), false);
        EXPECT_FALSE(ModifiedOf(id)) << id;
    }
    EXPECT_FALSE(ModifiedOf(121)) << "a button has no modified flag";
}

TEST_F(QtDialogControls, CheckStatesAreHeldToWhatEachButtonCanShow) {
    struct Case {
        int id;
        int asked;
        int shown;
    };
    for (Case c :
         {Case{131, 1, 1}, Case{131, 0, 0}, Case{131, 2, 1}, Case{133, 2, 2}, Case{133, 1, 1},
          Case{121, 1, 1}, Case{121, 2, 1}, Case{125, 1, 1}, Case{121, 0, 0}}) {
        EXPECT_TRUE(Controls().SetCheckState(Handle(c.id), c.asked)) << c.id;
        EXPECT_EQ(CheckOf(c.id), c.shown) << c.id << " asked " << c.asked;
    }
    // Checking one radio button by the program leaves the others of its group alone.
    Controls().SetCheckState(Handle(121), 1);
    Controls().SetCheckState(Handle(122), 1);
    EXPECT_EQ(CheckOf(121), 1);
    for (int id : {1, 111, 100}) {
        EXPECT_FALSE(Controls().SetCheckState(Handle(id), 1)) << id;
        EXPECT_EQ(CheckOf(id), 0) << id;
    }
    EXPECT_THAT(listener_.Notices(), ElementsAre()) << "the program's changes are no clicks";
}

TEST_F(QtDialogControls, EntriesStayInTheirOrderUnlessTheBoxSortsThem) {
    const char* cities[] = {"springfield", "austin, TX", "Barrow", "brunswick", "springfield"};
    for (int id : {141, 142, 143}) {
        for (const char* city : cities) {
            Controls().AddEntry(Handle(id), city);
        }
        EXPECT_EQ(Controls().EntryCount(Handle(id)), 5) << id;
        EXPECT_EQ(SelectionOf(id), -1) << "adding entries selects none";
    }
    auto entries = [this](int id) {
        std::vector<std::string> texts;
        for (int index = 0; index < Controls().EntryCount(Handle(id)); ++index) {
            texts.push_back(Controls().EntryText(Handle(id), index));
        }
        return texts;
    };
    EXPECT_THAT(entries(141),
                ElementsAre("springfield", "austin, TX", "Barrow", "brunswick", "springfield"));
    EXPECT_THAT(entries(142),
                ElementsAre("austin, TX", "Barrow", "brunswick", "springfield", "springfield"))
        << "sorted without regard to letter case";
    EXPECT_EQ(Controls().EntryText(Handle(141), 5), "");
    EXPECT_EQ(Controls().EntryText(Handle(141), -1), "");
    Controls().ClearEntries(Handle(143));
    EXPECT_EQ(Controls().EntryCount(Handle(143)), 0);
}

TEST_F(QtDialogControls, SelectionsAndTheExactSearch) {
    for (int id : {141, 143}) {
        for (const char* city : {"austin, TX", "springfield", "Springfield", "brunswick"}) {
            Controls().AddEntry(Handle(id), city);
        }
        EXPECT_TRUE(Controls().Select(Handle(id), 3)) << id;
        EXPECT_EQ(SelectionOf(id), 3) << id;
        EXPECT_FALSE(Controls().Select(Handle(id), 4)) << id;
        EXPECT_EQ(SelectionOf(id), -1) << "past the end clears it";
        EXPECT_TRUE(Controls().Select(Handle(id), 0)) << id;
        EXPECT_TRUE(Controls().Select(Handle(id), -1)) << id;
        EXPECT_EQ(SelectionOf(id), -1) << id;
        struct Search {
            const char* text;
            int found;
        };
        for (Search search : {Search{"AUSTIN, tx", 0}, Search{"Springfield", 1},
                              Search{"austin", -1}, Search{"brunswick ", -1}, Search{"", -1}}) {
            EXPECT_EQ(Controls().FindExactEntry(Handle(id), search.text), search.found)
                << id << " '" << search.text << "'";
        }
    }
    Controls().Select(Handle(141), 1);
    EXPECT_EQ(TextOf(141), "springfield");
    EXPECT_THAT(listener_.Notices(), ElementsAre()) << "the program's selections are no notices";
    for (int id : {1, 111}) {
        EXPECT_EQ(Controls().EntryCount(Handle(id)), 0);
        EXPECT_EQ(SelectionOf(id), -1);
        EXPECT_FALSE(Controls().Select(Handle(id), 0));
        EXPECT_EQ(Controls().FindExactEntry(Handle(id), "OK"), -1);
    }
}

TEST_F(QtDialogControls, EnablingWorksForControlsDialogsAndFrames) {
    ShowActive();
    Controls().EnableWindow(Handle(104), Enable::Yes);
    EXPECT_TRUE(Widget(104)->isEnabled());
    Press(Qt::Key_Tab);
    Press(Qt::Key_Tab);
    EXPECT_EQ(FocusedId(), 104) << "an enabled tab stop is visited";
    Controls().EnableWindow(Handle(104), Enable::No);
    EXPECT_FALSE(Widget(104)->isEnabled());
    EXPECT_NE(FocusedId(), 104) << "the focus left the disabled field";
    Controls().EnableWindow(dialog_, Enable::No);
    EXPECT_FALSE(Widget(101)->isEnabled());
    Controls().EnableWindow(dialog_, Enable::Yes);
    EXPECT_TRUE(Widget(101)->isEnabled());
    EXPECT_FALSE(Widget(104)->isEnabled()) << "a control keeps its own state";

    KeyCountingFrame frame_listener;
    WindowHandle frame = CreateFrame(frame_listener, 100, 50);
    Controls().EnableWindow(frame, Enable::No);
    EXPECT_FALSE(qt::ToWidget(frame)->isEnabled());
    platform_->Windowing().DestroyFrame(frame);

    Controls().SetDialogTitle(dialog_, "Thermostat");
    EXPECT_EQ(Dialog()->windowTitle(), "Thermostat");
}

TEST_F(QtDialogControls, AScreenReaderHearsTheNamesGivenAndWhatAChoiceControlShows) {
    Controls().SetAccessibleText(Handle(101), "Electric rate", "Rates");
    Controls().SetAccessibleText(Handle(141), "City", "");
    Controls().AddEntry(Handle(141), "austin, TX");
    Controls().Select(Handle(141), 0);
    QAccessibleInterface* field = QAccessible::queryAccessibleInterface(Widget(101));
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->text(QAccessible::Name), "Electric rate");
    EXPECT_EQ(field->text(QAccessible::Description), "Rates");
    // A combo box is named by its label, not by the city it shows, which is its value.
    QAccessibleInterface* city = QAccessible::queryAccessibleInterface(Widget(141));
    EXPECT_EQ(city->role(), QAccessible::ComboBox);
    EXPECT_EQ(city->text(QAccessible::Name), "City");
    EXPECT_EQ(city->text(QAccessible::Value), "austin, TX");
    EXPECT_TRUE(city->state().collapsed);
    // A radio button is one, named by its own text.
    QAccessibleInterface* radio = QAccessible::queryAccessibleInterface(Widget(121));
    EXPECT_EQ(radio->role(), QAccessible::RadioButton);
    EXPECT_EQ(radio->text(QAccessible::Name), "Cooling");
}

}  // namespace
}  // namespace windlass::testing
