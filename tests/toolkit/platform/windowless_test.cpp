// A program that links only the core and installs no backend: everything that needs no window
// works, and what needs one fails as a window the platform refuses, without a crash or a wait.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "state/toolkit_state.h"
#include "support/scratch_directory.h"
#include "windlass/windlass.h"

namespace {

// A dialog of the test's resources, and the help document of the program's data.
constexpr int kDialog = 202;
const std::filesystem::path kHelpDocument =
    std::filesystem::path(HEATWISE_SOURCE_DIR) / "data" / "HELP.HLP";

class WindowlessTest : public ::testing::Test {
  protected:
    WindowlessTest() {
        windlass::ResetToolkitState();
        WInitialise();
    }
    ~WindowlessTest() override { windlass::ResetToolkitState(); }

    windlass::testing::ScratchDirectory scratch_;
};

TEST_F(WindowlessTest, EverythingThatNeedsNoWindowWorks) {
    EXPECT_EQ(InfoError(1), 0);
    std::string reason(60, ' ');
    EXPECT_EQ(InfoDisplay(reason), 0);
    EXPECT_EQ(reason.substr(0, 42), "no backend that draws windows is installed");
    EXPECT_EQ(InfoDisplay(), 0);

    std::string text(6, ' ');
    IntegerToString(-42, text, "(I6)");
    EXPECT_EQ(text, "   -42");
    float value = 0.0f;
    IStringToReal("1.5E2", value);
    EXPECT_EQ(value, 150.0f);
    int number = 0;
    IStringToInteger("12x", number);
    EXPECT_EQ(InfoError(1), ERR_INVALID_CHARACTER);
    EXPECT_EQ(InfoError(1), 0);

    // The environment and the debug file are the operating system's, not a window's.
    setenv("WINDLASS_WINDOWLESS_TEST", "found", 1);
    std::string variable(8, ' ');
    IOsVariable("WINDLASS_WINDOWLESS_TEST", variable);
    EXPECT_EQ(variable, "found   ");
    IDebugLevel(2);
    IStringToInteger("", number);
    std::ifstream debug(scratch_.path() / "debug");
    std::string line;
    std::getline(debug, line);
    EXPECT_EQ(line, "Error=  10:No substring found\r");
}

TEST_F(WindowlessTest, WhatNeedsAWindowFailsAsARefusedWindowDoes) {
    WDialogLoad(kDialog);
    EXPECT_EQ(InfoError(1), ERR_DIALOG_LOAD);
    EXPECT_EQ(CurrentDialogId(), 0);

    ASSERT_TRUE(std::filesystem::is_regular_file(kHelpDocument));
    WHelpFile1(kHelpDocument.string());
    EXPECT_EQ(InfoError(1), ERR_HELP_VIEWER);

    // Nobody can answer: the box answers with its default button (here Cancel) at once.
    WMessageBox(1, 3, 2, "Go on?", "Windowless");
    EXPECT_EQ(WInfoDialog(4), 0);

    // With nothing open no message could ever come, so the wait ends at once.
    int type = 0;
    MessageRecord message;
    WMessage(type, message);
    EXPECT_EQ(type, MSG_CLOSE);
}

TEST_F(WindowlessTest, AMainWindowThatCannotBeMadeEndsTheProgramAsItSays) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            WindowOpen2();
            std::exit(7);
        },
        ::testing::ExitedWithCode(0), "Windlass Window: Failed to create window - aborting\\.");
}

}  // namespace
