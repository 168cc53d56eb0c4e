// WInitialise: display, the settings file, the debug level and the version request.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "init/command_line.h"
#include "init/settings.h"
#include "support/toolkit_test.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

using Environment = std::map<std::string, std::string, std::less<>>;

class Initialise : public testing::ToolkitTest {
  protected:
    const ToolkitSettings& InitialiseWith(const Environment& environment,
                                          const std::string& inifile = "") {
        ResetToolkitState();
        platform_->environment = environment;
        WInitialise(inifile);
        return Settings();
    }
};

TEST_F(Initialise, ClearsTheErrorSlotsAndTakesTheDisplayAndTheCommandLine) {
    platform_->system_directory = std::string("/usr/lib\0junk", 13);
    platform_->command_line = "heatwise first";
    Errors() = ErrorState{1006, 2, 3, 4, 5};
    platform_->environment = {{"HOME", "/home/ann"}};
    WInitialise();
    platform_->command_line = "heatwise changed";
    EXPECT_EQ(CommandLine().line, "heatwise first");
    EXPECT_EQ(Settings().initialised, -9999);
    EXPECT_EQ(Settings().system_directory, "/usr/lib");
    EXPECT_EQ(Settings().browser, "netscape");
    EXPECT_EQ(Errors().last_toolkit_error + Errors().last_file_status + Errors().last_os_error +
                  Errors().debug_level,
              0);
    struct Case {
        int planes, bits, colours, graphics;
    };
    const Case depths[] = {{1, 1, 2, 2},
                           {4, 1, 16, 8},
                           {1, 8, 256, 16},
                           {1, 32, 16777216, 256},
                           {1, 24, 16777216, 256}};
    for (const Case& c : depths) {
        ResetToolkitState();
        platform_->display = {640, 480, c.planes, c.bits, DisplayState::Open, ""};
        WInitialise();
        EXPECT_EQ(Settings().display_colours, c.colours) << c.planes << "x" << c.bits;
        EXPECT_EQ(Settings().graphics_colours, c.graphics) << c.planes << "x" << c.bits;
    }
}

TEST_F(Initialise, AMissingDisplayIsNotedAndStopsNothing) {
    EXPECT_EQ(InfoDisplay(), 0) << "before WInitialise";
    platform_->display = {0, 0, 1, 0, DisplayState::Missing, "DISPLAY is not set"};
    WriteFile("windlass.ini", "PRINTER=5\n");
    WInitialise();
    EXPECT_EQ(Settings().initialised, -9999);
    EXPECT_EQ(Settings().printer_driver, 5);
    EXPECT_EQ(InfoError(1), 0);
    std::string reason(20, '*');
    EXPECT_EQ(InfoDisplay(reason), 0);
    EXPECT_EQ(reason, "DISPLAY is not set  ");

    ResetToolkitState();
    platform_->display = {800, 600, 1, 24, DisplayState::Open, ""};
    WInitialise();
    EXPECT_EQ(InfoDisplay(reason), 1);
    EXPECT_EQ(reason, std::string(20, ' '));
    EXPECT_EQ(InfoDisplay(), 1);
}

TEST_F(Initialise, SettingsFileIsFoundInOrderAndReadLineByLine) {
    WriteFile("env.ini", "PRINTER=1\n");
    WriteFile("windlass.ini", "PRINTER=2\n");
    WriteFile("tk/windlass.ini", "PRINTER=3\n");
    WriteFile("named.ini", "PRINTER=4\n");
    std::string tk = (scratch_.path() / "tk").string();
    struct Case {
        Environment environment;
        std::string inifile;
        int printer;
    };
    const std::vector<Case> cases = {{{{"WLINIT", "env.ini"}, {"WINDLASS", tk}}, "", 1},
                                     {{{"WLINIT", "missing.ini"}, {"WINDLASS", tk}}, "", 2},
                                     {{{"WLINIT", "env.ini"}}, "named.ini", 4},
                                     {{{"WLINIT", "env.ini"}}, "missing.ini", 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(InitialiseWith(c.environment, c.inifile).printer_driver, c.printer) << c.inifile;
    }
    std::filesystem::remove("windlass.ini");
    EXPECT_EQ(InitialiseWith({{"WINDLASS", tk}}).settings_file, tk + "/windlass.ini");
    EXPECT_EQ(Settings().printer_driver, 3);
    WriteFile("windlass.ini",
              "; Windlass settings\r\n   debug = 3\r\nDB=1\r\nDEBUG=9\r\n"
              "LFNGEN=41\r\nLFNPLOTO=45\r\nLFNGEN=41\r\n"
              "BROWSER = my browser  --flag\r\nCHARDIR=/usr/share/windlass/chars\r\n");
    const ToolkitSettings& s = InitialiseWith({});
    EXPECT_EQ(Errors().debug_level, 3);
    EXPECT_EQ(s.plot_output_unit, 45);
    EXPECT_EQ(s.general_unit, 41) << "41 was free again once the plot output unit moved";
    EXPECT_EQ(s.browser, "my browser  --flag");
    EXPECT_EQ(s.charset_directory, "/usr/share/windlass/chars/");
}

TEST_F(Initialise, VersionRequestShowsTheVersionAndEndsAfterTheWholeFile) {
    WriteFile("windlass.ini", "VERSION=\nPRINTER=7\nBROWSER=links\n");
    try {
        WInitialise();
        FAIL() << "a version request ends the program";
    } catch (const ProcessExit& exit) {
        EXPECT_EQ(exit.exit_code, 0);
    }
    ASSERT_EQ(platform_->boxes_shown.size(), 1u);
    EXPECT_EQ(platform_->boxes_shown[0].text, "Abnormal exit (code 0) : Windlass version 3.10");
    EXPECT_EQ(Settings().printer_driver, 7);
    EXPECT_EQ(Settings().browser, "links");
}

}  // namespace
}  // namespace windlass
