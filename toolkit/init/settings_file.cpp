#include "init/settings_file.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <string>

#include "errors/fixed_text.h"
#include "windlass/windlass.h"

namespace windlass {
namespace {

// Keys are compared on their first eight characters, upper-cased.
constexpr std::size_t kKeyLength = 8;
constexpr std::size_t kShortestKey = 3;

enum class Unit { General, PlotOutput, PlotInput };

std::string KeyOf(std::string_view left_of_equals) {
    std::size_t start = left_of_equals.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        return {};
    }
    std::size_t end = left_of_equals.find(' ', start);
    std::string key(left_of_equals.substr(
        start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (key.size() < kShortestKey) {
        return {};
    }
    key.resize(std::min(key.size(), kKeyLength));
    for (char& c : key) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return key;
}

// A text value runs from the first non-blank after "=" to the end of the line, blanks
// included, cut to the width of its field. The blanks are dropped after the cut: a cut inside a
// run of embedded blanks would otherwise leave them trailing, and the settings keep no trailing
// blanks.
std::string TextValue(std::string_view value, std::size_t width) {
    value = value.substr(value.find_first_not_of(' '));
    return std::string(TrimTrailingBlanks(value.substr(0, width)));
}

// The three unit numbers must stay distinct: a number already used by one of the other two
// is not taken.
void SetUnit(ToolkitSettings& settings, Unit unit, int number) {
    int* units[] = {&settings.general_unit, &settings.plot_output_unit, &settings.plot_input_unit};
    int chosen = static_cast<int>(unit);
    for (int other = 0; other < 3; ++other) {
        if (other != chosen && *units[other] == number) {
            return;
        }
    }
    *units[chosen] = number;
}

}  // namespace

VersionRequest ApplySettingsLine(std::string_view raw_line, ToolkitSettings& settings) {
    std::string line(raw_line.substr(0, kSettingsLineLimit));
    std::size_t equals = line.find('=');
    if (equals == std::string::npos || equals == 0 || equals == kSettingsLineLimit - 1) {
        return VersionRequest::None;
    }
    std::replace(line.begin(), line.end(), '\t', ' ');
    std::string key = KeyOf(std::string_view(line).substr(0, equals));
    if (key.empty()) {
        return VersionRequest::None;
    }
    VersionRequest version = key.starts_with("VER") ? VersionRequest::Noted : VersionRequest::None;
    std::string_view value = std::string_view(line).substr(equals + 1);
    if (IsBlank(value)) {
        return version;
    }
    int number = 0;
    IStringToInteger(value, number);
    bool number_converts = InfoError(1) == 0;

    if (key == "BROWSER") {
        settings.browser = TextValue(value, ToolkitSettings::kBrowserWidth);
    } else if (key == "CHARDIR") {
        settings.charset_directory = TextValue(value, ToolkitSettings::kPathWidth);
    } else if (key == "CHARSET") {
        settings.charset_file = TextValue(value, ToolkitSettings::kPathWidth);
    } else if (key == "PLNAME") {
        settings.plot_file = TextValue(value, ToolkitSettings::kPathWidth);
    } else if (!number_converts) {
        return version;
    } else if (key == "DEBUG") {
        IDebugLevel(number);
    } else if (key == "HPGL2") {
        settings.hpgl2 = number;
    } else if (key == "LFNGEN") {
        SetUnit(settings, Unit::General, number);
    } else if (key == "LFNPLOTI") {
        SetUnit(settings, Unit::PlotInput, number);
    } else if (key == "LFNPLOTO") {
        SetUnit(settings, Unit::PlotOutput, number);
    } else if (key == "PLOTTER") {
        settings.plotter_driver = number;
    } else if (key == "PRINTER") {
        settings.printer_driver = number;
    }
    return version;
}

VersionRequest ReadSettingsFile(const std::string& path, ToolkitSettings& settings) {
    std::ifstream file(path);
    VersionRequest version = VersionRequest::None;
    std::string line;
    while (file && std::getline(file, line)) {
        // Linux adaptation: a settings file written on a system with CR LF line ends reads the
        // same as one with LF alone.
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (ApplySettingsLine(line, settings) == VersionRequest::Noted) {
            version = VersionRequest::Noted;
        }
    }
    return version;
}

}  // namespace windlass
