// A program on the Qt backend started where no display can be opened: everything that needs no
// window works, what needs a window fails as a window the platform refuses, and a main window
// that cannot be made ends the program as it says. Each place runs in a process of its own, with
// the display taken away first, since the program opens the display once for its whole life.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <ostream>
#include <string>

#include "windlass/windlass.h"

namespace {

// Where a program may find itself without a display.
struct NoDisplay {
    const char* name;
    const char* qt_platform;  // Null: Qt chooses.
    const char* display;      // Null: unset.
    const char* reason;       // What InfoDisplay names, as a pattern.
};

// Names each place in the test's name and its failures.
void PrintTo(const NoDisplay& place, std::ostream* out) {
    *out << place.name;
}

// No X server serves display 65432: its socket does not exist and its TCP port would lie past
// the last one.
const NoDisplay kPlaces[] = {
    {"NothingSet", nullptr, nullptr, "DISPLAY is not set"},
    {"QtToldToUseX", "xcb", nullptr, "could not connect to display"},
    {"ADisplayNobodyServes", nullptr, ":65432", "could not connect to display :65432"},
};

void TakeTheDisplayAway(const NoDisplay& place) {
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("XDG_SESSION_TYPE");
    place.display ? setenv("DISPLAY", place.display, 1) : unsetenv("DISPLAY");
    place.qt_platform ? setenv("QT_QPA_PLATFORM", place.qt_platform, 1)
                      : unsetenv("QT_QPA_PLATFORM");
    WInstallQtBackend();
}

// Ends the process with the number of the first check that failed, 0 when all held.
void Check(bool held, int number, const char* what) {
    if (!held) {
        std::fprintf(stderr, "check %d failed: %s\n", number, what);
        std::fflush(stderr);
        _exit(number);
    }
}

void UseWhatNeedsNoWindow() {
    WInitialise();
    Check(InfoError(1) == 0, 1, "WInitialise raised an error");
    std::string reason(80, ' ');
    Check(InfoDisplay(reason) == 0, 2, "a display is reported");
    std::fprintf(stderr, "reason: %s\n", reason.c_str());
    std::string text(6, ' ');
    IntegerToString(42, text, "(I6)");
    Check(text == "    42", 3, "the conversion");
    int number = 0;
    IStringToInteger("4x", number);
    Check(InfoError(1) == ERR_INVALID_CHARACTER && InfoError(1) == 0, 4, "the error slot");
}

void AskForWhatNeedsAWindow() {
    WDialogLoad(202);
    Check(InfoError(1) == ERR_DIALOG_LOAD && CurrentDialogId() == 0, 5, "a dialog was made");
    const std::filesystem::path help =
        std::filesystem::path(HEATWISE_SOURCE_DIR) / "data" / "HELP.HLP";
    WHelpFile1(help.string());
    Check(InfoError(1) == ERR_HELP_VIEWER, 6, "the help viewer opened");
    WMessageBox(1, 3, 1, "Go on?", "No display");
    Check(WInfoDialog(4) == 1, 7, "the box did not answer with its default button");
}

class QtNoDisplayTest : public ::testing::TestWithParam<NoDisplay> {
  protected:
    QtNoDisplayTest() { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// In one process per place: what needs no window works, what needs one fails, and then the
// main window that cannot be made ends the program with its box written out.
TEST_P(QtNoDisplayTest, OnlyWhatNeedsAWindowFailsAndAMainWindowEndsTheProgramAsItSays) {
    const NoDisplay& place = GetParam();
    EXPECT_EXIT(
        {
            TakeTheDisplayAway(place);
            UseWhatNeedsNoWindow();
            AskForWhatNeedsAWindow();
            WindowOpen2();
            std::exit(7);
        },
        ::testing::ExitedWithCode(0),
        std::string("reason: ") + place.reason +
            ".*No display: Go on\\?.*Windlass Window: Failed to create window - aborting\\.");
}

INSTANTIATE_TEST_SUITE_P(Places, QtNoDisplayTest, ::testing::ValuesIn(kPlaces),
                         [](const ::testing::TestParamInfo<NoDisplay>& info) {
                             return std::string(info.param.name);
                         });

// Qt takes a platform with its options after a colon; the platform so named is the one asked
// for, and where it starts (here the offscreen one, which needs no display server) the program
// has its display.
TEST(QtDisplay, APlatformNamedWithItsOptionsIsThatPlatform) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("WAYLAND_DISPLAY");
            unsetenv("DISPLAY");
            setenv("QT_QPA_PLATFORM", "offscreen:fontengine=freetype", 1);
            WInstallQtBackend();
            WInitialise();
            std::string reason(80, ' ');
            Check(InfoDisplay(reason) == 1, 8, "no display is reported");
            std::exit(0);
        },
        ::testing::ExitedWithCode(0), "");
}

}  // namespace
