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

TEST_F(SettingsLine, NumericKeysSetTheirFieldsAndUnitNumbersStayDistinct) {
    ToolkitSettings settings;
    for (const char* line : {"PRINTER=3", "plotter = 5", "HPGL2=1", "LFNGEN=50", "LFNPLOTI=52",
                             "LFNPLOTO=51", "UNKNOWN=7"}) {
        ApplySettingsLine(line, settings);
    }
    EXPECT_EQ(std::vector<int>({settings.printer_driver, settings.plotter_driver, settings.hpgl2,
                                settings.general_unit, settings.plot_input_unit,
                                settings.plot_output_unit}),
              std::vector<int>({3, 5, 1, 50, 52, 51}));
    // From the units 40, 41 and 42: general, plot output, plot input.
    const std::pair<const char*, std::vector<int>> units[] = {
        {"LFNGEN=41", {40, 41, 42}},   {"LFNGEN=40", {40, 41, 42}}, {"LFNGEN=43", {43, 41, 42}},
        {"LFNPLOTO=40", {40, 41, 42}}, {"LFNPLOTO=7", {40, 7, 42}}, {"LFNPLOTI=41", {40, 41, 42}},
        {"LFNPLOTI=8", {40, 41, 8}},   {"LFNPLOTOX=9", {40, 9, 42}}};
    for (const auto& [line, expected] : units) {
        ToolkitSettings fresh;
        ApplySettingsLine(line, fresh);
        EXPECT_EQ(
            std::vector<int>({fresh.general_unit, fresh.plot_output_unit, fresh.plot_input_unit}),
            expected)
            << line;
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

TEST_F(SettingsLine,
       TextIsCutToItsFieldWithoutTrailingBlanksAndTheLineToTwoHundredSeventyCharacters) {
    ToolkitSettings settings;
    ApplySettingsLine("BROWSER=" + std::string(250, 'b'), settings);
    EXPECT_EQ(settings.browser, std::string(200, 'b'));
    // 8 characters of key and "=" leave 262 of the 270 for the value.
    ApplySettingsLine("CHARSET=" + std::string(300, 'c'), settings);
    EXPECT_EQ(settings.charset_file, std::string(260, 'c'));
    // An "=" in the last column leaves no value; one beyond it is not read at all.
    ToolkitSettings untouched;
    ApplySettingsLine("PLNAME" + std::string(263, ' ') + "=x", untouched);
    ApplySettingsLine("PLNAME" + std::string(270, ' ') + "=x", untouched);
    EXPECT_EQ(untouched.plot_file, "");
    // A cut within the blanks between two words leaves the first word without trailing blanks.
    ApplySettingsLine("BROWSER=" + std::string(180, 'x') + std::string(40, ' ') + "y", settings);
    EXPECT_EQ(settings.browser, std::string(180, 'x'));
    ApplySettingsLine("PLNAME=" + std::string(259, 'p') + "  q", settings);
    EXPECT_EQ(settings.plot_file, std::string(259, 'p'));
}

}  // namespace
}  // namespace windlass
