// One settings line at a time: the key=value shape, the key table and its limits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "init/settings_file.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

using SettingsLine = testing::ToolkitTest;

TEST_F(SettingsLine, DebugLevelKeyTakesOnlyLevelsZeroToFour) {
    struct Case {
        std::string line;
        int level;
    };
    const std::vector<Case> cases = {
        {"   debug = 3", 3}, {"DEBUG=4", 4},  {"\tDeBuG\t=\t2\t", 2},
        {"DEBUGGING=1", 0},  // compared on eight characters: DEBUGGIN is not DEBUG
        {"DE=3", 0},         {"DEBUG=9", 0},  {"DEBUG=-1", 0},
        {"DEBUG=x", 0},      {"=DEBUG=3", 0}, {"DEBUG 3", 0},
    };
    for (const Case& c : cases) {
        Errors().debug_level = 0;
        ToolkitSettings settings;
        ApplySettingsLine(c.line, settings);
        EXPECT_EQ(Errors().debug_level, c.level) << "line: " << c.line;
        EXPECT_EQ(InfoError(1), 0) << "a failed conversion is cleared, not left behind: " << c.line;
    }
}

TEST_F(SettingsLine, TextKeysTakeTheRestOfTheLineFromItsFirstNonBlank) {
    ToolkitSettings settings;
    ApplySettingsLine("BROWSER =   firefox --new-window  --private  ", settings);
    ApplySettingsLine("chardir=/usr/share/windlass/char sets", settings);
    ApplySettingsLine("PLNAME=plot=out.plt", settings);
    EXPECT_EQ(settings.browser, "firefox --new-window  --private");
    EXPECT_EQ(settings.charset_directory, "/usr/share/windlass/char sets");
    EXPECT_EQ(settings.plot_file, "plot=out.plt");
    EXPECT_EQ(InfoError(1), 0) << "the text values do not convert as numbers, silently";
}

}  // namespace
}  // namespace windlass
