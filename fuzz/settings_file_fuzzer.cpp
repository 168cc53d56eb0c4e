// Fuzzes the reader of the toolkit's settings file (windlass.ini). An input is the file.
//
// Properties: the reader never fails, and the settings change only through well-formed lines:
// - a line without "=", with "=" in column 1 or 270, with no key of three or more characters
//   left of "=", or with nothing but blanks after it changes nothing, so the file read with
//   those lines left out gives exactly the same settings and debug level;
// - a setting changes only when a well-formed line names its key, and nothing a key does not
//   name ever changes;
// - a text setting holds the rest of the last line naming its key, from its first non-blank
//   character, without trailing blanks and never longer than its field;
// - the three unit numbers stay distinct and the debug level stays within 0 to 4.
#include <algorithm>
#include <cctype>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "errors/error_state.h"
#include "fuzz_check.h"
#include "init/settings.h"
#include "init/settings_file.h"
#include "recording_platform.h"

namespace {

using heatwise::fuzz::CarriageReturn;
using heatwise::fuzz::Require;
using heatwise::fuzz::SplitLines;
using windlass::ToolkitSettings;

constexpr std::size_t kLineLimit = 270;

// The key of a line that has the key=value shape, upper-cased and cut to eight characters,
// with the rest of the line after "="; no key for any other line.
struct Shape {
    std::string key;
    std::string value;
};

Shape ShapeOf(std::string line) {
    line = line.substr(0, std::min(line.size(), kLineLimit));
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0 || equals == kLineLimit - 1) {
        return {};
    }
    std::replace(line.begin(), line.end(), '\t', ' ');
    const std::string left = line.substr(0, equals);
    const std::size_t start = left.find_first_not_of(' ');
    if (start == std::string::npos) {
        return {};
    }
    std::string word = left.substr(start, left.find(' ', start) - start);
    const std::string value = line.substr(equals + 1);
    if (word.size() < 3 || value.find_first_not_of(' ') == std::string::npos) {
        return {};
    }
    word.resize(std::min<std::size_t>(word.size(), 8));
    for (char& c : word) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return {word, value};
}

