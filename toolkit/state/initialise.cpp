// WInitialise: the settings record, the toolkit's directories, the settings file, the command
// line and the debug level, in that order.
#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "dialog/dialog_manager.h"
#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "init/command_line.h"
#include "init/settings.h"
#include "init/settings_file.h"
#include "platform/platform.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// An environment variable as a path field holds it: blank when unset or too long for the field
// (which also raises ERR_TEXT_TOO_SMALL).
std::string PathVariable(std::string_view name) {
    std::string value(ToolkitSettings::kPathWidth, ' ');
    IOsVariable(name, value);
    return std::string(TrimTrailingBlanks(value));
}

std::string CutToPath(std::string text) {
    if (text.size() > ToolkitSettings::kPathWidth) {
        text.resize(ToolkitSettings::kPathWidth);
    }
    return text;
}

std::string WithSeparator(std::string directory, char separator) {
    if (!directory.empty() && directory.back() != separator) {
        directory += separator;
    }
    return CutToPath(std::move(directory));
}

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

// 2^(planes x bits), with the bits of a pixel capped at 24 and the power kept within what a
// 32-bit count holds.
int DisplayColours(const DisplayMetrics& display) {
    int bits = std::min(display.bits_per_pixel, 24);
    int power = std::clamp(display.planes * bits, 0, 30);
    return 1 << power;
}

int GraphicsColours(int display_colours) {
    switch (display_colours) {
        case 2:
            return 2;
        case 16:
            return 8;
        case 256:
            return 16;
        default:
            return 256;
    }
}

std::string ToolkitDirectory(char separator) {
    std::string windlass_dir = PathVariable("WINDLASS");
    if (!windlass_dir.empty()) {
        return WithSeparator(windlass_dir, separator);
    }
    std::string wlide = PathVariable("WLIDE");
    if (!wlide.empty()) {
        // A development tree names its top folder wlide: the toolkit sits beside it.
        int position = IndexNoCase(wlide, "WLIDE", SearchFrom::Back);
        if (position > 0) {
            wlide.resize(static_cast<std::size_t>(position - 1));
        }
        return wlide;
    }
    // Linux adaptation: without drive letters, the toolkit's own folder is a per-user one.
    std::string config_home = PathVariable("XDG_CONFIG_HOME");
    if (!config_home.empty()) {
        return WithSeparator(WithSeparator(config_home, separator) + "windlass", separator);
    }
    std::string home = PathVariable("HOME");
    if (!home.empty()) {
        return WithSeparator(WithSeparator(home, separator) + ".config/windlass", separator);
    }
    return {};
}

std::string SettingsFilePath(const std::string& toolkit_directory) {
    std::string from_environment = PathVariable("WLINIT");
    if (FileExists(from_environment)) {
        return from_environment;
    }
    if (FileExists("windlass.ini")) {
        return "windlass.ini";
    }
    if (!toolkit_directory.empty() && FileExists(toolkit_directory + "windlass.ini")) {
        return CutToPath(toolkit_directory + "windlass.ini");
    }
    return {};
}

std::string TempDirectory(char separator) {
    std::string temp = PathVariable("TEMP");
    if (temp.empty()) {
        temp = PathVariable("TMP");
    }
    // Linux adaptation: the last resort is the system's temporary folder.
    if (temp.empty()) {
        temp = "/tmp/";
    }
    return WithSeparator(temp, separator);
}

std::string CutAtNul(std::string text) {
    text.resize(std::min(text.find('\0'), text.size()));
    return CutToPath(std::move(text));
}

}  // namespace
}  // namespace windlass

void WInitialise(std::string_view inifile) {
    using windlass::ToolkitSettings;
    ToolkitSettings& settings = windlass::Settings();
    if (settings.initialised == ToolkitSettings::kInitialisedMarker) {
        return;
    }
    windlass::Platform& platform = windlass::ThePlatform();

    windlass::DisplayMetrics display = platform.Windowing().Display();
    windlass::OsVersion os = platform.Os().Version();

    settings = ToolkitSettings{};
    settings.initialised = ToolkitSettings::kInitialisedMarker;
    settings.display = display.state;
    settings.display_problem = display.problem;
    settings.screen_width = display.width_px;
    settings.screen_height = display.height_px;
    settings.display_colours = windlass::DisplayColours(display);
    settings.graphics_colours = windlass::GraphicsColours(settings.display_colours);
    settings.os = os;
    windlass::ResetErrorState();
    const char separator = settings.path_separator;

    settings.toolkit_directory = windlass::ToolkitDirectory(separator);
    if (!settings.toolkit_directory.empty()) {
        settings.charset_directory = windlass::CutToPath(settings.toolkit_directory + "charsets");
    }
    settings.settings_file = windlass::SettingsFilePath(settings.toolkit_directory);
    settings.dump_file = "windlass.dmp";
    settings.plot_file = "windlass.plt";
    settings.charset_file = "standard.chr";
    // Hardcopy output names its temporary files in this folder.
    settings.temp_directory = windlass::TempDirectory(separator);
    std::optional<std::string> system_directory = platform.Os().SystemDirectory();
    settings.system_directory = windlass::CutAtNul(system_directory.value_or(""));

    // One character decides the level: "0" to "4" are taken, anything else leaves 0.
    std::string debug(1, ' ');
    IOsVariable("WLDEBUG", debug);
    IDebugLevel(debug[0] - '0');

    settings.browser = "netscape";
    windlass::CommandLine();
    // From here on a main window opened with a form shows it as its client area.
    windlass::InstallDialogManager();

    std::string file_to_read;
    std::string named(windlass::TrimTrailingBlanks(inifile));
    if (windlass::FileExists(named)) {
        file_to_read = named;
    } else {
        file_to_read = settings.settings_file;
    }
    windlass::VersionRequest version = windlass::VersionRequest::None;
    if (!file_to_read.empty()) {
        version = windlass::ReadSettingsFile(file_to_read, settings);
    }

    settings.charset_directory = windlass::WithSeparator(settings.charset_directory, separator);
    // The printer, plotter and HP-GL/2 selections stay in the record for hardcopy output,
    // which takes its drivers from them.

    if (version == windlass::VersionRequest::Noted) {
        IOsExitProgram(std::string("Windlass version ") + windlass::kToolkitVersion, 0);
    }
}
