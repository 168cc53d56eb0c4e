// WInitialise: display, directories from the environment, the settings file, the debug level
// and the version request.
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

using testing::ToolkitTest;
using Environment = std::map<std::string, std::string, std::less<>>;

class Initialise : public ToolkitTest {
  protected:
    const ToolkitSettings& InitialiseWith(const Environment& environment) {
        platform_->environment = environment;
        WInitialise();
        return Settings();
    }
};

TEST_F(Initialise, DefaultsOfTheSettingsRecordAndTheErrorSlots) {
    platform_->system_directory = std::string("/usr/lib\0junk", 13);
    Errors() = ErrorState{1006, 2, 3, 4, 5};
    const ToolkitSettings& s = InitialiseWith({{"HOME", "/home/ann"}});
    EXPECT_EQ(s.initialised, -9999);
    EXPECT_EQ(s.screen_width, 1024);
    EXPECT_EQ(s.screen_height, 768);
    EXPECT_EQ(s.os.family, OsFamily::Nt);
    EXPECT_EQ(s.os.major, 6);
    EXPECT_EQ(s.dump_file, "windlass.dmp");
    EXPECT_EQ(s.plot_file, "windlass.plt");
    EXPECT_EQ(s.charset_file, "standard.chr");
    EXPECT_EQ(s.browser, "netscape");
    EXPECT_EQ(s.system_directory, "/usr/lib");
    EXPECT_EQ(s.general_unit, 40);
    EXPECT_EQ(s.plot_output_unit, 41);
    EXPECT_EQ(s.plot_input_unit, 42);
    EXPECT_EQ(s.bell_enabled, 1);
    EXPECT_EQ(s.path_separator, '/');
    EXPECT_EQ(s.settings_file, "");
    EXPECT_EQ(s.temp_directory, "/tmp/");
    EXPECT_EQ(Errors().last_toolkit_error, 0);
    EXPECT_EQ(Errors().last_file_status, 0);
    EXPECT_EQ(Errors().last_os_error, 0);
    EXPECT_EQ(Errors().debug_level, 0);
}

TEST_F(Initialise, ColoursFollowTheDisplayDepth) {
    struct Case {
        int planes, bits, colours, graphics;
    };
    const std::vector<Case> cases = {
        {1, 1, 2, 2},        {1, 4, 16, 8},          {4, 1, 16, 8},          {1, 8, 256, 16},
        {1, 16, 65536, 256}, {1, 32, 16777216, 256}, {1, 24, 16777216, 256},
    };
    for (const Case& c : cases) {
        ResetToolkitState();
        platform_->display = {640, 480, c.planes, c.bits};
        WInitialise();
        EXPECT_EQ(Settings().display_colours, c.colours) << c.planes << "x" << c.bits;
        EXPECT_EQ(Settings().graphics_colours, c.graphics) << c.planes << "x" << c.bits;
    }
}

TEST_F(Initialise, ToolkitDirectoryFromTheEnvironment) {
    struct Case {
        Environment environment;
        std::string toolkit, charsets;
    };
    const std::vector<Case> cases = {
        {{{"WINDLASS", "/opt/windlass"}}, "/opt/windlass/", "/opt/windlass/charsets/"},
        {{{"WINDLASS", "/opt/windlass/  "}}, "/opt/windlass/", "/opt/windlass/charsets/"},
        {{{"WLIDE", "/opt/tools/wlide"}}, "/opt/tools/", "/opt/tools/charsets/"},
        {{{"WLIDE", "/a/wlide/b/WLIDE"}}, "/a/wlide/b/", "/a/wlide/b/charsets/"},
        {{{"WLIDE", "/opt/ide"}}, "/opt/ide", "/opt/idecharsets/"},
        {{{"WLIDE", "wlide"}}, "", ""},
        {{{"XDG_CONFIG_HOME", "/home/ann/.cfg"}, {"HOME", "/home/ann"}},
         "/home/ann/.cfg/windlass/",
         "/home/ann/.cfg/windlass/charsets/"},
        {{{"HOME", "/home/ann/"}},
         "/home/ann/.config/windlass/",
         "/home/ann/.config/windlass/charsets/"},
        {{}, "", ""},
        {{{"WINDLASS", std::string(300, 'w')}, {"HOME", "/home/ann"}},
         "/home/ann/.config/windlass/",
         "/home/ann/.config/windlass/charsets/"},
    };
    for (const Case& c : cases) {
        ResetToolkitState();
        const ToolkitSettings& s = InitialiseWith(c.environment);
        EXPECT_EQ(s.toolkit_directory, c.toolkit);
        EXPECT_EQ(s.charset_directory, c.charsets);
    }
}

TEST_F(Initialise, TooLongVariableRaisesButInitialisationGoesOn) {
    const ToolkitSettings& s = InitialiseWith({{"WINDLASS", std::string(261, 'w')}});
    EXPECT_EQ(s.browser, "netscape");
    EXPECT_EQ(InfoError(1), ERR_TEXT_TOO_SMALL);
}

