// WInitialise: display, the settings file, the debug level and the version request; one settings
// line at a time: the key=value shape, the key table and its limits; and the operating-system
// utilities: environment, current directory, debug level and the command line. The abnormal end
// of the program is checked with the version request.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "init/command_line.h"
#include "init/settings.h"
#include "init/settings_file.h"
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

using OsUtilities = testing::ToolkitTest;

TEST_F(OsUtilities, VariableIsCopiedBlankPaddedOrLeftBlankWhenTooLong) {
    platform_->environment = {{"HOME", "/home/ann"}, {"EMPTY", ""}};
    struct Case {
        std::string name;
        std::size_t length;
        std::string value;
        int error;
    };
    const std::vector<Case> cases = {
        {"HOME", 12, "/home/ann   ", 0}, {"HOME   ", 9, "/home/ann", 0},
        {"HOME", 8, "        ", 1023},   {"UNSET", 4, "    ", 0},
        {"HOME", 0, "", 1023},           {"home", 5, "     ", 0}};
    for (const Case& c : cases) {
        std::string value(c.length, '#');
        IOsVariable(c.name, value);
        EXPECT_EQ(value, c.value) << c.name << " into " << c.length;
        EXPECT_EQ(InfoError(1), c.error) << c.name << " into " << c.length;
    }
}

TEST_F(OsUtilities, DirectoryNameWithItsFailures) {
    platform_->working_directory = CurrentDirectory{"/home/ann/work", 0};
    std::string name(20, '#');
    std::string small(5, '#');
    IOsDirName(name);
    IOsDirName(small);
    EXPECT_EQ(name + "|" + small, "/home/ann/work      |     ");
    EXPECT_EQ(InfoError(1), ERR_TEXT_TOO_SMALL);
    platform_->working_directory = CurrentDirectory{"", 2};
    IOsDirName(name);
    EXPECT_EQ(name, std::string(20, ' '));
    EXPECT_EQ(InfoError(1), ERR_OS_COMMAND);
    EXPECT_EQ(InfoError(3), 2);
}

TEST_F(OsUtilities, DebugLevelTakesOnlyZeroToFour) {
    struct Case {
        int requested, level;
    };
    const std::vector<Case> cases = {{3, 3}, {5, 3}, {-1, 3}, {0, 0}, {4, 4}};
    for (const Case& c : cases) {
        IDebugLevel(c.requested);
        EXPECT_EQ(Errors().debug_level, c.level) << c.requested;
    }
}

TEST_F(OsUtilities, CommandLineArgumentsAreWordsAfterTheProgramName) {
    const std::pair<std::string, std::vector<std::string>> lines[] = {
        {"", {}},
        {"heatwise a b  c", {"a", "b", "c"}},
        {"heatwise \"runs to the end", {"runs to the end"}},
        {"heatwise \"closed\"tail", {"closed", "tail"}},
        {"heatwise half\"quoted", {"half\"quoted"}}};
    for (const auto& [line, arguments] : lines) {
        EXPECT_EQ(SplitArguments(line), arguments) << "line: " << line;
    }
    // Argument 0 is the executable; the copy is taken once, cut at its limits and at a NUL.
    platform_->command_line = "heatwise \"C:/my files/x.ini\" -v " + std::string(2000, 'a');
    platform_->executable_path = "/" + std::string(400, 'p');
    EXPECT_EQ(ArgumentCount(), 3);
    EXPECT_EQ(Argument(0), platform_->executable_path.substr(0, 255));
    EXPECT_EQ(Argument(1), "C:/my files/x.ini");
    EXPECT_EQ(Argument(2), "-v");
    EXPECT_EQ(Argument(4), "");
    EXPECT_EQ(Argument(-1), "");
    EXPECT_EQ(CommandLine().line.size(), 1024u);
    ResetToolkitState();
    platform_->command_line = std::string("heatwise one\0two", 16);
    platform_->executable_path = std::string("/bin/heatwise\0junk", 18);
    EXPECT_EQ(CommandLine().line, "heatwise one");
    EXPECT_EQ(Argument(0), "/bin/heatwise");
}

}  // namespace
}  // namespace windlass
