// The error slots, the report line and the four ways a raised error is reported.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

using testing::ToolkitTest;

class ErrorReporting : public ToolkitTest {};

TEST_F(ErrorReporting, InfoErrorReadsClearsAndRepeats) {
    struct Step {
        int itype;
        int expected;
    };
    yyerror(ERR_FIELD_IDENTIFIER);
    ASSERT_EQ(InfoError(1), 1006);
    yyerror(ERR_FIELD_RANGE);
    Errors().last_file_status = 2;
    Errors().last_os_error = 5;
    // Each slot is cleared when read; any other type repeats the last result, clearing nothing.
    const std::vector<Step> steps = {
        {5, 1006}, {-3, 1006}, {0, 1006}, {1, 1009}, {1, 0}, {7, 0}, {2, 2}, {2, 0}, {3, 5}, {3, 0},
    };
    for (const Step& step : steps) {
        EXPECT_EQ(InfoError(step.itype), step.expected) << "InfoError(" << step.itype << ")";
    }
}

TEST_F(ErrorReporting, ErrorLineHasCodeInFourColumnsAndNoBlankAfterColon) {
    struct Case {
        int code;
        const char* line;
    };
    const std::vector<Case> cases = {
        {4, "Error=   4:Number too large in string to numeric conversion"},
        {1045, "Error=1045:Specified dialog has wrong style to be combined with a window"},
        {50, "Error=  50:"},
        {0, "Error=   0:"},
        {12345, "Error=12345:"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorLine(c.code), c.line);
    }
}

TEST_F(ErrorReporting, LevelZeroStoresSilently) {
    ::testing::internal::CaptureStderr();
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_TRUE(platform_->boxes_shown.empty());
    EXPECT_FALSE(std::filesystem::exists("debug"));
    EXPECT_EQ(InfoError(1), 1006);
}

TEST_F(ErrorReporting, LevelOneWritesTheLineOnStandardError) {
    IDebugLevel(1);
    ::testing::internal::CaptureStderr();
    yyerror(ERR_FIELD_IDENTIFIER);
    yyerror(6);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "Error=1006:Invalid field identifier\nError=   6:\n");
    EXPECT_EQ(InfoError(1), 6);
}

TEST_F(ErrorReporting, LevelTwoAddsOneLinePerReportToTheDebugFile) {
    WriteFile("debug", "left over from an earlier run\r\n");
    IDebugLevel(2);
    yyerror(ERR_FIELD_IDENTIFIER);
    yyerror(ERR_TEXT_TOO_SMALL);
    EXPECT_EQ(ReadFile("debug"),
              "Error=1006:Invalid field identifier\r\nError=1023:Variable too small to receive "
              "text\r\n");
    EXPECT_EQ(InfoError(1), 1023);
}

TEST_F(ErrorReporting, LevelThreeWritesIntoTheStatusBarWhenThereIsOne) {
    IDebugLevel(3);
    // No main window yet: nothing is shown and nothing fails.
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(InfoError(1), 1006);

    static std::vector<std::string> written;
    static int level_seen = -1;
    written.clear();
    Hooks().write_status_bar_report = [](std::string_view line) {
        written.emplace_back(line);
        level_seen = Errors().debug_level;
    };
    yyerror(ERR_FIELD_RANGE);
    EXPECT_EQ(written, std::vector<std::string>{
                           "Error=1009:Attempt to store an out of range dialog field value"});
    EXPECT_EQ(level_seen, 0) << "a report runs with reporting switched off";
    EXPECT_EQ(Errors().debug_level, 3);
}

TEST_F(ErrorReporting, LevelFourAsksInABoxAndOkGoesOn) {
    IDebugLevel(4);
    platform_->box_answers = {BoxAnswer::Ok};
    yyerror(ERR_FIELD_IDENTIFIER);
    ASSERT_EQ(platform_->boxes_shown.size(), 1u);
    const MessageBoxRequest& box = platform_->boxes_shown[0];
    EXPECT_EQ(box.title, "Library Error");
    EXPECT_EQ(box.text, "Error=1006:Invalid field identifier");
    EXPECT_EQ(box.buttons, BoxButtons::OkCancel);
    EXPECT_EQ(box.icon, BoxIcon::Exclamation);
    EXPECT_EQ(box.default_button, 0);
    EXPECT_TRUE(platform_->exits.empty());
    EXPECT_EQ(InfoError(1), 1006);
}

TEST_F(ErrorReporting, ErrorRaisedWhileTheBoxIsUpIsStoredButTheCauseSurvives) {
    IDebugLevel(4);
    static int stored_during_box = 0;
    platform_->while_box_shown = [](const MessageBoxRequest&) {
        yyerror(ERR_DIALOG_SELECT);
        stored_during_box = Errors().last_toolkit_error;
    };
    yyerror(ERR_FIELD_IDENTIFIER);
    EXPECT_EQ(stored_during_box, 1008);
    EXPECT_EQ(platform_->boxes_shown.size(), 1u) << "the inner error is not reported again";
    EXPECT_EQ(InfoError(1), 1006);
    EXPECT_EQ(Errors().debug_level, 4);
}

TEST_F(ErrorReporting, LevelFourCancelEndsTheProgramAndAFailedBoxKeepsTheCausingCode) {
    IDebugLevel(4);
    platform_->box_answers = {BoxAnswer::Failed, BoxAnswer::Cancel};
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
    EXPECT_EQ(platform_->boxes_shown.size(), 2u) << "no further box after Cancel";
}

}  // namespace
}  // namespace windlass
