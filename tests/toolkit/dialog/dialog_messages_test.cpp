// The messages a dialog raises for the program as the user moves between its fields, clicks
// and chooses.
#include <gtest/gtest.h>

#include <vector>

#include "dialog_test.h"

namespace windlass::testing {
namespace {

using Messages = std::vector<Posted>;

// The form fills the main window and the user is in field 202.
class FormMessages : public DialogTest {
  protected:
    FormMessages() {
        WindowOpen2(39, WINDOW_CENTRED, WINDOW_CENTRED, 0, 0, 0, {}, kForm);
        WMessageEnable(MSG_FIELD, 1);
        backend::Focus(platform(), Field(202));
        TakeMessages();
    }
};

TEST_F(FormMessages, TabbingFromOneFieldIntoAnotherPostsOne) {
    ASSERT_TRUE(Tab());
    EXPECT_EQ(TakeMessages(), Messages{FieldMessage(kForm, 202, 203)});
    MessageRecord record;
    // What the program receives: the dialog's id, the two fields, data3 0.
    ASSERT_TRUE(Tab());
    int type = 0;
    WMessage(type, record);
    EXPECT_EQ(type, MSG_FIELD);
    EXPECT_EQ(record.window, kForm);
    EXPECT_EQ(record.data1, 203);
    EXPECT_EQ(record.data2, 204);
    EXPECT_EQ(record.data3, 0);
    EXPECT_EQ(record.data4, -1);
}

TEST_F(FormMessages, AClickOrAChoiceFromAnotherFieldPostsTheFocusMessageThenItsOwn) {
    // The platform checks the clicked radio button and unchecks the other.
    Control(210).check = 0;
    Control(211).check = 1;
    backend::Click(platform(), Field(211));
    // A second click on the button that has the focus posts one.
    backend::Click(platform(), Field(211));
    backend::Click(platform(), Field(230));
    backend::Choose(platform(), Field(240), 2);
    // Leaving the combo box posts nothing until the next control takes the focus.
    backend::Choose(platform(), Field(242), 0);
    EXPECT_EQ(TakeMessages(),
              (Messages{FieldMessage(kForm, 202, 211), FieldMessage(kForm, 211, 211),
                        FieldMessage(kForm, 211, 211), FieldMessage(kForm, 211, 230),
                        FieldMessage(kForm, 230, 230), FieldMessage(kForm, 230, 240),
                        FieldMessage(kForm, 240, 240), FieldMessage(kForm, 240, 242),
                        FieldMessage(kForm, 242, 242)}));
}

TEST_F(FormMessages, APushButtonPostsItsIdAndTheFieldLeftForIt) {
    backend::Click(platform(), Field(260));
    EXPECT_EQ(TakeMessages(),
              (Messages{FieldMessage(kForm, 202, 260), ButtonMessage(kForm, 260, 202)}));
    // Pressed again, the previous field is still the one left for it.
    backend::Click(platform(), Field(260));
    EXPECT_EQ(TakeMessages(), Messages{ButtonMessage(kForm, 260, 202)});
    // With the field message off, moves and clicks post nothing.
    WMessageEnable(MSG_FIELD, 0);
    Tab();
    backend::Click(platform(), Field(211));
    EXPECT_TRUE(TakeMessages().empty());
}

class SettingsMessages : public DialogTest {
  protected:
    SettingsMessages() {
        WDialogLoad(kSettings);
        WMessageEnable(MSG_FIELD, 1);
        WDialogShow(DIALOG_CENTRED, DIALOG_CENTRED, 302);
        TakeMessages();
    }
};

TEST_F(SettingsMessages, ADoubleClickInAListPressesTheDefaultButton) {
    backend::Focus(platform(), Field(304));
    backend::Notify(platform(), Field(304), ControlNotice::DoubleClicked);
    EXPECT_EQ(TakeMessages(),
              (Messages{FieldMessage(kSettings, 302, 304), ButtonMessage(kSettings, 1, 304)}));
}

}  // namespace
}  // namespace windlass::testing
