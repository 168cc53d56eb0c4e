// The menu commands on the recording platform: Help opens the program's help document at its
// contents, Exit asks the main loop to end, and nothing else does anything.
#include <gtest/gtest.h>

#include <filesystem>

#include "form_ids.h"
#include "process_menu.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace heatwise {
namespace {

namespace fs = std::filesystem;

// The program runs from <scratch>/app, with its help document and contents file beside it.
class ProcessMenuTest : public windlass::testing::ToolkitTest {
  protected:
    ProcessMenuTest() {
        fs::create_directories(AppFolder());
        for (const char* name : {"HELP.HLP", "HELP.CNT"}) {
            fs::copy_file(fs::path(HEATWISE_SOURCE_DIR) / "data" / name, AppFolder() / name);
        }
        platform_->executable_path = (AppFolder() / "heatwise").string();
    }

    fs::path AppFolder() const { return scratch_.path() / "app"; }
};

TEST_F(ProcessMenuTest, HelpOpensTheHelpDocumentBesideTheProgramAtItsFinder) {
    int quit_flag = 0;

    ProcessMenu(CMD_HELP, quit_flag);

    EXPECT_EQ(quit_flag, 0);
    EXPECT_EQ(InfoError(1), 0);
    ASSERT_EQ(platform_->help_shown.size(), 1u);
    const windlass::RecordingPlatform::HelpShown& shown = platform_->help_shown[0];
    EXPECT_EQ(fs::path(shown.document), AppFolder() / "HELP.HLP");
    EXPECT_EQ(shown.request.command, windlass::HelpCommand::Finder);
    EXPECT_EQ(fs::path(shown.request.contents_file), AppFolder() / "HELP.CNT");
}

TEST_F(ProcessMenuTest, AMissingHelpDocumentOpensNothingAndTheProgramGoesOn) {
    fs::remove(AppFolder() / "HELP.HLP");
    int quit_flag = 0;

    ProcessMenu(CMD_HELP, quit_flag);

    EXPECT_TRUE(platform_->help_shown.empty());
    EXPECT_EQ(InfoError(1), ERR_OPEN_FILE);
    EXPECT_EQ(quit_flag, 0);
}

// Exit sets the quit flag without asking; every other command leaves it as it was.
TEST_F(ProcessMenuTest, OnlyExitSetsTheQuitFlag) {
    for (int command : {CMD_EXIT, 0, -1, 40001, 40003, 40005, 30001}) {
        for (const int before : {0, 1}) {
            int quit_flag = before;
            ProcessMenu(command, quit_flag);
            EXPECT_EQ(quit_flag, command == CMD_EXIT ? 1 : before) << "command " << command;
        }
    }
    EXPECT_TRUE(platform_->help_shown.empty());
    EXPECT_TRUE(platform_->boxes_shown.empty()) << "no confirmation is asked";
}

}  // namespace
}  // namespace heatwise