// What a text key stores: the value from its first non-blank character, cut to the field's
// width, without trailing blanks.
std::string ExpectedText(const std::string& value, std::size_t width) {
    std::string text = value.substr(value.find_first_not_of(' '));
    text.resize(std::min(text.size(), width));
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// The settings as WInitialise leaves them before the file is read.
ToolkitSettings Baseline() {
    ToolkitSettings settings;
    settings.initialised = ToolkitSettings::kInitialisedMarker;
    settings.screen_width = 1024;
    settings.screen_height = 768;
    settings.display_colours = 1 << 24;
    settings.graphics_colours = 256;
    settings.toolkit_directory = "/opt/windlass/";
    settings.charset_directory = "/opt/windlass/charsets";
    settings.charset_file = "standard.chr";
    settings.plot_file = "windlass.plt";
    settings.dump_file = "windlass.dmp";
    settings.settings_file = "windlass.ini";
    settings.system_directory = "/usr/lib";
    settings.browser = "netscape";
    settings.temp_directory = "/tmp/";
    return settings;
}

// The state the reader may change: the settings record and the debug level.
struct State {
    ToolkitSettings settings;
    int debug_level = 0;
};

State Read(const std::string& path) {
    State state{Baseline(), 0};
    windlass::ResetErrorState();
    windlass::ReadSettingsFile(path, state.settings);
    state.debug_level = windlass::Errors().debug_level;
    windlass::ResetErrorState();
    return state;
}

// Each setting a key may change, by its key.
std::map<std::string, bool> ChangedByKey(const State& before, const State& after) {
    const ToolkitSettings& a = before.settings;
    const ToolkitSettings& b = after.settings;
    return {{"BROWSER", a.browser != b.browser},
            {"CHARDIR", a.charset_directory != b.charset_directory},
            {"CHARSET", a.charset_file != b.charset_file},
            {"PLNAME", a.plot_file != b.plot_file},
            {"DEBUG", before.debug_level != after.debug_level},
            {"HPGL2", a.hpgl2 != b.hpgl2},
            {"LFNGEN", a.general_unit != b.general_unit},
            {"LFNPLOTI", a.plot_input_unit != b.plot_input_unit},
            {"LFNPLOTO", a.plot_output_unit != b.plot_output_unit},
            {"PLOTTER", a.plotter_driver != b.plotter_driver},
            {"PRINTER", a.printer_driver != b.printer_driver}};
}

bool SameUnkeyed(const ToolkitSettings& a, const ToolkitSettings& b) {
    return a.initialised == b.initialised && a.screen_width == b.screen_width &&
           a.screen_height == b.screen_height && a.display_colours == b.display_colours &&
           a.graphics_colours == b.graphics_colours && a.os.family == b.os.family &&
           a.os.major == b.os.major && a.toolkit_directory == b.toolkit_directory &&
           a.dump_file == b.dump_file && a.settings_file == b.settings_file &&
           a.system_directory == b.system_directory && a.temp_directory == b.temp_directory &&
           a.bell_enabled == b.bell_enabled && a.path_separator == b.path_separator &&
           a.main_window_open == b.main_window_open && a.combined_dialog == b.combined_dialog;
}

// The keys whose settings differ between two states, "" when they agree.
std::string Differences(const State& a, const State& b) {
    std::string keys;
    for (const auto& [key, changed] : ChangedByKey(a, b)) {
        if (changed) {
            keys += key + " ";
        }
    }
    if (!SameUnkeyed(a.settings, b.settings)) {
        keys += "(settings no key names)";
    }
    return keys;
}

void CheckText(const std::string& stored, std::size_t width, std::string_view name) {
    Require(stored.size() <= width, "a text setting is never longer than its field",
            std::string(name) + " holds " + std::to_string(stored.size()) + " characters");
    Require(stored.empty() || stored.back() != ' ', "a text setting has no trailing blanks",
            std::string(name) + " = '" + stored + "'");
}

void Write(const std::string& path, std::string_view text) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Debug levels set by the file make later errors show message boxes, which the recording
    // platform answers; the lines written to standard error are dropped.
    static windlass::ScopedRecordingPlatform* platform = new windlass::ScopedRecordingPlatform;
    (void)platform;
    std::cerr.rdbuf(nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string& path = heatwise::fuzz::ScratchFile("windlass.ini");
    const State before{Baseline(), 0};

    Write(path, text);
    const State after = Read(path);

    // The same file with only its well-formed lines.
    std::string kept;
    std::map<std::string, std::string> last_value;
    // The lines as the reader sees them: a carriage return before the line feed dropped.
    for (const std::string& line : SplitLines(text, CarriageReturn::kDrop)) {
        Shape shape = ShapeOf(line);
        if (!shape.key.empty()) {
            // The reader drops one carriage return before a line feed: writing one keeps a
            // line that itself ends in a carriage return as it was.
            kept += line + "\r\n";
            last_value[shape.key] = shape.value;
        }
    }
    Write(path, kept);
    const State filtered = Read(path);
    Require(Differences(after, filtered).empty(),
            "lines without the key=value shape change nothing: the file without them reads "
            "the same",
            "differing: " + Differences(after, filtered));

    Require(SameUnkeyed(before.settings, after.settings),
            "settings that no key names never change");
    for (const auto& [key, changed] : ChangedByKey(before, after)) {
        Require(!changed || last_value.contains(key),
                "a setting changes only through a well-formed line with its key", key);
    }

    const ToolkitSettings& s = after.settings;
    const std::pair<std::string, std::pair<const std::string*, std::size_t>> texts[] = {
        {"BROWSER", {&s.browser, ToolkitSettings::kBrowserWidth}},
        {"CHARDIR", {&s.charset_directory, ToolkitSettings::kPathWidth}},
        {"CHARSET", {&s.charset_file, ToolkitSettings::kPathWidth}},
        {"PLNAME", {&s.plot_file, ToolkitSettings::kPathWidth}}};
    for (const auto& [key, field] : texts) {
        CheckText(*field.first, field.second, key);
        if (auto found = last_value.find(key); found != last_value.end()) {
            Require(*field.first == ExpectedText(found->second, field.second),
                    "a text setting holds the rest of the last line with its key",
                    key + " = '" + *field.first + "'");
        }
    }
    Require(s.general_unit != s.plot_output_unit && s.general_unit != s.plot_input_unit &&
                s.plot_output_unit != s.plot_input_unit,
            "the three unit numbers stay distinct");
    Require(after.debug_level >= 0 && after.debug_level <= 4, "the debug level stays in 0..4");
    return 0;
}
