// The operating-system utilities: environment variables, the current directory, the debug
// level, a case-blind text search and the abnormal end of the program.
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>

#include "errors/error_state.h"
#include "errors/fixed_text.h"
#include "errors/message_box.h"
#include "platform/platform.h"
#include "windlass/windlass.h"

namespace {

bool SameLetterIgnoringCase(char a, char b) {
    return std::toupper(static_cast<unsigned char>(a)) ==
           std::toupper(static_cast<unsigned char>(b));
}

}  // namespace

void IOsVariable(std::string_view name, std::string& value) {
    std::string wanted(windlass::TrimTrailingBlanks(name));
    std::optional<std::string> found = windlass::ThePlatform().Os().EnvironmentVariable(wanted);
    std::string_view text = found ? std::string_view(*found) : std::string_view();
    if (text.size() > value.size()) {
        windlass::PutFixed(value, "");
        yyerror(ERR_TEXT_TOO_SMALL);
        return;
    }
    windlass::PutFixed(value, text);
}

void IOsDirName(std::string& dirname) {
    windlass::CurrentDirectory current = windlass::ThePlatform().Os().WorkingDirectory();
    if (current.os_error != 0) {
        windlass::PutFixed(dirname, "");
        yyerror(ERR_OS_COMMAND);
        windlass::Errors().last_os_error = current.os_error;
        return;
    }
    if (current.path.size() > dirname.size()) {
        windlass::PutFixed(dirname, "");
        yyerror(ERR_TEXT_TOO_SMALL);
        return;
    }
    windlass::PutFixed(dirname, current.path);
}

void IDebugLevel(int level) {
    if (level >= 0 && level <= 4) {
        windlass::Errors().debug_level = level;
    }
}

// Both texts are taken without their trailing blanks, so a blank substring is found nowhere.
int IndexNoCase(std::string_view string, std::string_view substring, SearchFrom from) {
    string = windlass::TrimTrailingBlanks(string);
    substring = windlass::TrimTrailingBlanks(substring);
    if (substring.empty() || substring.size() > string.size()) {
        return 0;
    }
    auto found = from == SearchFrom::Back
                     ? std::find_end(string.begin(), string.end(), substring.begin(),
                                     substring.end(), SameLetterIgnoringCase)
                     : std::search(string.begin(), string.end(), substring.begin(), substring.end(),
                                   SameLetterIgnoringCase);
    if (found == string.end()) {
        return 0;
    }
    return static_cast<int>(found - string.begin()) + 1;
}

void IOsExitProgram(std::string_view message, int iexit) {
    message = windlass::TrimTrailingBlanks(message);
    if (!message.empty()) {
        // The code goes into columns 21 to 24 of the template; columns 21 to 27 are then moved
        // to the left, so the digits run straight into ") :".
        std::string text = "Abnormal exit (code     ) :";
        std::string code(4, ' ');
        IntegerToString(iexit, code, "(I4)");
        text.replace(20, 4, code);
        std::string tail = text.substr(20, 7);
        IJustifyString(tail, "L");
        text.replace(20, 7, tail);
        windlass::MessageBoxRequest request;
        request.icon = windlass::BoxIcon::Stop;
        request.title = "Windlass";
        request.text = std::string(windlass::TrimTrailingBlanks(text)) + " " + std::string(message);
        request.modality = windlass::BoxModality::Program;
        windlass::AskWithBox(request);
    }
    windlass::ThePlatform().Os().ExitProcess(iexit);
    // Every platform ends the process above; should one come back, the program still ends.
    std::_Exit(iexit);
}