TEST_F(Initialise, TemporaryFolderFromTempThenTmp) {
    struct Case {
        Environment environment;
        std::string folder;
    };
    const std::vector<Case> cases = {
        {{{"TEMP", "/var/tmp"}, {"TMP", "/other"}}, "/var/tmp/"},
        {{{"TMP", "/scratch/"}}, "/scratch/"},
        {{}, "/tmp/"},
    };
    for (const Case& c : cases) {
        ResetToolkitState();
        EXPECT_EQ(InitialiseWith(c.environment).temp_directory, c.folder);
    }
}

TEST_F(Initialise, DebugLevelFromOneCharacterOfWldebug) {
    struct Case {
        std::string value;
        int level;
    };
    const std::vector<Case> cases = {{"0", 0}, {"2", 2},  {"4", 4}, {"5", 0},
                                     {"a", 0}, {"23", 0}, {"", 0}};
    for (const Case& c : cases) {
        ResetToolkitState();
        InitialiseWith({{"WLDEBUG", c.value}});
        EXPECT_EQ(Errors().debug_level, c.level) << "WLDEBUG=" << c.value;
    }
}

TEST_F(Initialise, SettingsFileIsFoundInOrder) {
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
    const std::vector<Case> cases = {
        {{{"WLINIT", "env.ini"}, {"WINDLASS", tk}}, "", 1},
        {{{"WLINIT", "missing.ini"}, {"WINDLASS", tk}}, "", 2},
        {{{"WLINIT", "env.ini"}}, "named.ini", 4},
        {{{"WLINIT", "env.ini"}}, "missing.ini", 1},
    };
    for (const Case& c : cases) {
        ResetToolkitState();
        platform_->environment = c.environment;
        WInitialise(c.inifile);
        EXPECT_EQ(Settings().printer_driver, c.printer) << "inifile " << c.inifile;
    }
    std::filesystem::remove("windlass.ini");
    ResetToolkitState();
    InitialiseWith({{"WINDLASS", tk}});
    EXPECT_EQ(Settings().settings_file, tk + "/windlass.ini");
    EXPECT_EQ(Settings().printer_driver, 3);
}

TEST_F(Initialise, SettingsFileLinesApplyInTurnAndCrLfIsTolerated) {
    WriteFile("windlass.ini",
              "; Windlass settings\r\n"
              "   debug = 3\r\n"
              "DB=1\r\n"
              "DEBUG=9\r\n"
              "LFNGEN=41\r\n"
              "LFNPLOTO=45\r\n"
              "LFNGEN=41\r\n"
              "BROWSER = my browser  --flag\r\n"
              "CHARDIR=/usr/share/windlass/chars\r\n");
    const ToolkitSettings& s = InitialiseWith({});
    EXPECT_EQ(Errors().debug_level, 3);
    EXPECT_EQ(s.plot_output_unit, 45);
    EXPECT_EQ(s.general_unit, 41) << "41 was free again once the plot output unit moved";
    EXPECT_EQ(s.browser, "my browser  --flag");
    EXPECT_EQ(s.charset_directory, "/usr/share/windlass/chars/");
}

TEST_F(Initialise, UnreadableSettingsFileLeavesTheDefaults) {
    std::filesystem::create_directory("windlass.ini");
    EXPECT_EQ(InitialiseWith({}).settings_file, "");

    ResetToolkitState();
    WriteFile("binary.ini", std::string("\0\xff\x01=\n\0DEBUG=3\nPRINTER", 21));
    const ToolkitSettings& s = InitialiseWith({{"WLINIT", "binary.ini"}});
    EXPECT_EQ(s.settings_file, "binary.ini");
    EXPECT_EQ(s.browser, "netscape");
    EXPECT_EQ(s.printer_driver, 0);
    EXPECT_EQ(Errors().debug_level, 0);
}

TEST_F(Initialise, VersionRequestShowsTheVersionAndEndsAfterTheWholeFile) {
    WriteFile("windlass.ini", "VERSION=\nPRINTER=7\nBROWSER=links\n");
    platform_->environment = {};
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

TEST_F(Initialise, SecondCallKeepsTheFirstSettings) {
    WriteFile("windlass.ini", "PRINTER=2\n");
    InitialiseWith({{"WINDLASS", "/first"}});
    IDebugLevel(2);
    yyerror(ERR_FIELD_IDENTIFIER);
    WriteFile("windlass.ini", "PRINTER=5\n");
    InitialiseWith({{"WINDLASS", "/second"}, {"WLDEBUG", "1"}});
    EXPECT_EQ(Settings().toolkit_directory, "/first/");
    EXPECT_EQ(Settings().printer_driver, 2);
    EXPECT_EQ(Errors().debug_level, 2);
    EXPECT_EQ(InfoError(1), ERR_FIELD_IDENTIFIER);
}

TEST_F(Initialise, CommandLineIsCaptured) {
    platform_->command_line = "heatwise first";
    InitialiseWith({});
    platform_->command_line = "heatwise changed";
    EXPECT_EQ(CommandLine().line, "heatwise first");
}

}  // namespace
}  // namespace windlass
