// WMessageBox: button sets, icons, the first-focus button, texts, owner and the exit button.
#include <gtest/gtest.h>

#include <vector>

#include "errors/message_box.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

using MessageBoxTest = testing::ToolkitTest;

TEST_F(MessageBoxTest, LayoutFollowsTypeIconAndDefault) {
    struct Case {
        int btype, icon, idefault;
        BoxButtons buttons;
        BoxIcon expected_icon;
        int focus;
    };
    const std::vector<Case> cases = {{0, 1, 1, BoxButtons::Ok, BoxIcon::Stop, 0},
                                     {0, 3, 3, BoxButtons::Ok, BoxIcon::Exclamation, 0},
                                     {1, 4, 1, BoxButtons::OkCancel, BoxIcon::Information, 0},
                                     {1, 0, 2, BoxButtons::OkCancel, BoxIcon::None, 1},
                                     {2, 5, 7, BoxButtons::RetryCancel, BoxIcon::None, 1},
                                     {3, -1, 0, BoxButtons::YesNo, BoxIcon::None, 1},
                                     {4, 2, 1, BoxButtons::YesNoCancel, BoxIcon::Question, 0},
                                     {4, 2, 3, BoxButtons::YesNoCancel, BoxIcon::Question, 2},
                                     {4, 2, 0, BoxButtons::YesNoCancel, BoxIcon::Question, 2},
                                     {5, 1, 9, BoxButtons::AbortRetryIgnore, BoxIcon::Stop, 2},
                                     {6, 1, 2, BoxButtons::Ok, BoxIcon::Stop, 0},
                                     {-1, 1, 3, BoxButtons::Ok, BoxIcon::Stop, 0}};
    for (const Case& c : cases) {
        MessageBoxRequest layout = BoxLayout(c.btype, c.icon, c.idefault);
        EXPECT_EQ(layout.buttons, c.buttons) << c.btype << "," << c.icon << "," << c.idefault;
        EXPECT_EQ(layout.icon, c.expected_icon) << c.btype << "," << c.icon << "," << c.idefault;
        EXPECT_EQ(layout.default_button, c.focus) << c.btype << "," << c.icon << "," << c.idefault;
    }
}

// A box that fails gives -1 and raises the common dialog error.
TEST_F(MessageBoxTest, PressedButtonBecomesTheExitButtonAndTheExitFieldIsCleared) {
    struct Case {
        int btype;
        BoxAnswer pressed;
        int exit_button;
        int error = 0;
    };
    const std::vector<Case> cases = {
        {0, BoxAnswer::Ok, 1},     {1, BoxAnswer::Cancel, 0},
        {2, BoxAnswer::Retry, 1},  {3, BoxAnswer::Yes, 1},
        {3, BoxAnswer::No, 2},     {5, BoxAnswer::Abort, 2},
        {5, BoxAnswer::Ignore, 0}, {1, BoxAnswer::Failed, -1, ERR_COMMON_DIALOG}};
    for (const Case& c : cases) {
        DialogExit().exit_field = 1112;
        platform_->box_answers = {c.pressed};
        WMessageBox(c.btype, 4, 1, "Text", "Title");
        EXPECT_EQ(WInfoDialog(4), c.exit_button) << c.btype;
        EXPECT_EQ(WInfoDialog(2), 0) << c.btype;
        EXPECT_EQ(InfoError(1), c.error) << c.btype;
    }
}

TEST_F(MessageBoxTest, TextsLoseTrailingBlanksAndTheOwnerComesFromTheWindows) {
    static NativeWindow* const kMainWindow = reinterpret_cast<NativeWindow*>(0x1000);
    static std::vector<std::string> calls;
    calls.clear();
    Hooks().message_box_owner = [] { return kMainWindow; };
    Hooks().disable_dialogs = [] { calls.emplace_back("disable"); };
    Hooks().enable_dialogs = [](WindowHandle owner) {
        calls.emplace_back(owner == kMainWindow ? "enable main" : "enable other");
    };
    platform_->while_box_shown = [](const MessageBoxRequest&) { calls.emplace_back("shown"); };
    WMessageBox(0, 4, 1, "  Saved.   ", "Heatwise 2.0    ");
    ASSERT_EQ(platform_->boxes_shown.size(), 1u);
    EXPECT_EQ(platform_->boxes_shown[0].text, "  Saved.");
    EXPECT_EQ(platform_->boxes_shown[0].title, "Heatwise 2.0");
    EXPECT_EQ(platform_->boxes_shown[0].owner, kMainWindow);
    EXPECT_EQ(calls, (std::vector<std::string>{"disable", "shown", "enable main"}));
}

}  // namespace
}  // namespace windlass
