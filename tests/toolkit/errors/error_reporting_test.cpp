// The error slots, the report line, the message table, the debug file, the four ways a raised
// error is reported, and WMessageBox: its button sets, icons, first-focus button, texts, owner
// and exit button, and the box nobody can answer.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "errors/fixed_text.h"
#include "errors/message_box.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

using ErrorReporting = testing::ToolkitTest;

std::string MessageOf(int code, std::size_t length = 80) {
    std::string message(length, '#');
    WInfoErrorMessage(code, message);
    return message;
}

TEST_F(ErrorReporting, InfoErrorReadsClearsAndRepeats) {
    yyerror(ERR_FIELD_IDENTIFIER);
    ASSERT_EQ(InfoError(1), 1006);
    yyerror(ERR_FIELD_RANGE);
    Errors().last_file_status = 2;
    Errors().last_os_error = 5;
    // Each slot is cleared when read; any other type repeats the last result, clearing nothing.
    const std::pair<int, int> steps[] = {{5, 1006}, {-3, 1006}, {0, 1006}, {1, 1009}, {1, 0},
                                         {7, 0},    {2, 2},     {2, 0},    {3, 5},    {3, 0}};
    for (const auto& [itype, expected] : steps) {
        EXPECT_EQ(InfoError(itype), expected) << "InfoError(" << itype << ")";
    }
}

TEST_F(ErrorReporting, ErrorLinesAndTheMessageTable) {
    const std::pair<int, const char*> lines[] = {
        {4, "Error=   4:Number too large in string to numeric conversion"},
        {1045, "Error=1045:Specified dialog has wrong style to be combined with a window"},
        {50, "Error=  50:"},
        {12345, "Error=12345:"}};
    for (const auto& [code, line] : lines) {
        EXPECT_EQ(ErrorLine(code), line);
    }
    const std::pair<int, const char*> texts[] = {{1, "Error opening file or device"},
                                                 {12, "Invalid character detected"},
                                                 {1001, "Invalid menu item"},
                                                 {1050, "Invalid pre-defined registry key"}};
    for (const auto& [code, text] : texts) {
        EXPECT_EQ(TrimTrailingBlanks(MessageOf(code)), text);
    }
    const std::set<int> without_text = {6,  7,  8,  9,  14, 15, 17, 19, 26, 29, 30,
                                        31, 32, 33, 35, 36, 37, 38, 39, 41, 45, 47,
                                        48, 50, 52, 56, 57, 59, 60, 61, 62, 65};
    for (int code : {-1, 0, 67, 100, 1000, 1051, 9999}) {
        EXPECT_TRUE(IsBlank(MessageOf(code))) << "code " << code;
    }
    for (int code = 1; code <= 1050; code = code == 66 ? 1001 : code + 1) {
        EXPECT_EQ(IsBlank(MessageOf(code)), without_text.count(code) == 1) << "code " << code;
    }
    // The message is padded or cut to the length given.
    EXPECT_EQ(MessageOf(1006, 30), "Invalid field identifier      ");
    EXPECT_EQ(MessageOf(1006, 0), "");
    EXPECT_EQ(MessageOf(6, 5), "     ");
}

TEST_F(ErrorReporting, DebugFileIsMadeOnceEmptiedAndEndsLinesInCrLf) {
    WriteFile("debug", "an old line\r\n");
    IDebug("first");
    IDebug("second   ");
    IDebug("");
    IDebug(std::string(600, 'x'));
    IDebug(std::string("before\0after", 12));
    EXPECT_EQ(ReadFile("debug"),
              "first\r\nsecond\r\n\r\n" + std::string(511, 'x') + "\r\nbefore\r\n");
    std::filesystem::remove("debug");
    IDebug("three");
    EXPECT_FALSE(std::filesystem::exists("debug"));
    EXPECT_FALSE(std::filesystem::exists("debug.txt"));
}

TEST_F(ErrorReporting, LevelsZeroToTwoStoreWriteOnStandardErrorAndWriteTheDebugFile) {
    ::testing::internal::CaptureStderr();
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(platform_->boxes_shown.empty());
    EXPECT_FALSE(std::filesystem::exists("debug"));
    EXPECT_EQ(InfoError(1), 1006);
    IDebugLevel(1);
    ::testing::internal::CaptureStderr();
    yyerror(ERR_FIELD_IDENTIFIER);
    yyerror(6);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error=1006:Invalid field identifier\nError=   6:\n");
    EXPECT_EQ(InfoError(1), 6);
    WriteFile("debug", "left over from an earlier run\r\n");
    IDebugLevel(2);
    yyerror(ERR_FIELD_IDENTIFIER);
    yyerror(ERR_TEXT_TOO_SMALL);
    EXPECT_EQ(ReadFile("debug"),
              "Error=1006:Invalid field identifier\r\nError=1023:Variable too small to receive "
              "text\r\n");
    EXPECT_EQ(InfoError(1), 1023);
}

