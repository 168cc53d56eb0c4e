// Internal to Windlass: not part of the public interface. Programs include windlass/windlass.h.
#pragma once

#include <string>

#include "platform/platform.h"

namespace windlass {

// The toolkit-wide settings that WInitialise() fills in. Texts are kept without their trailing
// blanks and never longer than their field (kPathWidth, kBrowserWidth); a blank text is empty.
struct ToolkitSettings {
    static constexpr int kInitialisedMarker = -9999;
    static constexpr std::size_t kPathWidth = 260;
    static constexpr std::size_t kBrowserWidth = 200;

    int initialised = 0;

    // Whether windows can be shown, and why not when they cannot; the screen's size is 0 then.
    DisplayState display = DisplayState::Missing;
    std::string display_problem = "the toolkit is not initialised";
    int screen_width = 0;
    int screen_height = 0;
    int display_colours = 0;
    int graphics_colours = 0;
    OsVersion os;

    std::string toolkit_directory;
    std::string charset_directory;
    std::string charset_file;
    std::string plot_file;
    std::string dump_file;
    std::string settings_file;
    std::string system_directory;
    std::string browser;
    // The folder for temporary hardcopy files, ending in the path separator.
    std::string temp_directory;

    // The unit numbers of the general, plot output and plot input files; always distinct.
    int general_unit = 40;
    int plot_output_unit = 41;
    int plot_input_unit = 42;

    int printer_driver = 0;
    int plotter_driver = 0;
    int hpgl2 = 0;

    int bell_enabled = 1;
    // Linux adaptation: paths are separated by "/" where the toolkit was first written for "\".
    char path_separator = '/';

    // Kept by the main window while it is open.
    int main_window_open = 0;
    int combined_dialog = 0;
};

ToolkitSettings& Settings();

// The version the version request reports.
inline constexpr const char* kToolkitVersion = "3.10";

}  // namespace windlass
