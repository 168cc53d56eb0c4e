// The program's flow on the recording platform: a climate file that stops the start, the menu
// commands, and the main loop that answers them until the program is told to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialog/dialog_table.h"
#include "errors/message_box.h"
#include "form_ids.h"
#include "main_loop.h"
#include "process_menu.h"
#include "startup.h"
#include "support/toolkit_reset.h"
#include "support/toolkit_test.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;
using ProgramFlowTest = windlass::testing::ToolkitTest;

// Copies files of the program's data folder into `folder`.
void CopyData(const fs::path& folder, std::initializer_list<const char*> names) {
    fs::create_directories(folder);
    for (const char* name : names) {
        fs::copy_file(fs::path(HEATWISE_SOURCE_DIR) / "data" / name, folder / name);
    }
}

// A climate file that cannot be used ends the start with exit code 2, after a report in a box
// over the open window, before the form is filled. The load's own tests check each fault's
// message; here the missing city 211 of the design file shows its message in the box.
TEST_F(ProgramFlowTest, AClimateFileThatCannotBeUsedEndsTheStartWithAReport) {
    const std::string design = ReadFile(fs::path(HEATWISE_SOURCE_DIR) / "data" / kDesignFileName);
    CopyData(".", {kBinFileName});
    WriteFile(kDesignFileName, design.substr(0, design.rfind('\n', design.size() - 2) + 1));
    ProgramState state;
    try {
        StartUp(state);
        ADD_FAILURE() << "the start went on";
    } catch (const windlass::ProcessExit& exit) {
        EXPECT_EQ(exit.exit_code, kDataFaultExitCode);
    }
    ASSERT_EQ(platform_->frames.size(), 1u) << "the window is open";
    EXPECT_FALSE(platform_->main_frame().destroyed);
    ASSERT_EQ(platform_->boxes_shown.size(), 1u);
    const windlass::MessageBoxRequest& box = platform_->boxes_shown[0];
    EXPECT_EQ(box.icon, windlass::BoxIcon::Stop);
    EXPECT_EQ(box.title, "Heatwise 2.0");
    EXPECT_NE(box.text.find("cities.dat: line 211"), std::string::npos) << box.text;
    EXPECT_TRUE(platform_->main_frame().status_updates.empty() ||
                platform_->last_status().size() != 3)
        << "the start went no further";
    WindowClose();
}

// Without a display the start ends at once with exit code 1, after one line on standard error
// that names the reason and the ways out, before any window is asked for.
TEST_F(ProgramFlowTest, AStartWithoutADisplaySaysWhatToDoAndEnds) {
    platform_->display = {0, 0, 1, 0, windlass::DisplayState::Missing, "DISPLAY is not set"};
    ProgramState state;
    ::testing::internal::CaptureStderr();
    try {
        StartUp(state);
        ADD_FAILURE() << "the start went on";
    } catch (const windlass::ProcessExit& exit) {
        EXPECT_EQ(exit.exit_code, kNoDisplayExitCode);
    }
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "heatwise: cannot open a display (DISPLAY is not set); run under Xvfb (xvfb-run "
              "heatwise) or use heatwise-cli\n");
    EXPECT_TRUE(platform_->frames.empty());
    EXPECT_TRUE(platform_->boxes_shown.empty());
}

// Help opens the help document beside the program at its contents; without the document it
// opens nothing and the program goes on. Exit sets the quit flag without asking; every other
// command leaves the flag as it was.
TEST_F(ProgramFlowTest, TheMenuCommands) {
    const fs::path app = scratch_.path() / "app";
    CopyData(app, {"HELP.HLP", "HELP.CNT"});
    platform_->executable_path = (app / "heatwise").string();
    int quit_flag = 0;
    ProcessMenu(CMD_HELP, quit_flag);
    EXPECT_EQ(quit_flag, 0);
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_EQ(platform_->help_shown.size(), 1u);
    const auto& [owner, document, request] = platform_->help_shown[0];
    EXPECT_EQ(fs::path(document), app / "HELP.HLP");
    EXPECT_EQ(request.command, windlass::HelpCommand::Finder);
    EXPECT_EQ(fs::path(request.contents_file), app / "HELP.CNT");

    fs::remove(app / "HELP.HLP");
    ProcessMenu(CMD_HELP, quit_flag);
    EXPECT_EQ(platform_->help_shown.size(), 1u);
    EXPECT_EQ(InfoError(1), ERR_OPEN_FILE);
    EXPECT_EQ(quit_flag, 0);

    for (int command : {CMD_EXIT, 0, -1, 40001, 40003, 40005, 30001}) {
        for (const int before : {0, 1}) {
            quit_flag = before;
            ProcessMenu(command, quit_flag);
            EXPECT_EQ(quit_flag, command == CMD_EXIT ? 1 : before) << "command " << command;
        }
    }
    EXPECT_TRUE(platform_->boxes_shown.empty()) << "no confirmation is asked";
}

// The loop waits for each message in turn and answers it; the command that ends the program ends
// the loop at once, before what the user did after it, and the close box ends it as Exit does.
TEST_F(ProgramFlowTest, TheMainLoopAnswersEachMessageUntilTheProgramIsToldToEnd) {
    const fs::path app = scratch_.path() / "app";
    CopyData(app, {"HELP.HLP", "HELP.CNT"});
    CopyData(".", {kBinFileName, kDesignFileName});
    platform_->executable_path = (app / "heatwise").string();
    // The close box comes first: a wait with nothing left to play closes the first window made.
    for (const bool by_exit : {false, true}) {
        ProgramState state;
        StartUp(state);
        platform_->help_shown.clear();
        platform_->idle_waits = 0;
        platform_->events.push_back(
            [this] { platform_->frames.back().listener->OnCommand(CMD_HELP, 1); });
        if (by_exit) {
            platform_->events.push_back(
                [this] { platform_->frames.back().listener->OnCommand(CMD_EXIT, 2); });
            platform_->events.push_back(
                [this] { platform_->frames.back().listener->OnCommand(CMD_HELP, 3); });
        }
        RunMainLoop(state);
        EXPECT_EQ(state.quit_flag, 1);
        EXPECT_EQ(platform_->help_shown.size(), 1u) << "the first Help, and no other";
        EXPECT_EQ(platform_->events.size(), by_exit ? 1u : 0u) << "what came after Exit waits";
        EXPECT_EQ(platform_->idle_waits, by_exit ? 0 : 1) << "only the close box was waited for";
        ShutDown();
        platform_->events.clear();
    }
}

}  // namespace
}  // namespace heatwise