TEST_F(ErrorReporting, LevelFourAsksInABoxOkGoesOnAndCancelEndsTheProgram) {
    IDebugLevel(4);
    int stored_during_box = 0;
    platform_->while_box_shown = [&stored_during_box](const MessageBoxRequest&) {
        if (stored_during_box == 0) {
            yyerror(ERR_DIALOG_SELECT);
            stored_during_box = Errors().last_toolkit_error;
        }
    };
    platform_->box_answers = {BoxAnswer::Ok, BoxAnswer::Failed, BoxAnswer::Cancel};
    yyerror(ERR_FIELD_IDENTIFIER);
    ASSERT_EQ(platform_->boxes_shown.size(), 1u) << "an error while the box is up is not reported";
    const MessageBoxRequest& box = platform_->boxes_shown[0];
    EXPECT_EQ(box.title, "Library Error");
    EXPECT_EQ(box.text, "Error=1006:Invalid field identifier");
    EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
    EXPECT_EQ(box.icon, BoxIcon::Exclamation);
    EXPECT_EQ(box.default_button, 0);
    EXPECT_EQ(stored_during_box, 1008);
    EXPECT_EQ(InfoError(1), 1006) << "the cause survives the error raised while the box is up";
    // A box that fails keeps the causing code and goes on.
    yyerror(ERR_FIELD_RANGE);
    EXPECT_EQ(WInfoDialog(4), -1);
    EXPECT_TRUE(platform_->exits.empty());
    EXPECT_EQ(InfoError(1), 1009);
    try {
        yyerror(ERR_FIELD_IDENTIFIER);
        FAIL() << "Cancel must end the program";
    } catch (const ProcessExit& exit) {
        EXPECT_EQ(exit.exit_code, 0);
    }
    EXPECT_EQ(platform_->boxes_shown.size(), 3u);
}

TEST_F(ErrorReporting, MessageBoxLayoutFollowsTypeIconAndDefault) {
    struct Case {
        int btype, icon, idefault;
        BoxButtons buttons;
        BoxIcon expected_icon;
        int focus;
    };
    const Case cases[] = {{0, 1, 1, BoxButtons::Ok, BoxIcon::Stop, 0},
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
        SCOPED_TRACE(::testing::Message() << c.btype << "," << c.icon << "," << c.idefault);
        MessageBoxRequest layout = BoxLayout(c.btype, c.icon, c.idefault);
        EXPECT_EQ(layout.buttons, c.buttons);
        EXPECT_EQ(layout.icon, c.expected_icon);
        EXPECT_EQ(layout.default_button, c.focus);
    }
}

// A box that fails gives -1 and raises the common dialog error.
TEST_F(ErrorReporting, MessageBoxPressedButtonBecomesTheExitButtonAndTheExitFieldIsCleared) {
    struct Case {
        int btype;
        BoxAnswer pressed;
        int exit_button;
        int error = 0;
    };
    const Case cases[] = {{0, BoxAnswer::Ok, 1},     {1, BoxAnswer::Cancel, 0},
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

TEST_F(ErrorReporting, MessageBoxTextsLoseTrailingBlanksAndTheOwnerComesFromTheWindows) {
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

TEST_F(ErrorReporting, AMessageBoxNobodyCanAnswerIsWrittenOutAndAnsweredByItsDefaultButton) {
    platform_->presence = UserPresence::Absent;
    struct Case {
        int btype, idefault, exit_button;
    };
    // Yes/No/Cancel with the focus on No; Retry/Cancel on Cancel; OK.
    const Case cases[] = {{4, 2, 2}, {2, 2, 0}, {0, 1, 1}};
    for (const Case& c : cases) {
        ::testing::internal::CaptureStderr();
        WMessageBox(c.btype, 2, c.idefault, "Save the settings?  ", "Heat pump  ");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Heat pump: Save the settings?\n");
        EXPECT_EQ(WInfoDialog(4), c.exit_button) << c.btype;
    }
    EXPECT_TRUE(platform_->boxes_shown.empty());
}

}  // namespace
}  // namespace windlass
